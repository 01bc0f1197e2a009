unit Unit1;

{ Упражнение 1:07. Вещественные числа.
  По радиусу основания и высоте цилиндра вычисляются его объём и
  площадь полной поверхности. Кнопка "Формулы..." открывает второе
  окно (Form2 из модуля Unit2) с рисунком цилиндра и формулами. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Label2: TLabel;
    Edit1: TEdit;
    Edit2: TEdit;
    Button1: TButton;
    GroupBox1: TGroupBox;
    Label3: TLabel;
    Label4: TLabel;
    Button2: TButton;
    Button3: TButton;
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

uses Unit2;

{$R *.dfm}

procedure TForm1.Button1Click(Sender: TObject);
var
  r, h: Real;   // радиус основания и высота
  V, S: Real;   // объём и площадь полной поверхности
begin
  r := StrToFloat(Edit1.Text);
  h := StrToFloat(Edit2.Text);
  V := Pi * Sqr(r) * h;
  S := 2 * Pi * r * (r + h);   // два круга-основания и боковая поверхность
  // два знака после запятой
  Label3.Caption := 'Объём V = ' + FloatToStrF(V, ffFixed, 10, 2);
  Label4.Caption := 'Площадь поверхности S = ' + FloatToStrF(S, ffFixed, 10, 2);
end;

// Второе окно с формулами; пока оно открыто, первое окно недоступно
procedure TForm1.Button2Click(Sender: TObject);
begin
  Form2.ShowModal;
end;

procedure TForm1.Button3Click(Sender: TObject);
begin
  Close;
end;

end.
