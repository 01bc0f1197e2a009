unit Unit2;

{ Упражнение 1:08. Окно с поздравлением за верный ответ.
  Рисунок космического корабля (файл SHATL.WMF) загружен в Image1
  при проектировании. Кнопка с ModalResult = mrOk закрывает окно. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls;

type
  TForm2 = class(TForm)
    Image1: TImage;
    Label1: TLabel;
    Label2: TLabel;
    Label3: TLabel;
    Button1: TButton;
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  Form2: TForm2;

implementation

{$R *.dfm}

end.
