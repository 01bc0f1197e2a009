object Form1: TForm1
  Left = 212
  Top = 136
  Width = 536
  Height = 352
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Двумерный массив чисел'
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
    Width = 271
    Height = 13
    Caption = 'Матрица M размером 5 на 5 (числа можно исправлять):'
  end
  object StringGrid1: TStringGrid
    Left = 16
    Top = 30
    Width = 323
    Height = 167
    ColCount = 7
    DefaultColWidth = 44
    DefaultRowHeight = 22
    RowCount = 7
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
    ScrollBars = ssNone
    TabOrder = 0
    OnSelectCell = StringGrid1SelectCell
  end
  object Button1: TButton
    Left = 360
    Top = 30
    Width = 145
    Height = 25
    Caption = 'Заполнить'
    TabOrder = 1
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 360
    Top = 66
    Width = 145
    Height = 25
    Caption = 'Вычислить'
    TabOrder = 2
    OnClick = Button2Click
  end
  object Button3: TButton
    Left = 360
    Top = 102
    Width = 145
    Height = 25
    Caption = 'Транспонировать'
    TabOrder = 3
    OnClick = Button3Click
  end
  object GroupBox1: TGroupBox
    Left = 16
    Top = 212
    Width = 489
    Height = 89
    Caption = 'Результаты'
    TabOrder = 4
    object Label2: TLabel
      Left = 16
      Top = 20
      Width = 177
      Height = 13
      Caption = 'Наибольший элемент: M[1,1] = 0'
    end
    object Label3: TLabel
      Left = 16
      Top = 42
      Width = 150
      Height = 13
      Caption = 'Сумма главной диагонали: 0'
    end
    object Label4: TLabel
      Left = 16
      Top = 64
      Width = 132
      Height = 13
      Caption = 'Сумма всех элементов: 0'
    end
  end
end
