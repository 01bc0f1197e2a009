unit Unit1;

{ Упражнение 4:09. Компьютерные "приколы".
  Безобидные шутки над Windows: спрятать панель задач, открыть и
  закрыть лоток CD-дисковода, поменять местами кнопки мыши,
  потрясти окно. Кнопка "Нет" в вопросе с подвохом убегает от мыши.
  При закрытии программа возвращает панель задач и кнопки мыши. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, MMSystem;

type
  TForm1 = class(TForm)
    GroupBox1: TGroupBox;
    Button1: TButton;
    Button2: TButton;
    Button3: TButton;
    Button4: TButton;
    Button5: TButton;
    Label2: TLabel;
    GroupBox2: TGroupBox;
    Label1: TLabel;
    Button6: TButton;
    Button7: TButton;
    procedure FormCreate(Sender: TObject);
    procedure FormClose(Sender: TObject; var Action: TCloseAction);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure Button3Click(Sender: TObject);
    procedure Button4Click(Sender: TObject);
    procedure Button5Click(Sender: TObject);
    procedure Button6Click(Sender: TObject);
    procedure Button7Click(Sender: TObject);
    procedure Button7MouseMove(Sender: TObject; Shift: TShiftState; X, Y: Integer);
  private
    TaskbarHidden: Boolean;  // панель задач спрятана
    MouseSwapped: Boolean;   // кнопки мыши поменяны местами
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
end;

// Уходя, возвращаем всё как было
procedure TForm1.FormClose(Sender: TObject; var Action: TCloseAction);
begin
  if TaskbarHidden then
    ShowWindow(FindWindow('Shell_TrayWnd', nil), SW_SHOW);
  if MouseSwapped then
    SwapMouseButton(False);
end;

// Спрятать или показать панель задач
procedure TForm1.Button1Click(Sender: TObject);
var
  H: HWND;
begin
  H := FindWindow('Shell_TrayWnd', nil);  // окно панели задач
  if TaskbarHidden then
  begin
    ShowWindow(H, SW_SHOW);
    Button1.Caption := 'Спрятать панель задач';
  end
  else
  begin
    ShowWindow(H, SW_HIDE);
    Button1.Caption := 'Показать панель задач';
  end;
  TaskbarHidden := not TaskbarHidden;
end;

// Открыть лоток дисковода командой MCI
procedure TForm1.Button2Click(Sender: TObject);
begin
  mciSendString('set cdaudio door open wait', nil, 0, 0);
end;

// Закрыть лоток дисковода
procedure TForm1.Button3Click(Sender: TObject);
begin
  mciSendString('set cdaudio door closed wait', nil, 0, 0);
end;

// Поменять местами левую и правую кнопки мыши
procedure TForm1.Button4Click(Sender: TObject);
begin
  MouseSwapped := not MouseSwapped;
  SwapMouseButton(MouseSwapped);
  if MouseSwapped then
  begin
    Button4.Caption := 'Вернуть кнопки мыши';
    ShowMessage('Кнопки мыши поменялись местами! Чтобы вернуть их, ' +
      'нажми эту же кнопку ПРАВОЙ кнопкой мыши.');
  end
  else
    Button4.Caption := 'Поменять кнопки мыши';
end;

// Потрясти окно: 30 раз сдвигаем его на случайные расстояния
procedure TForm1.Button5Click(Sender: TObject);
var
  I, X, Y: Integer;
begin
  X := Left;
  Y := Top;
  for I := 1 to 30 do
  begin
    SetBounds(X + Random(21) - 10, Y + Random(21) - 10, Width, Height);
    Sleep(20);
  end;
  SetBounds(X, Y, Width, Height);
end;

procedure TForm1.Button6Click(Sender: TObject);
begin
  ShowMessage('Правильный выбор! Учи Delphi — и пятёрка будет твоей.');
end;

procedure TForm1.Button7Click(Sender: TObject);
begin
  ShowMessage('Как тебе это удалось? Наверное, с клавиатуры: клавишей Tab и пробелом...');
end;

// Кнопка "Нет" убегает, как только на неё наводят мышь
procedure TForm1.Button7MouseMove(Sender: TObject; Shift: TShiftState; X, Y: Integer);
begin
  Button7.Left := 8 + Random(GroupBox2.ClientWidth - Button7.Width - 16);
  Button7.Top := 76 + Random(GroupBox2.ClientHeight - Button7.Height - 84);
end;

end.
