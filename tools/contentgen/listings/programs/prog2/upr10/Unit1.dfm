object Form1: TForm1
  Left = 212
  Top = 140
  Width = 536
  Height = 352
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Линейный массив чисел'
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
    Width = 272
    Height = 13
    Caption = 'Массив A из 10 целых чисел (числа можно исправлять):'
  end
  object StringGrid1: TStringGrid
    Left = 16
    Top = 30
    Width = 495
    Height = 47
    ColCount = 10
    DefaultColWidth = 48
    DefaultRowHeight = 20
    FixedCols = 0
    RowCount = 2
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
    ScrollBars = ssNone
    TabOrder = 0
  end
  object Button1: TButton
    Left = 16
    Top = 92
    Width = 185
    Height = 25
    Caption = 'Заполнить случайными числами'
    TabOrder = 1
    OnClick = Button1Click
  end
  object RadioGroup1: TRadioGroup
    Left = 16
    Top = 132
    Width = 265
    Height = 169
    Caption = 'Что сделать с массивом'
    ItemIndex = 0
    Items.Strings = (
      'Найти сумму элементов'
      'Найти среднее арифметическое'
      'Найти наибольший элемент'
      'Найти наименьший элемент'
      'Подсчитать отрицательные элементы'
      'Упорядочить по возрастанию')
    TabOrder = 2
  end
  object Button2: TButton
    Left = 296
    Top = 140
    Width = 105
    Height = 25
    Caption = 'Выполнить'
    Default = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    TabOrder = 3
    OnClick = Button2Click
  end
  object Label2: TLabel
    Left = 296
    Top = 184
    Width = 59
    Height = 13
    Caption = 'Результат:'
  end
  object Label3: TLabel
    Left = 296
    Top = 204
    Width = 209
    Height = 41
    AutoSize = False
    Caption = 'Сумма элементов: 37'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    WordWrap = True
  end
end
