unit Unit1;

{ Упражнение 3:11. Создание органайзера.
  Программа из двух окон. В первом окне (Form1, модуль Unit1) -
  календарь и список дел на выбранный день. Второе окно (Form2, модуль
  Unit2) - диалог, в котором вводится время и текст записи; первое окно
  открывает его методом ShowModal.
  Все записи хранятся в сортированном списке строк Notes вида
      2004-01-15 09:30 Контрольная по алгебре
  и после каждого изменения записываются в файл notes.txt рядом с
  программой. Ниже, после конца модуля Unit1, приведён модуль Unit2. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ComCtrls;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Label2: TLabel;
    MonthCalendar1: TMonthCalendar;
    ListBox1: TListBox;
    Button1: TButton;
    Button2: TButton;
    Button3: TButton;
    Button4: TButton;
    procedure FormCreate(Sender: TObject);
    procedure FormDestroy(Sender: TObject);
    procedure MonthCalendar1Click(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure Button3Click(Sender: TObject);
    procedure Button4Click(Sender: TObject);
  private
    Notes: TStringList;   // все записи, по порядку даты и времени
    NotesFile: string;    // файл, в котором они хранятся
    function DayKey(D: TDateTime): string;
    function MakeLine(D, T: TDateTime; const Text: string): string;
    procedure ShowDay;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

uses Unit2;

{$R *.dfm}

procedure TForm1.FormCreate(Sender: TObject);
begin
  Notes := TStringList.Create;
  Notes.Sorted := True;  // строки сами встают по порядку
  Notes.Duplicates := dupAccept;
  NotesFile := ExtractFilePath(Application.ExeName) + 'notes.txt';
  if FileExists(NotesFile) then
    Notes.LoadFromFile(NotesFile);
  MonthCalendar1.Date := Date;  // начинаем с сегодняшнего дня
  ShowDay;
end;

procedure TForm1.FormDestroy(Sender: TObject);
begin
  Notes.Free;
end;

// Дата в виде 2004-01-15: так строки сортируются по порядку дней
function TForm1.DayKey(D: TDateTime): string;
begin
  Result := FormatDateTime('yyyy-mm-dd', D);
end;

// Строка записи: дата, время и текст
function TForm1.MakeLine(D, T: TDateTime; const Text: string): string;
begin
  Result := DayKey(D) + ' ' + FormatDateTime('hh:nn', T) + ' ' + Trim(Text);
end;

// Показывает дела выбранного в календаре дня
procedure TForm1.ShowDay;
var
  I: Integer;
  Key: string;
begin
  Key := DayKey(MonthCalendar1.Date);
  Label1.Caption := 'Дела на ' + DateToStr(MonthCalendar1.Date) + ':';
  ListBox1.Clear;
  for I := 0 to Notes.Count - 1 do
    if Copy(Notes[I], 1, 10) = Key then
      ListBox1.Items.Add(Copy(Notes[I], 12, MaxInt));  // без даты
  Label2.Caption := 'Всего записей: ' + IntToStr(Notes.Count);
end;

procedure TForm1.MonthCalendar1Click(Sender: TObject);
begin
  ShowDay;
end;

// Добавить...
procedure TForm1.Button1Click(Sender: TObject);
begin
  Form2.Caption := 'Новая запись';
  Form2.DateTimePicker1.Time := Time;
  Form2.Edit1.Text := '';
  if Form2.ShowModal = mrOk then
  begin
    Notes.Add(MakeLine(MonthCalendar1.Date, Form2.DateTimePicker1.Time,
      Form2.Edit1.Text));
    Notes.SaveToFile(NotesFile);
    ShowDay;
  end;
end;

// Изменить... (и двойной щелчок по записи)
procedure TForm1.Button2Click(Sender: TObject);
var
  I: Integer;
  Line: string;
begin
  if ListBox1.ItemIndex < 0 then
  begin
    ShowMessage('Сначала выбери запись в списке.');
    Exit;
  end;
  // полная строка записи: дата дня + то, что видно в списке
  Line := DayKey(MonthCalendar1.Date) + ' ' + ListBox1.Items[ListBox1.ItemIndex];
  I := Notes.IndexOf(Line);
  Form2.Caption := 'Изменить запись';
  // время записано в позициях 12..16 в виде чч:мм
  Form2.DateTimePicker1.Time := EncodeTime(StrToInt(Copy(Line, 12, 2)),
    StrToInt(Copy(Line, 15, 2)), 0, 0);
  Form2.Edit1.Text := Copy(Line, 18, MaxInt);
  if Form2.ShowModal = mrOk then
  begin
    Notes.Delete(I);
    Notes.Add(MakeLine(MonthCalendar1.Date, Form2.DateTimePicker1.Time,
      Form2.Edit1.Text));
    Notes.SaveToFile(NotesFile);
    ShowDay;
  end;
end;

// Удалить
procedure TForm1.Button3Click(Sender: TObject);
var
  Line: string;
begin
  if ListBox1.ItemIndex < 0 then
    Exit;
  Line := DayKey(MonthCalendar1.Date) + ' ' + ListBox1.Items[ListBox1.ItemIndex];
  if MessageDlg('Удалить запись "' + ListBox1.Items[ListBox1.ItemIndex] + '"?',
    mtConfirmation, [mbYes, mbNo], 0) = mrYes then
  begin
    Notes.Delete(Notes.IndexOf(Line));
    Notes.SaveToFile(NotesFile);
    ShowDay;
  end;
end;

// Сегодня
procedure TForm1.Button4Click(Sender: TObject);
begin
  MonthCalendar1.Date := Date;
  ShowDay;
end;

end.

{ ================================================================== }
{ Модуль второго окна: файл Unit2.pas                                 }
{ ================================================================== }

unit Unit2;

{ Окно "Запись": время и текст одной записи органайзера.
  Кнопки OK и "Отмена" закрывают окно сами: у них задано свойство
  ModalResult (mrOk и mrCancel), и метод ShowModal возвращает его. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ComCtrls;

type
  TForm2 = class(TForm)
    Label1: TLabel;
    Label2: TLabel;
    DateTimePicker1: TDateTimePicker;
    Edit1: TEdit;
    Button1: TButton;
    Button2: TButton;
    procedure FormShow(Sender: TObject);
    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  Form2: TForm2;

implementation

{$R *.dfm}

// При каждом показе окна курсор стоит в поле текста
procedure TForm2.FormShow(Sender: TObject);
begin
  ActiveControl := Edit1;
end;

// Пустую запись по кнопке OK не принимаем
procedure TForm2.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
begin
  if (ModalResult = mrOk) and (Trim(Edit1.Text) = '') then
  begin
    ShowMessage('Напиши, что нужно сделать.');
    Edit1.SetFocus;
    CanClose := False;
  end;
end;

end.
