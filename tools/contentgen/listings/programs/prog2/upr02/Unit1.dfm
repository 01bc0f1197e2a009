object Form1: TForm1
  Left = 236
  Top = 158
  Width = 472
  Height = 300
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Обработка строки'
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
    Width = 86
    Height = 13
    Caption = 'Исходная строка:'
  end
  object Label2: TLabel
    Left = 16
    Top = 128
    Width = 59
    Height = 13
    Caption = 'Результат:'
  end
  object Label3: TLabel
    Left = 16
    Top = 184
    Width = 233
    Height = 16
    Caption = 'Символов: 0,  пробелов: 0,  слов: 0'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Edit1: TEdit
    Left = 16
    Top = 32
    Width = 425
    Height = 24
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    ParentFont = False
    TabOrder = 0
    Text = 'Привет, Delphi! Мы учимся программировать'
  end
  object Button1: TButton
    Left = 16
    Top = 72
    Width = 81
    Height = 25
    Caption = 'Перевернуть'
    TabOrder = 1
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 102
    Top = 72
    Width = 81
    Height = 25
    Caption = 'ПРОПИСНЫЕ'
    TabOrder = 2
    OnClick = Button2Click
  end
  object Button3: TButton
    Left = 188
    Top = 72
    Width = 81
    Height = 25
    Caption = 'строчные'
    TabOrder = 3
    OnClick = Button3Click
  end
  object Button4: TButton
    Left = 274
    Top = 72
    Width = 81
    Height = 25
    Caption = 'Без пробелов'
    TabOrder = 4
    OnClick = Button4Click
  end
  object Button5: TButton
    Left = 360
    Top = 72
    Width = 81
    Height = 25
    Caption = 'Подсчитать'
    TabOrder = 5
    OnClick = Button5Click
  end
  object Edit2: TEdit
    Left = 16
    Top = 144
    Width = 425
    Height = 24
    Color = clInfoBk
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    ParentFont = False
    ReadOnly = True
    TabOrder = 6
  end
end
