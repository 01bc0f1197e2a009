object Form1: TForm1
  Left = 280
  Top = 160
  Width = 450
  Height = 380
  Caption = 'Термометр'
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
  object Shape2: TShape
    Left = 28
    Top = 240
    Width = 49
    Height = 49
    Brush.Color = clRed
    Pen.Color = clMaroon
    Shape = stCircle
  end
  object Label1: TLabel
    Left = 144
    Top = 40
    Width = 153
    Height = 19
    Caption = 'По Цельсию: 20 °C'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -16
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label2: TLabel
    Left = 144
    Top = 80
    Width = 145
    Height = 16
    Caption = 'По Фаренгейту: 68,0 °F'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Label3: TLabel
    Left = 144
    Top = 112
    Width = 139
    Height = 16
    Caption = 'По Кельвину: 293,15 K'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Label4: TLabel
    Left = 144
    Top = 152
    Width = 62
    Height = 22
    Caption = 'Тепло'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clMaroon
    Font.Height = -19
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label5: TLabel
    Left = 72
    Top = 18
    Width = 38
    Height = 13
    Caption = '+50 °C'
  end
  object Label6: TLabel
    Left = 72
    Top = 142
    Width = 27
    Height = 13
    Caption = '0 °C'
  end
  object Label7: TLabel
    Left = 84
    Top = 243
    Width = 35
    Height = 13
    Caption = '-40 °C'
  end
  object Label8: TLabel
    Left = 144
    Top = 212
    Width = 107
    Height = 13
    Caption = 'Передвинь ползунок:'
  end
  object Panel1: TPanel
    Left = 40
    Top = 24
    Width = 25
    Height = 225
    BevelOuter = bvNone
    Color = clWhite
    TabOrder = 0
    object Shape1: TShape
      Left = 0
      Top = 75
      Width = 25
      Height = 150
      Align = alBottom
      Brush.Color = clRed
      Pen.Color = clRed
    end
  end
  object ScrollBar1: TScrollBar
    Left = 144
    Top = 232
    Width = 273
    Height = 17
    LargeChange = 10
    Max = 50
    Min = -40
    PageSize = 0
    Position = 20
    TabOrder = 1
    OnChange = ScrollBar1Change
  end
  object Button1: TButton
    Left = 336
    Top = 304
    Width = 81
    Height = 25
    Caption = 'Выход'
    TabOrder = 2
    OnClick = Button1Click
  end
end
