object Form1: TForm1
  Left = 250
  Top = 160
  Width = 480
  Height = 356
  BorderStyle = bsSingle
  Caption = 'Успей щёлкнуть!'
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
    Width = 49
    Height = 16
    Caption = 'Очки: 0'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clGreen
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label2: TLabel
    Left = 128
    Top = 12
    Width = 79
    Height = 16
    Caption = 'Промахи: 0'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clRed
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label3: TLabel
    Left = 248
    Top = 12
    Width = 107
    Height = 16
    Caption = 'Осталось: 30 с'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Button1: TButton
    Left = 368
    Top = 8
    Width = 97
    Height = 25
    Caption = 'Начать игру'
    TabOrder = 0
    OnClick = Button1Click
  end
  object Panel1: TPanel
    Left = 8
    Top = 40
    Width = 457
    Height = 273
    BevelOuter = bvLowered
    Color = clMoneyGreen
    TabOrder = 1
    OnClick = Panel1Click
    object SpeedButton1: TSpeedButton
      Left = 192
      Top = 120
      Width = 73
      Height = 25
      Caption = 'Щёлкни!'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clMaroon
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
      Visible = False
      OnClick = SpeedButton1Click
    end
  end
  object Timer1: TTimer
    Enabled = False
    OnTimer = Timer1Timer
    Left = 24
    Top = 280
  end
  object Timer2: TTimer
    Enabled = False
    OnTimer = Timer2Timer
    Left = 56
    Top = 280
  end
end
