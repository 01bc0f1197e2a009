unit Unit1;

{ Упражнение 3:10. Автогенератор тестов.
  Программа читает файл теста (например, C:\DELPHIFILES\TEST1.txt),
  в каждой строке которого записаны вопрос и ответ через знак "|":
      Сколько будет 7 * 8?|56
  Пустые строки и строки, начинающиеся с ";", пропускаются.
  Из всех вопросов файла программа составляет случайный вариант
  из заданного числа вопросов, задаёт их по одному, проверяет ответы
  и заносит результаты в таблицу ListView1. В конце ставится оценка. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ComCtrls, Spin;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Label2: TLabel;
    Label5: TLabel;
    Button1: TButton;
    SpinEdit1: TSpinEdit;
    Button2: TButton;
    GroupBox1: TGroupBox;
    Label3: TLabel;
    Label4: TLabel;
    Edit1: TEdit;
    Button3: TButton;
    ListView1: TListView;
    OpenDialog1: TOpenDialog;
    procedure FormCreate(Sender: TObject);
    procedure FormDestroy(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure Button3Click(Sender: TObject);
  private
    Questions: TStringList;   // все вопросы файла
    Answers: TStringList;     // ответы к ним, в том же порядке
    Order: array of Integer;  // номера вопросов текущего варианта
    Current: Integer;         // сколько вопросов варианта уже задано
    Right: Integer;           // сколько ответов верных
    procedure LoadTest(const FileName: string);
    procedure ShowQuestion;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

procedure TForm1.FormCreate(Sender: TObject);
begin
  Randomize;
  Questions := TStringList.Create;
  Answers := TStringList.Create;
end;

procedure TForm1.FormDestroy(Sender: TObject);
begin
  Questions.Free;
  Answers.Free;
end;

// Читает файл теста: в каждой строке вопрос и ответ через "|"
procedure TForm1.LoadTest(const FileName: string);
var
  Lines: TStringList;
  I, P: Integer;
  S: string;
begin
  Lines := TStringList.Create;
  try
    Lines.LoadFromFile(FileName);
    Questions.Clear;
    Answers.Clear;
    for I := 0 to Lines.Count - 1 do
    begin
      S := Trim(Lines[I]);
      P := Pos('|', S);
      // пустые строки, комментарии и строки без "|" пропускаем
      if (S = '') or (S[1] = ';') or (P = 0) then
        Continue;
      Questions.Add(Trim(Copy(S, 1, P - 1)));
      Answers.Add(Trim(Copy(S, P + 1, MaxInt)));
    end;
  finally
    Lines.Free;
  end;
end;

// Открыть тест...
procedure TForm1.Button1Click(Sender: TObject);
begin
  if OpenDialog1.Execute then
  begin
    LoadTest(OpenDialog1.FileName);
    Label2.Caption := Format('Файл: %s (вопросов в файле: %d)',
      [OpenDialog1.FileName, Questions.Count]);
    Button2.Enabled := Questions.Count > 0;
    if Questions.Count = 0 then
      MessageDlg('В файле нет ни одного вопроса.', mtWarning, [mbOK], 0)
    else
      Button2Click(nil);  // сразу составляем первый вариант
  end;
end;

// Новый вариант: случайные вопросы в случайном порядке
procedure TForm1.Button2Click(Sender: TObject);
var
  I, J, T, N: Integer;
begin
  // перемешиваем номера всех вопросов файла
  SetLength(Order, Questions.Count);
  for I := 0 to High(Order) do
    Order[I] := I;
  for I := High(Order) downto 1 do
  begin
    J := Random(I + 1);  // случайное место от 0 до I
    T := Order[I];
    Order[I] := Order[J];
    Order[J] := T;
  end;
  // оставляем столько вопросов, сколько задано в SpinEdit1
  N := SpinEdit1.Value;
  if N > Length(Order) then
    N := Length(Order);
  SetLength(Order, N);
  Current := 0;
  Right := 0;
  ListView1.Items.Clear;
  Label5.Caption := 'Верных ответов: 0 из 0';
  Edit1.Enabled := True;
  Button3.Enabled := True;
  ShowQuestion;
end;

// Показывает очередной вопрос варианта
procedure TForm1.ShowQuestion;
begin
  GroupBox1.Caption := Format(' Вопрос %d из %d ', [Current + 1, Length(Order)]);
  Label3.Caption := Questions[Order[Current]];
  Edit1.Clear;
  Edit1.SetFocus;
end;

// Ответить: проверяем ответ и пишем строку в таблицу
procedure TForm1.Button3Click(Sender: TObject);
var
  Item: TListItem;
  Reply: string;
  Ok: Boolean;
  Percent, Mark: Integer;
begin
  Reply := Trim(Edit1.Text);
  if Reply = '' then
  begin
    Edit1.SetFocus;  // пустой ответ не принимаем
    Exit;
  end;
  // большие и маленькие буквы не различаются
  Ok := AnsiSameText(Reply, Answers[Order[Current]]);
  if Ok then
    Right := Right + 1;
  Item := ListView1.Items.Add;
  Item.Caption := IntToStr(Current + 1);
  Item.SubItems.Add(Questions[Order[Current]]);
  Item.SubItems.Add(Reply);
  Item.SubItems.Add(Answers[Order[Current]]);
  if Ok then
    Item.SubItems.Add('верно')
  else
    Item.SubItems.Add('ошибка');
  Current := Current + 1;
  Label5.Caption := Format('Верных ответов: %d из %d', [Right, Current]);
  if Current < Length(Order) then
    ShowQuestion
  else
  begin
    // вариант пройден: оценка по доле верных ответов
    Edit1.Enabled := False;
    Button3.Enabled := False;
    GroupBox1.Caption := ' Тест окончен ';
    Label3.Caption := 'Чтобы пройти тест ещё раз, нажми «Новый вариант».';
    Percent := Right * 100 div Length(Order);
    if Percent >= 90 then
      Mark := 5
    else if Percent >= 70 then
      Mark := 4
    else if Percent >= 50 then
      Mark := 3
    else
      Mark := 2;
    MessageDlg(Format('Верных ответов: %d из %d (%d%%).'#13'Оценка: %d',
      [Right, Length(Order), Percent, Mark]), mtInformation, [mbOK], 0);
  end;
end;

end.
