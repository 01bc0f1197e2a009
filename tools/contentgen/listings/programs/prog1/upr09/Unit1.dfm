object Form1: TForm1
  Left = 246
  Top = 160
  Width = 540
  Height = 380
  Caption = 'Светофор'
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
    Left = 368
    Top = 136
    Width = 145
    Height = 97
    Stretch = True
  end
  object Image2: TImage
    Left = 264
    Top = 40
    Width = 89
    Height = 193
    Stretch = True
  end
  object Image3: TImage
    Left = 144
    Top = 24
    Width = 97
    Height = 97
    Stretch = True
  end
  object Label1: TLabel
    Left = 24
    Top = 304
    Width = 377
    Height = 20
    AutoSize = False
    Caption = 'Красный: машины стоят, пешеходы идут'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -13
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Panel1: TPanel
    Left = 24
    Top = 24
    Width = 89
    Height = 249
    BevelOuter = bvNone
    Color = clBlack
    TabOrder = 0
    object Shape1: TShape
      Left = 16
      Top = 16
      Width = 57
      Height = 57
      Brush.Color = clRed
      Shape = stCircle
    end
    object Shape2: TShape
      Left = 16
      Top = 96
      Width = 57
      Height = 57
      Brush.Color = clGray
      Shape = stCircle
    end
    object Shape3: TShape
      Left = 16
      Top = 176
      Width = 57
      Height = 57
      Brush.Color = clGray
      Shape = stCircle
    end
  end
  object Button1: TButton
    Left = 424
    Top = 300
    Width = 81
    Height = 25
    Caption = 'Выход'
    TabOrder = 1
    OnClick = Button1Click
  end
  object Timer1: TTimer
    Interval = 4000
    OnTimer = Timer1Timer
    Left = 480
    Top = 24
  end
end
