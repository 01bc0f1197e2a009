object Form1: TForm1
  Left = 244
  Top = 150
  Width = 448
  Height = 360
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Вычисление факториала'
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
    Left = 16
    Top = 20
    Width = 113
    Height = 13
    Caption = 'Число n (от 0 до 20):'
  end
  object SpinEdit1: TSpinEdit
    Left = 136
    Top = 16
    Width = 65
    Height = 22
    MaxValue = 20
    MinValue = 0
    TabOrder = 0
    Value = 5
  end
  object Button1: TButton
    Left = 216
    Top = 14
    Width = 97
    Height = 25
    Caption = 'Вычислить'
    Default = True
    TabOrder = 1
    OnClick = Button1Click
  end
  object Label2: TLabel
    Left = 16
    Top = 60
    Width = 31
    Height = 20
    Caption = 'n! ='
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -16
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Edit1: TEdit
    Left = 56
    Top = 56
    Width = 257
    Height = 28
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clMaroon
    Font.Height = -16
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    ReadOnly = True
    TabOrder = 2
  end
  object Label3: TLabel
    Left = 16
    Top = 100
    Width = 110
    Height = 13
    Caption = 'Таблица факториалов:'
  end
  object Memo1: TMemo
    Left = 16
    Top = 116
    Width = 297
    Height = 193
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'Courier New'
    Font.Style = []
    ParentFont = False
    ReadOnly = True
    ScrollBars = ssVertical
    TabOrder = 3
  end
  object Button2: TButton
    Left = 328
    Top = 14
    Width = 89
    Height = 25
    Caption = 'Что такое n! ?'
    TabOrder = 4
    OnClick = Button2Click
  end
end
