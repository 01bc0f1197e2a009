object Form1: TForm1
  Left = 246
  Top = 160
  Width = 540
  Height = 380
  Caption = 'Цилиндр'
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
    Width = 103
    Height = 13
    Caption = 'Радиус основания r:'
  end
  object Label2: TLabel
    Left = 24
    Top = 68
    Width = 52
    Height = 13
    Caption = 'Высота h:'
  end
  object Edit1: TEdit
    Left = 160
    Top = 24
    Width = 97
    Height = 21
    TabOrder = 0
    Text = '1,5'
  end
  object Edit2: TEdit
    Left = 160
    Top = 64
    Width = 97
    Height = 21
    TabOrder = 1
    Text = '4'
  end
  object Button1: TButton
    Left = 288
    Top = 42
    Width = 97
    Height = 25
    Caption = 'Вычислить'
    Default = True
    TabOrder = 2
    OnClick = Button1Click
  end
  object GroupBox1: TGroupBox
    Left = 24
    Top = 112
    Width = 481
    Height = 105
    Caption = ' Результаты '
    TabOrder = 3
    object Label3: TLabel
      Left = 16
      Top = 32
      Width = 81
      Height = 19
      Caption = 'Объём V ='
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clNavy
      Font.Height = -16
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label4: TLabel
      Left = 16
      Top = 64
      Width = 209
      Height = 19
      Caption = 'Площадь поверхности S ='
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clNavy
      Font.Height = -16
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
  end
  object Button2: TButton
    Left = 24
    Top = 248
    Width = 97
    Height = 25
    Caption = 'Формулы...'
    TabOrder = 4
    OnClick = Button2Click
  end
  object Button3: TButton
    Left = 408
    Top = 248
    Width = 97
    Height = 25
    Caption = 'Выход'
    TabOrder = 5
    OnClick = Button3Click
  end
end
