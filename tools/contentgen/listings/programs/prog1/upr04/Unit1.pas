unit Unit1;

{ Упражнение 1:04. Сложение двух чисел.
  Числа вводятся в поля Edit1 и Edit2, сумма выводится в надпись Label4. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Label2: TLabel;
    Label3: TLabel;
    Label4: TLabel;
    Edit1: TEdit;
    Edit2: TEdit;
    Button1: TButton;
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

{$R *.dfm}

procedure TForm1.Button1Click(Sender: TObject);
var
  a, b: Integer;   // слагаемые
  s: Integer;      // сумма
begin
  a := StrToInt(Edit1.Text);   // текст из поля превращаем в число
  b := StrToInt(Edit2.Text);
  s := a + b;
  Label4.Caption := IntToStr(s);   // число превращаем обратно в текст
end;

procedure TForm1.Button2Click(Sender: TObject);
begin
  Edit1.Text := '0';
  Edit2.Text := '0';
  Label4.Caption := '0';
  Edit1.SetFocus;
end;

end.
