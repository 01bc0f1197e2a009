object Form1: TForm1
  Left = 260
  Top = 170
  Width = 440
  Height = 340
  BorderStyle = bsSingle
  Caption = 'Угадай число'
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
    Left = 16
    Top = 12
    Width = 315
    Height = 13
    Caption = 'Я загадал число от 1 до 100. Попробуй угадать!'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label2: TLabel
    Left = 16
    Top = 144
    Width = 71
    Height = 13
    Caption = 'Твой вариант:'
  end
  object Label3: TLabel
    Left = 16
    Top = 196
    Width = 185
    Height = 20
    AutoSize = False
    Caption = 'Введи число и нажми Enter'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clMaroon
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label4: TLabel
    Left = 16
    Top = 232
    Width = 57
    Height = 13
    Caption = 'Попыток: 0'
  end
  object Label5: TLabel
    Left = 224
    Top = 44
    Width = 58
    Height = 13
    Caption = 'Ходы игры:'
  end
  object RadioGroup1: TRadioGroup
    Left = 16
    Top = 40
    Width = 185
    Height = 89
    Caption = 'Уровень'
    ItemIndex = 1
    Items.Strings = (
      'Лёгкий: от 1 до 10'
      'Средний: от 1 до 100'
      'Трудный: от 1 до 1000')
    TabOrder = 0
    OnClick = RadioGroup1Click
  end
  object Edit1: TEdit
    Left = 16
    Top = 160
    Width = 89
    Height = 21
    TabOrder = 1
  end
  object Button1: TButton
    Left = 112
    Top = 158
    Width = 89
    Height = 25
    Caption = 'Проверить'
    Default = True
    TabOrder = 2
    OnClick = Button1Click
  end
  object ListBox1: TListBox
    Left = 224
    Top = 60
    Width = 193
    Height = 197
    ItemHeight = 13
    TabOrder = 3
  end
  object Button2: TButton
    Left = 224
    Top = 268
    Width = 97
    Height = 25
    Caption = 'Новая игра'
    TabOrder = 4
    OnClick = Button2Click
  end
  object Button3: TButton
    Left = 328
    Top = 268
    Width = 89
    Height = 25
    Caption = 'Выход'
    TabOrder = 5
    OnClick = Button3Click
  end
end
