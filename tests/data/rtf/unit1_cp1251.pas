unit Unit1;

interface

uses
  Windows, Forms;

type
  TForm1 = class(TForm)
    procedure FormCreate(Sender: TObject);
  end;

implementation

{$R *.DFM}

procedure TForm1.FormCreate(Sender: TObject);
begin
	Caption := 'Первая программа';
end;

end.
