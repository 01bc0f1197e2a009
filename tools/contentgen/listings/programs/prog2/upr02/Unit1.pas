unit Unit1;

{ Упражнение 2:02. Обработка строки.
  Программа переворачивает строку, меняет регистр букв,
  удаляет пробелы и подсчитывает символы, пробелы и слова. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls,
  Forms, Dialogs, StdCtrls;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Edit1: TEdit;
    Button1: TButton;
    Button2: TButton;
    Button3: TButton;
    Button4: TButton;
    Button5: TButton;
    Label2: TLabel;
    Edit2: TEdit;
    Label3: TLabel;
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure Button3Click(Sender: TObject);
    procedure Button4Click(Sender: TObject);
    procedure Button5Click(Sender: TObject);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

// «Перевернуть»: символы строки в обратном порядке
procedure TForm1.Button1Click(Sender: TObject);
var
  S, R: string;
  I: Integer;
begin
  S := Edit1.Text;
  R := '';
  for I := Length(S) downto 1 do
    R := R + S[I];  // S[I] - символ строки с номером I
  Edit2.Text := R;
end;

// «ПРОПИСНЫЕ»: все буквы большие
procedure TForm1.Button2Click(Sender: TObject);
begin
  Edit2.Text := AnsiUpperCase(Edit1.Text);
end;

// «строчные»: все буквы маленькие
procedure TForm1.Button3Click(Sender: TObject);
begin
  Edit2.Text := AnsiLowerCase(Edit1.Text);
end;

// «Без пробелов»: удаляем все пробелы
procedure TForm1.Button4Click(Sender: TObject);
var
  S: string;
  P: Integer;
begin
  S := Edit1.Text;
  P := Pos(' ', S);      // позиция первого пробела
  while P > 0 do
  begin
    Delete(S, P, 1);     // удаляем один символ
    P := Pos(' ', S);
  end;
  Edit2.Text := S;
end;

// «Подсчитать»: длина строки, число пробелов и слов
procedure TForm1.Button5Click(Sender: TObject);
var
  S: string;
  I, Spaces, Words: Integer;
begin
  S := Edit1.Text;
  Spaces := 0;
  Words := 0;
  for I := 1 to Length(S) do
    if S[I] = ' ' then
      Inc(Spaces)
    else if (I = 1) or (S[I - 1] = ' ') then
      Inc(Words);  // не пробел после пробела - начало слова
  Label3.Caption := Format(
    'Символов: %d,  пробелов: %d,  слов: %d',
    [Length(S), Spaces, Words]);
end;

end.
