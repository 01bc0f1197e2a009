unit Unit1;

{ Упражнение 2:10. Линейный массив чисел.
  Массив из десяти целых чисел показан в таблице StringGrid.
  Программа находит сумму, среднее, наибольший и наименьший
  элементы, считает отрицательные и сортирует массив. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls,
  Forms, Dialogs, StdCtrls, ExtCtrls, Grids;

const
  N = 10;  // число элементов массива

type
  TForm1 = class(TForm)
    Label1: TLabel;
    StringGrid1: TStringGrid;
    Button1: TButton;
    RadioGroup1: TRadioGroup;
    Button2: TButton;
    Label2: TLabel;
    Label3: TLabel;
    procedure FormCreate(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
  private
    A: array[1..N] of Integer;  // сам массив
    procedure ShowArray;
    function ReadArray: Boolean;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

// Выводит массив во вторую строку таблицы
procedure TForm1.ShowArray;
var
  I: Integer;
begin
  for I := 1 to N do
    StringGrid1.Cells[I - 1, 1] := IntToStr(A[I]);
end;

// Читает массив из таблицы; False, если в ячейке не число
function TForm1.ReadArray: Boolean;
var
  I: Integer;
begin
  Result := False;
  for I := 1 to N do
    if not TryStrToInt(Trim(StringGrid1.Cells[I - 1, 1]), A[I]) then
    begin
      MessageDlg(Format('Элемент A[%d] - не целое число.', [I]),
        mtError, [mbOK], 0);
      StringGrid1.Col := I - 1;  // переходим к ошибочной ячейке
      StringGrid1.SetFocus;
      Exit;
    end;
  Result := True;
end;

procedure TForm1.FormCreate(Sender: TObject);
var
  I: Integer;
begin
  for I := 1 to N do  // заголовки столбцов: A[1], A[2] ...
    StringGrid1.Cells[I - 1, 0] := Format('A[%d]', [I]);
  Randomize;
  Button1Click(nil);
end;

// «Заполнить случайными числами»: от -50 до 50
procedure TForm1.Button1Click(Sender: TObject);
var
  I: Integer;
begin
  for I := 1 to N do
    A[I] := Random(101) - 50;
  ShowArray;
  Label3.Caption := '';
end;

// «Выполнить»: действие, выбранное в RadioGroup1
procedure TForm1.Button2Click(Sender: TObject);
var
  I, J, K, Sum, T: Integer;
begin
  if not ReadArray then
    Exit;
  Sum := 0;
  for I := 1 to N do
    Sum := Sum + A[I];
  case RadioGroup1.ItemIndex of
    0: Label3.Caption := Format('Сумма элементов: %d', [Sum]);
    1: Label3.Caption := Format('Среднее арифметическое: %.2f',
         [Sum / N]);
    2: begin
         K := 1;  // номер наибольшего из просмотренных
         for I := 2 to N do
           if A[I] > A[K] then
             K := I;
         Label3.Caption := Format('Наибольший элемент: A[%d] = %d',
           [K, A[K]]);
       end;
    3: begin
         K := 1;  // номер наименьшего из просмотренных
         for I := 2 to N do
           if A[I] < A[K] then
             K := I;
         Label3.Caption := Format('Наименьший элемент: A[%d] = %d',
           [K, A[K]]);
       end;
    4: begin
         K := 0;
         for I := 1 to N do
           if A[I] < 0 then
             Inc(K);
         Label3.Caption := Format('Отрицательных элементов: %d', [K]);
       end;
    5: begin
         // сортировка выбором: на место I ставим наименьший
         // из элементов A[I]..A[N]
         for I := 1 to N - 1 do
         begin
           K := I;
           for J := I + 1 to N do
             if A[J] < A[K] then
               K := J;
           T := A[I];
           A[I] := A[K];
           A[K] := T;
         end;
         ShowArray;
         Label3.Caption := 'Массив упорядочен по возрастанию.';
       end;
  end;
end;

end.
