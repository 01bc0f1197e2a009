object Form1: TForm1
  Left = 220
  Top = 136
  Width = 512
  Height = 360
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Тест по арифметике'
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
    Top = 16
    Width = 105
    Height = 16
    Caption = 'Пример 1 из 10'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label2: TLabel
    Left = 16
    Top = 56
    Width = 145
    Height = 37
    Alignment = taRightJustify
    AutoSize = False
    Caption = '23 + 48 ='
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -32
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Edit1: TEdit
    Left = 176
    Top = 54
    Width = 105
    Height = 40
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -27
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
    TabOrder = 0
  end
  object Button1: TButton
    Left = 296
    Top = 60
    Width = 97
    Height = 29
    Caption = 'Ответить'
    Default = True
    TabOrder = 1
    OnClick = Button1Click
  end
  object Label3: TLabel
    Left = 16
    Top = 152
    Width = 120
    Height = 16
    Caption = 'Верных ответов: 0'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clGreen
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label4: TLabel
    Left = 16
    Top = 116
    Width = 251
    Height = 20
    Caption = 'Неверно. Правильный ответ: 71'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clRed
    Font.Height = -16
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Image1: TImage
    Left = 336
    Top = 112
    Width = 145
    Height = 145
    Stretch = True
    Visible = False
  end
  object Button2: TButton
    Left = 16
    Top = 280
    Width = 121
    Height = 25
    Caption = 'Начать заново'
    TabOrder = 2
    OnClick = Button2Click
  end
end
