unit Unit1;

{ Упражнение 1:11. Длина строки String.
  Пока пользователь печатает, программа показывает длину строки
  (функция Length). Кнопка "Перевернуть" переписывает строку задом
  наперёд, перебирая её символы циклом, и считает пробелы. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Edit1: TEdit;
    Label2: TLabel;
    Button1: TButton;
    Button2: TButton;
    Label3: TLabel;
    Edit2: TEdit;
    Label4: TLabel;
    Button3: TButton;
    procedure Edit1Change(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure Button3Click(Sender: TObject);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

// Вызывается при каждом изменении текста в поле Edit1
procedure TForm1.Edit1Change(Sender: TObject);
begin
  Label2.Caption := 'Количество символов: ' + IntToStr(Length(Edit1.Text));
end;

procedure TForm1.Button1Click(Sender: TObject);
var
  S, R: String;     // исходная и перевёрнутая строки
  i: Integer;       // номер символа
  Spaces: Integer;  // количество пробелов
begin
  S := Edit1.Text;
  R := '';
  Spaces := 0;
  for i := Length(S) downto 1 do
  begin
    R := R + S[i];             // берём символы с конца строки
    if S[i] = ' ' then
      Spaces := Spaces + 1;
  end;
  Edit2.Text := R;
  Label4.Caption := 'Пробелов: ' + IntToStr(Spaces);
end;

procedure TForm1.Button2Click(Sender: TObject);
begin
  Edit1.Clear;   // вызовет Edit1Change, и длина станет равна 0
  Edit2.Clear;
  Label4.Caption := 'Пробелов: 0';
  Edit1.SetFocus;
end;

procedure TForm1.Button3Click(Sender: TObject);
begin
  Close;
end;

end.
