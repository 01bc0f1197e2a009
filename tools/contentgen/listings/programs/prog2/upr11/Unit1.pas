unit Unit1;

{ Упражнение 2:11. Двумерный массив чисел.
  Матрица 5 на 5 показана в таблице StringGrid. Программа
  считает суммы строк и столбцов, сумму главной диагонали,
  находит наибольший элемент и транспонирует матрицу. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls,
  Forms, Dialogs, StdCtrls, Grids;

const
  N = 5;  // размер матрицы N на N

type
  TForm1 = class(TForm)
    Label1: TLabel;
    StringGrid1: TStringGrid;
    Button1: TButton;
    Button2: TButton;
    Button3: TButton;
    GroupBox1: TGroupBox;
    Label2: TLabel;
    Label3: TLabel;
    Label4: TLabel;
    procedure FormCreate(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure Button3Click(Sender: TObject);
    procedure StringGrid1SelectCell(Sender: TObject; ACol,
      ARow: Integer; var CanSelect: Boolean);
  private
    M: array[1..N, 1..N] of Integer;  // M[строка, столбец]
    procedure ShowMatrix;
    function ReadMatrix: Boolean;
    procedure Calculate;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

// Элемент M[I, J] стоит в ячейке Cells[J, I]:
// у таблицы сначала указывается столбец, потом строка
procedure TForm1.ShowMatrix;
var
  I, J: Integer;
begin
  for I := 1 to N do
    for J := 1 to N do
      StringGrid1.Cells[J, I] := IntToStr(M[I, J]);
end;

function TForm1.ReadMatrix: Boolean;
var
  I, J: Integer;
begin
  Result := False;
  for I := 1 to N do
    for J := 1 to N do
      if not TryStrToInt(Trim(StringGrid1.Cells[J, I]), M[I, J]) then
      begin
        MessageDlg(Format('Элемент M[%d,%d] - не целое число.',
          [I, J]), mtError, [mbOK], 0);
        StringGrid1.Col := J;
        StringGrid1.Row := I;
        StringGrid1.SetFocus;
        Exit;
      end;
  Result := True;
end;

// Суммы строк и столбцов, диагональ и наибольший элемент
procedure TForm1.Calculate;
var
  I, J, S, Total, Diag, MaxI, MaxJ: Integer;
begin
  Total := 0;
  Diag := 0;
  MaxI := 1;
  MaxJ := 1;
  for I := 1 to N do
  begin
    S := 0;  // сумма строки I
    for J := 1 to N do
    begin
      S := S + M[I, J];
      if M[I, J] > M[MaxI, MaxJ] then
      begin
        MaxI := I;
        MaxJ := J;
      end;
    end;
    StringGrid1.Cells[N + 1, I] := IntToStr(S);
    Total := Total + S;
    // на главной диагонали номер строки равен номеру столбца
    Diag := Diag + M[I, I];
  end;
  for J := 1 to N do
  begin
    S := 0;  // сумма столбца J
    for I := 1 to N do
      S := S + M[I, J];
    StringGrid1.Cells[J, N + 1] := IntToStr(S);
  end;
  StringGrid1.Cells[N + 1, N + 1] := IntToStr(Total);
  Label2.Caption := Format('Наибольший элемент: M[%d,%d] = %d',
    [MaxI, MaxJ, M[MaxI, MaxJ]]);
  Label3.Caption := Format('Сумма главной диагонали: %d', [Diag]);
  Label4.Caption := Format('Сумма всех элементов: %d', [Total]);
end;

procedure TForm1.FormCreate(Sender: TObject);
var
  I: Integer;
begin
  for I := 1 to N do
  begin
    StringGrid1.Cells[0, I] := IntToStr(I);  // номера строк
    StringGrid1.Cells[I, 0] := IntToStr(I);  // номера столбцов
  end;
  StringGrid1.Cells[N + 1, 0] := 'Сумма';
  StringGrid1.Cells[0, N + 1] := 'Сумма';
  Randomize;
  Button1Click(nil);
end;

// «Заполнить»: случайные числа от 0 до 99
procedure TForm1.Button1Click(Sender: TObject);
var
  I, J: Integer;
begin
  for I := 1 to N do
    for J := 1 to N do
      M[I, J] := Random(100);
  ShowMatrix;
  Calculate;
end;

// «Вычислить»: пересчёт после правки чисел в таблице
procedure TForm1.Button2Click(Sender: TObject);
begin
  if ReadMatrix then
    Calculate;
end;

// «Транспонировать»: строки становятся столбцами
procedure TForm1.Button3Click(Sender: TObject);
var
  I, J, T: Integer;
begin
  if not ReadMatrix then
    Exit;
  for I := 1 to N - 1 do
    for J := I + 1 to N do  // только над главной диагональю
    begin
      T := M[I, J];
      M[I, J] := M[J, I];
      M[J, I] := T;
    end;
  ShowMatrix;
  Calculate;
end;

// Ячейки с суммами выбирать и редактировать нельзя
procedure TForm1.StringGrid1SelectCell(Sender: TObject; ACol,
  ARow: Integer; var CanSelect: Boolean);
begin
  CanSelect := (ACol <= N) and (ARow <= N);
end;

end.
