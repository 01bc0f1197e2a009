unit Unit1;

{ Упражнение 2:03. Вычисление факториала.
  Программа вычисляет n! = 1 * 2 * ... * n для n от 0 до 20
  и выводит таблицу факториалов всех чисел от 0 до n. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls,
  Forms, Dialogs, StdCtrls, Spin;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    SpinEdit1: TSpinEdit;
    Button1: TButton;
    Label2: TLabel;
    Edit1: TEdit;
    Label3: TLabel;
    Memo1: TMemo;
    Button2: TButton;
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

uses Unit2;  // модуль формы с подсказкой

{$R *.dfm}

// Факториал числа N. Тип Int64 вмещает значения до 20!
function Factorial(N: Integer): Int64;
var
  I: Integer;
begin
  Result := 1;           // 0! = 1 и 1! = 1
  for I := 2 to N do
    Result := Result * I;
end;

// Кнопка «Вычислить»
procedure TForm1.Button1Click(Sender: TObject);
var
  N, I: Integer;
begin
  N := SpinEdit1.Value;
  if (N < 0) or (N > 20) then
  begin
    MessageDlg('Введите число от 0 до 20.', mtWarning, [mbOK], 0);
    Exit;
  end;
  Edit1.Text := IntToStr(Factorial(N));
  Memo1.Clear;
  for I := 0 to N do
    Memo1.Lines.Add(Format('%2d! = %d', [I, Factorial(I)]));
end;

// Кнопка «Что такое n! ?» открывает окно с подсказкой
procedure TForm1.Button2Click(Sender: TObject);
begin
  Form2.ShowModal;
end;

end.
