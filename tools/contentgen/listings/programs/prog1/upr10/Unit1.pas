unit Unit1;

{ Упражнение 1:10. Оператор цикла FOR.
  Программа показывает, как растёт вклад в банке: цикл for повторяет
  начисление процентов столько раз, сколько лет лежит вклад, и выводит
  сумму на конец каждого года. Рисунок (файл MONEY.WMF) загружен
  в Image1 при проектировании. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls;

type
  TForm1 = class(TForm)
    Image1: TImage;
    Label1: TLabel;
    Label2: TLabel;
    Label3: TLabel;
    Edit1: TEdit;
    Edit2: TEdit;
    Edit3: TEdit;
    Button1: TButton;
    Button2: TButton;
    Memo1: TMemo;
    Button3: TButton;
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure Button3Click(Sender: TObject);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

procedure TForm1.Button1Click(Sender: TObject);
var
  Start: Real;     // начальная сумма
  Sum: Real;       // сумма на счёте
  Rate: Real;      // процентов в год
  Years: Integer;  // срок вклада в годах
  i: Integer;      // номер года - переменная цикла
begin
  Start := StrToFloat(Edit1.Text);
  Rate := StrToFloat(Edit2.Text);
  Years := StrToInt(Edit3.Text);

  Sum := Start;
  Memo1.Lines.Clear;
  Memo1.Lines.Add(Format('В начале:  %12.2f руб.', [Sum]));
  for i := 1 to Years do
  begin
    Sum := Sum + Sum * Rate / 100;   // прибавляем проценты за год
    Memo1.Lines.Add(Format('%2d-й год:  %12.2f руб.', [i, Sum]));
  end;
  Memo1.Lines.Add(Format('Доход за весь срок: %.2f руб.', [Sum - Start]));
end;

procedure TForm1.Button2Click(Sender: TObject);
begin
  Memo1.Clear;
  Edit1.SetFocus;
end;

procedure TForm1.Button3Click(Sender: TObject);
begin
  Close;
end;

end.
