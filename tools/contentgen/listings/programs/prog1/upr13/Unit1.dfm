object Form1: TForm1
  Left = 280
  Top = 160
  Width = 450
  Height = 380
  Caption = 'Размеры эллипса'
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
    Left = 352
    Top = 40
    Width = 77
    Height = 16
    Caption = 'Ширина: 120'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label2: TLabel
    Left = 352
    Top = 72
    Width = 76
    Height = 16
    Caption = 'Высота: 120'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Panel1: TPanel
    Left = 16
    Top = 16
    Width = 257
    Height = 257
    BevelOuter = bvLowered
    Color = clWhite
    TabOrder = 0
    object Shape1: TShape
      Left = 68
      Top = 68
      Width = 120
      Height = 120
      Brush.Color = clAqua
      Pen.Color = clNavy
      Pen.Width = 2
      Shape = stEllipse
    end
  end
  object TrackBar1: TTrackBar
    Left = 16
    Top = 288
    Width = 257
    Height = 45
    Frequency = 20
    Max = 240
    Min = 20
    Position = 120
    TabOrder = 1
    OnChange = TrackBar1Change
  end
  object TrackBar2: TTrackBar
    Left = 288
    Top = 16
    Width = 45
    Height = 257
    Frequency = 20
    Max = 240
    Min = 20
    Orientation = trVertical
    Position = 120
    TabOrder = 2
    OnChange = TrackBar2Change
  end
  object Button1: TButton
    Left = 352
    Top = 296
    Width = 73
    Height = 25
    Caption = 'Выход'
    TabOrder = 3
    OnClick = Button1Click
  end
end
