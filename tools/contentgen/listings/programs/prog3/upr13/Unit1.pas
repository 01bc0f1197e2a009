unit Unit1;

{ Упражнение 3:13. Графический редактор.
  Рисование мышью на канве Image1. Инструмент выбирается одной из пяти
  кнопок SpeedButton (их номер записан в свойстве Tag): карандаш,
  линия, прямоугольник, овал и ластик (картинка кнопки - LASTIK.BMP).
  Пока кнопка мыши нажата, линия или фигура рисуется "резиновым"
  контуром в режиме пера pmNotXor: повторный рисунок того же контура
  стирает его. Когда кнопку отпускают, фигура рисуется окончательно. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ExtCtrls, Buttons, Spin, ExtDlgs;

type
  TTool = (tlPencil, tlLine, tlRect, tlEllipse, tlEraser);

  TForm1 = class(TForm)
    Image1: TImage;
    Panel1: TPanel;
    SpeedButton1: TSpeedButton;
    SpeedButton2: TSpeedButton;
    SpeedButton3: TSpeedButton;
    SpeedButton4: TSpeedButton;
    SpeedButton5: TSpeedButton;
    Label1: TLabel;
    Shape1: TShape;
    Label2: TLabel;
    SpinEdit1: TSpinEdit;
    CheckBox1: TCheckBox;
    Button1: TButton;
    Button2: TButton;
    Button3: TButton;
    ColorDialog1: TColorDialog;
    OpenPictureDialog1: TOpenPictureDialog;
    SavePictureDialog1: TSavePictureDialog;
    procedure FormCreate(Sender: TObject);
    procedure ToolClick(Sender: TObject);
    procedure Image1MouseDown(Sender: TObject; Button: TMouseButton;
      Shift: TShiftState; X, Y: Integer);
    procedure Image1MouseMove(Sender: TObject; Shift: TShiftState;
      X, Y: Integer);
    procedure Image1MouseUp(Sender: TObject; Button: TMouseButton;
      Shift: TShiftState; X, Y: Integer);
    procedure Shape1MouseDown(Sender: TObject; Button: TMouseButton;
      Shift: TShiftState; X, Y: Integer);
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure Button3Click(Sender: TObject);
  private
    Tool: TTool;           // выбранный инструмент
    Drawing: Boolean;      // кнопка мыши нажата
    Origin: TPoint;        // где нажали кнопку мыши
    MovePt: TPoint;        // где мышь была в прошлый раз
    procedure ClearImage;
    procedure DrawShape(TopLeft, BottomRight: TPoint; AMode: TPenMode);
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

procedure TForm1.FormCreate(Sender: TObject);
begin
  ClearImage;
end;

// Белый чистый лист
procedure TForm1.ClearImage;
begin
  Image1.Canvas.Brush.Style := bsSolid;
  Image1.Canvas.Brush.Color := clWhite;
  Image1.Canvas.FillRect(Rect(0, 0, Image1.Width, Image1.Height));
end;

// Одна процедура для всех кнопок инструментов
procedure TForm1.ToolClick(Sender: TObject);
begin
  Tool := TTool((Sender as TSpeedButton).Tag);
end;

// Рисует линию, прямоугольник или овал в заданном режиме пера
procedure TForm1.DrawShape(TopLeft, BottomRight: TPoint; AMode: TPenMode);
begin
  with Image1.Canvas do
  begin
    Pen.Mode := AMode;
    if CheckBox1.Checked and (AMode = pmCopy) then
    begin
      Brush.Style := bsSolid;  // окончательная фигура с заливкой
      Brush.Color := Shape1.Brush.Color;
    end
    else
      Brush.Style := bsClear;  // только контур
    case Tool of
      tlLine:
        begin
          MoveTo(TopLeft.X, TopLeft.Y);
          LineTo(BottomRight.X, BottomRight.Y);
        end;
      tlRect:
        Rectangle(TopLeft.X, TopLeft.Y, BottomRight.X, BottomRight.Y);
      tlEllipse:
        Ellipse(TopLeft.X, TopLeft.Y, BottomRight.X, BottomRight.Y);
    end;
    Pen.Mode := pmCopy;
  end;
end;

procedure TForm1.Image1MouseDown(Sender: TObject; Button: TMouseButton;
  Shift: TShiftState; X, Y: Integer);
begin
  if Button <> mbLeft then
    Exit;
  Drawing := True;
  Origin := Point(X, Y);
  MovePt := Origin;
  Image1.Canvas.Pen.Width := SpinEdit1.Value;
  Image1.Canvas.Pen.Color := Shape1.Brush.Color;
  if Tool = tlEraser then
  begin
    // ластик - это широкий белый карандаш
    Image1.Canvas.Pen.Color := clWhite;
    Image1.Canvas.Pen.Width := SpinEdit1.Value * 5;
  end;
  Image1.Canvas.MoveTo(X, Y);
end;

procedure TForm1.Image1MouseMove(Sender: TObject; Shift: TShiftState;
  X, Y: Integer);
begin
  if not Drawing then
    Exit;
  case Tool of
    tlPencil, tlEraser:
      Image1.Canvas.LineTo(X, Y);
    tlLine, tlRect, tlEllipse:
      begin
        DrawShape(Origin, MovePt, pmNotXor);  // стираем прежний контур
        MovePt := Point(X, Y);
        DrawShape(Origin, MovePt, pmNotXor);  // рисуем новый
      end;
  end;
end;

procedure TForm1.Image1MouseUp(Sender: TObject; Button: TMouseButton;
  Shift: TShiftState; X, Y: Integer);
begin
  if not Drawing then
    Exit;
  Drawing := False;
  if Tool in [tlLine, tlRect, tlEllipse] then
  begin
    DrawShape(Origin, MovePt, pmNotXor);      // стираем последний контур
    DrawShape(Origin, Point(X, Y), pmCopy);   // рисуем окончательно
  end;
end;

// Щелчок по образцу цвета: выбор цвета
procedure TForm1.Shape1MouseDown(Sender: TObject; Button: TMouseButton;
  Shift: TShiftState; X, Y: Integer);
begin
  ColorDialog1.Color := Shape1.Brush.Color;
  if ColorDialog1.Execute then
    Shape1.Brush.Color := ColorDialog1.Color;
end;

// Очистить
procedure TForm1.Button1Click(Sender: TObject);
begin
  if MessageDlg('Стереть весь рисунок?', mtConfirmation,
    [mbYes, mbNo], 0) = mrYes then
    ClearImage;
end;

// Открыть...
procedure TForm1.Button2Click(Sender: TObject);
begin
  if OpenPictureDialog1.Execute then
    Image1.Picture.LoadFromFile(OpenPictureDialog1.FileName);
end;

// Сохранить...
procedure TForm1.Button3Click(Sender: TObject);
begin
  if SavePictureDialog1.Execute then
    Image1.Picture.SaveToFile(SavePictureDialog1.FileName);
end;

end.
