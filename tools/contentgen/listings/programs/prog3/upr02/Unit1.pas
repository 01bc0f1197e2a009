unit Unit1;

{ Упражнение 3:02. Графическая анимация.
  По белому полю летает мяч и отскакивает от стенок. Каждые 20 мс
  таймер стирает старый кадр, сдвигает мяч и рисует его заново на
  канве компонента Image1. При каждом ударе о стенку мяч меняет цвет. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls, ComCtrls;

type
  TForm1 = class(TForm)
    Image1: TImage;
    Label1: TLabel;
    Button1: TButton;
    Button2: TButton;
    TrackBar1: TTrackBar;
    CheckBox1: TCheckBox;
    Timer1: TTimer;
    procedure FormCreate(Sender: TObject);
    procedure Timer1Timer(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
  private
    X, Y: Integer;       // центр мяча
    DX, DY: Integer;     // направление движения: 1 или -1
    BallColor: TColor;   // цвет мяча
    procedure ClearField;
    procedure DrawBall;
    procedure NewColor;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

const
  R = 20;  // радиус мяча в пикселях

procedure TForm1.FormCreate(Sender: TObject);
begin
  Randomize;
  // мяч появляется в случайном месте поля
  X := R + Random(Image1.Width - 2 * R);
  Y := R + Random(Image1.Height - 2 * R);
  DX := 1;
  DY := 1;
  BallColor := clRed;
  ClearField;
  DrawBall;
end;

// Заливает всё поле белым цветом
procedure TForm1.ClearField;
begin
  Image1.Canvas.Brush.Color := clWhite;
  Image1.Canvas.FillRect(Rect(0, 0, Image1.Width, Image1.Height));
end;

// Рисует мяч с центром (X, Y)
procedure TForm1.DrawBall;
begin
  Image1.Canvas.Pen.Color := clBlack;
  Image1.Canvas.Brush.Color := BallColor;
  Image1.Canvas.Ellipse(X - R, Y - R, X + R, Y + R);
end;

// Случайный цвет из трёх случайных составляющих
procedure TForm1.NewColor;
begin
  BallColor := RGB(Random(256), Random(256), Random(256));
end;

// Один кадр анимации
procedure TForm1.Timer1Timer(Sender: TObject);
var
  Step: Integer;
begin
  Step := TrackBar1.Position;  // на сколько пикселей сдвигаться
  if not CheckBox1.Checked then
    ClearField;                // стираем старый кадр
  X := X + DX * Step;
  Y := Y + DY * Step;
  // удар о левую или правую стенку
  if X < R then
  begin
    X := R;
    DX := 1;
    NewColor;
  end
  else if X > Image1.Width - R then
  begin
    X := Image1.Width - R;
    DX := -1;
    NewColor;
  end;
  // удар о верхнюю или нижнюю стенку
  if Y < R then
  begin
    Y := R;
    DY := 1;
    NewColor;
  end
  else if Y > Image1.Height - R then
  begin
    Y := Image1.Height - R;
    DY := -1;
    NewColor;
  end;
  DrawBall;
end;

// Старт / Стоп
procedure TForm1.Button1Click(Sender: TObject);
begin
  Timer1.Enabled := not Timer1.Enabled;
  if Timer1.Enabled then
    Button1.Caption := 'Стоп'
  else
    Button1.Caption := 'Старт';
end;

// Очистить поле от следов
procedure TForm1.Button2Click(Sender: TObject);
begin
  ClearField;
  DrawBall;
end;

end.
