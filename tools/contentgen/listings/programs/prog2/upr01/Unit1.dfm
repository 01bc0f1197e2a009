object Form1: TForm1
  Left = 228
  Top = 146
  Width = 468
  Height = 356
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Квадратное уравнение'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Menu = MainMenu1
  OldCreateOrder = False
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 16
    Top = 12
    Width = 263
    Height = 16
    Caption = 'Уравнение вида  a·x^2 + b·x + c = 0'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label2: TLabel
    Left = 16
    Top = 48
    Width = 19
    Height = 13
    Caption = 'a ='
  end
  object Label3: TLabel
    Left = 160
    Top = 48
    Width = 19
    Height = 13
    Caption = 'b ='
  end
  object Label4: TLabel
    Left = 304
    Top = 48
    Width = 19
    Height = 13
    Caption = 'c ='
  end
  object Edit1: TEdit
    Left = 40
    Top = 44
    Width = 97
    Height = 21
    TabOrder = 0
    Text = '1'
  end
  object Edit2: TEdit
    Left = 184
    Top = 44
    Width = 97
    Height = 21
    TabOrder = 1
    Text = '-5'
  end
  object Edit3: TEdit
    Left = 328
    Top = 44
    Width = 97
    Height = 21
    TabOrder = 2
    Text = '6'
  end
  object Button1: TButton
    Left = 16
    Top = 84
    Width = 105
    Height = 25
    Caption = 'Решить'
    Default = True
    TabOrder = 3
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 136
    Top = 84
    Width = 105
    Height = 25
    Caption = 'Очистить'
    TabOrder = 4
    OnClick = Button2Click
  end
  object GroupBox1: TGroupBox
    Left = 16
    Top = 124
    Width = 425
    Height = 161
    Caption = 'Результат'
    TabOrder = 5
    object Memo1: TMemo
      Left = 12
      Top = 20
      Width = 401
      Height = 129
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -13
      Font.Name = 'Courier New'
      Font.Style = []
      ParentFont = False
      ReadOnly = True
      TabOrder = 0
    end
  end
  object MainMenu1: TMainMenu
    Left = 400
    Top = 8
    object NEquation: TMenuItem
      Caption = 'Уравнение'
      object NSolve: TMenuItem
        Caption = 'Решить'
        OnClick = Button1Click
      end
      object NClear: TMenuItem
        Caption = 'Очистить'
        OnClick = Button2Click
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object NExit: TMenuItem
        Caption = 'Выход'
        OnClick = NExitClick
      end
    end
    object NHelp: TMenuItem
      Caption = 'Справка'
      object NAbout: TMenuItem
        Caption = 'О программе'
        OnClick = NAboutClick
      end
    end
  end
end
