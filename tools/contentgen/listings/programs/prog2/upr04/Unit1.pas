unit Unit1;

{ Упражнение 2:04. Строковый калькулятор.
  Пользователь вводит выражение строкой, например 12,5*4.
  Программа разбирает строку: находит знак операции,
  выделяет из строки два числа и вычисляет результат. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls,
  Forms, Dialogs, StdCtrls;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Edit1: TEdit;
    Button1: TButton;
    Label2: TLabel;
    Edit2: TEdit;
    Label3: TLabel;
    ListBox1: TListBox;
    Button2: TButton;
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure ListBox1DblClick(Sender: TObject);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

// Кнопка «=»: разбор строки и вычисление
procedure TForm1.Button1Click(Sender: TObject);
var
  S: string;
  I, P: Integer;
  Op: Char;
  X, Y, R: Real;
begin
  S := Trim(Edit1.Text);
  // ищем знак операции со второго символа,
  // чтобы первое число могло быть отрицательным
  P := 0;
  for I := 2 to Length(S) do
    if S[I] in ['+', '-', '*', '/'] then
    begin
      P := I;
      Break;
    end;
  if P = 0 then
  begin
    MessageDlg('В выражении нет знака + - * /', mtError, [mbOK], 0);
    Exit;
  end;
  Op := S[P];
  try
    X := StrToFloat(Trim(Copy(S, 1, P - 1)));
    Y := StrToFloat(Trim(Copy(S, P + 1, Length(S) - P)));
  except
    on EConvertError do
    begin
      MessageDlg('Числа в выражении записаны неверно',
        mtError, [mbOK], 0);
      Exit;
    end;
  end;
  if (Op = '/') and (Y = 0) then
  begin
    MessageDlg('Делить на ноль нельзя!', mtError, [mbOK], 0);
    Exit;
  end;
  case Op of
    '+': R := X + Y;
    '-': R := X - Y;
    '*': R := X * Y;
  else
    R := X / Y;
  end;
  Edit2.Text := FloatToStr(R);
  ListBox1.Items.Add(S + ' = ' + Edit2.Text);  // в историю
end;

// Кнопка «Очистить историю»
procedure TForm1.Button2Click(Sender: TObject);
begin
  ListBox1.Clear;
end;

// Двойной щелчок по строке истории возвращает ответ в поле ввода
procedure TForm1.ListBox1DblClick(Sender: TObject);
var
  S: string;
begin
  if ListBox1.ItemIndex < 0 then
    Exit;
  S := ListBox1.Items[ListBox1.ItemIndex];
  // ответ записан в строке после знака ' = '
  Edit1.Text := Copy(S, Pos(' = ', S) + 3, Length(S));
  Edit1.SetFocus;
  Edit1.SelStart := Length(Edit1.Text);  // курсор в конец
end;

end.
