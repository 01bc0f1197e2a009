object Form1: TForm1
  Left = 283
  Top = 190
  Width = 420
  Height = 300
  Caption = 'Сложение двух чисел'
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
    Top = 28
    Width = 71
    Height = 13
    Caption = 'Первое число:'
  end
  object Label2: TLabel
    Left = 24
    Top = 68
    Width = 70
    Height = 13
    Caption = 'Второе число:'
  end
  object Label3: TLabel
    Left = 24
    Top = 124
    Width = 48
    Height = 16
    Caption = 'Сумма:'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label4: TLabel
    Left = 136
    Top = 120
    Width = 11
    Height = 22
    Caption = '0'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -19
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Edit1: TEdit
    Left = 136
    Top = 24
    Width = 121
    Height = 21
    TabOrder = 0
    Text = '0'
  end
  object Edit2: TEdit
    Left = 136
    Top = 64
    Width = 121
    Height = 21
    TabOrder = 1
    Text = '0'
  end
  object Button1: TButton
    Left = 280
    Top = 42
    Width = 97
    Height = 25
    Caption = 'Сложить'
    Default = True
    TabOrder = 2
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 160
    Top = 200
    Width = 97
    Height = 25
    Caption = 'Очистить'
    TabOrder = 3
    OnClick = Button2Click
  end
end
