object Form1: TForm1
  Left = 240
  Top = 150
  Width = 540
  Height = 400
  BorderStyle = bsSingle
  Caption = 'Магический квадрат'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 16
    Top = 16
    Width = 89
    Height = 13
    Caption = 'Порядок квадрата:'
  end
  object Label2: TLabel
    Left = 176
    Top = 16
    Width = 127
    Height = 13
    Caption = 'Магическая сумма: 15'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clMaroon
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label3: TLabel
    Left = 376
    Top = 160
    Width = 36
    Height = 13
    Caption = 'Суммы:'
  end
  object SpinEdit1: TSpinEdit
    Left = 112
    Top = 12
    Width = 49
    Height = 22
    MaxValue = 9
    MinValue = 3
    TabOrder = 0
    Value = 3
    OnChange = SpinEdit1Change
  end
  object StringGrid1: TStringGrid
    Left = 16
    Top = 48
    Width = 115
    Height = 91
    ColCount = 3
    DefaultColWidth = 36
    DefaultRowHeight = 28
    FixedCols = 0
    RowCount = 3
    FixedRows = 0
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -16
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
    ParentFont = False
    ScrollBars = ssNone
    TabOrder = 1
  end
  object Button1: TButton
    Left = 376
    Top = 48
    Width = 145
    Height = 25
    Caption = 'Построить'
    TabOrder = 2
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 376
    Top = 84
    Width = 145
    Height = 25
    Caption = 'Проверить'
    TabOrder = 3
    OnClick = Button2Click
  end
  object Button3: TButton
    Left = 376
    Top = 120
    Width = 145
    Height = 25
    Caption = 'Очистить'
    TabOrder = 4
    OnClick = Button3Click
  end
  object Memo1: TMemo
    Left = 376
    Top = 176
    Width = 145
    Height = 177
    ReadOnly = True
    ScrollBars = ssVertical
    TabOrder = 5
  end
end
