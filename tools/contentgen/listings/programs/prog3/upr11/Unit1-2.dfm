object Form1: TForm1
  Left = 250
  Top = 160
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Органайзер'
  ClientHeight = 299
  ClientWidth = 402
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
    Left = 208
    Top = 8
    Width = 113
    Height = 13
    Caption = 'Дела на 01.01.2004:'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label2: TLabel
    Left = 8
    Top = 276
    Width = 86
    Height = 13
    Caption = 'Всего записей: 0'
  end
  object MonthCalendar1: TMonthCalendar
    Left = 8
    Top = 8
    Width = 191
    Height = 154
    Date = 38000.000000000000000000
    TabOrder = 0
    OnClick = MonthCalendar1Click
  end
  object ListBox1: TListBox
    Left = 208
    Top = 28
    Width = 185
    Height = 261
    ItemHeight = 13
    TabOrder = 1
    OnDblClick = Button2Click
  end
  object Button1: TButton
    Left = 8
    Top = 176
    Width = 89
    Height = 25
    Caption = 'Добавить...'
    TabOrder = 2
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 110
    Top = 176
    Width = 89
    Height = 25
    Caption = 'Изменить...'
    TabOrder = 3
    OnClick = Button2Click
  end
  object Button3: TButton
    Left = 8
    Top = 208
    Width = 89
    Height = 25
    Caption = 'Удалить'
    TabOrder = 4
    OnClick = Button3Click
  end
  object Button4: TButton
    Left = 110
    Top = 208
    Width = 89
    Height = 25
    Caption = 'Сегодня'
    TabOrder = 5
    OnClick = Button4Click
  end
end
object Form2: TForm2
  Left = 300
  Top = 220
  BorderStyle = bsDialog
  Caption = 'Запись'
  ClientHeight = 145
  ClientWidth = 321
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poMainFormCenter
  OnCloseQuery = FormCloseQuery
  OnShow = FormShow
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 16
    Top = 20
    Width = 36
    Height = 13
    Caption = 'Время:'
  end
  object Label2: TLabel
    Left = 16
    Top = 56
    Width = 67
    Height = 13
    Caption = 'Что сделать:'
  end
  object DateTimePicker1: TDateTimePicker
    Left = 80
    Top = 16
    Width = 89
    Height = 21
    Date = 38000.500000000000000000
    Time = 38000.500000000000000000
    Kind = dtkTime
    TabOrder = 0
  end
  object Edit1: TEdit
    Left = 16
    Top = 72
    Width = 289
    Height = 21
    TabOrder = 1
  end
  object Button1: TButton
    Left = 136
    Top = 108
    Width = 81
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 2
  end
  object Button2: TButton
    Left = 224
    Top = 108
    Width = 81
    Height = 25
    Cancel = True
    Caption = 'Отмена'
    ModalResult = 2
    TabOrder = 3
  end
end
