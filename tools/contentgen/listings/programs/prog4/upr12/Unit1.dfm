object Form1: TForm1
  Left = 280
  Top = 190
  Width = 420
  Height = 300
  BorderStyle = bsSingle
  Caption = 'Счётчик пробега мышки'
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
    Width = 393
    Height = 161
    Caption = 'Пробег мышки'
    TabOrder = 0
    object Label1: TLabel
      Left = 16
      Top = 28
      Width = 150
      Height = 13
      Caption = 'За этот запуск, точек экрана:'
    end
    object Label2: TLabel
      Left = 16
      Top = 64
      Width = 117
      Height = 13
      Caption = 'За этот запуск, метров:'
    end
    object Label3: TLabel
      Left = 16
      Top = 100
      Width = 152
      Height = 13
      Caption = 'Всего за все запуски, метров:'
    end
    object Label4: TLabel
      Left = 232
      Top = 24
      Width = 10
      Height = 20
      Caption = '0'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clNavy
      Font.Height = -16
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label5: TLabel
      Left = 232
      Top = 60
      Width = 52
      Height = 20
      Caption = '0,00 м'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clNavy
      Font.Height = -16
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label6: TLabel
      Left = 232
      Top = 96
      Width = 52
      Height = 20
      Caption = '0,00 м'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clMaroon
      Font.Height = -16
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label7: TLabel
      Left = 16
      Top = 132
      Width = 319
      Height = 13
      Caption = 'Метры считаются приблизительно: по числу точек на дюйм экрана.'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clGray
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      ParentFont = False
    end
  end
  object CheckBox1: TCheckBox
    Left = 16
    Top = 184
    Width = 153
    Height = 17
    Caption = 'Поверх всех окон'
    TabOrder = 1
    OnClick = CheckBox1Click
  end
  object Button1: TButton
    Left = 16
    Top = 216
    Width = 97
    Height = 33
    Caption = 'Пауза'
    TabOrder = 2
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 128
    Top = 216
    Width = 97
    Height = 33
    Caption = 'Сбросить'
    TabOrder = 3
    OnClick = Button2Click
  end
  object Button3: TButton
    Left = 304
    Top = 216
    Width = 97
    Height = 33
    Caption = 'Выход'
    TabOrder = 4
    OnClick = Button3Click
  end
  object Timer1: TTimer
    Interval = 50
    OnTimer = Timer1Timer
    Left = 264
    Top = 216
  end
end
