object Form2: TForm2
  Left = 300
  Top = 190
  Width = 420
  Height = 330
  BorderStyle = bsDialog
  Caption = 'Поздравляем!'
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
    Width = 177
    Height = 209
    Stretch = True
  end
  object Label1: TLabel
    Left = 208
    Top = 24
    Width = 112
    Height = 26
    Caption = 'Правильно!'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clGreen
    Font.Height = -21
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label2: TLabel
    Left = 208
    Top = 64
    Width = 193
    Height = 73
    AutoSize = False
    Caption = '12 апреля 1961 года Юрий Гагарин на корабле «Восток» первым из людей облетел Землю.'
    WordWrap = True
  end
  object Label3: TLabel
    Left = 208
    Top = 152
    Width = 193
    Height = 49
    AutoSize = False
    Caption = 'Ты принят в отряд юных космонавтов!'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    WordWrap = True
  end
  object Button1: TButton
    Left = 163
    Top = 248
    Width = 89
    Height = 25
    Caption = 'Ура!'
    ModalResult = 1
    TabOrder = 0
  end
end
