unit Unit1;

{ Упражнение 1:15. Использование ScrollBar.
  Полоса прокрутки задаёт температуру от -40 до +50 градусов Цельсия.
  Программа переводит её в градусы Фаренгейта и кельвины и поднимает
  красный столбик термометра (Shape1 внутри Panel1, Align = alBottom). }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls;

type
  TForm1 = class(TForm)
    Panel1: TPanel;
    Shape1: TShape;
    Shape2: TShape;
    Label5: TLabel;
    Label6: TLabel;
    Label7: TLabel;
    Label1: TLabel;
    Label2: TLabel;
    Label3: TLabel;
    Label4: TLabel;
    Label8: TLabel;
    ScrollBar1: TScrollBar;
    Button1: TButton;
    procedure FormCreate(Sender: TObject);
    procedure ScrollBar1Change(Sender: TObject);
    procedure Button1Click(Sender: TObject);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

procedure TForm1.ScrollBar1Change(Sender: TObject);
var
  C: Integer;   // температура по Цельсию
  F: Real;      // та же температура по Фаренгейту
begin
  C := ScrollBar1.Position;
  F := C * 9 / 5 + 32;
  Label1.Caption := 'По Цельсию: ' + IntToStr(C) + ' °C';
  Label2.Caption := 'По Фаренгейту: ' + FloatToStrF(F, ffFixed, 5, 1) + ' °F';
  Label3.Caption := 'По Кельвину: ' + FloatToStrF(C + 273.15, ffFixed, 6, 2) + ' K';

  // высота столбика: 0 при -40 градусах, вся трубка при +50
  Shape1.Height := (C - ScrollBar1.Min) * Panel1.ClientHeight div
    (ScrollBar1.Max - ScrollBar1.Min);

  if C < 0 then
    Label4.Caption := 'Мороз'
  else if C < 15 then
    Label4.Caption := 'Прохладно'
  else if C < 25 then
    Label4.Caption := 'Тепло'
  else
    Label4.Caption := 'Жарко';
end;

// При запуске показываем температуру, заданную в инспекторе
procedure TForm1.FormCreate(Sender: TObject);
begin
  ScrollBar1Change(Self);
end;

procedure TForm1.Button1Click(Sender: TObject);
begin
  Close;
end;

end.
