object Form1: TForm1
  Left = 270
  Top = 170
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Стрелочные часы'
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
    Width = 249
    Height = 249
    OnPaint = PaintBox1Paint
  end
  object Label1: TLabel
    Left = 272
    Top = 168
    Width = 88
    Height = 26
    Caption = '12:00:00'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -21
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label2: TLabel
    Left = 272
    Top = 200
    Width = 69
    Height = 13
    Caption = '01.01.2004'
  end
  object RadioGroup1: TRadioGroup
    Left = 272
    Top = 8
    Width = 121
    Height = 89
    Caption = ' Циферблат '
    ItemIndex = 0
    Items.Strings = (
      'Светлый'
      'Тёмный'
      'Морской')
    TabOrder = 0
    OnClick = OptionClick
  end
  object CheckBox1: TCheckBox
    Left = 272
    Top = 108
    Width = 121
    Height = 17
    Caption = 'Секундная стрелка'
    Checked = True
    State = cbChecked
    TabOrder = 1
    OnClick = OptionClick
  end
  object CheckBox2: TCheckBox
    Left = 272
    Top = 132
    Width = 121
    Height = 17
    Caption = 'Цифры'
    Checked = True
    State = cbChecked
    TabOrder = 2
    OnClick = OptionClick
  end
  object Button1: TButton
    Left = 312
    Top = 264
    Width = 81
    Height = 25
    Caption = 'Выход'
    TabOrder = 3
    OnClick = Button1Click
  end
  object Timer1: TTimer
    OnTimer = Timer1Timer
    Left = 272
    Top = 232
  end
end
