object Form1: TForm1
  Left = 250
  Top = 180
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Поиск файлов на диске'
  ClientHeight = 271
  ClientWidth = 492
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  OnClose = FormClose
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 8
    Top = 12
    Width = 60
    Height = 13
    Caption = 'Где искать:'
  end
  object Label2: TLabel
    Left = 8
    Top = 44
    Width = 64
    Height = 13
    Caption = 'Маска файла:'
  end
  object Label3: TLabel
    Left = 8
    Top = 244
    Width = 385
    Height = 13
    AutoSize = False
    Caption = 'Найдено файлов: 0'
  end
  object Edit1: TEdit
    Left = 80
    Top = 8
    Width = 313
    Height = 21
    TabOrder = 0
    Text = 'C:\'
  end
  object Button1: TButton
    Left = 400
    Top = 6
    Width = 85
    Height = 25
    Caption = 'Обзор...'
    TabOrder = 1
    OnClick = Button1Click
  end
  object Edit2: TEdit
    Left = 80
    Top = 40
    Width = 145
    Height = 21
    TabOrder = 2
    Text = '*.txt'
  end
  object CheckBox1: TCheckBox
    Left = 240
    Top = 42
    Width = 145
    Height = 17
    Caption = 'Во вложенных папках'
    Checked = True
    State = cbChecked
    TabOrder = 3
  end
  object Button2: TButton
    Left = 400
    Top = 38
    Width = 85
    Height = 25
    Caption = 'Найти'
    Default = True
    TabOrder = 4
    OnClick = Button2Click
  end
  object ListBox1: TListBox
    Left = 8
    Top = 72
    Width = 477
    Height = 161
    ItemHeight = 13
    TabOrder = 5
    OnDblClick = ListBox1DblClick
  end
  object Button3: TButton
    Left = 400
    Top = 238
    Width = 85
    Height = 25
    Caption = 'Остановить'
    Enabled = False
    TabOrder = 6
    OnClick = Button3Click
  end
end
