unit Unit1;

{ Упражнение 1:06. Программа "Хронометр".
  Таймер срабатывает каждые 100 мс (десятую долю секунды) и
  увеличивает счётчик Ticks; время показывается в виде м:сс.д.
  Рисунок часов (файл CLOCK.WMF) загружен в Image1 при проектировании. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls;

type
  TForm1 = class(TForm)
    Image1: TImage;
    Label1: TLabel;
    Label2: TLabel;
    Button1: TButton;
    Button2: TButton;
    Button3: TButton;
    Button4: TButton;
    Timer1: TTimer;
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure Button3Click(Sender: TObject);
    procedure Button4Click(Sender: TObject);
    procedure Timer1Timer(Sender: TObject);
  private
    Ticks: Integer;   // сколько десятых долей секунды прошло
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

// Каждые 100 мс: ещё одна десятая доля секунды
procedure TForm1.Timer1Timer(Sender: TObject);
begin
  Ticks := Ticks + 1;
  Label1.Caption := Format('%d:%.2d.%d',
    [Ticks div 600, (Ticks div 10) mod 60, Ticks mod 10]);
end;

// Старт: включаем таймер
procedure TForm1.Button1Click(Sender: TObject);
begin
  Timer1.Enabled := True;
  Button1.Enabled := False;
  Button2.Enabled := True;
end;

// Стоп: выключаем таймер, счётчик сохраняется
procedure TForm1.Button2Click(Sender: TObject);
begin
  Timer1.Enabled := False;
  Button1.Enabled := True;
  Button2.Enabled := False;
end;

// Сброс: останавливаем таймер и обнуляем счётчик
procedure TForm1.Button3Click(Sender: TObject);
begin
  Timer1.Enabled := False;
  Ticks := 0;
  Label1.Caption := '0:00.0';
  Button1.Enabled := True;
  Button2.Enabled := False;
end;

procedure TForm1.Button4Click(Sender: TObject);
begin
  Close;
end;

end.
