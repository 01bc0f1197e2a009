unit Unit1;

{ Упражнение 3:12. Проигрыватель GIF-файлов.
  Стандартный компонент Image сам не умеет показывать файлы GIF.
  Их понимает модуль GIFImage (файл GIFImage.dcu из папки
  C:\DELPHIFILES\GIF): стоит подключить его в uses, и метод
  Picture.LoadFromFile загружает анимированные рисунки GIF как объекты
  класса TGIFImage, которые показывают свои кадры сами.
  Программа показывает все рисунки GIF папки, позволяет менять скорость
  анимации, показывать рисунки по очереди и включать музыку Music.wav. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls, ComCtrls, FileCtrl, MMSystem, GIFImage;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Label2: TLabel;
    Label3: TLabel;
    Label4: TLabel;
    FileListBox1: TFileListBox;
    Panel1: TPanel;
    Image1: TImage;
    CheckBox1: TCheckBox;
    CheckBox2: TCheckBox;
    CheckBox3: TCheckBox;
    TrackBar1: TTrackBar;
    Timer1: TTimer;
    procedure FormCreate(Sender: TObject);
    procedure FormDestroy(Sender: TObject);
    procedure FileListBox1Click(Sender: TObject);
    procedure CheckBox1Click(Sender: TObject);
    procedure CheckBox2Click(Sender: TObject);
    procedure CheckBox3Click(Sender: TObject);
    procedure TrackBar1Change(Sender: TObject);
    procedure Timer1Timer(Sender: TObject);
  private
    procedure ShowGif;
    procedure ApplySettings;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

const
  GifFolder = 'C:\DELPHIFILES\GIF';

procedure TForm1.FormCreate(Sender: TObject);
begin
  if DirectoryExists(GifFolder) then
    FileListBox1.Directory := GifFolder;
  if FileListBox1.Items.Count > 0 then
  begin
    FileListBox1.ItemIndex := 0;
    ShowGif;
  end;
end;

procedure TForm1.FormDestroy(Sender: TObject);
begin
  PlaySound(nil, 0, 0);  // остановить музыку
end;

// Загружает рисунок, выбранный в списке
procedure TForm1.ShowGif;
var
  GIF: TGIFImage;
begin
  if FileListBox1.ItemIndex < 0 then
    Exit;
  Image1.Picture.LoadFromFile(IncludeTrailingPathDelimiter(
    FileListBox1.Directory) + FileListBox1.Items[FileListBox1.ItemIndex]);
  if Image1.Picture.Graphic is TGIFImage then
  begin
    GIF := TGIFImage(Image1.Picture.Graphic);
    Label4.Caption := Format('Кадров: %d   Размер: %d x %d',
      [GIF.Images.Count, GIF.Width, GIF.Height]);
  end;
  ApplySettings;
end;

// Переносит скорость и флажок "Анимация" в загруженный рисунок
procedure TForm1.ApplySettings;
var
  GIF: TGIFImage;
begin
  if not (Image1.Picture.Graphic is TGIFImage) then
    Exit;
  GIF := TGIFImage(Image1.Picture.Graphic);
  GIF.AnimationSpeed := TrackBar1.Position;  // в процентах
  if CheckBox1.Checked then
    GIF.DrawOptions := GIF.DrawOptions + [goAnimate]
  else
    GIF.DrawOptions := GIF.DrawOptions - [goAnimate];
  Image1.Invalidate;
end;

procedure TForm1.FileListBox1Click(Sender: TObject);
begin
  ShowGif;
end;

// Анимация: вкл/выкл
procedure TForm1.CheckBox1Click(Sender: TObject);
begin
  ApplySettings;
end;

// Показ по очереди: таймер переключает рисунки
procedure TForm1.CheckBox2Click(Sender: TObject);
begin
  Timer1.Enabled := CheckBox2.Checked;
end;

// Музыка: Music.wav играет по кругу, пока включён флажок
procedure TForm1.CheckBox3Click(Sender: TObject);
begin
  if CheckBox3.Checked then
    PlaySound(PChar(GifFolder + '\Music.wav'), 0,
      SND_FILENAME or SND_ASYNC or SND_LOOP or SND_NODEFAULT)
  else
    PlaySound(nil, 0, 0);
end;

procedure TForm1.TrackBar1Change(Sender: TObject);
begin
  Label3.Caption := IntToStr(TrackBar1.Position) + '%';
  ApplySettings;
end;

// Следующий рисунок списка; после последнего - снова первый
procedure TForm1.Timer1Timer(Sender: TObject);
begin
  if FileListBox1.Items.Count = 0 then
    Exit;
  FileListBox1.ItemIndex := (FileListBox1.ItemIndex + 1) mod
    FileListBox1.Items.Count;
  ShowGif;
end;

end.
