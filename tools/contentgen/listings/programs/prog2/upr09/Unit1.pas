unit Unit1;

{ Упражнение 2:09. Электронные часы.
  Часы показывают время с секундами и дату с названием
  дня недели и месяца. Будильник один раз подаёт сигнал
  в заданные час и минуту. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls,
  Forms, Dialogs, StdCtrls, ExtCtrls, Spin;

type
  TForm1 = class(TForm)
    Panel1: TPanel;
    Label1: TLabel;
    Label2: TLabel;
    GroupBox1: TGroupBox;
    Label3: TLabel;
    SpinEdit1: TSpinEdit;
    Label4: TLabel;
    SpinEdit2: TSpinEdit;
    CheckBox1: TCheckBox;
    Timer1: TTimer;
    procedure FormCreate(Sender: TObject);
    procedure Timer1Timer(Sender: TObject);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

const
  // названия месяцев в родительном падеже: «5 февраля»
  MonthNames: array[1..12] of string = ('января', 'февраля',
    'марта', 'апреля', 'мая', 'июня', 'июля', 'августа',
    'сентября', 'октября', 'ноября', 'декабря');

procedure TForm1.FormCreate(Sender: TObject);
begin
  Timer1Timer(nil);  // показать время сразу, не дожидаясь таймера
end;

// Срабатывает два раза в секунду (Interval = 500)
procedure TForm1.Timer1Timer(Sender: TObject);
var
  T: TDateTime;
  Year, Month, Day, Hour, Minute, Sec, MSec: Word;
begin
  T := Now;  // текущие дата и время
  DecodeDate(T, Year, Month, Day);
  DecodeTime(T, Hour, Minute, Sec, MSec);
  Label1.Caption := FormatDateTime('hh:nn:ss', T);
  Label2.Caption := FormatDateTime('dddd', T) + ', ' +
    IntToStr(Day) + ' ' + MonthNames[Month] + ' ' +
    IntToStr(Year) + ' г.';
  // будильник
  if CheckBox1.Checked and (Hour = SpinEdit1.Value) and
    (Minute = SpinEdit2.Value) then
  begin
    CheckBox1.Checked := False;  // чтобы сигнал прозвучал один раз
    Beep;
    MessageDlg('Подъём! Уже ' + FormatDateTime('hh:nn', T),
      mtInformation, [mbOK], 0);
  end;
end;

end.
