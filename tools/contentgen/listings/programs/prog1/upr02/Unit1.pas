unit Unit1;

{ Упражнение 1:02. Ввод текста в программу.
  Пользователь вводит имя в поле Edit1, программа здоровается с ним. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Label2: TLabel;
    Edit1: TEdit;
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

// Кнопка "Поздороваться": склеиваем приветствие из трёх строк
procedure TForm1.Button1Click(Sender: TObject);
begin
  Label2.Caption := 'Здравствуй, ' + Edit1.Text + '!';
end;

// Кнопка "Очистить": стираем имя и приветствие
procedure TForm1.Button2Click(Sender: TObject);
begin
  Edit1.Text := '';
  Label2.Caption := '';
  Edit1.SetFocus;   // курсор снова в поле ввода
end;

end.
