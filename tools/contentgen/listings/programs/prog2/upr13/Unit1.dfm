object Form1: TForm1
  Left = 204
  Top = 116
  Width = 536
  Height = 404
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Наблюдение за погодой'
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
  object Label1: TLabel
    Left = 16
    Top = 12
    Width = 316
    Height = 13
    Caption = 'Температура воздуха за неделю, °C (числа можно исправлять):'
  end
  object StringGrid1: TStringGrid
    Left = 16
    Top = 30
    Width = 497
    Height = 51
    ColCount = 8
    DefaultColWidth = 60
    DefaultRowHeight = 22
    RowCount = 2
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
    ScrollBars = ssNone
    TabOrder = 0
  end
  object Button1: TButton
    Left = 16
    Top = 92
    Width = 105
    Height = 25
    Caption = 'Обработать'
    Default = True
    TabOrder = 1
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 136
    Top = 92
    Width = 105
    Height = 25
    Caption = 'Сохранить'
    TabOrder = 2
    OnClick = Button2Click
  end
  object Button3: TButton
    Left = 256
    Top = 92
    Width = 105
    Height = 25
    Caption = 'Загрузить'
    TabOrder = 3
    OnClick = Button3Click
  end
  object PaintBox1: TPaintBox
    Left = 16
    Top = 132
    Width = 281
    Height = 209
    OnPaint = PaintBox1Paint
  end
  object GroupBox1: TGroupBox
    Left = 312
    Top = 128
    Width = 201
    Height = 213
    Caption = 'Итоги недели'
    TabOrder = 4
    object Label2: TLabel
      Left = 12
      Top = 24
      Width = 108
      Height = 26
      Caption = 'Средняя температура:'
    end
    object Label3: TLabel
      Left = 12
      Top = 68
      Width = 101
      Height = 26
      Caption = 'Самый тёплый день:'
    end
    object Label4: TLabel
      Left = 12
      Top = 112
      Width = 113
      Height = 26
      Caption = 'Самый холодный день:'
    end
    object Label5: TLabel
      Left = 12
      Top = 156
      Width = 86
      Height = 13
      Caption = 'Дней с морозом:'
    end
  end
end
