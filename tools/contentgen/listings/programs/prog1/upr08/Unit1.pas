unit Unit1;

{ Упражнение 1:08. Оператор ветвления IF.
  Космическая викторина: программа проверяет ответ на вопрос и
  выбирает одно из нескольких действий. За верный ответ открывается
  второе окно (Form2 из модуля Unit2) с поздравлением. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Memo1: TMemo;
    Label2: TLabel;
    Edit1: TEdit;
    Button1: TButton;
    Label3: TLabel;
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

uses Unit2;

{$R *.dfm}

procedure TForm1.Button1Click(Sender: TObject);
var
  Year: Integer;   // год, который ввёл пользователь
begin
  // пустое поле: напоминаем и выходим из обработчика
  if Edit1.Text = '' then
  begin
    ShowMessage('Сначала введи год!');
    Exit;
  end;

  Year := StrToInt(Edit1.Text);

  // выбираем одно из трёх действий
  if Year = 1961 then
  begin
    Label3.Caption := '';
    Form2.ShowModal;   // окно с поздравлением
  end
  else if Year < 1961 then
    Label3.Caption := 'Нет, так рано люди в космос ещё не летали. Попробуй год попозже.'
  else
    Label3.Caption := 'Нет, это случилось раньше. Попробуй год пораньше.';
end;

procedure TForm1.Button2Click(Sender: TObject);
begin
  Close;
end;

end.
