object Form1: TForm1
  Left = 240
  Top = 160
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Графическая анимация'
  ClientHeight = 329
  ClientWidth = 429
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
  object Image1: TImage
    Left = 8
    Top = 8
    Width = 413
    Height = 257
  end
  object Label1: TLabel
    Left = 200
    Top = 288
    Width = 51
    Height = 13
    Caption = 'Скорость:'
  end
  object Button1: TButton
    Left = 8
    Top = 280
    Width = 81
    Height = 33
    Caption = 'Старт'
    TabOrder = 0
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 96
    Top = 280
    Width = 81
    Height = 33
    Caption = 'Очистить'
    TabOrder = 1
    OnClick = Button2Click
  end
  object TrackBar1: TTrackBar
    Left = 256
    Top = 280
    Width = 161
    Height = 25
    Max = 10
    Min = 1
    Position = 4
    TabOrder = 2
  end
  object CheckBox1: TCheckBox
    Left = 264
    Top = 306
    Width = 121
    Height = 17
    Caption = 'Оставлять след'
    TabOrder = 3
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 20
    OnTimer = Timer1Timer
    Left = 24
    Top = 24
  end
end
