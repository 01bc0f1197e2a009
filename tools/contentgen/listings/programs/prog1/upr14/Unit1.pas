unit Unit1;

{ Упражнение 1:14. Использование ComboBox.
  Три раскрывающихся списка задают шрифт, размер и цвет текста в поле
  Memo1. Список шрифтов заполняется при запуске программы шрифтами,
  установленными в Windows; в список размеров можно вписать своё число. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Label2: TLabel;
    Label3: TLabel;
    ComboBox1: TComboBox;
    ComboBox2: TComboBox;
    ComboBox3: TComboBox;
    Memo1: TMemo;
    Button1: TButton;
    procedure FormCreate(Sender: TObject);
    procedure ComboBox1Change(Sender: TObject);
    procedure ComboBox2Change(Sender: TObject);
    procedure ComboBox3Change(Sender: TObject);
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

procedure TForm1.FormCreate(Sender: TObject);
begin
  ComboBox1.Items := Screen.Fonts;   // все шрифты, установленные в Windows
  // выделяем в списке шрифт, которым сейчас написан текст
  ComboBox1.ItemIndex := ComboBox1.Items.IndexOf(Memo1.Font.Name);
end;

// Шрифт
procedure TForm1.ComboBox1Change(Sender: TObject);
begin
  Memo1.Font.Name := ComboBox1.Text;
end;

// Размер: выбран из списка или введён с клавиатуры
procedure TForm1.ComboBox2Change(Sender: TObject);
var
  Size: Integer;
begin
  Size := StrToIntDef(ComboBox2.Text, 0);   // 0, если введено не число
  if (Size >= 6) and (Size <= 72) then
    Memo1.Font.Size := Size;
end;

// Цвет: номер выбранной строки списка определяет константу цвета
procedure TForm1.ComboBox3Change(Sender: TObject);
begin
  case ComboBox3.ItemIndex of
    0: Memo1.Font.Color := clBlack;
    1: Memo1.Font.Color := clRed;
    2: Memo1.Font.Color := clGreen;
    3: Memo1.Font.Color := clBlue;
    4: Memo1.Font.Color := clPurple;
  end;
end;

procedure TForm1.Button1Click(Sender: TObject);
begin
  Close;
end;

end.
