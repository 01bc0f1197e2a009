object Form1: TForm1
  Left = 250
  Top = 165
  Width = 520
  Height = 380
  Caption = 'Хронометр'
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
  object Image1: TImage
    Left = 16
    Top = 16
    Width = 177
    Height = 177
    Stretch = True
  end
  object Label2: TLabel
    Left = 216
    Top = 16
    Width = 139
    Height = 13
    Caption = 'минуты : секунды . десятые'
  end
  object Label1: TLabel
    Left = 216
    Top = 40
    Width = 273
    Height = 65
    Alignment = taCenter
    AutoSize = False
    Caption = '0:00.0'
    Color = clBlack
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clLime
    Font.Height = -48
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentColor = False
    ParentFont = False
  end
  object Button1: TButton
    Left = 216
    Top = 128
    Width = 81
    Height = 33
    Caption = 'Старт'
    TabOrder = 0
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 312
    Top = 128
    Width = 81
    Height = 33
    Caption = 'Стоп'
    Enabled = False
    TabOrder = 1
    OnClick = Button2Click
  end
  object Button3: TButton
    Left = 408
    Top = 128
    Width = 81
    Height = 33
    Caption = 'Сброс'
    TabOrder = 2
    OnClick = Button3Click
  end
  object Button4: TButton
    Left = 408
    Top = 296
    Width = 81
    Height = 25
    Caption = 'Выход'
    TabOrder = 3
    OnClick = Button4Click
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 100
    OnTimer = Timer1Timer
    Left = 224
    Top = 200
  end
end
