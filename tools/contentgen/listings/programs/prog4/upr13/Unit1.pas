unit Unit1;

{ Упражнение 4:13. Игра "Зенитка" с анимацией и звуками.
  Самолёт (Image1, рисуется программой) пролетает по небу слева
  направо. Зенитка (Shape2 и Shape3) ездит по земле стрелками влево и
  вправо и стреляет пробелом. Снаряд - Shape4, взрыв - Shape5.
  Всё движение делает один таймер. Звуки GunShot.wav, Explode.wav и
  Crack.wav берутся из папки C:\DELPHIFILES. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls, Menus, MMSystem;

type
  TForm1 = class(TForm)
    MainMenu1: TMainMenu;
    N1: TMenuItem;
    N2: TMenuItem;
    N3: TMenuItem;
    N4: TMenuItem;
    Label1: TLabel;
    Label2: TLabel;
    Label3: TLabel;
    Label4: TLabel;
    Image1: TImage;
    Shape1: TShape;
    Shape2: TShape;
    Shape3: TShape;
    Shape4: TShape;
    Shape5: TShape;
    Timer1: TTimer;
    procedure FormCreate(Sender: TObject);
    procedure FormKeyDown(Sender: TObject; var Key: Word; Shift: TShiftState);
    procedure N2Click(Sender: TObject);
    procedure N4Click(Sender: TObject);
    procedure Timer1Timer(Sender: TObject);
  private
    Hits: Integer;        // сбито самолётов
    Escaped: Integer;     // улетело самолётов
    PlanesLeft: Integer;  // сколько самолётов ещё осталось в игре
    PlaneSpeed: Integer;  // скорость текущего самолёта, пикселей за такт
    Boom: Integer;        // такт взрыва; 0 - взрыва нет
    procedure DrawPlane;
    procedure NewPlane;
    procedure PlaneGone;
    procedure MoveGun(DX: Integer);
    procedure Fire;
    procedure ShowScore;
    procedure Sound(const FileName: string);
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

const
  PlaneTotal = 10;                  // самолётов в игре
  SoundPath = 'C:\DELPHIFILES\';    // где лежат звуки
  GunStep = 6;                      // шаг зенитки за такт
  ShellStep = 12;                   // шаг снаряда за такт

procedure TForm1.FormCreate(Sender: TObject);
begin
  Randomize;
  DoubleBuffered := True;  // чтобы картинка не мерцала
  DrawPlane;
  Image1.Visible := False;
  // ставим зенитку на землю
  Shape2.Top := Shape1.Top - Shape2.Height;
  Shape3.Top := Shape2.Top - Shape3.Height;
end;

// Рисуем самолёт в Image1; белый фон станет прозрачным
procedure TForm1.DrawPlane;
var
  B: TBitmap;
begin
  B := Image1.Picture.Bitmap;
  B.Width := 64;
  B.Height := 24;
  B.Canvas.Brush.Color := clWhite;
  B.Canvas.FillRect(Rect(0, 0, 64, 24));
  B.Canvas.Pen.Color := clBlack;
  B.Canvas.Brush.Color := clGray;
  B.Canvas.Polygon([Point(2, 2), Point(10, 2), Point(16, 11), Point(4, 11)]);     // хвост
  B.Canvas.Ellipse(4, 8, 62, 18);                                                 // корпус
  B.Canvas.Polygon([Point(26, 13), Point(36, 13), Point(44, 22), Point(38, 22)]); // крыло
  B.Canvas.Brush.Color := clAqua;
  B.Canvas.Ellipse(46, 9, 56, 14);                                                // кабина
  Image1.Transparent := True;
end;

procedure TForm1.Sound(const FileName: string);
begin
  PlaySound(PChar(SoundPath + FileName), 0, SND_FILENAME or SND_ASYNC or SND_NODEFAULT);
end;

procedure TForm1.ShowScore;
begin
  Label1.Caption := 'Сбито: ' + IntToStr(Hits);
  Label2.Caption := 'Улетело: ' + IntToStr(Escaped);
  Label3.Caption := 'Осталось самолётов: ' + IntToStr(PlanesLeft);
end;

// Новый самолёт вылетает из-за левого края на случайной высоте
procedure TForm1.NewPlane;
begin
  Image1.Left := -Image1.Width;
  Image1.Top := 60 + Random(120);
  PlaneSpeed := 3 + Random(3) + (PlaneTotal - PlanesLeft) div 3;  // с каждым разом быстрее
  Image1.Visible := True;
end;

// Самолёт сбит или улетел
procedure TForm1.PlaneGone;
begin
  Image1.Visible := False;
  PlanesLeft := PlanesLeft - 1;
  ShowScore;
  if PlanesLeft = 0 then
  begin
    Timer1.Enabled := False;
    Shape4.Visible := False;
    Shape5.Visible := False;
    Boom := 0;
    ShowMessage(Format('Игра окончена! Сбито самолётов: %d из %d', [Hits, PlaneTotal]));
  end
  else if Boom = 0 then
    NewPlane;  // после попадания новый самолёт появится, когда догорит взрыв
end;

procedure TForm1.MoveGun(DX: Integer);
var
  X: Integer;
begin
  X := Shape2.Left + DX;
  if X < 0 then
    X := 0;
  if X > ClientWidth - Shape2.Width then
    X := ClientWidth - Shape2.Width;
  Shape2.Left := X;
  Shape3.Left := X + (Shape2.Width - Shape3.Width) div 2;  // ствол - посередине
end;

// Выстрел: в небе может быть только один снаряд
procedure TForm1.Fire;
begin
  if Timer1.Enabled and not Shape4.Visible then
  begin
    Shape4.Left := Shape3.Left + (Shape3.Width - Shape4.Width) div 2;
    Shape4.Top := Shape3.Top - Shape4.Height;
    Shape4.Visible := True;
    Sound('GunShot.wav');
  end;
end;

procedure TForm1.FormKeyDown(Sender: TObject; var Key: Word; Shift: TShiftState);
begin
  if Key = VK_SPACE then
    Fire;
end;

// Меню Игра - Новая игра (F2)
procedure TForm1.N2Click(Sender: TObject);
begin
  Hits := 0;
  Escaped := 0;
  PlanesLeft := PlaneTotal;
  Boom := 0;
  Shape4.Visible := False;
  Shape5.Visible := False;
  ShowScore;
  NewPlane;
  Timer1.Enabled := True;
end;

// Меню Игра - Выход
procedure TForm1.N4Click(Sender: TObject);
begin
  Close;
end;

// Один такт игры
procedure TForm1.Timer1Timer(Sender: TObject);
var
  R: TRect;
begin
  // 1. Наводка: пока нажата стрелка, зенитка едет
  if GetKeyState(VK_LEFT) < 0 then
    MoveGun(-GunStep);
  if GetKeyState(VK_RIGHT) < 0 then
    MoveGun(GunStep);
  // 2. Самолёт летит вправо
  if Image1.Visible then
  begin
    Image1.Left := Image1.Left + PlaneSpeed;
    if Image1.Left > ClientWidth then
    begin
      Escaped := Escaped + 1;
      PlaneGone;
    end;
  end;
  // 3. Снаряд летит вверх
  if Shape4.Visible then
  begin
    Shape4.Top := Shape4.Top - ShellStep;
    if Image1.Visible and IntersectRect(R, Shape4.BoundsRect, Image1.BoundsRect) then
    begin
      // попадание!
      Shape4.Visible := False;
      Shape5.SetBounds(Image1.Left + Image1.Width div 2 - 10,
        Image1.Top + Image1.Height div 2 - 10, 20, 20);
      Shape5.Visible := True;
      Boom := 1;
      Hits := Hits + 1;
      Sound('Explode.wav');
      PlaneGone;
    end
    else if Shape4.Top + Shape4.Height < 0 then
    begin
      // промах: снаряд разорвался высоко в небе
      Shape4.Visible := False;
      Sound('Crack.wav');
    end;
  end;
  // 4. Взрыв растёт и гаснет
  if Boom > 0 then
  begin
    Boom := Boom + 1;
    Shape5.SetBounds(Shape5.Left - 3, Shape5.Top - 3, Shape5.Width + 6, Shape5.Height + 6);
    if Boom > 10 then
    begin
      Boom := 0;
      Shape5.Visible := False;
      NewPlane;
    end;
  end;
end;

end.
