object Form1: TForm1
  Left = 260
  Top = 170
  Width = 440
  Height = 330
  AlphaBlend = True
  BorderStyle = bsSingle
  Caption = 'Программируем эффекты'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  OnClose = FormClose
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object GroupBox1: TGroupBox
    Left = 8
    Top = 8
    Width = 417
    Height = 97
    Caption = 'Прозрачность окна'
    TabOrder = 0
    object Label1: TLabel
      Left = 16
      Top = 24
      Width = 105
      Height = 13
      Caption = 'Непрозрачность: 255'
    end
    object TrackBar1: TTrackBar
      Left = 8
      Top = 44
      Width = 401
      Height = 41
      Frequency = 25
      Max = 255
      Min = 50
      Position = 255
      TabOrder = 0
      OnChange = TrackBar1Change
    end
  end
  object GroupBox2: TGroupBox
    Left = 8
    Top = 112
    Width = 417
    Height = 137
    Caption = 'Значок в области уведомлений (в трее)'
    TabOrder = 1
    object Label2: TLabel
      Left = 192
      Top = 88
      Width = 209
      Height = 33
      AutoSize = False
      Caption = 'Щелчок по значку возвращает окно, правая кнопка мыши открывает меню.'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clGray
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      ParentFont = False
      WordWrap = True
    end
    object CheckBox1: TCheckBox
      Left = 16
      Top = 28
      Width = 201
      Height = 17
      Caption = 'Показать значок в трее'
      TabOrder = 0
      OnClick = CheckBox1Click
    end
    object CheckBox2: TCheckBox
      Left = 16
      Top = 56
      Width = 201
      Height = 17
      Caption = 'Мигание значка'
      Enabled = False
      TabOrder = 1
      OnClick = CheckBox2Click
    end
    object Button1: TButton
      Left = 16
      Top = 88
      Width = 161
      Height = 33
      Caption = 'Спрятать окно в трей'
      TabOrder = 2
      OnClick = Button1Click
    end
  end
  object Button2: TButton
    Left = 336
    Top = 260
    Width = 89
    Height = 25
    Caption = 'Выход'
    TabOrder = 2
    OnClick = Button2Click
  end
  object Timer1: TTimer
    Interval = 20
    OnTimer = Timer1Timer
    Left = 16
    Top = 256
  end
  object Timer2: TTimer
    Enabled = False
    Interval = 500
    OnTimer = Timer2Timer
    Left = 56
    Top = 256
  end
  object PopupMenu1: TPopupMenu
    Left = 96
    Top = 256
    object N1: TMenuItem
      Caption = 'Показать окно'
      OnClick = N1Click
    end
    object N2: TMenuItem
      Caption = '-'
    end
    object N3: TMenuItem
      Caption = 'Выход'
      OnClick = N3Click
    end
  end
end
