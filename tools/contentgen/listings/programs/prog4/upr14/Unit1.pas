unit Unit1;

{ Упражнение 4:14. Программируем эффекты.
  1. Окно плавно проявляется при запуске, а ползунок задаёт его
     прозрачность (свойства AlphaBlend и AlphaBlendValue).
  2. Значок программы в области уведомлений (трее) возле часов:
     функция Shell_NotifyIcon из модуля ShellAPI. Значок умеет мигать,
     щелчок по нему возвращает спрятанное окно, правая кнопка
     открывает меню. Сообщения от значка приходят окну формы как
     сообщение WM_TRAYICON и обрабатываются методом WMTrayIcon. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls, ComCtrls, Menus, ShellAPI;

const
  WM_TRAYICON = WM_USER + 1;  // сообщение, которое присылает значок в трее

type
  TForm1 = class(TForm)
    GroupBox1: TGroupBox;
    Label1: TLabel;
    TrackBar1: TTrackBar;
    GroupBox2: TGroupBox;
    CheckBox1: TCheckBox;
    CheckBox2: TCheckBox;
    Button1: TButton;
    Label2: TLabel;
    Button2: TButton;
    Timer1: TTimer;
    Timer2: TTimer;
    PopupMenu1: TPopupMenu;
    N1: TMenuItem;
    N2: TMenuItem;
    N3: TMenuItem;
    procedure FormCreate(Sender: TObject);
    procedure FormClose(Sender: TObject; var Action: TCloseAction);
    procedure Timer1Timer(Sender: TObject);
    procedure TrackBar1Change(Sender: TObject);
    procedure CheckBox1Click(Sender: TObject);
    procedure CheckBox2Click(Sender: TObject);
    procedure Timer2Timer(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure N1Click(Sender: TObject);
    procedure N3Click(Sender: TObject);
  private
    IconData: TNotifyIconData;  // описание нашего значка для Windows
    IconShown: Boolean;         // значок сейчас в трее
    BlinkOn: Boolean;           // в мигании сейчас показан значок-восклицание
    procedure AddTrayIcon;
    procedure RemoveTrayIcon;
    procedure SetTrayIcon(Icon: HICON);
    procedure RestoreFromTray;
    procedure WMTrayIcon(var Msg: TMessage); message WM_TRAYICON;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

{ ---------- Прозрачность ---------- }

procedure TForm1.FormCreate(Sender: TObject);
begin
  AlphaBlendValue := 0;  // окно появится невидимым и проявится по таймеру
end;

// Плавное появление окна
procedure TForm1.Timer1Timer(Sender: TObject);
begin
  if AlphaBlendValue + 15 >= TrackBar1.Position then
  begin
    AlphaBlendValue := TrackBar1.Position;
    Timer1.Enabled := False;
  end
  else
    AlphaBlendValue := AlphaBlendValue + 15;
end;

procedure TForm1.TrackBar1Change(Sender: TObject);
begin
  Timer1.Enabled := False;  // если окно ещё проявлялось - хватит
  AlphaBlendValue := TrackBar1.Position;
  Label1.Caption := 'Непрозрачность: ' + IntToStr(TrackBar1.Position);
end;

{ ---------- Значок в трее ---------- }

procedure TForm1.AddTrayIcon;
begin
  if IconShown then
    Exit;
  IconData.cbSize := SizeOf(IconData);
  IconData.Wnd := Handle;                  // кому присылать сообщения
  IconData.uID := 1;                       // номер значка у нашей программы
  IconData.uFlags := NIF_ICON or NIF_MESSAGE or NIF_TIP;
  IconData.uCallbackMessage := WM_TRAYICON;
  IconData.hIcon := Application.Icon.Handle;
  StrPCopy(IconData.szTip, 'Программируем эффекты');  // всплывающая подсказка
  Shell_NotifyIcon(NIM_ADD, @IconData);
  IconShown := True;
end;

procedure TForm1.RemoveTrayIcon;
begin
  if not IconShown then
    Exit;
  Shell_NotifyIcon(NIM_DELETE, @IconData);
  IconShown := False;
end;

procedure TForm1.SetTrayIcon(Icon: HICON);
begin
  if not IconShown then
    Exit;
  IconData.hIcon := Icon;
  Shell_NotifyIcon(NIM_MODIFY, @IconData);
end;

procedure TForm1.RestoreFromTray;
begin
  ShowWindow(Application.Handle, SW_SHOW);  // вернуть кнопку на панель задач
  Show;
  SetForegroundWindow(Handle);
end;

// Что сделала мышь со значком, Windows сообщает в параметре LParam
procedure TForm1.WMTrayIcon(var Msg: TMessage);
var
  P: TPoint;
begin
  case Msg.LParam of
    WM_LBUTTONUP:
      RestoreFromTray;
    WM_RBUTTONUP:
      begin
        GetCursorPos(P);
        SetForegroundWindow(Handle);  // иначе меню не закроется щелчком мимо него
        PopupMenu1.Popup(P.X, P.Y);
        PostMessage(Handle, WM_NULL, 0, 0);
      end;
  end;
end;

procedure TForm1.CheckBox1Click(Sender: TObject);
begin
  if CheckBox1.Checked then
    AddTrayIcon
  else
  begin
    CheckBox2.Checked := False;  // мигание тоже выключаем
    RemoveTrayIcon;
  end;
  CheckBox2.Enabled := CheckBox1.Checked;
end;

procedure TForm1.CheckBox2Click(Sender: TObject);
begin
  Timer2.Enabled := CheckBox2.Checked;
  if not CheckBox2.Checked then
    SetTrayIcon(Application.Icon.Handle);  // мигание кончилось - обычный значок
end;

// Мигание: значок программы и значок-восклицание по очереди
procedure TForm1.Timer2Timer(Sender: TObject);
begin
  BlinkOn := not BlinkOn;
  if BlinkOn then
    SetTrayIcon(LoadIcon(0, IDI_EXCLAMATION))
  else
    SetTrayIcon(Application.Icon.Handle);
end;

// Спрятать окно в трей
procedure TForm1.Button1Click(Sender: TObject);
begin
  CheckBox1.Checked := True;  // без значка окно было бы не вернуть
  Hide;
  ShowWindow(Application.Handle, SW_HIDE);  // убрать кнопку с панели задач
end;

procedure TForm1.Button2Click(Sender: TObject);
begin
  Close;
end;

// Пункт меню значка "Показать окно"
procedure TForm1.N1Click(Sender: TObject);
begin
  RestoreFromTray;
end;

// Пункт меню значка "Выход"
procedure TForm1.N3Click(Sender: TObject);
begin
  Close;
end;

// Уходя, убираем значок из трея
procedure TForm1.FormClose(Sender: TObject; var Action: TCloseAction);
begin
  RemoveTrayIcon;
end;

end.
