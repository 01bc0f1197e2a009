unit Unit1;

{ Упражнение 2:01. Квадратное уравнение.
  Программа решает уравнение a*x^2 + b*x + c = 0:
  вычисляет дискриминант и находит корни. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls,
  Forms, Dialogs, StdCtrls, Menus;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Label2: TLabel;
    Label3: TLabel;
    Label4: TLabel;
    Edit1: TEdit;
    Edit2: TEdit;
    Edit3: TEdit;
    Button1: TButton;
    Button2: TButton;
    GroupBox1: TGroupBox;
    Memo1: TMemo;
    MainMenu1: TMainMenu;
    NEquation: TMenuItem;
    NSolve: TMenuItem;
    NClear: TMenuItem;
    N1: TMenuItem;
    NExit: TMenuItem;
    NHelp: TMenuItem;
    NAbout: TMenuItem;
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure NExitClick(Sender: TObject);
    procedure NAboutClick(Sender: TObject);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

uses Unit2;  // модуль дополнительной формы Form2

{$R *.dfm}

// Кнопка «Решить» и пункт меню «Решить»
procedure TForm1.Button1Click(Sender: TObject);
var
  A, B, C, D, X1, X2: Real;
begin
  Memo1.Clear;
  // читаем коэффициенты; если введено не число,
  // StrToFloat создаёт исключение EConvertError
  try
    A := StrToFloat(Edit1.Text);
    B := StrToFloat(Edit2.Text);
    C := StrToFloat(Edit3.Text);
  except
    on EConvertError do
    begin
      MessageDlg('Коэффициенты должны быть числами!',
        mtError, [mbOK], 0);
      Exit;
    end;
  end;
  if A = 0 then
  begin
    MessageDlg('При a = 0 уравнение не квадратное.',
      mtWarning, [mbOK], 0);
    Exit;
  end;
  D := B * B - 4 * A * C;  // дискриминант
  Memo1.Lines.Add(Format('Дискриминант D = %.3f', [D]));
  if D > 0 then
  begin
    X1 := (-B + Sqrt(D)) / (2 * A);
    X2 := (-B - Sqrt(D)) / (2 * A);
    Memo1.Lines.Add('Уравнение имеет два корня:');
    Memo1.Lines.Add(Format('x1 = %.3f', [X1]));
    Memo1.Lines.Add(Format('x2 = %.3f', [X2]));
  end
  else if D = 0 then
  begin
    X1 := -B / (2 * A);
    Memo1.Lines.Add('Уравнение имеет один корень:');
    Memo1.Lines.Add(Format('x = %.3f', [X1]));
  end
  else
  begin
    Memo1.Lines.Add('Действительных корней нет.');
    Form2.ShowModal;  // окно с картинкой и пояснением
  end;
end;

// Кнопка «Очистить» и пункт меню «Очистить»
procedure TForm1.Button2Click(Sender: TObject);
begin
  Edit1.Clear;
  Edit2.Clear;
  Edit3.Clear;
  Memo1.Clear;
  Edit1.SetFocus;
end;

// Пункт меню «Выход»
procedure TForm1.NExitClick(Sender: TObject);
begin
  Close;
end;

// Пункт меню «О программе»
procedure TForm1.NAboutClick(Sender: TObject);
begin
  ShowMessage('Решение квадратного уравнения.' + #13 +
    'Упражнение 2:01');
end;

end.
