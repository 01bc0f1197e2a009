object Form1: TForm1
  Left = 260
  Top = 170
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Конвертер BMP - ICO'
  ClientHeight = 297
  ClientWidth = 401
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
    Left = 8
    Top = 8
    Width = 127
    Height = 13
    Caption = 'Исходный рисунок (BMP):'
  end
  object Label2: TLabel
    Left = 224
    Top = 8
    Width = 77
    Height = 13
    Caption = 'Значок 32 x 32:'
  end
  object Label3: TLabel
    Left = 224
    Top = 72
    Width = 128
    Height = 13
    Caption = 'Увеличено в четыре раза:'
  end
  object Image1: TImage
    Left = 8
    Top = 24
    Width = 193
    Height = 193
    Center = True
    Stretch = True
  end
  object Image2: TImage
    Left = 224
    Top = 28
    Width = 32
    Height = 32
    Center = True
  end
  object Image3: TImage
    Left = 224
    Top = 88
    Width = 128
    Height = 128
    Stretch = True
  end
  object Button1: TButton
    Left = 8
    Top = 232
    Width = 121
    Height = 25
    Caption = 'Открыть BMP...'
    TabOrder = 0
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 8
    Top = 264
    Width = 121
    Height = 25
    Caption = 'Сохранить ICO...'
    Enabled = False
    TabOrder = 1
    OnClick = Button2Click
  end
  object CheckBox1: TCheckBox
    Left = 224
    Top = 236
    Width = 169
    Height = 17
    Caption = 'Прозрачный фон'
    TabOrder = 2
    OnClick = CheckBox1Click
  end
  object ImageList1: TImageList
    Height = 32
    Width = 32
    Left = 152
    Top = 248
  end
  object OpenPictureDialog1: TOpenPictureDialog
    Filter = 'Рисунки BMP (*.bmp)|*.bmp'
    Title = 'Выбери рисунок'
    Left = 184
    Top = 248
  end
  object SaveDialog1: TSaveDialog
    DefaultExt = 'ico'
    Filter = 'Значки (*.ico)|*.ico'
    Options = [ofOverwritePrompt, ofHideReadOnly, ofEnableSizing]
    Title = 'Сохранить значок'
    Left = 216
    Top = 264
  end
end
