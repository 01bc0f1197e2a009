unit Unit1;

{ Упражнение 2:12. Графический текст.
  Программа рисует текст на канве компонента Image выбранным
  шрифтом, размером и цветом, с тенью, контуром или объёмом,
  и сохраняет получившийся рисунок в файл BMP. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls,
  Forms, Dialogs, StdCtrls, ExtCtrls, Spin;

type
  TForm1 = class(TForm)
    Image1: TImage;
    Label1: TLabel;
    Edit1: TEdit;
    Label2: TLabel;
    ComboBox1: TComboBox;
    Label3: TLabel;
    SpinEdit1: TSpinEdit;
    Button1: TButton;
    Shape1: TShape;
    RadioGroup1: TRadioGroup;
    Button2: TButton;
    ColorDialog1: TColorDialog;
    SaveDialog1: TSaveDialog;
    procedure FormCreate(Sender: TObject);
    procedure Edit1Change(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
  private
    TextColor: TColor;  // цвет букв
    procedure PaintText;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

// Рисует текст на канве Image1 с выбранным эффектом
procedure TForm1.PaintText;
var
  C: TCanvas;
  S: string;
  X, Y, I, DX, DY: Integer;
begin
  C := Image1.Canvas;
  C.Brush.Style := bsSolid;  // стираем старый рисунок
  C.Brush.Color := clWhite;
  C.FillRect(Rect(0, 0, Image1.Width, Image1.Height));
  C.Font.Name := ComboBox1.Text;
  C.Font.Size := SpinEdit1.Value;
  C.Font.Style := [fsBold];
  S := Edit1.Text;
  X := (Image1.Width - C.TextWidth(S)) div 2;  // текст по центру
  Y := (Image1.Height - C.TextHeight(S)) div 2;
  C.Brush.Style := bsClear;  // буквы без фона
  case RadioGroup1.ItemIndex of
    1: begin  // тень: серая копия со сдвигом вправо и вниз
         C.Font.Color := clGray;
         C.TextOut(X + 5, Y + 5, S);
       end;
    2: begin  // контур: цветные копии со сдвигом во все стороны
         C.Font.Color := TextColor;
         for DX := -2 to 2 do
           for DY := -2 to 2 do
             C.TextOut(X + DX, Y + DY, S);
       end;
    3: begin  // объём: стопка серых копий
         C.Font.Color := clGray;
         for I := 8 downto 1 do
           C.TextOut(X + I, Y + I, S);
       end;
  end;
  if RadioGroup1.ItemIndex = 2 then
    C.Font.Color := clWhite  // контурные буквы внутри белые
  else
    C.Font.Color := TextColor;
  C.TextOut(X, Y, S);
end;

procedure TForm1.FormCreate(Sender: TObject);
begin
  ComboBox1.Items.Assign(Screen.Fonts);  // все шрифты Windows
  ComboBox1.ItemIndex := ComboBox1.Items.IndexOf('Arial');
  if ComboBox1.ItemIndex < 0 then
    ComboBox1.ItemIndex := 0;
  TextColor := clRed;
  Shape1.Brush.Color := TextColor;
  PaintText;
end;

// Общий обработчик изменения текста, шрифта, размера и эффекта
procedure TForm1.Edit1Change(Sender: TObject);
begin
  PaintText;
end;

// «Цвет...»
procedure TForm1.Button1Click(Sender: TObject);
begin
  ColorDialog1.Color := TextColor;
  if ColorDialog1.Execute then
  begin
    TextColor := ColorDialog1.Color;
    Shape1.Brush.Color := TextColor;  // образец цвета
    PaintText;
  end;
end;

// «Сохранить рисунок...»
procedure TForm1.Button2Click(Sender: TObject);
begin
  if SaveDialog1.Execute then
    Image1.Picture.SaveToFile(SaveDialog1.FileName);
end;

end.
