object Form1: TForm1
  Left = 275
  Top = 183
  Width = 450
  Height = 300
  Caption = 'Моя первая программа'
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
    Top = 32
    Width = 393
    Height = 25
    Alignment = taCenter
    AutoSize = False
    Caption = 'Нажми на кнопку!'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -19
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Button1: TButton
    Left = 120
    Top = 112
    Width = 193
    Height = 33
    Caption = 'Показать приветствие'
    TabOrder = 0
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 176
    Top = 184
    Width = 81
    Height = 25
    Caption = 'Выход'
    TabOrder = 1
    OnClick = Button2Click
  end
end
