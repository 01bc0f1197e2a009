unit Unit1;

{ Упражнение 2:06. Копирование файлов.
  Программа копирует любой файл блоками по 4 Кбайт
  процедурами BlockRead и BlockWrite и показывает ход
  копирования на индикаторе ProgressBar. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls,
  Forms, Dialogs, StdCtrls, ComCtrls;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Edit1: TEdit;
    Button1: TButton;
    Label2: TLabel;
    Edit2: TEdit;
    Button2: TButton;
    Button3: TButton;
    ProgressBar1: TProgressBar;
    Label3: TLabel;
    OpenDialog1: TOpenDialog;
    SaveDialog1: TSaveDialog;
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure Button3Click(Sender: TObject);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

// «Обзор...» для исходного файла
procedure TForm1.Button1Click(Sender: TObject);
begin
  if OpenDialog1.Execute then
  begin
    Edit1.Text := OpenDialog1.FileName;
    // предлагаем копию в той же папке: «Копия имя.расширение»
    Edit2.Text := ExtractFilePath(OpenDialog1.FileName) +
      'Копия ' + ExtractFileName(OpenDialog1.FileName);
  end;
end;

// «Обзор...» для файла-копии
procedure TForm1.Button2Click(Sender: TObject);
begin
  SaveDialog1.FileName := Edit2.Text;
  if SaveDialog1.Execute then
    Edit2.Text := SaveDialog1.FileName;
end;

// «Копировать»
procedure TForm1.Button3Click(Sender: TObject);
var
  Source, Dest: File;                 // нетипизированные файлы
  Buffer: array[1..4096] of Byte;     // блок данных
  Count: Integer;                     // сколько байт прочитано
  Total, Done: Int64;
begin
  if not FileExists(Edit1.Text) then
  begin
    MessageDlg('Исходный файл не найден.', mtError, [mbOK], 0);
    Exit;
  end;
  if Trim(Edit2.Text) = '' then
  begin
    MessageDlg('Укажите, куда копировать файл.', mtError, [mbOK], 0);
    Exit;
  end;
  if AnsiCompareText(ExpandFileName(Edit1.Text),
    ExpandFileName(Edit2.Text)) = 0 then
  begin
    MessageDlg('Файл нельзя скопировать сам в себя.',
      mtError, [mbOK], 0);
    Exit;
  end;
  if FileExists(Edit2.Text) then
    if MessageDlg('Файл ' + Edit2.Text + ' уже есть. Заменить его?',
      mtConfirmation, [mbYes, mbNo], 0) <> mrYes then
      Exit;
  AssignFile(Source, Edit1.Text);
  AssignFile(Dest, Edit2.Text);
  FileMode := fmOpenRead;  // исходный файл - только для чтения
  try
    Reset(Source, 1);      // размер записи - 1 байт
  finally
    FileMode := fmOpenReadWrite;
  end;
  Button3.Enabled := False;
  Label3.Caption := 'Идёт копирование...';
  try
    Rewrite(Dest, 1);
    try
      Total := FileSize(Source);
      Done := 0;
      repeat
        BlockRead(Source, Buffer, SizeOf(Buffer), Count);
        BlockWrite(Dest, Buffer, Count);
        Done := Done + Count;
        if Total > 0 then
          ProgressBar1.Position := Done * 100 div Total;
        Application.ProcessMessages;  // перерисовка окна
      until Count = 0;
    finally
      CloseFile(Dest);
    end;
  finally
    CloseFile(Source);
    Button3.Enabled := True;
  end;
  ProgressBar1.Position := 100;
  Label3.Caption := Format('Готово. Скопировано байт: %d', [Done]);
end;

end.
