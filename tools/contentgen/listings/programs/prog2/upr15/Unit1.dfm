object Form1: TForm1
  Left = 208
  Top = 112
  Width = 536
  Height = 408
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Сортировка слов текста'
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
    Top = 12
    Width = 85
    Height = 13
    Caption = 'Исходный текст:'
  end
  object Memo1: TMemo
    Left = 16
    Top = 28
    Width = 497
    Height = 89
    Lines.Strings = (
      'Ученье свет, а неученье тьма.'
      'Повторенье - мать ученья.'
      'Кто много читает, тот много знает.')
    ScrollBars = ssVertical
    TabOrder = 0
  end
  object RadioGroup1: TRadioGroup
    Left = 16
    Top = 128
    Width = 241
    Height = 89
    Caption = 'Порядок сортировки'
    ItemIndex = 0
    Items.Strings = (
      'По алфавиту (от А до Я)'
      'В обратном порядке (от Я до А)'
      'По длине слова')
    TabOrder = 1
  end
  object CheckBox1: TCheckBox
    Left = 272
    Top = 140
    Width = 201
    Height = 17
    Caption = 'Убрать повторяющиеся слова'
    Checked = True
    State = cbChecked
    TabOrder = 2
  end
  object Button1: TButton
    Left = 272
    Top = 176
    Width = 137
    Height = 33
    Caption = 'Сортировать'
    Default = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    TabOrder = 3
    OnClick = Button1Click
  end
  object Label2: TLabel
    Left = 16
    Top = 228
    Width = 111
    Height = 13
    Caption = 'Слова после сортировки:'
  end
  object ListBox1: TListBox
    Left = 16
    Top = 244
    Width = 497
    Height = 97
    Columns = 4
    ItemHeight = 13
    TabOrder = 4
  end
  object Label3: TLabel
    Left = 16
    Top = 348
    Width = 160
    Height = 13
    Caption = 'Слов в тексте: 0, в списке: 0'
  end
end
