unit Unit1;

{ Упражнение 3:04. Конвертируем BMP-ICO.
  Рисунок BMP любого размера уменьшается до 32 x 32 пикселей,
  помещается в список изображений ImageList1, и список сам делает
  из него значок (TIcon), который записывается в файл .ico.
  Если включён флажок "Прозрачный фон", цвет левого нижнего пикселя
  рисунка становится в значке прозрачным. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls, ImgList, ExtDlgs;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Label2: TLabel;
    Label3: TLabel;
    Image1: TImage;
    Image2: TImage;
    Image3: TImage;
    Button1: TButton;
    Button2: TButton;
    CheckBox1: TCheckBox;
    ImageList1: TImageList;
    OpenPictureDialog1: TOpenPictureDialog;
    SaveDialog1: TSaveDialog;
    procedure FormCreate(Sender: TObject);
    procedure FormDestroy(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure CheckBox1Click(Sender: TObject);
  private
    Icon32: TIcon;   // готовый значок
    procedure MakeIcon;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

procedure TForm1.FormCreate(Sender: TObject);
begin
  Icon32 := TIcon.Create;
end;

procedure TForm1.FormDestroy(Sender: TObject);
begin
  Icon32.Free;
end;

// Делает значок из рисунка, загруженного в Image1
procedure TForm1.MakeIcon;
var
  Bmp: TBitmap;
begin
  Bmp := TBitmap.Create;
  try
    Bmp.Width := 32;
    Bmp.Height := 32;
    // уменьшаем (или увеличиваем) рисунок до размера значка
    Bmp.Canvas.StretchDraw(Rect(0, 0, 32, 32), Image1.Picture.Graphic);
    ImageList1.Clear;
    if CheckBox1.Checked then
      // цвет левого нижнего пикселя станет прозрачным
      ImageList1.AddMasked(Bmp, Bmp.Canvas.Pixels[0, 31])
    else
      ImageList1.Add(Bmp, nil);
    ImageList1.GetIcon(0, Icon32);
    Image2.Picture.Icon := Icon32;
    Image3.Picture.Bitmap := Bmp;  // тот же рисунок крупно
  finally
    Bmp.Free;
  end;
end;

// Открыть BMP
procedure TForm1.Button1Click(Sender: TObject);
begin
  if OpenPictureDialog1.Execute then
  begin
    Image1.Picture.LoadFromFile(OpenPictureDialog1.FileName);
    MakeIcon;
    Button2.Enabled := True;
  end;
end;

// Сохранить ICO
procedure TForm1.Button2Click(Sender: TObject);
begin
  // предлагаем имя рисунка с расширением .ico
  SaveDialog1.FileName :=
    ChangeFileExt(ExtractFileName(OpenPictureDialog1.FileName), '.ico');
  if SaveDialog1.Execute then
  begin
    Icon32.SaveToFile(SaveDialog1.FileName);
    ShowMessage('Значок записан в файл ' + SaveDialog1.FileName);
  end;
end;

// Флажок "Прозрачный фон": переделываем значок
procedure TForm1.CheckBox1Click(Sender: TObject);
begin
  if Button2.Enabled then
    MakeIcon;
end;

end.
