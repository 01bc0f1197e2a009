object Form1: TForm1
  Left = 230
  Top = 150
  Width = 552
  Height = 372
  BorderStyle = bsSingle
  Caption = 'Две головоломки'
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
  object GroupBox1: TGroupBox
    Left = 8
    Top = 8
    Width = 257
    Height = 321
    Caption = 'Пятнашки'
    TabOrder = 0
    object Label3: TLabel
      Left = 16
      Top = 20
      Width = 225
      Height = 39
      AutoSize = False
      Caption = 'Щёлкни по фишке рядом с пустой клеткой — она переедет на пустое место. Расставь фишки по порядку от 1 до 15.'
      WordWrap = True
    end
    object Label1: TLabel
      Left = 140
      Top = 254
      Width = 45
      Height = 13
      Caption = 'Ходов: 0'
    end
    object StringGrid1: TStringGrid
      Left = 44
      Top = 68
      Width = 169
      Height = 169
      ColCount = 4
      DefaultColWidth = 40
      DefaultRowHeight = 40
      FixedCols = 0
      RowCount = 4
      FixedRows = 0
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clNavy
      Font.Height = -21
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine]
      ParentFont = False
      ScrollBars = ssNone
      TabOrder = 0
      OnDrawCell = StringGrid1DrawCell
      OnMouseDown = StringGrid1MouseDown
    end
    object Button1: TButton
      Left = 44
      Top = 248
      Width = 81
      Height = 25
      Caption = 'Перемешать'
      TabOrder = 1
      OnClick = Button1Click
    end
  end
  object GroupBox2: TGroupBox
    Left = 280
    Top = 8
    Width = 257
    Height = 321
    Caption = 'Перевёртыш'
    TabOrder = 1
    object Label4: TLabel
      Left = 16
      Top = 20
      Width = 225
      Height = 65
      AutoSize = False
      Caption = 'Щёлкни по цифре — все цифры от начала ряда до неё встанут в обратном порядке. Расставь цифры от 1 до 9 по возрастанию.'
      WordWrap = True
    end
    object Label2: TLabel
      Left = 110
      Top = 254
      Width = 45
      Height = 13
      Caption = 'Ходов: 0'
    end
    object StringGrid2: TStringGrid
      Left = 14
      Top = 100
      Width = 229
      Height = 33
      ColCount = 9
      DefaultColWidth = 24
      DefaultRowHeight = 28
      FixedCols = 0
      RowCount = 1
      FixedRows = 0
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clMaroon
      Font.Height = -16
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine]
      ParentFont = False
      ScrollBars = ssNone
      TabOrder = 0
      OnDrawCell = StringGrid1DrawCell
      OnMouseDown = StringGrid2MouseDown
    end
    object Button2: TButton
      Left = 14
      Top = 248
      Width = 81
      Height = 25
      Caption = 'Перемешать'
      TabOrder = 1
      OnClick = Button2Click
    end
  end
end
