unit Unit1;

{ Упражнение 4:06. Делаем хранитель экрана.
  Форма без рамки развёрнута на весь экран, таймер рисует на ней
  разноцветные круги. Движение мыши, щелчок или любая клавиша
  закрывают программу. В окне Project Options задано расширение
  выходного файла scr, поэтому Delphi создаёт файл Project1.scr. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, ExtCtrls;

type
  TForm1 = class(TForm)
    Timer1: TTimer;
    procedure FormCreate(Sender: TObject);
    procedure Timer1Timer(Sender: TObject);
    procedure FormMouseMove(Sender: TObject; Shift: TShiftState; X, Y: Integer);
    procedure FormMouseDown(Sender: TObject; Button: TMouseButton;
      Shift: TShiftState; X, Y: Integer);
    procedure FormKeyDown(Sender: TObject; var Key: Word; Shift: TShiftState);
  private
    StartPos: TPoint;     // где был указатель мыши при запуске
    MouseKnown: Boolean;  // StartPos уже запомнен
    Count: Integer;       // сколько кругов нарисовано после очистки
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

procedure TForm1.FormCreate(Sender: TObject);
var
  Key: string;
begin
  Randomize;
  // Windows запускает заставку с ключом: /s - показ, /c - настройка,
  // /p - просмотр в маленьком окошке. Настроек и просмотра у нас нет.
  Key := UpperCase(Copy(ParamStr(1), 1, 2));
  if (Key = '/C') or (Key = '/P') then
  begin
    if Key = '/C' then
      ShowMessage('У этой заставки нет настроек.');
    Timer1.Enabled := False;
    Application.ShowMainForm := False;
    Application.Terminate;
  end;
end;

// Рисуем очередной круг случайного цвета и размера
procedure TForm1.Timer1Timer(Sender: TObject);
var
  X, Y, R: Integer;
begin
  X := Random(ClientWidth);
  Y := Random(ClientHeight);
  R := 5 + Random(40);
  Canvas.Brush.Color := RGB(Random(256), Random(256), Random(256));
  Canvas.Pen.Color := Canvas.Brush.Color;
  Canvas.Ellipse(X - R, Y - R, X + R, Y + R);
  Count := Count + 1;
  if Count = 300 then
  begin
    // экран заполнился - начинаем заново
    Count := 0;
    Canvas.Brush.Color := clBlack;
    Canvas.FillRect(ClientRect);
  end;
end;

// Выходим, только если мышь сдвинулась больше чем на 10 пикселей
procedure TForm1.FormMouseMove(Sender: TObject; Shift: TShiftState; X, Y: Integer);
begin
  if not MouseKnown then
  begin
    StartPos := Point(X, Y);
    MouseKnown := True;
  end
  else if (Abs(X - StartPos.X) > 10) or (Abs(Y - StartPos.Y) > 10) then
    Close;
end;

procedure TForm1.FormMouseDown(Sender: TObject; Button: TMouseButton;
  Shift: TShiftState; X, Y: Integer);
begin
  Close;
end;

procedure TForm1.FormKeyDown(Sender: TObject; var Key: Word; Shift: TShiftState);
begin
  Close;
end;

end.
