unit Unit1;

{ Упражнение 3:06. Поиск файлов на диске.
  Рекурсивная процедура SearchFolder просматривает папку функциями
  FindFirst / FindNext, заносит в список файлы, подходящие под маску,
  и вызывает сама себя для каждой вложенной папки.
  Папку для поиска можно выбрать в стандартном окне "Обзор папок"
  (функция SelectDirectory из модуля FileCtrl). Двойной щелчок по
  найденному файлу открывает его (ShellExecute из модуля ShellAPI). }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, FileCtrl, ShellAPI;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Label2: TLabel;
    Label3: TLabel;
    Edit1: TEdit;
    Button1: TButton;
    Edit2: TEdit;
    CheckBox1: TCheckBox;
    Button2: TButton;
    ListBox1: TListBox;
    Button3: TButton;
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure Button3Click(Sender: TObject);
    procedure ListBox1DblClick(Sender: TObject);
    procedure FormClose(Sender: TObject; var Action: TCloseAction);
  private
    Mask: string;       // что ищем, например *.txt
    Stopped: Boolean;   // нажата кнопка "Остановить"
    procedure SearchFolder(const Folder: string);
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

// Обзор...: выбор папки в стандартном окне Windows
procedure TForm1.Button1Click(Sender: TObject);
var
  Dir: string;
begin
  Dir := Edit1.Text;
  if SelectDirectory('Выбери папку для поиска', '', Dir) then
    Edit1.Text := Dir;
end;

// Ищет файлы по маске в папке Folder (имя кончается на "\")
procedure TForm1.SearchFolder(const Folder: string);
var
  SR: TSearchRec;
begin
  Label3.Caption := 'Идёт поиск: ' + Folder;
  // 1. Файлы самой папки, подходящие под маску
  if FindFirst(Folder + Mask, faAnyFile, SR) = 0 then
  begin
    repeat
      if (SR.Attr and faDirectory) = 0 then
        ListBox1.Items.Add(Folder + SR.Name);
    until FindNext(SR) <> 0;
    FindClose(SR);
  end;
  // даём окну перерисоваться и заметить нажатие "Остановить"
  Application.ProcessMessages;
  // 2. Вложенные папки: для каждой процедура вызывает сама себя
  if CheckBox1.Checked and not Stopped then
    if FindFirst(Folder + '*.*', faAnyFile, SR) = 0 then
    begin
      repeat
        if ((SR.Attr and faDirectory) <> 0) and
          (SR.Name <> '.') and (SR.Name <> '..') then
          SearchFolder(Folder + SR.Name + '\');
      until Stopped or (FindNext(SR) <> 0);
      FindClose(SR);
    end;
end;

// Найти
procedure TForm1.Button2Click(Sender: TObject);
begin
  if not DirectoryExists(Edit1.Text) then
  begin
    MessageDlg('Папка ' + Edit1.Text + ' не найдена.', mtError, [mbOK], 0);
    Exit;
  end;
  ListBox1.Clear;
  Mask := Trim(Edit2.Text);
  if Mask = '' then
    Mask := '*.*';
  Stopped := False;
  Button2.Enabled := False;
  Button3.Enabled := True;
  Screen.Cursor := crHourGlass;
  try
    SearchFolder(IncludeTrailingPathDelimiter(Edit1.Text));
  finally
    Screen.Cursor := crDefault;
    Button2.Enabled := True;
    Button3.Enabled := False;
  end;
  if Stopped then
    Label3.Caption := 'Поиск остановлен. Найдено файлов: ' +
      IntToStr(ListBox1.Items.Count)
  else
    Label3.Caption := 'Поиск закончен. Найдено файлов: ' +
      IntToStr(ListBox1.Items.Count);
end;

// Остановить
procedure TForm1.Button3Click(Sender: TObject);
begin
  Stopped := True;
end;

// Двойной щелчок: открыть файл в программе, связанной с его типом
procedure TForm1.ListBox1DblClick(Sender: TObject);
begin
  if ListBox1.ItemIndex >= 0 then
    ShellExecute(Handle, 'open', PChar(ListBox1.Items[ListBox1.ItemIndex]),
      nil, nil, SW_SHOWNORMAL);
end;

// Окно закрывают во время поиска: поиск надо прервать
procedure TForm1.FormClose(Sender: TObject; var Action: TCloseAction);
begin
  Stopped := True;
end;

end.
