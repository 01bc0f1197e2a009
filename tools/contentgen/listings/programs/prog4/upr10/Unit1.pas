unit Unit1;

{ Упражнение 4:10. Анимация на рабочем столе.
  Окно без рамки с прозрачным фоном показывает по очереди 20 кадров
  из папки C:\DELPHIFILES\VISUAL и при этом едет по нижнему краю
  рабочего стола. Прозрачным становится цвет левого верхнего
  пикселя первого кадра (свойства TransparentColor и
  TransparentColorValue работают начиная с Windows 2000).
  Правая кнопка мыши открывает меню, двойной щелчок закрывает программу. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, ExtCtrls, Menus;

const
  FrameCount = 20;                       // кадров в анимации
  FramePath = 'C:\DELPHIFILES\VISUAL\';  // папка с кадрами 1.bmp ... 20.bmp
  StepX = 4;                             // сдвиг окна за один кадр, пикселей

type
  TForm1 = class(TForm)
    Image1: TImage;
    Timer1: TTimer;
    PopupMenu1: TPopupMenu;
    N1: TMenuItem;
    N2: TMenuItem;
    procedure FormCreate(Sender: TObject);
    procedure FormDestroy(Sender: TObject);
    procedure Timer1Timer(Sender: TObject);
    procedure N1Click(Sender: TObject);
    procedure N2Click(Sender: TObject);
    procedure Image1DblClick(Sender: TObject);
  private
    Frames: array [1..FrameCount] of TBitmap;  // кадры анимации
    Current: Integer;                          // номер показанного кадра
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

procedure TForm1.FormCreate(Sender: TObject);
var
  I: Integer;
begin
  if not FileExists(FramePath + '1.bmp') then
  begin
    ShowMessage('Не найдены кадры анимации (файлы 1.bmp ... 20.bmp) в папке ' + FramePath);
    Application.ShowMainForm := False;
    Application.Terminate;
    Exit;
  end;
  for I := 1 to FrameCount do
  begin
    Frames[I] := TBitmap.Create;
    Frames[I].LoadFromFile(FramePath + IntToStr(I) + '.bmp');
  end;
  Current := 1;
  Image1.Picture.Assign(Frames[1]);
  ClientWidth := Frames[1].Width;
  ClientHeight := Frames[1].Height;
  // цвет фона кадра (левый верхний пиксель) станет прозрачным
  TransparentColorValue := Frames[1].Canvas.Pixels[0, 0];
  // начинаем за левым краем экрана, над панелью задач
  Left := -Width;
  Top := Screen.WorkAreaHeight - Height;
  Timer1.Enabled := True;
end;

procedure TForm1.FormDestroy(Sender: TObject);
var
  I: Integer;
begin
  for I := 1 to FrameCount do
    Frames[I].Free;
end;

// Следующий кадр и шаг вправо
procedure TForm1.Timer1Timer(Sender: TObject);
begin
  Current := Current mod FrameCount + 1;  // 1, 2, ..., 20, 1, 2, ...
  Image1.Picture.Assign(Frames[Current]);
  Left := Left + StepX;
  if Left > Screen.Width then
    Left := -Width;  // ушли за правый край - появляемся слева
end;

// Пункт меню "Пауза"
procedure TForm1.N1Click(Sender: TObject);
begin
  Timer1.Enabled := not Timer1.Enabled;
  N1.Checked := not Timer1.Enabled;
end;

// Пункт меню "Выход"
procedure TForm1.N2Click(Sender: TObject);
begin
  Close;
end;

procedure TForm1.Image1DblClick(Sender: TObject);
begin
  Close;
end;

end.
