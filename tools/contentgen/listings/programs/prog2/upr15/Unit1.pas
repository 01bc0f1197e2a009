unit Unit1;

{ Упражнение 2:15. Сортировка слов текста.
  Программа разбивает текст на слова, сортирует их методом
  «пузырька» по алфавиту, в обратном порядке или по длине
  и выводит список, по желанию без повторов. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls,
  Forms, Dialogs, StdCtrls, ExtCtrls;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Memo1: TMemo;
    RadioGroup1: TRadioGroup;
    CheckBox1: TCheckBox;
    Button1: TButton;
    Label2: TLabel;
    ListBox1: TListBox;
    Label3: TLabel;
    procedure Button1Click(Sender: TObject);
  private
    function NeedSwap(const A, B: string): Boolean;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

const
  // символы, из которых состоят слова
  WordChars = ['A'..'Z', 'a'..'z', 'А'..'Я', 'а'..'я', 'Ё', 'ё',
    '0'..'9'];

// True, если слова A и B стоят в неправильном порядке
function TForm1.NeedSwap(const A, B: string): Boolean;
begin
  case RadioGroup1.ItemIndex of
    1: Result := AnsiCompareText(A, B) < 0;  // от Я до А
    2: if Length(A) <> Length(B) then        // по длине,
         Result := Length(A) > Length(B)
       else                                  // равные - по алфавиту
         Result := AnsiCompareText(A, B) > 0;
  else
    Result := AnsiCompareText(A, B) > 0;     // от А до Я
  end;
end;

// «Сортировать»
procedure TForm1.Button1Click(Sender: TObject);
var
  S, W, T: string;
  Words: array of string;  // динамический массив слов
  I, J: Integer;
begin
  // 1. Разбиваем текст на слова
  S := Memo1.Text + ' ';  // пробел в конце завершит последнее слово
  W := '';
  for I := 1 to Length(S) do
    if (S[I] in WordChars) or
      ((S[I] = '-') and (W <> '') and (S[I + 1] in WordChars)) then
      W := W + S[I]  // дефис внутри слова: «кто-то»
    else if W <> '' then
    begin
      SetLength(Words, Length(Words) + 1);  // место для слова
      Words[High(Words)] := W;
      W := '';
    end;
  // 2. Сортировка методом «пузырька»: соседние слова,
  // стоящие не по порядку, меняются местами
  for I := 0 to High(Words) - 1 do
    for J := 0 to High(Words) - 1 - I do
      if NeedSwap(Words[J], Words[J + 1]) then
      begin
        T := Words[J];
        Words[J] := Words[J + 1];
        Words[J + 1] := T;
      end;
  // 3. Вывод; после сортировки одинаковые слова стоят рядом
  ListBox1.Clear;
  for I := 0 to High(Words) do
    if not CheckBox1.Checked or (I = 0) or
      (AnsiCompareText(Words[I], Words[I - 1]) <> 0) then
      ListBox1.Items.Add(Words[I]);
  Label3.Caption := Format('Слов в тексте: %d, в списке: %d',
    [Length(Words), ListBox1.Items.Count]);
end;

end.
