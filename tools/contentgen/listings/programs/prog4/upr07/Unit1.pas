unit Unit1;

{ Упражнение 4:07. Тест зрительной памяти.
  На две секунды в таблице 5 x 5 закрашиваются несколько клеток.
  Потом они гаснут, и игрок должен щёлкнуть по тем же клеткам.
  Верные клетки становятся зелёными, ошибочные - красными.
  После удачного раунда клеток становится больше, после трёх
  ошибок - меньше. Таблица DrawGrid1 рисуется в событии OnDrawCell. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls, Grids;

type
  TForm1 = class(TForm)
    DrawGrid1: TDrawGrid;
    Label1: TLabel;
    Label2: TLabel;
    Label3: TLabel;
    Button1: TButton;
    Timer1: TTimer;
    procedure FormCreate(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure Timer1Timer(Sender: TObject);
    procedure DrawGrid1DrawCell(Sender: TObject; ACol, ARow: Integer;
      Rect: TRect; State: TGridDrawState);
    procedure DrawGrid1MouseDown(Sender: TObject; Button: TMouseButton;
      Shift: TShiftState; X, Y: Integer);
  private
    Target: array [0..4, 0..4] of Boolean;  // клетки задания
    Opened: array [0..4, 0..4] of Boolean;  // клетки, по которым уже щёлкнули
    Showing: Boolean;   // идёт показ задания
    Guessing: Boolean;  // игрок отвечает
    Level: Integer;     // уровень: в задании Level + 2 клетки
    Score: Integer;
    Found: Integer;     // найдено верных клеток в этом раунде
    Errors: Integer;    // ошибок в этом раунде
    procedure NewRound;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

const
  MaxLevel = 8;

procedure TForm1.FormCreate(Sender: TObject);
begin
  Randomize;
  Level := 1;
end;

// Новый раунд: выбираем случайные клетки и показываем их
procedure TForm1.NewRound;
var
  C, R, K: Integer;
begin
  for C := 0 to 4 do
    for R := 0 to 4 do
    begin
      Target[C, R] := False;
      Opened[C, R] := False;
    end;
  K := 0;
  while K < Level + 2 do
  begin
    C := Random(5);
    R := Random(5);
    if not Target[C, R] then  // одну клетку дважды не выбираем
    begin
      Target[C, R] := True;
      K := K + 1;
    end;
  end;
  Found := 0;
  Errors := 0;
  Showing := True;
  Guessing := False;
  Label1.Caption := 'Уровень: ' + IntToStr(Level);
  Label3.Caption := 'Запоминай!';
  Button1.Enabled := False;
  DrawGrid1.Invalidate;
  Timer1.Enabled := True;
end;

procedure TForm1.Button1Click(Sender: TObject);
begin
  NewRound;
end;

// Время показа вышло: прячем задание, ждём ответа
procedure TForm1.Timer1Timer(Sender: TObject);
begin
  Timer1.Enabled := False;
  Showing := False;
  Guessing := True;
  Label3.Caption := Format('Щёлкни по клеткам, которые были закрашены (их было %d)',
    [Level + 2]);
  DrawGrid1.Invalidate;
end;

// Цвет клетки зависит от того, что сейчас происходит в игре
procedure TForm1.DrawGrid1DrawCell(Sender: TObject; ACol, ARow: Integer;
  Rect: TRect; State: TGridDrawState);
begin
  if Showing and Target[ACol, ARow] then
    DrawGrid1.Canvas.Brush.Color := clBlue      // задание
  else if Opened[ACol, ARow] and Target[ACol, ARow] then
    DrawGrid1.Canvas.Brush.Color := clLime      // угадано
  else if Opened[ACol, ARow] then
    DrawGrid1.Canvas.Brush.Color := clRed       // ошибка
  else
    DrawGrid1.Canvas.Brush.Color := clWhite;
  DrawGrid1.Canvas.FillRect(Rect);
end;

procedure TForm1.DrawGrid1MouseDown(Sender: TObject; Button: TMouseButton;
  Shift: TShiftState; X, Y: Integer);
var
  ACol, ARow: Integer;
begin
  if not Guessing then
    Exit;
  DrawGrid1.MouseToCell(X, Y, ACol, ARow);
  if (ACol < 0) or (ARow < 0) or Opened[ACol, ARow] then
    Exit;
  Opened[ACol, ARow] := True;
  if Target[ACol, ARow] then
    Found := Found + 1
  else
    Errors := Errors + 1;
  DrawGrid1.Invalidate;
  if Found = Level + 2 then
  begin
    // все клетки найдены - переходим на следующий уровень
    Guessing := False;
    Score := Score + Level * 10 - Errors * 5;
    Label2.Caption := 'Очки: ' + IntToStr(Score);
    if Level < MaxLevel then
      Level := Level + 1;
    Label3.Caption := 'Отлично! Нажми «Старт», чтобы продолжить.';
    Button1.Enabled := True;
  end
  else if Errors = 3 then
  begin
    // три ошибки - показываем задание и возвращаемся на уровень ниже
    Guessing := False;
    Showing := True;
    DrawGrid1.Invalidate;
    if Level > 1 then
      Level := Level - 1;
    Label3.Caption := 'Три ошибки! Синим показано задание. Нажми «Старт».';
    Button1.Enabled := True;
  end;
end;

end.
