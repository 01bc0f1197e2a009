unit Unit1;

{ Упражнение 4:11. Всплывающее окошко.
  Окошко без рамки появляется в правом нижнем углу экрана: выезжает
  снизу, ждёт 5 секунд и плавно тает (свойство AlphaBlendValue).
  Пока над окошком есть мышь, оно не исчезает; щелчок по нему сразу
  начинает таяние. Текст сообщения можно передать в командной строке. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls, Buttons;

type
  TForm1 = class(TForm)
    Panel1: TPanel;
    Image1: TImage;
    Label1: TLabel;
    Label2: TLabel;
    Label3: TLabel;
    SpeedButton1: TSpeedButton;
    Timer1: TTimer;
    Timer2: TTimer;
    procedure FormCreate(Sender: TObject);
    procedure Timer1Timer(Sender: TObject);
    procedure Timer2Timer(Sender: TObject);
    procedure Panel1Click(Sender: TObject);
    procedure Panel1MouseMove(Sender: TObject; Shift: TShiftState; X, Y: Integer);
    procedure SpeedButton1Click(Sender: TObject);
  private
    Phase: Integer;      // 1 - выезжаем, 2 - ждём, 3 - таем
    TargetTop: Integer;  // где окошко останавливается
    procedure StartHiding;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

procedure TForm1.FormCreate(Sender: TObject);
begin
  Image1.Picture.Assign(Application.Icon);
  if ParamCount > 0 then
    Label2.Caption := ParamStr(1)
  else
    Label2.Caption := 'Сейчас ' + TimeToStr(Time) +
      '. Пора сделать перерыв и дать глазам отдохнуть!';
  // правый нижний угол рабочей области экрана (без панели задач)
  Left := Screen.WorkAreaRect.Right - Width - 8;
  TargetTop := Screen.WorkAreaRect.Bottom - Height - 8;
  Top := Screen.WorkAreaRect.Bottom;  // начинаем у нижнего края
  Phase := 1;
  Timer1.Enabled := True;
  MessageBeep(MB_ICONASTERISK);
end;

// Анимация: выезд вверх (Phase = 1) или таяние (Phase = 3)
procedure TForm1.Timer1Timer(Sender: TObject);
begin
  case Phase of
    1:
      begin
        Top := Top - 4;
        if Top <= TargetTop then
        begin
          Top := TargetTop;
          Phase := 2;
          Timer1.Enabled := False;
          Timer2.Enabled := True;  // ждём 5 секунд
        end;
      end;
    3:
      begin
        if AlphaBlendValue > 15 then
          AlphaBlendValue := AlphaBlendValue - 15
        else
          Close;
      end;
  end;
end;

// Время показа вышло
procedure TForm1.Timer2Timer(Sender: TObject);
begin
  StartHiding;
end;

procedure TForm1.StartHiding;
begin
  if Phase <> 3 then
  begin
    Phase := 3;
    Timer2.Enabled := False;
    Timer1.Enabled := True;
  end;
end;

// Щелчок по окошку (и по надписям на нём)
procedure TForm1.Panel1Click(Sender: TObject);
begin
  StartHiding;
end;

// Мышь над окошком - отсчёт пяти секунд начинается заново
procedure TForm1.Panel1MouseMove(Sender: TObject; Shift: TShiftState; X, Y: Integer);
begin
  if Phase = 2 then
  begin
    Timer2.Enabled := False;
    Timer2.Enabled := True;
  end;
end;

// Крестик закрывает окошко сразу
procedure TForm1.SpeedButton1Click(Sender: TObject);
begin
  Close;
end;

end.
