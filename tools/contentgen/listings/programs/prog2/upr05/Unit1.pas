unit Unit1;

{ Упражнение 2:05. Тест по арифметике.
  Программа задаёт десять случайных примеров на сложение,
  вычитание и умножение, проверяет ответы и ставит оценку.
  При ошибке появляется картинка CONFUS.WMF. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls,
  Forms, Dialogs, StdCtrls, ExtCtrls;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Label2: TLabel;
    Edit1: TEdit;
    Button1: TButton;
    Label3: TLabel;
    Label4: TLabel;
    Image1: TImage;
    Button2: TButton;
    procedure FormCreate(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
  private
    Answer: Integer;    // правильный ответ на текущий пример
    Question: Integer;  // номер текущего примера
    Right: Integer;     // число верных ответов
    procedure NextQuestion;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

const
  QuestionCount = 10;  // примеров в тесте
  PictureFile = 'C:\DELPHIFILES\CONFUS.WMF';

// Составляет новый пример и показывает его
procedure TForm1.NextQuestion;
var
  A, B, T: Integer;
begin
  case Random(3) of
    0: begin                     // сложение двузначных чисел
         A := 10 + Random(90);
         B := 10 + Random(90);
         Answer := A + B;
         Label2.Caption := Format('%d + %d =', [A, B]);
       end;
    1: begin                     // вычитание без отрицательных
         A := 10 + Random(90);
         B := 10 + Random(90);
         if A < B then
         begin
           T := A;
           A := B;
           B := T;
         end;
         Answer := A - B;
         Label2.Caption := Format('%d - %d =', [A, B]);
       end;
  else                           // таблица умножения
    A := 2 + Random(8);
    B := 2 + Random(8);
    Answer := A * B;
    Label2.Caption := Format('%d · %d =', [A, B]);
  end;
  Label1.Caption := Format('Пример %d из %d',
    [Question, QuestionCount]);
  Edit1.Clear;
  ActiveControl := Edit1;  // курсор - в поле ответа
end;

procedure TForm1.FormCreate(Sender: TObject);
begin
  Randomize;  // иначе примеры будут каждый раз одинаковыми
  if FileExists(PictureFile) then
    Image1.Picture.LoadFromFile(PictureFile);
  Button2Click(nil);  // начинаем тест
end;

// Кнопка «Ответить»
procedure TForm1.Button1Click(Sender: TObject);
var
  Reply, Mark: Integer;
begin
  if not TryStrToInt(Trim(Edit1.Text), Reply) then
  begin
    // неверный ввод: пример не засчитывается
    Image1.Visible := True;
    Label4.Caption := 'Ответ должен быть целым числом!';
    Edit1.SetFocus;
    Edit1.SelectAll;
    Exit;
  end;
  if Reply = Answer then
  begin
    Inc(Right);
    Image1.Visible := False;
    Label4.Caption := 'Верно!';
  end
  else
  begin
    Image1.Visible := True;
    Label4.Caption := 'Неверно. Правильный ответ: ' +
      IntToStr(Answer);
  end;
  Label3.Caption := Format('Верных ответов: %d', [Right]);
  if Question < QuestionCount then
  begin
    Inc(Question);
    NextQuestion;
  end
  else
  begin
    // тест окончен: выставляем оценку
    if Right >= 9 then
      Mark := 5
    else if Right >= 7 then
      Mark := 4
    else if Right >= 5 then
      Mark := 3
    else
      Mark := 2;
    Button1.Enabled := False;
    Edit1.Enabled := False;
    MessageDlg(Format('Тест окончен. Верных ответов: %d из %d.'
      + #13 + 'Оценка: %d', [Right, QuestionCount, Mark]),
      mtInformation, [mbOK], 0);
  end;
end;

// Кнопка «Начать заново»
procedure TForm1.Button2Click(Sender: TObject);
begin
  Question := 1;
  Right := 0;
  Label3.Caption := 'Верных ответов: 0';
  Label4.Caption := '';
  Image1.Visible := False;
  Button1.Enabled := True;
  Edit1.Enabled := True;
  NextQuestion;
end;

end.
