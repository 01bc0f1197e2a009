unit Unit1;

{ Упражнение 3:07. Создание MP3-плейера.
  Музыку играет компонент MediaPlayer1. Список воспроизведения
  хранится в Playlist (полные имена файлов), а в ListBox1 видны только
  имена. Таймер дважды в секунду показывает время и положение трека,
  а когда трек доиграл до конца, включает следующий.
  Пока звучит музыка, Animate1 показывает ролик cool.avi. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls, ComCtrls, MPlayer;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Label2: TLabel;
    Label3: TLabel;
    Animate1: TAnimate;
    ProgressBar1: TProgressBar;
    MediaPlayer1: TMediaPlayer;
    Button1: TButton;
    Button2: TButton;
    ListBox1: TListBox;
    OpenDialog1: TOpenDialog;
    Timer1: TTimer;
    procedure FormCreate(Sender: TObject);
    procedure FormDestroy(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure ListBox1DblClick(Sender: TObject);
    procedure MediaPlayer1Click(Sender: TObject; Button: TMPBtnType;
      var DoDefault: Boolean);
    procedure Timer1Timer(Sender: TObject);
  private
    Playlist: TStringList;   // полные имена файлов списка
    Current: Integer;        // номер открытого трека, -1 - ничего не открыто
    procedure PlayTrack(Index: Integer);
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

const
  AviFile = 'C:\DELPHIFILES\cool.avi';

procedure TForm1.FormCreate(Sender: TObject);
begin
  Playlist := TStringList.Create;
  Current := -1;
  if FileExists(AviFile) then
    Animate1.FileName := AviFile;
end;

procedure TForm1.FormDestroy(Sender: TObject);
begin
  Playlist.Free;
end;

// Открывает трек номер Index и начинает играть
procedure TForm1.PlayTrack(Index: Integer);
begin
  if (Index < 0) or (Index >= Playlist.Count) then
    Exit;
  Current := Index;
  ListBox1.ItemIndex := Index;
  MediaPlayer1.Close;
  MediaPlayer1.FileName := Playlist[Index];
  MediaPlayer1.Open;
  MediaPlayer1.TimeFormat := tfMilliseconds;  // время в миллисекундах
  ProgressBar1.Max := MediaPlayer1.Length div 1000;
  Label2.Caption := ExtractFileName(Playlist[Index]);
  MediaPlayer1.Play;
end;

// Добавить...: можно выбрать сразу несколько файлов
procedure TForm1.Button1Click(Sender: TObject);
var
  I: Integer;
begin
  if OpenDialog1.Execute then
  begin
    for I := 0 to OpenDialog1.Files.Count - 1 do
    begin
      Playlist.Add(OpenDialog1.Files[I]);
      ListBox1.Items.Add(ExtractFileName(OpenDialog1.Files[I]));
    end;
    if Current < 0 then
      PlayTrack(0);
  end;
end;

// Удалить выбранный трек из списка
procedure TForm1.Button2Click(Sender: TObject);
var
  I: Integer;
begin
  I := ListBox1.ItemIndex;
  if I < 0 then
    Exit;
  if I = Current then
  begin
    // удаляем то, что играет: останавливаем плейер
    MediaPlayer1.Close;
    Animate1.Active := False;
    Current := -1;
    Label2.Caption := '(ничего)';
    Label3.Caption := '00:00 / 00:00';
    ProgressBar1.Position := 0;
  end
  else if I < Current then
    Current := Current - 1;  // номера следующих треков сдвигаются
  Playlist.Delete(I);
  ListBox1.Items.Delete(I);
end;

// Двойной щелчок по треку: играть его
procedure TForm1.ListBox1DblClick(Sender: TObject);
begin
  PlayTrack(ListBox1.ItemIndex);
end;

// Кнопка Play плейера: если выбран другой трек, включаем его
procedure TForm1.MediaPlayer1Click(Sender: TObject; Button: TMPBtnType;
  var DoDefault: Boolean);
begin
  if (Button = btPlay) and
    ((Current < 0) or (ListBox1.ItemIndex <> Current)) then
  begin
    DoDefault := False;  // сам плейер ничего не делает
    if ListBox1.ItemIndex >= 0 then
      PlayTrack(ListBox1.ItemIndex)
    else
      PlayTrack(0);
  end
  else if Current < 0 then
    DoDefault := False;  // ничего не открыто: Pause и Stop не нужны
end;

// Дважды в секунду: время, полоса и ролик
procedure TForm1.Timer1Timer(Sender: TObject);
var
  Done, Total: Integer;   // прошло секунд, всего секунд
  Playing: Boolean;
begin
  if Current < 0 then
    Exit;
  Playing := MediaPlayer1.Mode = mpPlaying;
  // ролик крутится, только пока играет музыка
  if (Animate1.FileName <> '') and (Animate1.Active <> Playing) then
    Animate1.Active := Playing;
  Done := MediaPlayer1.Position div 1000;
  Total := MediaPlayer1.Length div 1000;
  ProgressBar1.Position := Done;
  Label3.Caption := Format('%.2d:%.2d / %.2d:%.2d',
    [Done div 60, Done mod 60, Total div 60, Total mod 60]);
  // трек доиграл до конца: включаем следующий
  if (MediaPlayer1.Mode = mpStopped) and
    (MediaPlayer1.Position >= MediaPlayer1.Length) and
    (Current < Playlist.Count - 1) then
    PlayTrack(Current + 1);
end;

end.
