unit Unit1;

{ Упражнение 4:12. Счётчик пробега мышки.
  Таймер примерно 20 раз в секунду узнаёт положение указателя мыши и прибавляет
  к пробегу расстояние от прошлого положения (по теореме Пифагора).
  Пробег переводится в метры по числу точек на дюйм экрана.
  Общий пробег хранится в файле Project1.ini рядом с программой. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls, IniFiles;

type
  TForm1 = class(TForm)
    GroupBox1: TGroupBox;
    Label1: TLabel;
    Label2: TLabel;
    Label3: TLabel;
    Label4: TLabel;
    Label5: TLabel;
    Label6: TLabel;
    Label7: TLabel;
    CheckBox1: TCheckBox;
    Button1: TButton;
    Button2: TButton;
    Button3: TButton;
    Timer1: TTimer;
    procedure FormCreate(Sender: TObject);
    procedure FormClose(Sender: TObject; var Action: TCloseAction);
    procedure Timer1Timer(Sender: TObject);
    procedure CheckBox1Click(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure Button3Click(Sender: TObject);
  private
    LastPos: TPoint;  // где указатель был в прошлый раз
    Session: Double;  // пробег за этот запуск, в точках экрана
    Total: Double;    // пробег за все запуски, в точках экрана
    Paused: Boolean;
    function IniName: string;
    function ToMetres(Pixels: Double): Double;
    procedure ShowMileage;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

// Файл настроек: то же имя, что у программы, но с расширением .ini
function TForm1.IniName: string;
begin
  Result := ChangeFileExt(Application.ExeName, '.ini');
end;

// Точки экрана -> дюймы -> сантиметры -> метры
function TForm1.ToMetres(Pixels: Double): Double;
begin
  Result := Pixels / Screen.PixelsPerInch * 2.54 / 100;
end;

procedure TForm1.ShowMileage;
begin
  Label4.Caption := IntToStr(Round(Session));
  Label5.Caption := Format('%.2f м', [ToMetres(Session)]);
  Label6.Caption := Format('%.2f м', [ToMetres(Total)]);
  Application.Title := Format('Пробег: %.1f м', [ToMetres(Total)]);
end;

// При запуске читаем общий пробег из файла
procedure TForm1.FormCreate(Sender: TObject);
var
  Ini: TIniFile;
begin
  Ini := TIniFile.Create(IniName);
  try
    Total := Ini.ReadFloat('Mouse', 'Total', 0);
  finally
    Ini.Free;
  end;
  LastPos := Mouse.CursorPos;
  ShowMileage;
end;

// При закрытии записываем общий пробег в файл
procedure TForm1.FormClose(Sender: TObject; var Action: TCloseAction);
var
  Ini: TIniFile;
begin
  Ini := TIniFile.Create(IniName);
  try
    Ini.WriteFloat('Mouse', 'Total', Total);
  finally
    Ini.Free;
  end;
end;

// Сколько прошёл указатель с прошлого раза
procedure TForm1.Timer1Timer(Sender: TObject);
var
  P: TPoint;
  D: Double;
begin
  P := Mouse.CursorPos;
  D := Sqrt(Sqr(P.X - LastPos.X) + Sqr(P.Y - LastPos.Y));
  LastPos := P;
  if Paused or (D = 0) then
    Exit;
  Session := Session + D;
  Total := Total + D;
  ShowMileage;
end;

procedure TForm1.CheckBox1Click(Sender: TObject);
begin
  if CheckBox1.Checked then
    FormStyle := fsStayOnTop
  else
    FormStyle := fsNormal;
end;

// Пауза / Продолжить
procedure TForm1.Button1Click(Sender: TObject);
begin
  Paused := not Paused;
  if Paused then
    Button1.Caption := 'Продолжить'
  else
    Button1.Caption := 'Пауза';
end;

// Сбросить весь пробег
procedure TForm1.Button2Click(Sender: TObject);
begin
  if MessageDlg('Обнулить весь пробег, в том числе за прошлые запуски?',
    mtConfirmation, [mbYes, mbNo], 0) = mrYes then
  begin
    Session := 0;
    Total := 0;
    ShowMileage;
  end;
end;

procedure TForm1.Button3Click(Sender: TObject);
begin
  Close;
end;

end.
