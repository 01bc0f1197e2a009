unit Unit1;

{ Упражнение 4:03. Две головоломки в одной программе.
  "Пятнашки": 15 фишек в таблице 4 x 4, щелчок по фишке рядом с пустой
  клеткой передвигает её на пустое место.
  "Перевёртыш": ряд из цифр 1..9, щелчок по цифре переворачивает
  начало ряда до этой цифры включительно. Цель - расставить цифры
  по возрастанию. Обе таблицы рисуются одним обработчиком OnDrawCell. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, Grids;

type
  TForm1 = class(TForm)
    GroupBox1: TGroupBox;
    Label3: TLabel;
    StringGrid1: TStringGrid;
    Button1: TButton;
    Label1: TLabel;
    GroupBox2: TGroupBox;
    Label4: TLabel;
    StringGrid2: TStringGrid;
    Button2: TButton;
    Label2: TLabel;
    procedure FormCreate(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure StringGrid1MouseDown(Sender: TObject; Button: TMouseButton;
      Shift: TShiftState; X, Y: Integer);
    procedure StringGrid2MouseDown(Sender: TObject; Button: TMouseButton;
      Shift: TShiftState; X, Y: Integer);
    procedure StringGrid1DrawCell(Sender: TObject; ACol, ARow: Integer;
      Rect: TRect; State: TGridDrawState);
  private
    EmptyCol, EmptyRow: Integer;  // пустая клетка пятнашек
    Moves1, Moves2: Integer;      // счётчики ходов двух головоломок
    procedure ShuffleFifteen;
    procedure ShuffleLine;
    function TryMove(ACol, ARow: Integer): Boolean;
    function FifteenSolved: Boolean;
    function LineSorted: Boolean;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

{ ---------- Пятнашки ---------- }

// Передвинуть фишку (ACol, ARow) на пустое место, если она соседняя
function TForm1.TryMove(ACol, ARow: Integer): Boolean;
begin
  Result := (ACol >= 0) and (ACol <= 3) and (ARow >= 0) and (ARow <= 3) and
    (Abs(ACol - EmptyCol) + Abs(ARow - EmptyRow) = 1);
  if Result then
  begin
    StringGrid1.Cells[EmptyCol, EmptyRow] := StringGrid1.Cells[ACol, ARow];
    StringGrid1.Cells[ACol, ARow] := '';
    EmptyCol := ACol;
    EmptyRow := ARow;
  end;
end;

procedure TForm1.ShuffleFifteen;
var
  I: Integer;
begin
  // раскладываем фишки по порядку, правая нижняя клетка пустая
  for I := 0 to 14 do
    StringGrid1.Cells[I mod 4, I div 4] := IntToStr(I + 1);
  StringGrid1.Cells[3, 3] := '';
  EmptyCol := 3;
  EmptyRow := 3;
  // перемешиваем настоящими ходами - так головоломка всегда решается
  for I := 1 to 500 do
    case Random(4) of
      0: TryMove(EmptyCol - 1, EmptyRow);
      1: TryMove(EmptyCol + 1, EmptyRow);
      2: TryMove(EmptyCol, EmptyRow - 1);
    else
      TryMove(EmptyCol, EmptyRow + 1);
    end;
  Moves1 := 0;
  Label1.Caption := 'Ходов: 0';
end;

function TForm1.FifteenSolved: Boolean;
var
  I: Integer;
begin
  Result := True;
  for I := 0 to 14 do
    if StringGrid1.Cells[I mod 4, I div 4] <> IntToStr(I + 1) then
      Result := False;
end;

procedure TForm1.StringGrid1MouseDown(Sender: TObject; Button: TMouseButton;
  Shift: TShiftState; X, Y: Integer);
var
  ACol, ARow: Integer;
begin
  StringGrid1.MouseToCell(X, Y, ACol, ARow);
  if TryMove(ACol, ARow) then
  begin
    Moves1 := Moves1 + 1;
    Label1.Caption := 'Ходов: ' + IntToStr(Moves1);
    if FifteenSolved then
      ShowMessage('Пятнашки собраны! Сделано ходов: ' + IntToStr(Moves1));
  end;
end;

{ ---------- Перевёртыш ---------- }

function TForm1.LineSorted: Boolean;
var
  I: Integer;
begin
  Result := True;
  for I := 0 to 8 do
    if StringGrid2.Cells[I, 0] <> IntToStr(I + 1) then
      Result := False;
end;

procedure TForm1.ShuffleLine;
var
  I, J: Integer;
  T: string;
begin
  for I := 0 to 8 do
    StringGrid2.Cells[I, 0] := IntToStr(I + 1);
  repeat
    // меняем каждую цифру местами со случайной
    for I := 0 to 8 do
    begin
      J := Random(9);
      T := StringGrid2.Cells[I, 0];
      StringGrid2.Cells[I, 0] := StringGrid2.Cells[J, 0];
      StringGrid2.Cells[J, 0] := T;
    end;
  until not LineSorted;
  Moves2 := 0;
  Label2.Caption := 'Ходов: 0';
end;

procedure TForm1.StringGrid2MouseDown(Sender: TObject; Button: TMouseButton;
  Shift: TShiftState; X, Y: Integer);
var
  ACol, ARow, I: Integer;
  T: string;
begin
  StringGrid2.MouseToCell(X, Y, ACol, ARow);
  if ACol < 1 then
    Exit;  // щелчок мимо цифр или по первой цифре ничего не меняет
  // переворачиваем начало ряда: клетки с 0 по ACol
  for I := 0 to (ACol - 1) div 2 do
  begin
    T := StringGrid2.Cells[I, 0];
    StringGrid2.Cells[I, 0] := StringGrid2.Cells[ACol - I, 0];
    StringGrid2.Cells[ACol - I, 0] := T;
  end;
  Moves2 := Moves2 + 1;
  Label2.Caption := 'Ходов: ' + IntToStr(Moves2);
  if LineSorted then
    ShowMessage('Цифры стоят по порядку! Сделано ходов: ' + IntToStr(Moves2));
end;

{ ---------- Общее ---------- }

// Рисуем клетку любой из двух таблиц: число по центру, пустая клетка серая
procedure TForm1.StringGrid1DrawCell(Sender: TObject; ACol, ARow: Integer;
  Rect: TRect; State: TGridDrawState);
var
  Grid: TStringGrid;
  S: string;
begin
  Grid := Sender as TStringGrid;
  S := Grid.Cells[ACol, ARow];
  if S = '' then
    Grid.Canvas.Brush.Color := clBtnFace
  else
    Grid.Canvas.Brush.Color := clWhite;
  Grid.Canvas.Font.Color := Grid.Font.Color;  // выделенной клетке таблица готовит белый шрифт
  Grid.Canvas.FillRect(Rect);
  Grid.Canvas.TextOut(
    Rect.Left + (Rect.Right - Rect.Left - Grid.Canvas.TextWidth(S)) div 2,
    Rect.Top + (Rect.Bottom - Rect.Top - Grid.Canvas.TextHeight(S)) div 2, S);
end;

procedure TForm1.FormCreate(Sender: TObject);
begin
  Randomize;
  ShuffleFifteen;
  ShuffleLine;
end;

procedure TForm1.Button1Click(Sender: TObject);
begin
  ShuffleFifteen;
end;

procedure TForm1.Button2Click(Sender: TObject);
begin
  ShuffleLine;
end;

end.
