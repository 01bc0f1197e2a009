unit Unit1;

{ Упражнение 1:01. Первая программа.
  Кнопка "Показать приветствие" меняет текст и цвет надписи,
  кнопка "Выход" закрывает программу. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls;

type
  TForm1 = class(TForm)
    Label1: TLabel;
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
begin
  Label1.Caption := 'Привет! Это моя первая программа!';
  Label1.Font.Color := clRed;
end;

procedure TForm1.Button2Click(Sender: TObject);
begin
  Close;   // закрыть главное окно и завершить программу
end;

end.
