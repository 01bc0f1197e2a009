unit Unit2;

{ Упражнение 1:07. Второе окно программы: рисунок цилиндра
  (файл CILINDR.BMP загружен в Image1 при проектировании) и формулы.
  Кнопка "Закрыть" закрывает окно без кода: у неё ModalResult = mrOk. }

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
    Label4: TLabel;
    Label5: TLabel;
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
