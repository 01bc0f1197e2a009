object Form1: TForm1
  Left = 230
  Top = 140
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Автогенератор тестов'
  ClientHeight = 369
  ClientWidth = 542
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 136
    Top = 14
    Width = 108
    Height = 13
    Caption = 'Вопросов в варианте:'
  end
  object Label2: TLabel
    Left = 8
    Top = 40
    Width = 525
    Height = 13
    AutoSize = False
    Caption = 'Файл теста не выбран'
  end
  object Label5: TLabel
    Left = 8
    Top = 340
    Width = 525
    Height = 16
    AutoSize = False
    Caption = 'Верных ответов: 0 из 0'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clGreen
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Button1: TButton
    Left = 8
    Top = 8
    Width = 113
    Height = 25
    Caption = 'Открыть тест...'
    TabOrder = 0
    OnClick = Button1Click
  end
  object SpinEdit1: TSpinEdit
    Left = 248
    Top = 10
    Width = 49
    Height = 22
    MaxValue = 50
    MinValue = 1
    TabOrder = 1
    Value = 10
  end
  object Button2: TButton
    Left = 312
    Top = 8
    Width = 113
    Height = 25
    Caption = 'Новый вариант'
    Enabled = False
    TabOrder = 2
    OnClick = Button2Click
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 60
    Width = 525
    Height = 93
    Caption = ' Вопрос '
    TabOrder = 3
    object Label3: TLabel
      Left = 16
      Top = 20
      Width = 497
      Height = 33
      AutoSize = False
      Caption = 'Открой файл теста, например C:\DELPHIFILES\TEST1.txt'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clNavy
      Font.Height = -13
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
      WordWrap = True
    end
    object Label4: TLabel
      Left = 16
      Top = 64
      Width = 36
      Height = 13
      Caption = 'Ответ:'
    end
    object Edit1: TEdit
      Left = 64
      Top = 60
      Width = 305
      Height = 21
      Enabled = False
      TabOrder = 0
    end
    object Button3: TButton
      Left = 384
      Top = 58
      Width = 89
      Height = 25
      Caption = 'Ответить'
      Default = True
      Enabled = False
      TabOrder = 1
      OnClick = Button3Click
    end
  end
  object ListView1: TListView
    Left = 8
    Top = 164
    Width = 525
    Height = 165
    Columns = <
      item
        Caption = '№'
        Width = 30
      end
      item
        Caption = 'Вопрос'
        Width = 240
      end
      item
        Caption = 'Твой ответ'
        Width = 85
      end
      item
        Caption = 'Верный ответ'
        Width = 85
      end
      item
        Caption = 'Итог'
        Width = 60
      end>
    GridLines = True
    ReadOnly = True
    RowSelect = True
    TabOrder = 4
    ViewStyle = vsReport
  end
  object OpenDialog1: TOpenDialog
    Filter = 'Тесты (*.txt)|*.txt|Все файлы (*.*)|*.*'
    InitialDir = 'C:\DELPHIFILES'
    Title = 'Открыть файл теста'
    Left = 448
    Top = 8
  end
end
