unit Unit1;

{ Упражнение 4:08. Мышиный телохранитель.
  Когда охрана включена, таймер примерно 30 раз в секунду смотрит, где указатель
  мыши. Если он подобрался к окну ближе, чем на ширину зоны охраны,
  окно отступает от него, а у края экрана прыгает в случайное место.
  Охрану снимает клавиша Esc (у формы KeyPreview = True). }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls, ComCtrls;

type
  TForm1 = class(TForm)
    Label1: TLabel;
    Label2: TLabel;
    TrackBar1: TTrackBar;
    Label3: TLabel;
    Button1: TButton;
    Button2: TButton;
    Timer1: TTimer;
    procedure FormCreate(Sender: TObject);
    procedure TrackBar1Change(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure Timer1Timer(Sender: TObject);
    procedure FormKeyDown(Sender: TObject; var Key: Word; Shift: TShiftState);
    procedure FormMouseDown(Sender: TObject; Button: TMouseButton;
      Shift: TShiftState; X, Y: Integer);
  private
    Moves: Integer;  // сколько раз окно уходило от мыши
    procedure GuardOff(const Reason: string);
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

const
  Step = 30;  // на сколько пикселей окно отступает за один раз

procedure TForm1.FormCreate(Sender: TObject);
begin
  Randomize;
end;

procedure TForm1.TrackBar1Change(Sender: TObject);
begin
  Label2.Caption := 'Зона охраны, пикселей: ' + IntToStr(TrackBar1.Position);
end;

// Кнопка "Включить охрану"
procedure TForm1.Button1Click(Sender: TObject);
begin
  Moves := 0;
  Label3.Caption := 'Манёвров: 0';
  Button1.Enabled := False;
  Caption := 'Охрана включена! Esc — снять охрану';
  Timer1.Enabled := True;
end;

// Снять охрану и объяснить почему
procedure TForm1.GuardOff(const Reason: string);
begin
  Timer1.Enabled := False;
  Button1.Enabled := True;
  Caption := 'Мышиный телохранитель';
  ShowMessage(Reason);
end;

procedure TForm1.Button2Click(Sender: TObject);
begin
  Close;
end;

// Главное: следим за мышью и уводим окно
procedure TForm1.Timer1Timer(Sender: TObject);
var
  P: TPoint;
  Zone, NewLeft, NewTop: Integer;
begin
  P := Mouse.CursorPos;
  Zone := TrackBar1.Position;
  // указатель далеко от окна - всё спокойно
  if (P.X < Left - Zone) or (P.X > Left + Width + Zone) or
     (P.Y < Top - Zone) or (P.Y > Top + Height + Zone) then
    Exit;
  // отступаем в сторону, противоположную указателю
  if P.X < Left + Width div 2 then
    NewLeft := Left + Step
  else
    NewLeft := Left - Step;
  if P.Y < Top + Height div 2 then
    NewTop := Top + Step
  else
    NewTop := Top - Step;
  // упёрлись в край экрана - прыгаем в случайное место
  if (NewLeft < 0) or (NewTop < 0) or
     (NewLeft + Width > Screen.Width) or (NewTop + Height > Screen.Height) then
  begin
    NewLeft := Random(Screen.Width - Width);
    NewTop := Random(Screen.Height - Height);
  end;
  SetBounds(NewLeft, NewTop, Width, Height);
  Moves := Moves + 1;
  Label3.Caption := 'Манёвров: ' + IntToStr(Moves);
end;

// Esc снимает охрану (клавиши сначала попадают к форме: KeyPreview = True)
procedure TForm1.FormKeyDown(Sender: TObject; var Key: Word; Shift: TShiftState);
begin
  if (Key = VK_ESCAPE) and Timer1.Enabled then
    GuardOff(Format('Охрана снята. Манёвров: %d', [Moves]));
end;

// Мышь всё-таки добралась до окна и щёлкнула по нему
procedure TForm1.FormMouseDown(Sender: TObject; Button: TMouseButton;
  Shift: TShiftState; X, Y: Integer);
begin
  if Timer1.Enabled then
    GuardOff('Поймал! Охрана снята.');
end;

end.
