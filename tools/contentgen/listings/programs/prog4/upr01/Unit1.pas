unit Unit1;

{ Упражнение 4:01. Игра "Успей щёлкнуть".
  Кнопка-мишень SpeedButton1 прыгает по игровому полю Panel1.
  Таймер Timer1 переносит её на новое место, таймер Timer2 раз в
  секунду уменьшает оставшееся время. Каждое попадание даёт очко и
  ускоряет мишень, щелчок мимо неё считается промахом. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls, Buttons;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Label2: TLabel;
    Label3: TLabel;
    Button1: TButton;
    Panel1: TPanel;
    SpeedButton1: TSpeedButton;
    Timer1: TTimer;
    Timer2: TTimer;
    procedure FormCreate(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure SpeedButton1Click(Sender: TObject);
    procedure Panel1Click(Sender: TObject);
    procedure Timer1Timer(Sender: TObject);
    procedure Timer2Timer(Sender: TObject);
  private
    Score: Integer;     // попадания
    Misses: Integer;    // промахи
    TimeLeft: Integer;  // сколько секунд осталось до конца игры
    procedure MoveTarget;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

const
  GameTime = 30;   // длительность игры в секундах

procedure TForm1.FormCreate(Sender: TObject);
begin
  Randomize;   // без этого мишень каждый раз прыгала бы по одним и тем же местам
end;

// Переносим мишень в случайное место игрового поля
procedure TForm1.MoveTarget;
begin
  SpeedButton1.Left := Random(Panel1.ClientWidth - SpeedButton1.Width);
  SpeedButton1.Top := Random(Panel1.ClientHeight - SpeedButton1.Height);
end;

// Кнопка "Начать игру"
procedure TForm1.Button1Click(Sender: TObject);
begin
  Score := 0;
  Misses := 0;
  TimeLeft := GameTime;
  Label1.Caption := 'Очки: 0';
  Label2.Caption := 'Промахи: 0';
  Label3.Caption := 'Осталось: ' + IntToStr(TimeLeft) + ' с';
  Timer1.Interval := 1000;
  MoveTarget;
  SpeedButton1.Visible := True;
  Button1.Enabled := False;
  Timer1.Enabled := True;
  Timer2.Enabled := True;
end;

// Попадание: очко, мишень ускоряется и сразу прыгает
procedure TForm1.SpeedButton1Click(Sender: TObject);
begin
  Score := Score + 1;
  Label1.Caption := 'Очки: ' + IntToStr(Score);
  if Timer1.Interval > 300 then
    Timer1.Interval := Timer1.Interval - 50;
  // отсчёт до следующего прыжка начинаем заново
  Timer1.Enabled := False;
  Timer1.Enabled := True;
  MoveTarget;
end;

// Щелчок по пустому месту поля - промах
procedure TForm1.Panel1Click(Sender: TObject);
begin
  if Timer2.Enabled then
  begin
    Misses := Misses + 1;
    Label2.Caption := 'Промахи: ' + IntToStr(Misses);
  end;
end;

// Не успел щёлкнуть - мишень убегает
procedure TForm1.Timer1Timer(Sender: TObject);
begin
  MoveTarget;
end;

// Отсчёт времени игры
procedure TForm1.Timer2Timer(Sender: TObject);
begin
  TimeLeft := TimeLeft - 1;
  Label3.Caption := 'Осталось: ' + IntToStr(TimeLeft) + ' с';
  if TimeLeft = 0 then
  begin
    Timer1.Enabled := False;
    Timer2.Enabled := False;
    SpeedButton1.Visible := False;
    Button1.Enabled := True;
    ShowMessage(Format('Игра окончена! Очки: %d, промахи: %d', [Score, Misses]));
  end;
end;

end.
