object Form1: TForm1
  Left = 270
  Top = 180
  Width = 460
  Height = 320
  Caption = 'Длина строки'
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
    Left = 24
    Top = 20
    Width = 72
    Height = 13
    Caption = 'Введи строку:'
  end
  object Label2: TLabel
    Left = 24
    Top = 72
    Width = 159
    Height = 16
    Caption = 'Количество символов: 0'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label3: TLabel
    Left = 24
    Top = 156
    Width = 90
    Height = 13
    Caption = 'Строка наоборот:'
  end
  object Label4: TLabel
    Left = 24
    Top = 208
    Width = 62
    Height = 13
    Caption = 'Пробелов: 0'
  end
  object Edit1: TEdit
    Left = 24
    Top = 40
    Width = 401
    Height = 21
    TabOrder = 0
    OnChange = Edit1Change
  end
  object Button1: TButton
    Left = 24
    Top = 112
    Width = 105
    Height = 25
    Caption = 'Перевернуть'
    Default = True
    TabOrder = 1
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 144
    Top = 112
    Width = 105
    Height = 25
    Caption = 'Очистить'
    TabOrder = 2
    OnClick = Button2Click
  end
  object Edit2: TEdit
    Left = 24
    Top = 176
    Width = 401
    Height = 21
    ReadOnly = True
    TabOrder = 3
  end
  object Button3: TButton
    Left = 344
    Top = 240
    Width = 81
    Height = 25
    Caption = 'Выход'
    TabOrder = 4
    OnClick = Button3Click
  end
end
