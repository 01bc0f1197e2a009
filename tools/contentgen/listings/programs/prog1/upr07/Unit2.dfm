object Form2: TForm2
  Left = 300
  Top = 190
  Width = 420
  Height = 330
  BorderStyle = bsDialog
  Caption = 'Формулы для цилиндра'
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
    Width = 161
    Height = 201
    Stretch = True
  end
  object Label1: TLabel
    Left = 192
    Top = 24
    Width = 99
    Height = 13
    Caption = 'Объём цилиндра:'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label2: TLabel
    Left = 192
    Top = 44
    Width = 101
    Height = 16
    Caption = 'V = Pi * r * r * h'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -13
    Font.Name = 'Courier New'
    Font.Style = []
    ParentFont = False
  end
  object Label3: TLabel
    Left = 192
    Top = 80
    Width = 176
    Height = 13
    Caption = 'Площадь полной поверхности:'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label4: TLabel
    Left = 192
    Top = 100
    Width = 165
    Height = 16
    Caption = 'S = 2 * Pi * r * (r + h)'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -13
    Font.Name = 'Courier New'
    Font.Style = []
    ParentFont = False
  end
  object Label5: TLabel
    Left = 192
    Top = 136
    Width = 74
    Height = 13
    Caption = 'Pi = 3,14159...'
  end
  object Button1: TButton
    Left = 163
    Top = 248
    Width = 89
    Height = 25
    Caption = 'Закрыть'
    ModalResult = 1
    TabOrder = 0
  end
end
