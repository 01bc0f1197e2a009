unit Unit1;

{ Упражнение 2:14. Цветовая RGB-модель.
  Три ползунка задают яркость красной, зелёной и синей
  составляющих цвета (от 0 до 255). Программа показывает
  получившийся цвет и его коды для HTML и для Delphi. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls,
  Forms, Dialogs, StdCtrls, ExtCtrls, ComCtrls;

type
  TForm1 = class(TForm)
    Shape1: TShape;
    Label1: TLabel;
    TrackBar1: TTrackBar;
    Label4: TLabel;
    Label2: TLabel;
    TrackBar2: TTrackBar;
    Label5: TLabel;
    Label3: TLabel;
    TrackBar3: TTrackBar;
    Label6: TLabel;
    Label7: TLabel;
    Edit1: TEdit;
    Label8: TLabel;
    Edit2: TEdit;
    Button1: TButton;
    Button2: TButton;
    procedure FormCreate(Sender: TObject);
    procedure TrackBar1Change(Sender: TObject);
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

procedure TForm1.FormCreate(Sender: TObject);
begin
  Randomize;
  TrackBar1Change(nil);  // показать начальный цвет
end;

// Общий обработчик OnChange всех трёх ползунков
procedure TForm1.TrackBar1Change(Sender: TObject);
var
  R, G, B: Integer;
  C: TColor;
begin
  R := TrackBar1.Position;
  G := TrackBar2.Position;
  B := TrackBar3.Position;
  Label4.Caption := IntToStr(R);
  Label5.Caption := IntToStr(G);
  Label6.Caption := IntToStr(B);
  C := RGB(R, G, B);        // цвет из трёх составляющих
  Shape1.Brush.Color := C;
  // в HTML: #RRGGBB, каждая составляющая - две шестнадцатеричные цифры
  Edit1.Text := Format('#%.2x%.2x%.2x', [R, G, B]);
  // в Delphi: $00BBGGRR, синяя составляющая - в старшем байте
  Edit2.Text := '$' + IntToHex(C, 8);
end;

// «Случайный цвет»
procedure TForm1.Button1Click(Sender: TObject);
begin
  TrackBar1.Position := Random(256);
  TrackBar2.Position := Random(256);
  TrackBar3.Position := Random(256);
end;

// «Инверсия»: дополнительный цвет
procedure TForm1.Button2Click(Sender: TObject);
begin
  TrackBar1.Position := 255 - TrackBar1.Position;
  TrackBar2.Position := 255 - TrackBar2.Position;
  TrackBar3.Position := 255 - TrackBar3.Position;
end;

end.
