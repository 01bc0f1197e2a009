unit Unit1;

{ Упражнение 2:08. Блокнот-шифровальщик.
  Простой текстовый редактор с главным меню, который умеет
  открывать и сохранять файлы, а также шифровать текст
  шифром Цезаря: каждая буква сдвигается по алфавиту
  на число позиций, равное ключу. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls,
  Forms, Dialogs, StdCtrls, ExtCtrls, Spin, Menus;

type
  TForm1 = class(TForm)
    Panel1: TPanel;
    Label1: TLabel;
    SpinEdit1: TSpinEdit;
    Label2: TLabel;
    Memo1: TMemo;
    MainMenu1: TMainMenu;
    NFile: TMenuItem;
    NNew: TMenuItem;
    NOpen: TMenuItem;
    NSave: TMenuItem;
    NSaveAs: TMenuItem;
    N1: TMenuItem;
    NExit: TMenuItem;
    NCipher: TMenuItem;
    NEncrypt: TMenuItem;
    NDecrypt: TMenuItem;
    OpenDialog1: TOpenDialog;
    SaveDialog1: TSaveDialog;
    procedure FormCreate(Sender: TObject);
    procedure NNewClick(Sender: TObject);
    procedure NOpenClick(Sender: TObject);
    procedure NSaveClick(Sender: TObject);
    procedure NSaveAsClick(Sender: TObject);
    procedure NExitClick(Sender: TObject);
    procedure NEncryptClick(Sender: TObject);
    procedure NDecryptClick(Sender: TObject);
    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
  private
    FileName: string;  // имя открытого файла или '' для нового
    procedure SetFileName(const AName: string);
    function CanDiscard: Boolean;
    procedure Transform(Key: Integer);
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

// Сдвигает символ C внутри алфавита из Count букв,
// который начинается с буквы First
function Rotate(C, First: Char; Count, Key: Integer): Char;
begin
  Result := Chr(Ord(First) +
    ((Ord(C) - Ord(First) + Key) mod Count + Count) mod Count);
end;

// Шифрует один символ; не-буквы остаются без изменений
function ShiftChar(C: Char; Key: Integer): Char;
begin
  case C of
    'A'..'Z': Result := Rotate(C, 'A', 26, Key);
    'a'..'z': Result := Rotate(C, 'a', 26, Key);
    'А'..'Я': Result := Rotate(C, 'А', 32, Key);
    'а'..'я': Result := Rotate(C, 'а', 32, Key);
  else
    Result := C;
  end;
end;

// Шифрует (Key > 0) или расшифровывает (Key < 0) весь текст
procedure TForm1.Transform(Key: Integer);
var
  S: string;
  I: Integer;
begin
  S := Memo1.Text;
  for I := 1 to Length(S) do
    S[I] := ShiftChar(S[I], Key);
  Memo1.Text := S;
  Memo1.Modified := True;  // текст изменён и ещё не сохранён
end;

// Запоминает имя файла и показывает его в заголовке окна
procedure TForm1.SetFileName(const AName: string);
begin
  FileName := AName;
  if FileName = '' then
    Caption := 'Блокнот-шифровальщик - Новый'
  else
    Caption := 'Блокнот-шифровальщик - ' + ExtractFileName(FileName);
end;

// Можно ли расстаться с текущим текстом (спрашивает о сохранении)
function TForm1.CanDiscard: Boolean;
begin
  Result := True;
  if Memo1.Modified then
    case MessageDlg('Текст изменён. Сохранить его?',
      mtConfirmation, [mbYes, mbNo, mbCancel], 0) of
      mrYes:
        begin
          NSaveClick(nil);
          Result := not Memo1.Modified;  // сохранение могли отменить
        end;
      mrCancel:
        Result := False;
    end;
end;

procedure TForm1.FormCreate(Sender: TObject);
begin
  SetFileName('');
end;

// Файл - Новый
procedure TForm1.NNewClick(Sender: TObject);
begin
  if CanDiscard then
  begin
    Memo1.Clear;
    Memo1.Modified := False;
    SetFileName('');
  end;
end;

// Файл - Открыть...
procedure TForm1.NOpenClick(Sender: TObject);
begin
  if CanDiscard and OpenDialog1.Execute then
  begin
    Memo1.Lines.LoadFromFile(OpenDialog1.FileName);
    Memo1.Modified := False;
    SetFileName(OpenDialog1.FileName);
  end;
end;

// Файл - Сохранить
procedure TForm1.NSaveClick(Sender: TObject);
begin
  if FileName = '' then
    NSaveAsClick(Sender)  // у нового текста ещё нет имени
  else
  begin
    Memo1.Lines.SaveToFile(FileName);
    Memo1.Modified := False;
  end;
end;

// Файл - Сохранить как...
procedure TForm1.NSaveAsClick(Sender: TObject);
begin
  SaveDialog1.FileName := FileName;
  if SaveDialog1.Execute then
  begin
    Memo1.Lines.SaveToFile(SaveDialog1.FileName);
    Memo1.Modified := False;
    SetFileName(SaveDialog1.FileName);
  end;
end;

// Файл - Выход
procedure TForm1.NExitClick(Sender: TObject);
begin
  Close;
end;

// Шифр - Зашифровать
procedure TForm1.NEncryptClick(Sender: TObject);
begin
  Transform(SpinEdit1.Value);
end;

// Шифр - Расшифровать: сдвиг в обратную сторону
procedure TForm1.NDecryptClick(Sender: TObject);
begin
  Transform(-SpinEdit1.Value);
end;

// Перед закрытием окна предлагаем сохранить текст
procedure TForm1.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
begin
  CanClose := CanDiscard;
end;

end.
