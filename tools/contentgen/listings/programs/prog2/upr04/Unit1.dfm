object Form1: TForm1
  Left = 232
  Top = 140
  Width = 472
  Height = 364
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Строковый калькулятор'
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
    Top = 12
    Width = 238
    Height = 13
    Caption = 'Выражение (например, 12,5*4 или -7 + 15):'
  end
  object Edit1: TEdit
    Left = 16
    Top = 30
    Width = 329
    Height = 28
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -16
    Font.Name = 'Courier New'
    Font.Style = []
    ParentFont = False
    TabOrder = 0
    Text = '12,5*4'
  end
  object Button1: TButton
    Left = 352
    Top = 30
    Width = 97
    Height = 28
    Caption = '='
    Default = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -16
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    TabOrder = 1
    OnClick = Button1Click
  end
  object Label2: TLabel
    Left = 16
    Top = 72
    Width = 59
    Height = 13
    Caption = 'Результат:'
  end
  object Edit2: TEdit
    Left = 16
    Top = 90
    Width = 329
    Height = 28
    Color = clInfoBk
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -16
    Font.Name = 'Courier New'
    Font.Style = [fsBold]
    ParentFont = False
    ReadOnly = True
    TabOrder = 2
  end
  object Label3: TLabel
    Left = 16
    Top = 132
    Width = 106
    Height = 13
    Caption = 'История вычислений:'
  end
  object ListBox1: TListBox
    Left = 16
    Top = 150
    Width = 329
    Height = 153
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'Courier New'
    Font.Style = []
    ItemHeight = 16
    ParentFont = False
    TabOrder = 3
    OnDblClick = ListBox1DblClick
  end
  object Button2: TButton
    Left = 352
    Top = 150
    Width = 97
    Height = 25
    Caption = 'Очистить историю'
    TabOrder = 4
    OnClick = Button2Click
  end
end
