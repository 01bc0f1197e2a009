unit Unit1;

{ Упражнение 3:01. Создание калькулятора.
  Калькулятор на четыре действия. Все цифровые кнопки обслуживает
  один обработчик DigitClick, все кнопки действий - один обработчик
  OperationClick: нажатую кнопку они узнают по параметру Sender.
  Рисунок калькулятора (файл CALC.WMF) загружен в Image1 при проектировании. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls;

type
  TForm1 = class(TForm)
    Image1: TImage;
    Label1: TLabel;
    Panel1: TPanel;
    Button1: TButton;
    Button2: TButton;
    Button3: TButton;
    Button4: TButton;
    Button5: TButton;
    Button6: TButton;
    Button7: TButton;
    Button8: TButton;
    Button9: TButton;
    Button10: TButton;
    Button11: TButton;
    Button12: TButton;
    Button13: TButton;
    Button14: TButton;
    Button15: TButton;
    Button16: TButton;
    Button17: TButton;
    procedure FormCreate(Sender: TObject);
    procedure DigitClick(Sender: TObject);
    procedure PointClick(Sender: TObject);
    procedure OperationClick(Sender: TObject);
    procedure EqualClick(Sender: TObject);
    procedure ClearClick(Sender: TObject);
  private
    Acc: Extended;        // первое число, а потом промежуточный результат
    Op: Char;             // отложенное действие: '+', '-', '*', '/' или ' '
    NewNumber: Boolean;   // следующая цифра начинает новое число
    procedure Calculate;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

const
  MaxDigits = 15;  // больше цифр на табло не помещается

procedure TForm1.FormCreate(Sender: TObject);
begin
  // на кнопке - тот разделитель дробной части, что принят в Windows
  Button11.Caption := DecimalSeparator;
  ClearClick(nil);
end;

// Одна процедура для всех десяти цифр
procedure TForm1.DigitClick(Sender: TObject);
var
  Digit: string;
begin
  Digit := (Sender as TButton).Caption;
  if NewNumber or (Panel1.Caption = '0') then
  begin
    Panel1.Caption := Digit;
    NewNumber := False;
  end
  else if Length(Panel1.Caption) < MaxDigits then
    Panel1.Caption := Panel1.Caption + Digit;
end;

// Запятая: в числе она может быть только одна
procedure TForm1.PointClick(Sender: TObject);
begin
  if NewNumber then
  begin
    Panel1.Caption := '0';
    NewNumber := False;
  end;
  if Pos(DecimalSeparator, Panel1.Caption) = 0 then
    Panel1.Caption := Panel1.Caption + DecimalSeparator;
end;

// Выполняет отложенное действие над Acc и числом на табло
procedure TForm1.Calculate;
var
  X: Extended;
begin
  X := StrToFloat(Panel1.Caption);
  case Op of
    '+': Acc := Acc + X;
    '-': Acc := Acc - X;
    '*': Acc := Acc * X;
    '/':
      if X = 0 then
      begin
        ShowMessage('На ноль делить нельзя!');
        ClearClick(nil);
        Exit;
      end
      else
        Acc := Acc / X;
  else
    Acc := X;  // действия ещё не было: просто запоминаем число
  end;
  Panel1.Caption := FloatToStr(Acc);
end;

// Одна процедура для кнопок "+", "-", "*" и "/"
procedure TForm1.OperationClick(Sender: TObject);
begin
  if not NewNumber then
    Calculate;  // 2 + 3 * ... сначала считаем 2 + 3
  Op := (Sender as TButton).Caption[1];
  NewNumber := True;
end;

procedure TForm1.EqualClick(Sender: TObject);
begin
  Calculate;
  Op := ' ';
  NewNumber := True;
end;

// Кнопка "C": всё сначала
procedure TForm1.ClearClick(Sender: TObject);
begin
  Acc := 0;
  Op := ' ';
  NewNumber := True;
  Panel1.Caption := '0';
end;

end.
