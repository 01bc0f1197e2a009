unit Unit1;

{ Упражнение 3:05. Создание мультипликации.
  Мультфильм из трёх картинок: фон (backgraund.bmp) в Image1,
  самолёт (aplane.bmp) в прозрачном Image2 и значок программы
  (aplane.ico), заданный в окне Project Options.
  Таймер сдвигает самолёт вправо; улетев за край окна, самолёт
  появляется слева на новой высоте. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls, ComCtrls;

type
  TForm1 = class(TForm)
    Image1: TImage;
    Image2: TImage;
    Panel1: TPanel;
    Label1: TLabel;
    Button1: TButton;
    Button2: TButton;
    TrackBar1: TTrackBar;
    Timer1: TTimer;
    procedure FormCreate(Sender: TObject);
    procedure Timer1Timer(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
  private
    BaseTop: Integer;   // высота полёта без покачивания
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

procedure TForm1.FormCreate(Sender: TObject);
begin
  Randomize;
  DoubleBuffered := True;  // кадр рисуется в памяти: нет мерцания
  BaseTop := Image2.Top;
end;

// Один кадр мультфильма
procedure TForm1.Timer1Timer(Sender: TObject);
begin
  Image2.Left := Image2.Left + TrackBar1.Position;
  if Image2.Left > Image1.Width then
  begin
    // самолёт улетел за правый край: возвращаем его слева
    Image2.Left := -Image2.Width;
    BaseTop := 20 + Random(Image1.Height div 2);
  end;
  // самолёт плавно покачивается вверх-вниз
  Image2.Top := BaseTop + Round(15 * Sin(Image2.Left / 40));
end;

procedure TForm1.Button1Click(Sender: TObject);
begin
  Timer1.Enabled := True;
end;

procedure TForm1.Button2Click(Sender: TObject);
begin
  Timer1.Enabled := False;
end;

end.
