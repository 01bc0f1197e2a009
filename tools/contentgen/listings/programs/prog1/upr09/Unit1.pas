unit Unit1;

{ Упражнение 1:09. Программа "Светофор".
  Таймер переключает сигналы светофора по кругу:
  красный -> красный с жёлтым -> зелёный -> жёлтый -> красный ...
  Картинки (файлы CAR.WMF, WOMEN.WMF и STOP.WMF загружены в Image1,
  Image2 и Image3 при проектировании) показывают, кто сейчас едет или идёт. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls;

type
  TForm1 = class(TForm)
    Panel1: TPanel;
    Shape1: TShape;
    Shape2: TShape;
    Shape3: TShape;
    Image1: TImage;
    Image2: TImage;
    Image3: TImage;
    Label1: TLabel;
    Button1: TButton;
    Timer1: TTimer;
    procedure FormCreate(Sender: TObject);
    procedure Timer1Timer(Sender: TObject);
    procedure Button1Click(Sender: TObject);
  private
    Phase: Integer;       // 0 - красный, 1 - красный с жёлтым, 2 - зелёный, 3 - жёлтый
    procedure ShowPhase;  // показать сигнал, соответствующий Phase
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

procedure TForm1.ShowPhase;
begin
  // сначала гасим все три сигнала
  Shape1.Brush.Color := clGray;
  Shape2.Brush.Color := clGray;
  Shape3.Brush.Color := clGray;

  // зажигаем нужные и задаём, сколько будет гореть сигнал
  if Phase = 0 then
  begin
    Shape1.Brush.Color := clRed;
    Label1.Caption := 'Красный: машины стоят, пешеходы идут';
    Timer1.Interval := 4000;
  end
  else if Phase = 1 then
  begin
    Shape1.Brush.Color := clRed;
    Shape2.Brush.Color := clYellow;
    Label1.Caption := 'Красный и жёлтый: сейчас включится зелёный';
    Timer1.Interval := 1500;
  end
  else if Phase = 2 then
  begin
    Shape3.Brush.Color := clLime;
    Label1.Caption := 'Зелёный: машины едут, пешеходы ждут';
    Timer1.Interval := 4000;
  end
  else
  begin
    Shape2.Brush.Color := clYellow;
    Label1.Caption := 'Жёлтый: внимание, сейчас включится красный';
    Timer1.Interval := 1500;
  end;

  // картинки: машина едет на зелёный и жёлтый, пешеход идёт на красный
  Image1.Visible := Phase >= 2;   // машина
  Image2.Visible := Phase = 0;    // пешеход
  Image3.Visible := Phase <= 1;   // знак STOP
end;

procedure TForm1.FormCreate(Sender: TObject);
begin
  Phase := 0;
  ShowPhase;
end;

// Следующий сигнал: после фазы 3 снова фаза 0
procedure TForm1.Timer1Timer(Sender: TObject);
begin
  Phase := (Phase + 1) mod 4;
  ShowPhase;
end;

procedure TForm1.Button1Click(Sender: TObject);
begin
  Close;
end;

end.
