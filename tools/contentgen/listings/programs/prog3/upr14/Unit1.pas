unit Unit1;

{ Упражнение 3:14. Сканируем клавиатуру.
  У формы включено свойство KeyPreview, поэтому все нажатия клавиш
  сначала попадают в обработчики формы OnKeyDown, OnKeyPress и OnKeyUp.
  Программа показывает код нажатой клавиши в десятичном,
  шестнадцатеричном и двоичном виде (функция IntToBin из модуля Ariphm),
  её скан-код, символ, состояние Shift, Ctrl, Alt и индикаторов
  Caps Lock, Num Lock, Scroll Lock, а на нарисованной клавиатуре
  подсвечивает нажатую клавишу: у каждой панели в свойстве Tag записан
  код её клавиши. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls, Ariphm;

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
    Label8: TLabel;
    Label9: TLabel;
    Label10: TLabel;
    Label11: TLabel;
    Label12: TLabel;
    GroupBox2: TGroupBox;
    Shape1: TShape;
    Label13: TLabel;
    Shape2: TShape;
    Label14: TLabel;
    Shape3: TShape;
    Label15: TLabel;
    Label16: TLabel;
    Memo1: TMemo;
    GroupBox3: TGroupBox;
    Panel1: TPanel;
    Panel2: TPanel;
    Panel3: TPanel;
    Panel4: TPanel;
    Panel5: TPanel;
    Panel6: TPanel;
    Panel7: TPanel;
    Panel8: TPanel;
    Panel9: TPanel;
    Panel10: TPanel;
    Panel11: TPanel;
    Panel12: TPanel;
    Panel13: TPanel;
    Panel14: TPanel;
    Panel15: TPanel;
    Panel16: TPanel;
    Panel17: TPanel;
    Panel18: TPanel;
    Panel19: TPanel;
    Panel20: TPanel;
    Panel21: TPanel;
    Panel22: TPanel;
    Panel23: TPanel;
    Panel24: TPanel;
    Panel25: TPanel;
    Panel26: TPanel;
    Panel27: TPanel;
    Panel28: TPanel;
    Panel29: TPanel;
    Panel30: TPanel;
    Panel31: TPanel;
    Panel32: TPanel;
    Panel33: TPanel;
    Panel34: TPanel;
    Panel35: TPanel;
    Panel36: TPanel;
    Panel37: TPanel;
    Panel38: TPanel;
    Panel39: TPanel;
    Panel40: TPanel;
    Panel41: TPanel;
    Panel42: TPanel;
    Panel43: TPanel;
    Panel44: TPanel;
    Panel45: TPanel;
    Panel46: TPanel;
    Panel47: TPanel;
    Panel48: TPanel;
    Panel49: TPanel;
    Panel50: TPanel;
    Panel51: TPanel;
    Panel52: TPanel;
    Panel53: TPanel;
    Panel54: TPanel;
    Panel55: TPanel;
    Panel56: TPanel;
    Panel57: TPanel;
    Panel58: TPanel;
    procedure FormCreate(Sender: TObject);
    procedure FormKeyDown(Sender: TObject; var Key: Word;
      Shift: TShiftState);
    procedure FormKeyPress(Sender: TObject; var Key: Char);
    procedure FormKeyUp(Sender: TObject; var Key: Word;
      Shift: TShiftState);
  private
    procedure LightKey(Key: Word; Color: TColor);
    procedure ShowLocks;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

procedure TForm1.FormCreate(Sender: TObject);
begin
  ShowLocks;
end;

// Красит клавиши с кодом Key на нарисованной клавиатуре
procedure TForm1.LightKey(Key: Word; Color: TColor);
var
  I: Integer;
begin
  for I := 0 to GroupBox3.ControlCount - 1 do
    if GroupBox3.Controls[I].Tag = Key then
      (GroupBox3.Controls[I] as TPanel).Color := Color;
end;

// Индикаторы: младший бит GetKeyState равен 1, если режим включён
procedure TForm1.ShowLocks;
begin
  if Odd(GetKeyState(VK_CAPITAL)) then
    Shape1.Brush.Color := clLime
  else
    Shape1.Brush.Color := clGray;
  if Odd(GetKeyState(VK_NUMLOCK)) then
    Shape2.Brush.Color := clLime
  else
    Shape2.Brush.Color := clGray;
  if Odd(GetKeyState(VK_SCROLL)) then
    Shape3.Brush.Color := clLime
  else
    Shape3.Brush.Color := clGray;
end;

// Клавишу нажали: её код и состояние Shift, Ctrl, Alt
procedure TForm1.FormKeyDown(Sender: TObject; var Key: Word;
  Shift: TShiftState);
var
  Keys: string;
begin
  Label2.Caption := '-';  // символ покажет OnKeyPress, если он есть
  Label4.Caption := IntToStr(Key);
  Label6.Caption := '$' + IntToHex(Key, 2);
  Label8.Caption := IntToBin(Key, 8);  // функция из модуля Ariphm
  // MapVirtualKey с режимом 0 переводит код клавиши в скан-код
  Label10.Caption := IntToStr(MapVirtualKey(Key, 0));
  Keys := '';
  if ssShift in Shift then
    Keys := Keys + 'Shift ';
  if ssCtrl in Shift then
    Keys := Keys + 'Ctrl ';
  if ssAlt in Shift then
    Keys := Keys + 'Alt ';
  if Keys = '' then
    Keys := 'не нажаты';
  Label12.Caption := Keys;
  LightKey(Key, clYellow);
  ShowLocks;
  Memo1.Lines.Add(Format('Нажата клавиша с кодом %d ($%s)',
    [Key, IntToHex(Key, 2)]));
end;

// Клавиша дала символ: показываем его и его код в таблице Windows
procedure TForm1.FormKeyPress(Sender: TObject; var Key: Char);
begin
  if Key >= ' ' then
    Label2.Caption := Key
  else
    Label2.Caption := '#' + IntToStr(Ord(Key));  // управляющий символ
  Memo1.Lines.Add(Format('   символ %s, его код %d', [Label2.Caption, Ord(Key)]));
  Key := #0;  // в Memo1 символ не нужен
end;

// Клавишу отпустили: гасим её на клавиатуре
procedure TForm1.FormKeyUp(Sender: TObject; var Key: Word;
  Shift: TShiftState);
begin
  LightKey(Key, clBtnFace);
  ShowLocks;
  // после Alt и F10 Windows открыла бы системное меню окна
  if (Key = VK_MENU) or (Key = VK_F10) then
    Key := 0;
end;

end.
