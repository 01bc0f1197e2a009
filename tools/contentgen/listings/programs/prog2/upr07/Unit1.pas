unit Unit1;

{ Упражнение 2:07. Статистика документа.
  Программа подсчитывает в тексте строки, символы, буквы,
  цифры, слова и предложения. Текст можно набрать
  или загрузить из файла. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls,
  Forms, Dialogs, StdCtrls;

type
  TForm1 = class(TForm)
    Memo1: TMemo;
    Button1: TButton;
    Button2: TButton;
    CheckBox1: TCheckBox;
    Label1: TLabel;
    ListBox1: TListBox;
    OpenDialog1: TOpenDialog;
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure Memo1Change(Sender: TObject);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

const
  Letters = ['A'..'Z', 'a'..'z', 'А'..'Я', 'а'..'я', 'Ё', 'ё'];
  Digits = ['0'..'9'];
  SentenceEnds = ['.', '!', '?'];

// «Открыть файл...»: загрузка текста в Memo1
procedure TForm1.Button1Click(Sender: TObject);
begin
  if OpenDialog1.Execute then
  begin
    Memo1.Lines.LoadFromFile(OpenDialog1.FileName);
    Caption := 'Статистика документа - ' +
      ExtractFileName(OpenDialog1.FileName);
  end;
end;

// «Подсчитать»: один проход по всем символам текста
procedure TForm1.Button2Click(Sender: TObject);
var
  S: string;
  I, Chars, Spaces, LetterCount, DigitCount: Integer;
  Words, Sentences: Integer;
  InWord: Boolean;  // находимся ли мы внутри слова
begin
  S := Memo1.Text;
  Chars := 0;
  Spaces := 0;
  LetterCount := 0;
  DigitCount := 0;
  Words := 0;
  Sentences := 0;
  InWord := False;
  for I := 1 to Length(S) do
  begin
    if not (S[I] in [#13, #10]) then  // переводы строк не считаем
      Inc(Chars);
    if S[I] = ' ' then
      Inc(Spaces);
    if S[I] in Letters then
      Inc(LetterCount)
    else if S[I] in Digits then
      Inc(DigitCount);
    // слово - непрерывная цепочка букв и цифр
    if S[I] in Letters + Digits then
    begin
      if not InWord then
        Inc(Words);
      InWord := True;
    end
    else
      InWord := False;
    // конец предложения; «?..» и «...» считаем один раз
    if (S[I] in SentenceEnds) and
      ((I = Length(S)) or not (S[I + 1] in SentenceEnds)) then
      Inc(Sentences);
  end;
  ListBox1.Clear;
  ListBox1.Items.Add(Format('Строк: %d', [Memo1.Lines.Count]));
  ListBox1.Items.Add(Format('Символов: %d', [Chars]));
  ListBox1.Items.Add(Format('Без пробелов: %d', [Chars - Spaces]));
  ListBox1.Items.Add(Format('Букв: %d', [LetterCount]));
  ListBox1.Items.Add(Format('Цифр: %d', [DigitCount]));
  ListBox1.Items.Add(Format('Слов: %d', [Words]));
  ListBox1.Items.Add(Format('Предложений: %d', [Sentences]));
  if Words > 0 then
    ListBox1.Items.Add(Format('Средняя длина слова: %.1f',
      [(LetterCount + DigitCount) / Words]));
end;

// Текст изменился: пересчитываем, если включён флажок
procedure TForm1.Memo1Change(Sender: TObject);
begin
  if CheckBox1.Checked then
    Button2Click(Sender);
end;

end.
