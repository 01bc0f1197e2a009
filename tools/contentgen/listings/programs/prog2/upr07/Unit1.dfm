object Form1: TForm1
  Left = 216
  Top = 128
  Width = 528
  Height = 372
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Статистика документа'
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
  object Memo1: TMemo
    Left = 16
    Top = 16
    Width = 305
    Height = 305
    Lines.Strings = (
      'Delphi 7 вышла в 2002 году.'
      'Это среда быстрой разработки программ для Windows.'
      'Программы в ней пишут на языке Object Pascal!'
      'Сколько здесь слов, букв и предложений?..')
    ScrollBars = ssVertical
    TabOrder = 0
    OnChange = Memo1Change
  end
  object Button1: TButton
    Left = 336
    Top = 16
    Width = 169
    Height = 25
    Caption = 'Открыть файл...'
    TabOrder = 1
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 336
    Top = 48
    Width = 169
    Height = 25
    Caption = 'Подсчитать'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    TabOrder = 2
    OnClick = Button2Click
  end
  object CheckBox1: TCheckBox
    Left = 336
    Top = 84
    Width = 169
    Height = 17
    Caption = 'Пересчитывать при вводе'
    TabOrder = 3
  end
  object Label1: TLabel
    Left = 336
    Top = 116
    Width = 61
    Height = 13
    Caption = 'Статистика:'
  end
  object ListBox1: TListBox
    Left = 336
    Top = 132
    Width = 169
    Height = 189
    Color = clInfoBk
    ItemHeight = 13
    TabOrder = 4
  end
  object OpenDialog1: TOpenDialog
    DefaultExt = 'txt'
    Filter = 'Текстовые файлы (*.txt)|*.txt|Все файлы (*.*)|*.*'
    Left = 272
    Top = 24
  end
end
