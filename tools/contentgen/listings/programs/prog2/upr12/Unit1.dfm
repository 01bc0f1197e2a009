object Form1: TForm1
  Left = 208
  Top = 120
  Width = 536
  Height = 384
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Графический текст'
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
  object Image1: TImage
    Left = 16
    Top = 16
    Width = 497
    Height = 177
  end
  object Label1: TLabel
    Left = 16
    Top = 212
    Width = 33
    Height = 13
    Caption = 'Текст:'
  end
  object Edit1: TEdit
    Left = 64
    Top = 208
    Width = 193
    Height = 21
    TabOrder = 0
    Text = 'Delphi 7'
    OnChange = Edit1Change
  end
  object Label2: TLabel
    Left = 16
    Top = 244
    Width = 37
    Height = 13
    Caption = 'Шрифт:'
  end
  object ComboBox1: TComboBox
    Left = 64
    Top = 240
    Width = 193
    Height = 21
    Style = csDropDownList
    ItemHeight = 13
    Sorted = True
    TabOrder = 1
    OnChange = Edit1Change
  end
  object Label3: TLabel
    Left = 16
    Top = 276
    Width = 42
    Height = 13
    Caption = 'Размер:'
  end
  object SpinEdit1: TSpinEdit
    Left = 64
    Top = 272
    Width = 57
    Height = 22
    MaxValue = 96
    MinValue = 8
    TabOrder = 2
    Value = 48
    OnChange = Edit1Change
  end
  object Button1: TButton
    Left = 136
    Top = 271
    Width = 81
    Height = 25
    Caption = 'Цвет...'
    TabOrder = 3
    OnClick = Button1Click
  end
  object Shape1: TShape
    Left = 224
    Top = 272
    Width = 33
    Height = 23
    Brush.Color = clRed
  end
  object RadioGroup1: TRadioGroup
    Left = 280
    Top = 202
    Width = 233
    Height = 95
    Caption = 'Эффект'
    Columns = 2
    ItemIndex = 1
    Items.Strings = (
      'Обычный'
      'С тенью'
      'Контурный'
      'Объёмный')
    TabOrder = 4
    OnClick = Edit1Change
  end
  object Button2: TButton
    Left = 16
    Top = 312
    Width = 145
    Height = 25
    Caption = 'Сохранить рисунок...'
    TabOrder = 5
    OnClick = Button2Click
  end
  object ColorDialog1: TColorDialog
    Left = 416
    Top = 304
  end
  object SaveDialog1: TSaveDialog
    DefaultExt = 'bmp'
    Filter = 'Рисунок BMP (*.bmp)|*.bmp'
    Options = [ofOverwritePrompt, ofHideReadOnly, ofEnableSizing]
    Left = 448
    Top = 304
  end
end
