unit Unit1;

{ Упражнение 4:05. Делаем снимок экрана.
  Кнопка "Сделать снимок" копирует изображение всего экрана в
  Image1 функцией BitBlt. Окно программы перед съёмкой можно спрятать.
  Кнопка "Сохранить..." записывает снимок в файл BMP или JPEG. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls, Jpeg;

type
  TForm1 = class(TForm)
    Panel1: TPanel;
    Button1: TButton;
    Button2: TButton;
    CheckBox1: TCheckBox;
    ScrollBox1: TScrollBox;
    Image1: TImage;
    SaveDialog1: TSaveDialog;
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

// Снимок всего экрана
procedure TForm1.Button1Click(Sender: TObject);
var
  ScreenDC: HDC;
  Bmp: TBitmap;
begin
  if CheckBox1.Checked then
  begin
    Hide;                         // прячем своё окно
    Application.ProcessMessages;
    Sleep(500);                   // даём другим окнам перерисоваться
  end;
  Bmp := TBitmap.Create;
  try
    Bmp.Width := Screen.Width;
    Bmp.Height := Screen.Height;
    ScreenDC := GetDC(0);         // контекст всего экрана
    try
      BitBlt(Bmp.Canvas.Handle, 0, 0, Bmp.Width, Bmp.Height,
        ScreenDC, 0, 0, SRCCOPY);
    finally
      ReleaseDC(0, ScreenDC);
    end;
    Image1.Picture.Assign(Bmp);
  finally
    Bmp.Free;
  end;
  if CheckBox1.Checked then
    Show;
  Button2.Enabled := True;
end;

// Сохранение снимка: второй фильтр диалога - JPEG, иначе BMP
procedure TForm1.Button2Click(Sender: TObject);
var
  Jpg: TJPEGImage;
begin
  SaveDialog1.FileName := 'Снимок ' + FormatDateTime('hh-nn-ss', Now);
  if not SaveDialog1.Execute then
    Exit;
  if SaveDialog1.FilterIndex = 2 then
  begin
    Jpg := TJPEGImage.Create;
    try
      Jpg.Assign(Image1.Picture.Bitmap);
      Jpg.CompressionQuality := 90;
      Jpg.SaveToFile(ChangeFileExt(SaveDialog1.FileName, '.jpg'));
    finally
      Jpg.Free;
    end;
  end
  else
    Image1.Picture.Bitmap.SaveToFile(ChangeFileExt(SaveDialog1.FileName, '.bmp'));
end;

end.
