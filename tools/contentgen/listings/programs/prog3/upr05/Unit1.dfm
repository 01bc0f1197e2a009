object Form1: TForm1
  Left = 230
  Top = 140
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Мультфильм'
  ClientHeight = 369
  ClientWidth = 537
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
    Left = 0
    Top = 0
    Width = 537
    Height = 328
    Align = alClient
    Stretch = True
  end
  object Image2: TImage
    Left = 16
    Top = 96
    Width = 96
    Height = 48
    AutoSize = True
    Transparent = True
  end
  object Panel1: TPanel
    Left = 0
    Top = 328
    Width = 537
    Height = 41
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 0
    object Label1: TLabel
      Left = 200
      Top = 14
      Width = 51
      Height = 13
      Caption = 'Скорость:'
    end
    object Button1: TButton
      Left = 8
      Top = 8
      Width = 81
      Height = 25
      Caption = 'Старт'
      TabOrder = 0
      OnClick = Button1Click
    end
    object Button2: TButton
      Left = 96
      Top = 8
      Width = 81
      Height = 25
      Caption = 'Стоп'
      TabOrder = 1
      OnClick = Button2Click
    end
    object TrackBar1: TTrackBar
      Left = 256
      Top = 8
      Width = 177
      Height = 25
      Max = 20
      Min = 1
      Position = 5
      TabOrder = 2
    end
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 30
    OnTimer = Timer1Timer
    Left = 488
    Top = 16
  end
end
