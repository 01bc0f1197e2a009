unit Unit1;

{ Упражнение 3:15. Текстовый редактор RTF.
  Документ с оформлением (шрифты, цвета, выравнивание, маркеры)
  редактируется в компоненте RichEdit1 и хранится в формате RTF.
  Все команды редактора - действия (TAction) списка ActionList1:
  у каждого действия есть надпись, подсказка, картинка из ImageList1,
  сочетание клавиш и обработчик OnExecute. Пункты меню и кнопки панели
  инструментов только ссылаются на действия (свойство Action), поэтому
  одна и та же команда работает и из меню, и с кнопки, и с клавиатуры.
  Обработчик ActionList1Update включает и выключает действия и нажимает
  кнопки, соответствующие оформлению текста под курсором. }

interface

uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,
  Dialogs, StdCtrls, ComCtrls, ToolWin, Menus, ImgList, ActnList;

type
  TForm1 = class(TForm)
    ToolBar1: TToolBar;
    ToolButton1: TToolButton;
    ToolButton2: TToolButton;
    ToolButton3: TToolButton;
    ToolButton4: TToolButton;
    ToolButton5: TToolButton;
    ToolButton6: TToolButton;
    ToolButton7: TToolButton;
    ToolButton8: TToolButton;
    ToolButton9: TToolButton;
    ToolButton10: TToolButton;
    ToolButton11: TToolButton;
    ToolButton12: TToolButton;
    ToolButton13: TToolButton;
    ToolButton14: TToolButton;
    ToolButton15: TToolButton;
    ToolButton16: TToolButton;
    ToolButton17: TToolButton;
    ToolButton18: TToolButton;
    ToolButton19: TToolButton;
    ToolButton20: TToolButton;
    ToolButton21: TToolButton;
    ToolButton22: TToolButton;
    ToolButton23: TToolButton;
    RichEdit1: TRichEdit;
    StatusBar1: TStatusBar;
    MainMenu1: TMainMenu;
    N1: TMenuItem;
    N2: TMenuItem;
    N3: TMenuItem;
    N4: TMenuItem;
    N5: TMenuItem;
    N6: TMenuItem;
    N7: TMenuItem;
    N8: TMenuItem;
    N9: TMenuItem;
    N10: TMenuItem;
    N11: TMenuItem;
    N12: TMenuItem;
    N13: TMenuItem;
    N14: TMenuItem;
    N15: TMenuItem;
    N16: TMenuItem;
    N17: TMenuItem;
    N18: TMenuItem;
    N19: TMenuItem;
    N20: TMenuItem;
    N21: TMenuItem;
    N22: TMenuItem;
    N23: TMenuItem;
    N24: TMenuItem;
    N25: TMenuItem;
    N26: TMenuItem;
    ImageList1: TImageList;
    ActionList1: TActionList;
    ActNew: TAction;
    ActOpen: TAction;
    ActSave: TAction;
    ActCut: TAction;
    ActCopy: TAction;
    ActPaste: TAction;
    ActUndo: TAction;
    ActBold: TAction;
    ActItalic: TAction;
    ActUnderline: TAction;
    ActLeft: TAction;
    ActCenter: TAction;
    ActRight: TAction;
    ActBullets: TAction;
    ActFont: TAction;
    ActColor: TAction;
    ActPrint: TAction;
    ActExit: TAction;
    OpenDialog1: TOpenDialog;
    SaveDialog1: TSaveDialog;
    FontDialog1: TFontDialog;
    ColorDialog1: TColorDialog;
    procedure FormCreate(Sender: TObject);
    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
    procedure ActNewExecute(Sender: TObject);
    procedure ActOpenExecute(Sender: TObject);
    procedure ActSaveExecute(Sender: TObject);
    procedure ActPrintExecute(Sender: TObject);
    procedure ActExitExecute(Sender: TObject);
    procedure ActCutExecute(Sender: TObject);
    procedure ActCopyExecute(Sender: TObject);
    procedure ActPasteExecute(Sender: TObject);
    procedure ActUndoExecute(Sender: TObject);
    procedure StyleExecute(Sender: TObject);
    procedure AlignExecute(Sender: TObject);
    procedure ActBulletsExecute(Sender: TObject);
    procedure ActFontExecute(Sender: TObject);
    procedure ActColorExecute(Sender: TObject);
    procedure ActionList1Update(Action: TBasicAction; var Handled: Boolean);
  private
    FileName: string;   // имя файла документа; пусто - документ новый
    procedure UpdateCaption;
    function CanDiscard: Boolean;
  public
    { Public declarations }
  end;

var
  Form1: TForm1;

implementation

{$R *.dfm}

procedure TForm1.FormCreate(Sender: TObject);
begin
  UpdateCaption;
end;

// Заголовок окна: имя документа
procedure TForm1.UpdateCaption;
begin
  if FileName = '' then
    Caption := 'Редактор RTF - Новый документ'
  else
    Caption := 'Редактор RTF - ' + ExtractFileName(FileName);
end;

// Можно ли выбросить текущий текст? Если он изменён - спрашиваем
function TForm1.CanDiscard: Boolean;
begin
  Result := True;
  if RichEdit1.Modified then
    case MessageDlg('Сохранить изменения в документе?', mtConfirmation,
      [mbYes, mbNo, mbCancel], 0) of
      mrYes:
        begin
          ActSaveExecute(nil);
          Result := not RichEdit1.Modified;  // вдруг сохранение отменили
        end;
      mrCancel:
        Result := False;
    end;
end;

procedure TForm1.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
begin
  CanClose := CanDiscard;
end;

{ ---------- Файл ---------- }

procedure TForm1.ActNewExecute(Sender: TObject);
begin
  if CanDiscard then
  begin
    RichEdit1.Clear;
    RichEdit1.Modified := False;
    FileName := '';
    UpdateCaption;
  end;
end;

procedure TForm1.ActOpenExecute(Sender: TObject);
begin
  if CanDiscard and OpenDialog1.Execute then
  begin
    RichEdit1.Lines.LoadFromFile(OpenDialog1.FileName);
    RichEdit1.Modified := False;
    FileName := OpenDialog1.FileName;
    UpdateCaption;
  end;
end;

procedure TForm1.ActSaveExecute(Sender: TObject);
begin
  if FileName = '' then
  begin
    if not SaveDialog1.Execute then
      Exit;  // пользователь передумал сохранять
    FileName := SaveDialog1.FileName;
  end;
  RichEdit1.Lines.SaveToFile(FileName);  // в формате RTF
  RichEdit1.Modified := False;
  UpdateCaption;
end;

procedure TForm1.ActPrintExecute(Sender: TObject);
begin
  RichEdit1.Print(Caption);
end;

procedure TForm1.ActExitExecute(Sender: TObject);
begin
  Close;
end;

{ ---------- Правка ---------- }

procedure TForm1.ActCutExecute(Sender: TObject);
begin
  RichEdit1.CutToClipboard;
end;

procedure TForm1.ActCopyExecute(Sender: TObject);
begin
  RichEdit1.CopyToClipboard;
end;

procedure TForm1.ActPasteExecute(Sender: TObject);
begin
  RichEdit1.PasteFromClipboard;
end;

procedure TForm1.ActUndoExecute(Sender: TObject);
begin
  RichEdit1.Undo;
end;

{ ---------- Формат ---------- }

// Полужирный, курсив, подчёркнутый: в Tag действия - номер стиля
// (0 - fsBold, 1 - fsItalic, 2 - fsUnderline)
procedure TForm1.StyleExecute(Sender: TObject);
var
  Style: TFontStyle;
begin
  Style := TFontStyle((Sender as TAction).Tag);
  if Style in RichEdit1.SelAttributes.Style then
    RichEdit1.SelAttributes.Style := RichEdit1.SelAttributes.Style - [Style]
  else
    RichEdit1.SelAttributes.Style := RichEdit1.SelAttributes.Style + [Style];
end;

// Выравнивание абзаца: в Tag действия - номер значения TAlignment
// (0 - taLeftJustify, 1 - taRightJustify, 2 - taCenter)
procedure TForm1.AlignExecute(Sender: TObject);
begin
  RichEdit1.Paragraph.Alignment := TAlignment((Sender as TAction).Tag);
end;

procedure TForm1.ActBulletsExecute(Sender: TObject);
begin
  if RichEdit1.Paragraph.Numbering = nsBullet then
    RichEdit1.Paragraph.Numbering := nsNone
  else
    RichEdit1.Paragraph.Numbering := nsBullet;
end;

procedure TForm1.ActFontExecute(Sender: TObject);
begin
  FontDialog1.Font.Assign(RichEdit1.SelAttributes);
  if FontDialog1.Execute then
    RichEdit1.SelAttributes.Assign(FontDialog1.Font);
end;

procedure TForm1.ActColorExecute(Sender: TObject);
begin
  ColorDialog1.Color := RichEdit1.SelAttributes.Color;
  if ColorDialog1.Execute then
    RichEdit1.SelAttributes.Color := ColorDialog1.Color;
end;

// Вызывается, когда программа свободна: состояние всех действий
procedure TForm1.ActionList1Update(Action: TBasicAction; var Handled: Boolean);
begin
  ActCut.Enabled := RichEdit1.SelLength > 0;
  ActCopy.Enabled := RichEdit1.SelLength > 0;
  ActUndo.Enabled := RichEdit1.CanUndo;
  ActBold.Checked := fsBold in RichEdit1.SelAttributes.Style;
  ActItalic.Checked := fsItalic in RichEdit1.SelAttributes.Style;
  ActUnderline.Checked := fsUnderline in RichEdit1.SelAttributes.Style;
  ActLeft.Checked := RichEdit1.Paragraph.Alignment = taLeftJustify;
  ActCenter.Checked := RichEdit1.Paragraph.Alignment = taCenter;
  ActRight.Checked := RichEdit1.Paragraph.Alignment = taRightJustify;
  ActBullets.Checked := RichEdit1.Paragraph.Numbering = nsBullet;
  if RichEdit1.Modified then
    StatusBar1.SimpleText := 'Документ изменён'
  else
    StatusBar1.SimpleText := '';
end;

end.
