object Form1: TForm1
  Left = 260
  Top = 170
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Текст под углом и градиент'
  ClientHeight = 299
  ClientWidth = 402
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
  object PaintBox1: TPaintBox
    Left = 8
    Top = 8
    Width = 385
    Height = 201
    OnPaint = PaintBox1Paint
  end
  object Label1: TLabel
    Left = 8
    Top = 224
    Width = 33
    Height = 13
    Caption = 'Текст:'
  end
  object Label2: TLabel
    Left = 8
    Top = 262
    Width = 50
    Height = 13
    Caption = 'Угол: 30°'
  end
  object Edit1: TEdit
    Left = 48
    Top = 220
    Width = 185
    Height = 21
    TabOrder = 0
    Text = 'Delphi 7'
    OnChange = OptionsChange
  end
  object Button1: TButton
    Left = 248
    Top = 218
    Width = 69
    Height = 25
    Caption = 'Цвет 1...'
    TabOrder = 1
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 324
    Top = 218
    Width = 69
    Height = 25
    Caption = 'Цвет 2...'
    TabOrder = 2
    OnClick = Button2Click
  end
  object TrackBar1: TTrackBar
    Left = 72
    Top = 254
    Width = 161
    Height = 33
    Max = 360
    Frequency = 30
    Position = 30
    TabOrder = 3
    OnChange = OptionsChange
  end
  object CheckBox1: TCheckBox
    Left = 248
    Top = 260
    Width = 145
    Height = 17
    Caption = 'Вертикальный градиент'
    TabOrder = 4
    OnClick = OptionsChange
  end
  object ColorDialog1: TColorDialog
    Ctl3D = True
    Left = 360
    Top = 16
  end
end
