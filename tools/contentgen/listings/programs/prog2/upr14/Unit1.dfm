object Form1: TForm1
  Left = 264
  Top = 172
  Width = 418
  Height = 304
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Цветовая RGB-модель'
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
  object Shape1: TShape
    Left = 16
    Top = 16
    Width = 121
    Height = 161
    Brush.Color = 33023
    Pen.Width = 2
  end
  object Label1: TLabel
    Left = 156
    Top = 16
    Width = 61
    Height = 13
    Caption = 'Красный (R)'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object TrackBar1: TTrackBar
    Left = 148
    Top = 32
    Width = 201
    Height = 33
    Max = 255
    Frequency = 16
    Position = 255
    TabOrder = 0
    OnChange = TrackBar1Change
  end
  object Label4: TLabel
    Left = 356
    Top = 40
    Width = 21
    Height = 13
    Caption = '255'
  end
  object Label2: TLabel
    Left = 156
    Top = 72
    Width = 67
    Height = 13
    Caption = 'Зелёный (G)'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clGreen
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object TrackBar2: TTrackBar
    Left = 148
    Top = 88
    Width = 201
    Height = 33
    Max = 255
    Frequency = 16
    Position = 128
    TabOrder = 1
    OnChange = TrackBar1Change
  end
  object Label5: TLabel
    Left = 356
    Top = 96
    Width = 21
    Height = 13
    Caption = '128'
  end
  object Label3: TLabel
    Left = 156
    Top = 128
    Width = 53
    Height = 13
    Caption = 'Синий (B)'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object TrackBar3: TTrackBar
    Left = 148
    Top = 144
    Width = 201
    Height = 33
    Max = 255
    Frequency = 16
    TabOrder = 2
    OnChange = TrackBar1Change
  end
  object Label6: TLabel
    Left = 356
    Top = 152
    Width = 7
    Height = 13
    Caption = '0'
  end
  object Label7: TLabel
    Left = 16
    Top = 200
    Width = 102
    Height = 13
    Caption = 'Код цвета для HTML:'
  end
  object Edit1: TEdit
    Left = 136
    Top = 196
    Width = 97
    Height = 21
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'Courier New'
    Font.Style = []
    ParentFont = False
    ReadOnly = True
    TabOrder = 3
    Text = '#FF8000'
  end
  object Label8: TLabel
    Left = 16
    Top = 232
    Width = 100
    Height = 13
    Caption = 'Код цвета в Delphi:'
  end
  object Edit2: TEdit
    Left = 136
    Top = 228
    Width = 97
    Height = 21
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'Courier New'
    Font.Style = []
    ParentFont = False
    ReadOnly = True
    TabOrder = 4
    Text = '$000080FF'
  end
  object Button1: TButton
    Left = 256
    Top = 194
    Width = 129
    Height = 25
    Caption = 'Случайный цвет'
    TabOrder = 5
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 256
    Top = 226
    Width = 129
    Height = 25
    Caption = 'Инверсия'
    TabOrder = 6
    OnClick = Button2Click
  end
end
