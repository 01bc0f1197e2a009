unit Unit1;

{ Упражнение 3:08. Делаем стрелочные часы.
  Часы рисуются на канве PaintBox1 в обработчике OnPaint: циферблат,
  60 делений, цифры и три стрелки. Угол стрелки отсчитывается от цифры
  12 по часовой стрелке; конец стрелки длиной L находится в точке
  (CX + L * Sin(A), CY - L * Cos(A)). Таймер раз в секунду
  перерисовывает часы. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls;

type
  TForm1 = class(TForm)
    PaintBox1: TPaintBox;
    Label1: TLabel;
    Label2: TLabel;
    RadioGroup1: TRadioGroup;
    CheckBox1: TCheckBox;
    CheckBox2: TCheckBox;
    Button1: TButton;
    Timer1: TTimer;
    procedure FormCreate(Sender: TObject);
    procedure PaintBox1Paint(Sender: TObject);
    procedure Timer1Timer(Sender: TObject);
    procedure OptionClick(Sender: TObject);
    procedure Button1Click(Sender: TObject);
  private
    CX, CY: Integer;   // центр циферблата
    procedure DrawHand(Angle: Double; Len, W: Integer; C: TColor);
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

procedure TForm1.FormCreate(Sender: TObject);
begin
  DoubleBuffered := True;  // часы перерисовываются без мерцания
  Timer1Timer(nil);        // сразу показываем время
end;

// Рисует стрелку: угол Angle в радианах, длина Len, толщина W
procedure TForm1.DrawHand(Angle: Double; Len, W: Integer; C: TColor);
begin
  PaintBox1.Canvas.Pen.Color := C;
  PaintBox1.Canvas.Pen.Width := W;
  PaintBox1.Canvas.MoveTo(CX, CY);
  PaintBox1.Canvas.LineTo(CX + Round(Len * Sin(Angle)),
    CY - Round(Len * Cos(Angle)));
end;

procedure TForm1.PaintBox1Paint(Sender: TObject);
var
  H, M, S, MS: Word;
  R, I, L, X, Y: Integer;
  A: Double;
  Face, Marks, Hands: TColor;
begin
  DecodeTime(Time, H, M, S, MS);
  // цвета циферблата, делений и стрелок
  case RadioGroup1.ItemIndex of
    1: begin
         Face := clBlack;
         Marks := clSilver;
         Hands := clWhite;
       end;
    2: begin
         Face := clNavy;
         Marks := clAqua;
         Hands := clYellow;
       end;
  else
    Face := clWhite;
    Marks := clBlack;
    Hands := clNavy;
  end;
  CX := PaintBox1.Width div 2;
  CY := PaintBox1.Height div 2;
  R := CX - 4;  // радиус циферблата
  with PaintBox1.Canvas do
  begin
    // циферблат
    Pen.Color := Marks;
    Pen.Width := 3;
    Brush.Color := Face;
    Ellipse(CX - R, CY - R, CX + R, CY + R);
    // 60 делений; часовые длиннее и толще
    for I := 0 to 59 do
    begin
      A := I * Pi / 30;
      if I mod 5 = 0 then
      begin
        Pen.Width := 3;
        L := 12;
      end
      else
      begin
        Pen.Width := 1;
        L := 5;
      end;
      MoveTo(CX + Round((R - 6) * Sin(A)), CY - Round((R - 6) * Cos(A)));
      LineTo(CX + Round((R - 6 - L) * Sin(A)), CY - Round((R - 6 - L) * Cos(A)));
    end;
    // цифры от 1 до 12
    if CheckBox2.Checked then
    begin
      Font.Name := 'Arial';
      Font.Size := 12;
      Font.Style := [fsBold];
      Font.Color := Marks;
      Brush.Style := bsClear;  // буквы без фона
      for I := 1 to 12 do
      begin
        A := I * Pi / 6;
        X := CX + Round((R - 32) * Sin(A));
        Y := CY - Round((R - 32) * Cos(A));
        TextOut(X - TextWidth(IntToStr(I)) div 2,
          Y - TextHeight(IntToStr(I)) div 2, IntToStr(I));
      end;
      Brush.Style := bsSolid;
    end;
  end;
  // стрелки: часовая, минутная и секундная
  DrawHand((H mod 12 + M / 60) * Pi / 6, R * 5 div 10, 6, Hands);
  DrawHand((M + S / 60) * Pi / 30, R * 8 div 10, 4, Hands);
  if CheckBox1.Checked then
    DrawHand(S * Pi / 30, R * 9 div 10, 1, clRed);
  // кружок в центре
  PaintBox1.Canvas.Pen.Width := 1;
  PaintBox1.Canvas.Pen.Color := clRed;
  PaintBox1.Canvas.Brush.Color := clRed;
  PaintBox1.Canvas.Ellipse(CX - 5, CY - 5, CX + 5, CY + 5);
end;

procedure TForm1.Timer1Timer(Sender: TObject);
begin
  Label1.Caption := TimeToStr(Time);
  Label2.Caption := DateToStr(Date);
  PaintBox1.Invalidate;  // Windows вызовет PaintBox1Paint
end;

// Переключатели и флажки: перерисовать часы
procedure TForm1.OptionClick(Sender: TObject);
begin
  PaintBox1.Invalidate;
end;

procedure TForm1.Button1Click(Sender: TObject);
begin
  Close;
end;

end.
