object Form1: TForm1
  Left = 250
  Top = 160
  Width = 460
  Height = 320
  BorderStyle = bsSingle
  Caption = 'Тест зрительной памяти'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 288
    Top = 16
    Width = 76
    Height = 16
    Caption = 'Уровень: 1'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label2: TLabel
    Left = 288
    Top = 40
    Width = 54
    Height = 16
    Caption = 'Очки: 0'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clGreen
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label3: TLabel
    Left = 288
    Top = 72
    Width = 153
    Height = 97
    AutoSize = False
    Caption = 'Нажми «Старт», запомни закрашенные клетки и повтори их.'
    WordWrap = True
  end
  object DrawGrid1: TDrawGrid
    Left = 16
    Top = 16
    Width = 249
    Height = 249
    ColCount = 5
    DefaultColWidth = 48
    DefaultRowHeight = 48
    FixedCols = 0
    RowCount = 5
    FixedRows = 0
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine]
    ScrollBars = ssNone
    TabOrder = 0
    OnDrawCell = DrawGrid1DrawCell
    OnMouseDown = DrawGrid1MouseDown
  end
  object Button1: TButton
    Left = 288
    Top = 184
    Width = 97
    Height = 33
    Caption = 'Старт'
    TabOrder = 1
    OnClick = Button1Click
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 2000
    OnTimer = Timer1Timer
    Left = 400
    Top = 184
  end
end
