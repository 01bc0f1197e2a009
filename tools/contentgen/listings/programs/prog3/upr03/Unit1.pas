unit Unit1;

{ Упражнение 3:03. Цветовые константы.
  Список заполняется всеми именованными цветами Delphi (clBlack, clRed,
  clBtnFace ...). Для выбранной константы программа показывает образец
  цвета, значение константы и цвет, который на самом деле будет на
  экране, с разложением на красную, зелёную и синюю составляющие. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Shape1: TShape;
    ListBox1: TListBox;
    GroupBox1: TGroupBox;
    Label2: TLabel;
    Label3: TLabel;
    Label4: TLabel;
    Label5: TLabel;
    Label6: TLabel;
    Label7: TLabel;
    Label8: TLabel;
    Label9: TLabel;
    Label10: TLabel;
    CheckBox1: TCheckBox;
    procedure FormCreate(Sender: TObject);
    procedure ListBox1Click(Sender: TObject);
  private
    procedure AddColorName(const S: string);
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

procedure TForm1.FormCreate(Sender: TObject);
begin
  // GetColorValues вызывает AddColorName для каждой цветовой константы
  GetColorValues(AddColorName);
  ListBox1.ItemIndex := 0;
  ListBox1Click(nil);
end;

// Добавляет имя константы в список
procedure TForm1.AddColorName(const S: string);
begin
  // clNone и clDefault - особые значения, а не цвета
  if (S <> 'clNone') and (S <> 'clDefault') then
    ListBox1.Items.Add(S);
end;

// Показывает сведения о выбранном цвете
procedure TForm1.ListBox1Click(Sender: TObject);
var
  C: TColor;
  RGBValue: Longint;
begin
  if ListBox1.ItemIndex < 0 then
    Exit;
  C := StringToColor(ListBox1.Items[ListBox1.ItemIndex]);
  RGBValue := ColorToRGB(C);  // настоящий цвет на экране
  Shape1.Brush.Color := C;
  Label3.Caption := ListBox1.Items[ListBox1.ItemIndex];
  Label5.Caption := '$' + IntToHex(C, 8);
  Label7.Caption := '$' + IntToHex(RGBValue, 6);
  Label9.Caption := Format('%d, %d, %d',
    [GetRValue(RGBValue), GetGValue(RGBValue), GetBValue(RGBValue)]);
  // у системных цветов константа - отрицательное число
  Label10.Visible := C < 0;
  if CheckBox1.Checked then
    Color := C
  else
    Color := clBtnFace;
end;

end.
