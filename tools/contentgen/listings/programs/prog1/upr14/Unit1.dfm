object Form1: TForm1
  Left = 280
  Top = 160
  Width = 450
  Height = 380
  Caption = 'Выбор шрифта'
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
    Top = 16
    Width = 37
    Height = 13
    Caption = 'Шрифт:'
  end
  object Label2: TLabel
    Left = 224
    Top = 16
    Width = 42
    Height = 13
    Caption = 'Размер:'
  end
  object Label3: TLabel
    Left = 312
    Top = 16
    Width = 28
    Height = 13
    Caption = 'Цвет:'
  end
  object ComboBox1: TComboBox
    Left = 16
    Top = 32
    Width = 193
    Height = 21
    Style = csDropDownList
    DropDownCount = 12
    ItemHeight = 13
    Sorted = True
    TabOrder = 0
    OnChange = ComboBox1Change
  end
  object ComboBox2: TComboBox
    Left = 224
    Top = 32
    Width = 73
    Height = 21
    ItemHeight = 13
    TabOrder = 1
    Text = '14'
    OnChange = ComboBox2Change
    Items.Strings = (
      '8'
      '10'
      '12'
      '14'
      '16'
      '20'
      '24'
      '28'
      '36')
  end
  object ComboBox3: TComboBox
    Left = 312
    Top = 32
    Width = 113
    Height = 21
    Style = csDropDownList
    ItemHeight = 13
    ItemIndex = 0
    TabOrder = 2
    Text = 'Чёрный'
    OnChange = ComboBox3Change
    Items.Strings = (
      'Чёрный'
      'Красный'
      'Зелёный'
      'Синий'
      'Фиолетовый')
  end
  object Memo1: TMemo
    Left = 16
    Top = 72
    Width = 409
    Height = 217
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -19
    Font.Name = 'Arial'
    Font.Style = []
    Lines.Strings = (
      'Съешь же ещё этих мягких французских булок, да выпей чаю.')
    ParentFont = False
    ScrollBars = ssVertical
    TabOrder = 3
  end
  object Button1: TButton
    Left = 344
    Top = 304
    Width = 81
    Height = 25
    Caption = 'Выход'
    TabOrder = 4
    OnClick = Button1Click
  end
end
