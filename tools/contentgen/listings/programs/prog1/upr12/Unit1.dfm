object Form1: TForm1
  Left = 246
  Top = 150
  Width = 540
  Height = 400
  Caption = 'Просмотр изображений'
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
    Top = 332
    Width = 81
    Height = 13
    Caption = 'Файл не выбран'
  end
  object Button1: TButton
    Left = 16
    Top = 16
    Width = 97
    Height = 25
    Caption = 'Открыть...'
    TabOrder = 0
    OnClick = Button1Click
  end
  object CheckBox1: TCheckBox
    Left = 136
    Top = 20
    Width = 89
    Height = 17
    Caption = 'Растянуть'
    TabOrder = 1
    OnClick = CheckBox1Click
  end
  object CheckBox2: TCheckBox
    Left = 240
    Top = 20
    Width = 89
    Height = 17
    Caption = 'По центру'
    Checked = True
    State = cbChecked
    TabOrder = 2
    OnClick = CheckBox2Click
  end
  object Button2: TButton
    Left = 424
    Top = 16
    Width = 89
    Height = 25
    Caption = 'Выход'
    TabOrder = 3
    OnClick = Button2Click
  end
  object Panel1: TPanel
    Left = 16
    Top = 56
    Width = 497
    Height = 265
    BevelOuter = bvLowered
    Color = clWhite
    TabOrder = 4
    object Image1: TImage
      Left = 1
      Top = 1
      Width = 495
      Height = 263
      Align = alClient
      Center = True
    end
  end
  object OpenDialog1: TOpenDialog
    Filter = 'Все рисунки|*.bmp;*.jpg;*.jpeg;*.wmf;*.emf;*.ico|Рисунки BMP (*.bmp)|*.bmp|Рисунки JPEG (*.jpg, *.jpeg)|*.jpg;*.jpeg|Метафайлы (*.wmf, *.emf)|*.wmf;*.emf|Значки (*.ico)|*.ico'
    Title = 'Выбери рисунок'
    Left = 352
    Top = 16
  end
end
