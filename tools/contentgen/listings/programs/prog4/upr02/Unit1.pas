unit Unit1;

{ Упражнение 4:02. Игра "Угадай число".
  Компьютер загадывает случайное число, игрок вводит варианты,
  а программа подсказывает "больше" или "меньше" и считает попытки.
  Переключатель RadioGroup1 задаёт уровень: до 10, до 100 или до 1000. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    RadioGroup1: TRadioGroup;
    Label2: TLabel;
    Edit1: TEdit;
    Button1: TButton;
    Label3: TLabel;
    Label4: TLabel;
    Label5: TLabel;
    ListBox1: TListBox;
    Button2: TButton;
    Button3: TButton;
    procedure FormCreate(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure Button3Click(Sender: TObject);
    procedure RadioGroup1Click(Sender: TObject);
  private
    Secret: Integer;     // загаданное число
    Tries: Integer;      // сколько сделано попыток
    MaxNumber: Integer;  // верхняя граница: 10, 100 или 1000
    procedure NewGame;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

// Новая игра: граница по уровню, новое случайное число, всё сначала
procedure TForm1.NewGame;
begin
  case RadioGroup1.ItemIndex of
    0: MaxNumber := 10;
    1: MaxNumber := 100;
  else
    MaxNumber := 1000;
  end;
  Secret := Random(MaxNumber) + 1;
  Tries := 0;
  Label1.Caption := Format('Я загадал число от 1 до %d. Попробуй угадать!', [MaxNumber]);
  Label3.Caption := 'Введи число и нажми Enter';
  Label4.Caption := 'Попыток: 0';
  ListBox1.Clear;
  Edit1.Text := '';
  Edit1.Enabled := True;
  Button1.Enabled := True;
  ActiveControl := Edit1;   // курсор - в поле ввода
end;

procedure TForm1.FormCreate(Sender: TObject);
begin
  Randomize;
  NewGame;
end;

// Кнопка "Проверить" (срабатывает и по клавише Enter: Default = True)
procedure TForm1.Button1Click(Sender: TObject);
var
  N: Integer;
begin
  N := StrToIntDef(Edit1.Text, 0);
  if (N < 1) or (N > MaxNumber) then
  begin
    ShowMessage(Format('Введи целое число от 1 до %d', [MaxNumber]));
    Edit1.SelectAll;
    Exit;
  end;
  Tries := Tries + 1;
  Label4.Caption := 'Попыток: ' + IntToStr(Tries);
  if N < Secret then
  begin
    Label3.Caption := 'Моё число больше';
    ListBox1.Items.Add(IntToStr(N) + ' - мало');
  end
  else if N > Secret then
  begin
    Label3.Caption := 'Моё число меньше';
    ListBox1.Items.Add(IntToStr(N) + ' - много');
  end
  else
  begin
    Label3.Caption := 'Угадал!';
    ListBox1.Items.Add(IntToStr(N) + ' - угадал!');
    Edit1.Enabled := False;
    Button1.Enabled := False;
    ShowMessage(Format('Правильно, это число %d! Попыток: %d', [Secret, Tries]));
  end;
  Edit1.SelectAll;   // следующий вариант можно набирать сразу
end;

// Кнопка "Новая игра"
procedure TForm1.Button2Click(Sender: TObject);
begin
  NewGame;
end;

// Кнопка "Выход"
procedure TForm1.Button3Click(Sender: TObject);
begin
  Close;
end;

// Сменили уровень - начинаем новую игру
procedure TForm1.RadioGroup1Click(Sender: TObject);
begin
  NewGame;
end;

end.
