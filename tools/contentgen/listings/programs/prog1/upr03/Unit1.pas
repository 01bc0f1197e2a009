unit Unit1;

{ Упражнение 1:03. Работа с цветами формы.
  Кнопки меняют цвет формы (свойство Color); кнопка "Другой цвет..."
  открывает стандартное окно выбора цвета. Рисунок со стрелками
  (файл ARROWS.WMF) загружен в Image1 при проектировании. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Image1: TImage;
    Button1: TButton;
    Button2: TButton;
    Button3: TButton;
    Button4: TButton;
    Button5: TButton;
    Button6: TButton;
    Button7: TButton;
    ColorDialog1: TColorDialog;
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure Button3Click(Sender: TObject);
    procedure Button4Click(Sender: TObject);
    procedure Button5Click(Sender: TObject);
    procedure Button6Click(Sender: TObject);
    procedure Button7Click(Sender: TObject);
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
  Form1.Color := clRed;      // красный
end;

procedure TForm1.Button2Click(Sender: TObject);
begin
  Form1.Color := clGreen;    // зелёный
end;

procedure TForm1.Button3Click(Sender: TObject);
begin
  Form1.Color := clBlue;     // синий
end;

procedure TForm1.Button4Click(Sender: TObject);
begin
  Form1.Color := clYellow;   // жёлтый
end;

// Любой цвет из стандартного окна выбора цвета
procedure TForm1.Button5Click(Sender: TObject);
begin
  ColorDialog1.Color := Form1.Color;   // в окне будет отмечен текущий цвет
  if ColorDialog1.Execute then         // True, если нажата кнопка OK
    Form1.Color := ColorDialog1.Color;
end;

// Возврат к обычному цвету окон Windows
procedure TForm1.Button6Click(Sender: TObject);
begin
  Form1.Color := clBtnFace;
end;

procedure TForm1.Button7Click(Sender: TObject);
begin
  Close;
end;

end.
