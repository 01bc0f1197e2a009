unit Unit1;

{ Упражнение 1:13. Использование TrackBar.
  Горизонтальный движок TrackBar1 задаёт ширину эллипса Shape1,
  вертикальный TrackBar2 - его высоту. Эллипс всегда остаётся
  в центре белой панели Panel1. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls, ComCtrls;

type
  TForm1 = class(TForm)
    Panel1: TPanel;
    Shape1: TShape;
    TrackBar1: TTrackBar;
    TrackBar2: TTrackBar;
    Label1: TLabel;
    Label2: TLabel;
    Button1: TButton;
    procedure TrackBar1Change(Sender: TObject);
    procedure TrackBar2Change(Sender: TObject);
    procedure Button1Click(Sender: TObject);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

// Ширина эллипса; левый край сдвигаем, чтобы эллипс остался в центре
procedure TForm1.TrackBar1Change(Sender: TObject);
begin
  Shape1.Width := TrackBar1.Position;
  Shape1.Left := (Panel1.ClientWidth - Shape1.Width) div 2;
  Label1.Caption := 'Ширина: ' + IntToStr(TrackBar1.Position);
end;

// Высота эллипса; верхний край сдвигаем, чтобы эллипс остался в центре
procedure TForm1.TrackBar2Change(Sender: TObject);
begin
  Shape1.Height := TrackBar2.Position;
  Shape1.Top := (Panel1.ClientHeight - Shape1.Height) div 2;
  Label2.Caption := 'Высота: ' + IntToStr(TrackBar2.Position);
end;

procedure TForm1.Button1Click(Sender: TObject);
begin
  Close;
end;

end.
