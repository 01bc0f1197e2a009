unit Unit1;

{ Упражнение 1:05. Объём параллелепипеда.
  По длинам трёх рёбер прямоугольного параллелепипеда вычисляются
  его объём и площадь поверхности. Рисунок (файл PARAL.BMP)
  загружен в Image1 при проектировании. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls;

type
  TForm1 = class(TForm)
    Image1: TImage;
    Label1: TLabel;
    Label2: TLabel;
    Label3: TLabel;
    Label4: TLabel;
    Label5: TLabel;
    Edit1: TEdit;
    Edit2: TEdit;
    Edit3: TEdit;
    Button1: TButton;
    Button2: TButton;
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

procedure TForm1.Button1Click(Sender: TObject);
var
  a, b, c: Integer;   // длина, ширина и высота
  V: Integer;         // объём
  S: Integer;         // площадь поверхности
begin
  a := StrToInt(Edit1.Text);
  b := StrToInt(Edit2.Text);
  c := StrToInt(Edit3.Text);
  V := a * b * c;
  S := 2 * (a * b + b * c + a * c);   // шесть граней, по две одинаковые
  Label4.Caption := 'Объём V = ' + IntToStr(V) + ' куб. см';
  Label5.Caption := 'Площадь поверхности S = ' + IntToStr(S) + ' кв. см';
end;

procedure TForm1.Button2Click(Sender: TObject);
begin
  Close;
end;

end.
