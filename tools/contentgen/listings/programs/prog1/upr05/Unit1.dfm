object Form1: TForm1
  Left = 246
  Top = 160
  Width = 540
  Height = 380
  Caption = 'Объём параллелепипеда'
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
    Width = 201
    Height = 177
    Stretch = True
  end
  object Label1: TLabel
    Left = 248
    Top = 24
    Width = 63
    Height = 13
    Caption = 'Длина a, см:'
  end
  object Label2: TLabel
    Left = 248
    Top = 64
    Width = 70
    Height = 13
    Caption = 'Ширина b, см:'
  end
  object Label3: TLabel
    Left = 248
    Top = 104
    Width = 69
    Height = 13
    Caption = 'Высота c, см:'
  end
  object Label4: TLabel
    Left = 24
    Top = 224
    Width = 88
    Height = 19
    Caption = 'Объём V ='
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -16
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label5: TLabel
    Left = 24
    Top = 256
    Width = 217
    Height = 19
    Caption = 'Площадь поверхности S ='
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -16
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Edit1: TEdit
    Left = 352
    Top = 20
    Width = 89
    Height = 21
    TabOrder = 0
    Text = '5'
  end
  object Edit2: TEdit
    Left = 352
    Top = 60
    Width = 89
    Height = 21
    TabOrder = 1
    Text = '3'
  end
  object Edit3: TEdit
    Left = 352
    Top = 100
    Width = 89
    Height = 21
    TabOrder = 2
    Text = '2'
  end
  object Button1: TButton
    Left = 352
    Top = 144
    Width = 89
    Height = 25
    Caption = 'Вычислить'
    Default = True
    TabOrder = 3
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 424
    Top = 296
    Width = 81
    Height = 25
    Caption = 'Выход'
    TabOrder = 4
    OnClick = Button2Click
  end
end
