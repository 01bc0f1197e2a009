unit Unit1;

{ Упражнение 1:12. Просмотр изображений.
  Кнопка "Открыть..." показывает стандартное окно открытия файла и
  загружает выбранный рисунок (BMP, JPEG, WMF, EMF, ICO) в Image1.
  Флажки управляют растяжением и центровкой рисунка. Модуль Jpeg
  добавлен в uses, чтобы Delphi умела читать файлы JPEG. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls, Jpeg;

type
  TForm1 = class(TForm)
    Button1: TButton;
    CheckBox1: TCheckBox;
    CheckBox2: TCheckBox;
    Button2: TButton;
    Panel1: TPanel;
    Image1: TImage;
    Label1: TLabel;
    OpenDialog1: TOpenDialog;
    procedure Button1Click(Sender: TObject);
    procedure CheckBox1Click(Sender: TObject);
    procedure CheckBox2Click(Sender: TObject);
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

procedure TForm1.Button1Click(Sender: TObject);
begin
  if OpenDialog1.Execute then   // пользователь выбрал файл и нажал "Открыть"
  begin
    Image1.Picture.LoadFromFile(OpenDialog1.FileName);
    // полное имя файла и размеры рисунка в точках
    Label1.Caption := OpenDialog1.FileName + '   (' +
      IntToStr(Image1.Picture.Width) + ' x ' +
      IntToStr(Image1.Picture.Height) + ')';
    Form1.Caption := 'Просмотр изображений - ' + ExtractFileName(OpenDialog1.FileName);
  end;
end;

// Растянуть рисунок на весь компонент или показать в настоящем размере
procedure TForm1.CheckBox1Click(Sender: TObject);
begin
  Image1.Stretch := CheckBox1.Checked;
end;

// Поместить рисунок в центр или в левый верхний угол
procedure TForm1.CheckBox2Click(Sender: TObject);
begin
  Image1.Center := CheckBox2.Checked;
end;

procedure TForm1.Button2Click(Sender: TObject);
begin
  Close;
end;

end.
