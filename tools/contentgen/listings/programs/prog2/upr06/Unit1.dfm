object Form1: TForm1
  Left = 228
  Top = 160
  Width = 476
  Height = 280
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Копирование файлов'
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
    Top = 16
    Width = 87
    Height = 13
    Caption = 'Исходный файл:'
  end
  object Edit1: TEdit
    Left = 16
    Top = 32
    Width = 329
    Height = 21
    TabOrder = 0
  end
  object Button1: TButton
    Left = 360
    Top = 30
    Width = 89
    Height = 25
    Caption = 'Обзор...'
    TabOrder = 1
    OnClick = Button1Click
  end
  object Label2: TLabel
    Left = 16
    Top = 68
    Width = 88
    Height = 13
    Caption = 'Куда копировать:'
  end
  object Edit2: TEdit
    Left = 16
    Top = 84
    Width = 329
    Height = 21
    TabOrder = 2
  end
  object Button2: TButton
    Left = 360
    Top = 82
    Width = 89
    Height = 25
    Caption = 'Обзор...'
    TabOrder = 3
    OnClick = Button2Click
  end
  object Button3: TButton
    Left = 16
    Top = 124
    Width = 433
    Height = 29
    Caption = 'Копировать'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    TabOrder = 4
    OnClick = Button3Click
  end
  object ProgressBar1: TProgressBar
    Left = 16
    Top = 168
    Width = 433
    Height = 17
    Smooth = True
    TabOrder = 5
  end
  object Label3: TLabel
    Left = 16
    Top = 196
    Width = 180
    Height = 13
    Caption = 'Выберите файл и нажмите «Копировать»'
  end
  object OpenDialog1: TOpenDialog
    Filter = 'Все файлы (*.*)|*.*'
    Title = 'Какой файл копировать?'
    Left = 392
    Top = 192
  end
  object SaveDialog1: TSaveDialog
    Filter = 'Все файлы (*.*)|*.*'
    Title = 'Куда сохранить копию?'
    Left = 424
    Top = 192
  end
end
