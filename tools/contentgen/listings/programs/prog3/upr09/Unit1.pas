unit Unit1;

{ Упражнение 3:09. Текст под углом и градиент.
  Фон PaintBox1 заливается плавным переходом (градиентом) от цвета
  Color1 к цвету Color2: каждая линия шириной в один пиксель получает
  свой промежуточный цвет. Поверх выводится текст, повёрнутый на угол
  из TrackBar1. Для поворота берётся описание шрифта (TLogFont),
  в нём меняется угол наклона lfEscapement, и по описанию функция
  CreateFontIndirect создаёт новый шрифт. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls, ComCtrls;

type
  TForm1 = class(TForm)
    PaintBox1: TPaintBox;
    Label1: TLabel;
    Label2: TLabel;
    Edit1: TEdit;
    Button1: TButton;
    Button2: TButton;
    TrackBar1: TTrackBar;
    CheckBox1: TCheckBox;
    ColorDialog1: TColorDialog;
    procedure FormCreate(Sender: TObject);
    procedure PaintBox1Paint(Sender: TObject);
    procedure OptionsChange(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
  private
    Color1, Color2: TColor;   // начальный и конечный цвета градиента
    procedure DrawGradient;
    procedure DrawRotatedText;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

procedure TForm1.FormCreate(Sender: TObject);
begin
  Color1 := clNavy;
  Color2 := clAqua;
  DoubleBuffered := True;
end;

// Градиент: N линий, цвет меняется от Color1 к Color2
procedure TForm1.DrawGradient;
var
  I, N: Integer;
  C1, C2: Longint;
  R1, G1, B1, R2, G2, B2: Integer;
begin
  C1 := ColorToRGB(Color1);
  C2 := ColorToRGB(Color2);
  R1 := GetRValue(C1);
  G1 := GetGValue(C1);
  B1 := GetBValue(C1);
  R2 := GetRValue(C2);
  G2 := GetGValue(C2);
  B2 := GetBValue(C2);
  if CheckBox1.Checked then
    N := PaintBox1.Height   // горизонтальные линии сверху вниз
  else
    N := PaintBox1.Width;   // вертикальные линии слева направо
  with PaintBox1.Canvas do
    for I := 0 to N - 1 do
    begin
      Pen.Color := RGB(R1 + (R2 - R1) * I div N,
        G1 + (G2 - G1) * I div N, B1 + (B2 - B1) * I div N);
      if CheckBox1.Checked then
      begin
        MoveTo(0, I);
        LineTo(PaintBox1.Width, I);
      end
      else
      begin
        MoveTo(I, 0);
        LineTo(I, PaintBox1.Height);
      end;
    end;
end;

// Текст из Edit1, повёрнутый на угол TrackBar1.Position
procedure TForm1.DrawRotatedText;
var
  LF: TLogFont;
  A: Double;
  S: string;
  W, H, X, Y: Integer;
begin
  S := Edit1.Text;
  with PaintBox1.Canvas do
  begin
    Font.Name := 'Arial';  // поворачиваются только шрифты TrueType
    Font.Size := 28;
    Font.Style := [fsBold];
    // берём описание шрифта и задаём в нём угол в десятых долях градуса
    GetObject(Font.Handle, SizeOf(LF), @LF);
    LF.lfEscapement := TrackBar1.Position * 10;
    LF.lfOrientation := TrackBar1.Position * 10;
    Font.Handle := CreateFontIndirect(LF);
    // ставим текст так, чтобы его середина была в центре PaintBox1
    W := TextWidth(S);
    H := TextHeight(S);
    A := TrackBar1.Position * Pi / 180;  // угол в радианах
    X := PaintBox1.Width div 2 - Round(W / 2 * Cos(A) + H / 2 * Sin(A));
    Y := PaintBox1.Height div 2 - Round(H / 2 * Cos(A) - W / 2 * Sin(A));
    Brush.Style := bsClear;  // текст без фона
    Font.Color := clBlack;
    TextOut(X + 2, Y + 2, S);  // тень
    Font.Color := clWhite;
    TextOut(X, Y, S);
    Brush.Style := bsSolid;
  end;
end;

procedure TForm1.PaintBox1Paint(Sender: TObject);
begin
  DrawGradient;
  DrawRotatedText;
end;

// Текст, угол или направление градиента изменились
procedure TForm1.OptionsChange(Sender: TObject);
begin
  Label2.Caption := Format('Угол: %d°', [TrackBar1.Position]);
  PaintBox1.Invalidate;
end;

// Цвет 1...
procedure TForm1.Button1Click(Sender: TObject);
begin
  ColorDialog1.Color := Color1;
  if ColorDialog1.Execute then
  begin
    Color1 := ColorDialog1.Color;
    PaintBox1.Invalidate;
  end;
end;

// Цвет 2...
procedure TForm1.Button2Click(Sender: TObject);
begin
  ColorDialog1.Color := Color2;
  if ColorDialog1.Execute then
  begin
    Color2 := ColorDialog1.Color;
    PaintBox1.Invalidate;
  end;
end;

end.
