object Form2: TForm2
  Left = 300
  Top = 220
  BorderStyle = bsDialog
  Caption = 'Корней нет'
  ClientHeight = 177
  ClientWidth = 361
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
    Width = 113
    Height = 113
    Stretch = True
  end
  object Label1: TLabel
    Left = 144
    Top = 40
    Width = 150
    Height = 13
    Caption = 'Дискриминант меньше нуля.'
  end
  object Label2: TLabel
    Left = 144
    Top = 64
    Width = 172
    Height = 16
    Caption = 'Действительных корней нет!'
    Font.Charset = RUSSIAN_CHARSET
    Font.Color = clMaroon
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Button1: TButton
    Left = 144
    Top = 136
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 0
  end
end
