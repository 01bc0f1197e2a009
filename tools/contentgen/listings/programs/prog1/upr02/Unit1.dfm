object Form1: TForm1
  Left = 283
  Top = 190
  Width = 420
  Height = 300
  Caption = 'Ввод текста'
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
    Top = 24
    Width = 85
    Height = 13
    Caption = 'Как тебя зовут?'
  end
  object Label2: TLabel
    Left = 24
    Top = 104
    Width = 361
    Height = 25
    Alignment = taCenter
    AutoSize = False
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clMaroon
    Font.Height = -19
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Edit1: TEdit
    Left = 24
    Top = 44
    Width = 241
    Height = 21
    TabOrder = 0
  end
  object Button1: TButton
    Left = 280
    Top = 42
    Width = 105
    Height = 25
    Caption = 'Поздороваться'
    Default = True
    TabOrder = 1
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 160
    Top = 192
    Width = 89
    Height = 25
    Caption = 'Очистить'
    TabOrder = 2
    OnClick = Button2Click
  end
end
