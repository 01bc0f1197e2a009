object Form1: TForm1
  Left = 262
  Top = 170
  Width = 480
  Height = 340
  Caption = 'Цвета формы'
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
    Left = 24
    Top = 16
    Width = 145
    Height = 16
    Caption = 'Выбери цвет формы:'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Image1: TImage
    Left = 136
    Top = 48
    Width = 161
    Height = 145
    Stretch = True
  end
  object Button1: TButton
    Left = 24
    Top = 48
    Width = 97
    Height = 25
    Caption = 'Красный'
    TabOrder = 0
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 24
    Top = 88
    Width = 97
    Height = 25
    Caption = 'Зелёный'
    TabOrder = 1
    OnClick = Button2Click
  end
  object Button3: TButton
    Left = 24
    Top = 128
    Width = 97
    Height = 25
    Caption = 'Синий'
    TabOrder = 2
    OnClick = Button3Click
  end
  object Button4: TButton
    Left = 24
    Top = 168
    Width = 97
    Height = 25
    Caption = 'Жёлтый'
    TabOrder = 3
    OnClick = Button4Click
  end
  object Button5: TButton
    Left = 320
    Top = 88
    Width = 121
    Height = 25
    Caption = 'Другой цвет...'
    TabOrder = 4
    OnClick = Button5Click
  end
  object Button6: TButton
    Left = 320
    Top = 128
    Width = 121
    Height = 25
    Caption = 'Исходный цвет'
    TabOrder = 5
    OnClick = Button6Click
  end
  object Button7: TButton
    Left = 184
    Top = 248
    Width = 97
    Height = 25
    Caption = 'Выход'
    TabOrder = 6
    OnClick = Button7Click
  end
  object ColorDialog1: TColorDialog
    Left = 408
    Top = 16
  end
end
