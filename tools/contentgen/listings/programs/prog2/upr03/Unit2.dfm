object Form2: TForm2
  Left = 300
  Top = 220
  BorderStyle = bsDialog
  Caption = 'Подсказка'
  ClientHeight = 185
  ClientWidth = 377
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poMainFormCenter
  PixelsPerInch = 96
  TextHeight = 13
  object Image1: TImage
    Left = 16
    Top = 16
    Width = 97
    Height = 113
    Stretch = True
  end
  object Label1: TLabel
    Left = 128
    Top = 16
    Width = 233
    Height = 105
    AutoSize = False
    Caption = 'Факториал числа n — это произведение всех натуральных чисел от 1 до n. Например, 5! = 1·2·3·4·5 = 120. По определению 0! = 1.'
    WordWrap = True
  end
  object Button1: TButton
    Left = 152
    Top = 144
    Width = 75
    Height = 25
    Caption = 'Понятно'
    Default = True
    ModalResult = 1
    TabOrder = 0
  end
end
