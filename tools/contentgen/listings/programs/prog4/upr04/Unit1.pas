unit Unit1;

{ Упражнение 4:04. Магический квадрат.
  В таблицу StringGrid1 можно вписать числа вручную и проверить,
  равны ли суммы во всех строках, столбцах и на обеих диагоналях.
  Кнопка "Построить" строит квадрат нечётного порядка сиамским
  способом. Порядок квадрата (от 3 до 9) задаёт SpinEdit1. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, Grids, Spin;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    SpinEdit1: TSpinEdit;
    Label2: TLabel;
    StringGrid1: TStringGrid;
    Button1: TButton;
    Button2: TButton;
    Button3: TButton;
    Label3: TLabel;
    Memo1: TMemo;
    procedure SpinEdit1Change(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure Button3Click(Sender: TObject);
  private
    function CellValue(ACol, ARow: Integer): Integer;
    procedure ClearGrid;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

// Число из клетки; пустая клетка или не число дают 0
function TForm1.CellValue(ACol, ARow: Integer): Integer;
begin
  Result := StrToIntDef(Trim(StringGrid1.Cells[ACol, ARow]), 0);
end;

procedure TForm1.ClearGrid;
var
  R, C: Integer;
begin
  for R := 0 to StringGrid1.RowCount - 1 do
    for C := 0 to StringGrid1.ColCount - 1 do
      StringGrid1.Cells[C, R] := '';
  Memo1.Clear;
end;

// Изменился порядок квадрата: новый размер таблицы и новая сумма
procedure TForm1.SpinEdit1Change(Sender: TObject);
var
  N: Integer;
begin
  N := SpinEdit1.Value;
  if (N < 3) or (N > 9) then
    Exit;  // пока число набирается, в поле может быть что угодно
  StringGrid1.ColCount := N;
  StringGrid1.RowCount := N;
  StringGrid1.Width := N * (StringGrid1.DefaultColWidth + 1) + 4;
  StringGrid1.Height := N * (StringGrid1.DefaultRowHeight + 1) + 4;
  Label2.Caption := 'Магическая сумма: ' + IntToStr(N * (N * N + 1) div 2);
  ClearGrid;
end;

// Построить квадрат нечётного порядка сиамским способом
procedure TForm1.Button1Click(Sender: TObject);
var
  N, K, Row, Col, NewRow, NewCol: Integer;
begin
  N := StringGrid1.ColCount;
  if not Odd(N) then
  begin
    ShowMessage('Этим способом строятся только квадраты нечётного порядка: 3, 5, 7 и 9');
    Exit;
  end;
  ClearGrid;
  Row := 0;
  Col := N div 2;  // число 1 - в середине верхней строки
  for K := 1 to N * N do
  begin
    StringGrid1.Cells[Col, Row] := IntToStr(K);
    // следующее число - на клетку вверх и вправо, через край - с другой стороны
    NewRow := (Row - 1 + N) mod N;
    NewCol := (Col + 1) mod N;
    if StringGrid1.Cells[NewCol, NewRow] <> '' then
    begin
      // клетка занята - ставим число под текущим
      NewRow := (Row + 1) mod N;
      NewCol := Col;
    end;
    Row := NewRow;
    Col := NewCol;
  end;
end;

// Проверить квадрат: числа от 1 до N*N без повторов и все суммы
procedure TForm1.Button2Click(Sender: TObject);
var
  N, Magic, R, C, V, Sum, D1, D2: Integer;
  IsMagic: Boolean;
  Used: array [1..81] of Boolean;
begin
  N := StringGrid1.ColCount;
  Magic := N * (N * N + 1) div 2;
  IsMagic := True;
  Memo1.Clear;
  for V := 1 to N * N do
    Used[V] := False;
  for R := 0 to N - 1 do
    for C := 0 to N - 1 do
    begin
      V := CellValue(C, R);
      if (V < 1) or (V > N * N) or Used[V] then
        IsMagic := False
      else
        Used[V] := True;
    end;
  if not IsMagic then
    Memo1.Lines.Add(Format('Нужны все числа от 1 до %d без повторов', [N * N]));
  for R := 0 to N - 1 do
  begin
    Sum := 0;
    for C := 0 to N - 1 do
      Sum := Sum + CellValue(C, R);
    Memo1.Lines.Add(Format('Строка %d: %d', [R + 1, Sum]));
    if Sum <> Magic then
      IsMagic := False;
  end;
  for C := 0 to N - 1 do
  begin
    Sum := 0;
    for R := 0 to N - 1 do
      Sum := Sum + CellValue(C, R);
    Memo1.Lines.Add(Format('Столбец %d: %d', [C + 1, Sum]));
    if Sum <> Magic then
      IsMagic := False;
  end;
  D1 := 0;
  D2 := 0;
  for R := 0 to N - 1 do
  begin
    D1 := D1 + CellValue(R, R);          // из левого верхнего угла
    D2 := D2 + CellValue(N - 1 - R, R);  // из правого верхнего угла
  end;
  Memo1.Lines.Add(Format('Диагональ \: %d', [D1]));
  Memo1.Lines.Add(Format('Диагональ /: %d', [D2]));
  if (D1 <> Magic) or (D2 <> Magic) then
    IsMagic := False;
  if IsMagic then
    ShowMessage('Поздравляю! Это магический квадрат.')
  else
    ShowMessage('Пока это не магический квадрат. Посмотри суммы в списке.');
end;

// Кнопка "Очистить"
procedure TForm1.Button3Click(Sender: TObject);
begin
  ClearGrid;
end;

end.
