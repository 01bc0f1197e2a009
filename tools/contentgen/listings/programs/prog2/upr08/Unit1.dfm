object Form1: TForm1
  Left = 208
  Top = 124
  Width = 544
  Height = 400
  Caption = 'Блокнот-шифровальщик'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Menu = MainMenu1
  OldCreateOrder = False
  Position = poScreenCenter
  OnCloseQuery = FormCloseQuery
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 536
    Height = 37
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object Label1: TLabel
      Left = 8
      Top = 12
      Width = 63
      Height = 13
      Caption = 'Ключ шифра:'
    end
    object SpinEdit1: TSpinEdit
      Left = 80
      Top = 8
      Width = 49
      Height = 22
      MaxValue = 25
      MinValue = 1
      TabOrder = 0
      Value = 3
    end
    object Label2: TLabel
      Left = 144
      Top = 12
      Width = 326
      Height = 13
      Caption = 'Шифр Цезаря: буквы сдвигаются по алфавиту на ключ позиций'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clGray
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      ParentFont = False
    end
  end
  object Memo1: TMemo
    Left = 0
    Top = 37
    Width = 536
    Height = 317
    Align = alClient
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'Courier New'
    Font.Style = []
    ParentFont = False
    ScrollBars = ssVertical
    TabOrder = 1
  end
  object MainMenu1: TMainMenu
    Left = 472
    Top = 48
    object NFile: TMenuItem
      Caption = 'Файл'
      object NNew: TMenuItem
        Caption = 'Новый'
        ShortCut = 16462
        OnClick = NNewClick
      end
      object NOpen: TMenuItem
        Caption = 'Открыть...'
        ShortCut = 16463
        OnClick = NOpenClick
      end
      object NSave: TMenuItem
        Caption = 'Сохранить'
        ShortCut = 16467
        OnClick = NSaveClick
      end
      object NSaveAs: TMenuItem
        Caption = 'Сохранить как...'
        OnClick = NSaveAsClick
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object NExit: TMenuItem
        Caption = 'Выход'
        OnClick = NExitClick
      end
    end
    object NCipher: TMenuItem
      Caption = 'Шифр'
      object NEncrypt: TMenuItem
        Caption = 'Зашифровать'
        ShortCut = 116
        OnClick = NEncryptClick
      end
      object NDecrypt: TMenuItem
        Caption = 'Расшифровать'
        ShortCut = 117
        OnClick = NDecryptClick
      end
    end
  end
  object OpenDialog1: TOpenDialog
    DefaultExt = 'txt'
    Filter = 'Текстовые файлы (*.txt)|*.txt|Все файлы (*.*)|*.*'
    Left = 472
    Top = 80
  end
  object SaveDialog1: TSaveDialog
    DefaultExt = 'txt'
    Filter = 'Текстовые файлы (*.txt)|*.txt|Все файлы (*.*)|*.*'
    Options = [ofOverwritePrompt, ofHideReadOnly, ofEnableSizing]
    Left = 504
    Top = 80
  end
end
