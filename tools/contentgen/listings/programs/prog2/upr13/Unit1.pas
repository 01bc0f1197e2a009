unit Unit1;

{ Упражнение 2:13. Наблюдение за погодой.
  Дневник температуры за неделю: таблица наблюдений, итоги
  (средняя, самый тёплый и самый холодный день, дни с морозом),
  столбчатая диаграмма и сохранение данных в файл. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls,
  Forms, Dialogs, StdCtrls, ExtCtrls, Grids;

type
  TWeek = array[1..7] of Integer;  // температура по дням недели

  TForm1 = class(TForm)
    Label1: TLabel;
    StringGrid1: TStringGrid;
    Button1: TButton;
    Button2: TButton;
    Button3: TButton;
    PaintBox1: TPaintBox;
    GroupBox1: TGroupBox;
    Label2: TLabel;
    Label3: TLabel;
    Label4: TLabel;
    Label5: TLabel;
    procedure FormCreate(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure Button3Click(Sender: TObject);
    procedure PaintBox1Paint(Sender: TObject);
  private
    T: TWeek;           // данные наблюдений
    HaveData: Boolean;  // есть ли что рисовать на диаграмме
    function ReadData: Boolean;
    function DataPath: string;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

const
  DayNames: array[1..7] of string =
    ('Пн', 'Вт', 'Ср', 'Чт', 'Пт', 'Сб', 'Вс');
  Sample: TWeek = (3, 5, 1, -2, -4, 0, 6);  // пример наблюдений
  DataFile = 'pogoda.txt';

// Файл данных лежит в папке программы
function TForm1.DataPath: string;
begin
  Result := ExtractFilePath(Application.ExeName) + DataFile;
end;

// Читает температуры из таблицы в массив T
function TForm1.ReadData: Boolean;
var
  I: Integer;
begin
  Result := False;
  for I := 1 to 7 do
    if not TryStrToInt(Trim(StringGrid1.Cells[I, 1]), T[I]) then
    begin
      MessageDlg('Температура за ' + DayNames[I] +
        ' должна быть целым числом.', mtError, [mbOK], 0);
      StringGrid1.Col := I;
      StringGrid1.SetFocus;
      Exit;
    end;
  Result := True;
end;

procedure TForm1.FormCreate(Sender: TObject);
var
  I: Integer;
begin
  StringGrid1.Cells[0, 0] := 'День';
  StringGrid1.Cells[0, 1] := 't, °C';
  for I := 1 to 7 do
  begin
    StringGrid1.Cells[I, 0] := DayNames[I];
    StringGrid1.Cells[I, 1] := IntToStr(Sample[I]);
  end;
  Button1Click(nil);
end;

// «Обработать»: итоги недели и диаграмма
procedure TForm1.Button1Click(Sender: TObject);
var
  I, Sum, Warm, Cold, Frost: Integer;
begin
  if not ReadData then
    Exit;
  Sum := 0;
  Warm := 1;   // номер самого тёплого дня
  Cold := 1;   // номер самого холодного дня
  Frost := 0;  // дней с морозом
  for I := 1 to 7 do
  begin
    Sum := Sum + T[I];
    if T[I] > T[Warm] then
      Warm := I;
    if T[I] < T[Cold] then
      Cold := I;
    if T[I] < 0 then
      Inc(Frost);
  end;
  Label2.Caption := Format('Средняя температура:'#13'%.1f °C',
    [Sum / 7]);
  Label3.Caption := Format('Самый тёплый день:'#13'%s, %d °C',
    [DayNames[Warm], T[Warm]]);
  Label4.Caption := Format('Самый холодный день:'#13'%s, %d °C',
    [DayNames[Cold], T[Cold]]);
  Label5.Caption := Format('Дней с морозом: %d', [Frost]);
  HaveData := True;
  PaintBox1.Invalidate;  // диаграмму нужно перерисовать
end;

// «Сохранить»: семь чисел, по одному в строке
procedure TForm1.Button2Click(Sender: TObject);
var
  List: TStringList;
  I: Integer;
begin
  if not ReadData then
    Exit;
  List := TStringList.Create;
  try
    for I := 1 to 7 do
      List.Add(IntToStr(T[I]));
    List.SaveToFile(DataPath);
  finally
    List.Free;  // список освобождается даже при ошибке записи
  end;
  ShowMessage('Данные сохранены в файл ' + DataPath);
end;

// «Загрузить»: читаем файл и сразу обрабатываем
procedure TForm1.Button3Click(Sender: TObject);
var
  List: TStringList;
  I: Integer;
begin
  if not FileExists(DataPath) then
  begin
    MessageDlg('Файл ' + DataPath + ' не найден.',
      mtError, [mbOK], 0);
    Exit;
  end;
  List := TStringList.Create;
  try
    List.LoadFromFile(DataPath);
    for I := 1 to 7 do
      if I <= List.Count then
        StringGrid1.Cells[I, 1] := Trim(List[I - 1])
      else
        StringGrid1.Cells[I, 1] := '';  // в файле меньше семи строк
  finally
    List.Free;
  end;
  Button1Click(nil);
end;

// Столбчатая диаграмма: выше нуля - красные столбики,
// ниже нуля - синие
procedure TForm1.PaintBox1Paint(Sender: TObject);
var
  C: TCanvas;
  I, W, X, H, Zero, MaxAbs: Integer;
  S: string;
begin
  C := PaintBox1.Canvas;
  C.Brush.Color := clWhite;
  C.Pen.Color := clBlack;
  C.Rectangle(0, 0, PaintBox1.Width, PaintBox1.Height);  // фон
  if not HaveData then
    Exit;
  Zero := PaintBox1.Height div 2;  // уровень 0 °C
  W := PaintBox1.Width div 7;      // ширина полосы одного дня
  MaxAbs := 1;                     // наибольшая |t| задаёт масштаб
  for I := 1 to 7 do
    if Abs(T[I]) > MaxAbs then
      MaxAbs := Abs(T[I]);
  C.MoveTo(0, Zero);
  C.LineTo(PaintBox1.Width, Zero);
  for I := 1 to 7 do
  begin
    X := (I - 1) * W;
    H := T[I] * (Zero - 36) div MaxAbs;  // высота столбика
    C.Brush.Style := bsSolid;
    if T[I] >= 0 then
    begin
      C.Brush.Color := clRed;
      C.Rectangle(X + 8, Zero - H, X + W - 8, Zero + 1);
    end
    else
    begin
      C.Brush.Color := clBlue;
      C.Rectangle(X + 8, Zero, X + W - 8, Zero - H + 1);
    end;
    C.Brush.Style := bsClear;  // подписи без фона
    S := IntToStr(T[I]);
    if T[I] >= 0 then
      C.TextOut(X + (W - C.TextWidth(S)) div 2, Zero - H - 15, S)
    else
      C.TextOut(X + (W - C.TextWidth(S)) div 2, Zero - H + 2, S);
    C.TextOut(X + (W - C.TextWidth(DayNames[I])) div 2,
      PaintBox1.Height - 16, DayNames[I]);
  end;
end;

end.
