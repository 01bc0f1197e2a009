object Form1: TForm1
  Left = 246
  Top = 160
  Width = 540
  Height = 380
  Caption = 'Космическая викторина'
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
    Width = 228
    Height = 22
    Caption = 'Космическая викторина'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -19
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label2: TLabel
    Left = 24
    Top = 180
    Width = 92
    Height = 13
    Caption = 'Твой ответ (год):'
  end
  object Label3: TLabel
    Left = 24
    Top = 224
    Width = 481
    Height = 41
    AutoSize = False
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clRed
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    WordWrap = True
  end
  object Memo1: TMemo
    Left = 24
    Top = 48
    Width = 481
    Height = 105
    Color = clInfoBk
    Lines.Strings = (
      'Ответь на вопрос и узнай, возьмут ли тебя в отряд юных космонавтов.'
      ''
      'Вопрос: в каком году человек впервые полетел в космос?'
      'Введи год в поле ниже и нажми кнопку «Проверить».')
    ReadOnly = True
    TabOrder = 0
    TabStop = False
  end
  object Edit1: TEdit
    Left = 136
    Top = 176
    Width = 81
    Height = 21
    TabOrder = 1
  end
  object Button1: TButton
    Left = 232
    Top = 174
    Width = 97
    Height = 25
    Caption = 'Проверить'
    Default = True
    TabOrder = 2
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 424
    Top = 296
    Width = 81
    Height = 25
    Caption = 'Выход'
    TabOrder = 3
    OnClick = Button2Click
  end
end
