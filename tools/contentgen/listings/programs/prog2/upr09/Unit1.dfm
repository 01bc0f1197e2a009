object Form1: TForm1
  Left = 260
  Top = 170
  Width = 418
  Height = 300
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Электронные часы'
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
  object Panel1: TPanel
    Left = 16
    Top = 16
    Width = 377
    Height = 121
    BevelInner = bvLowered
    BevelWidth = 2
    Color = clBlack
    TabOrder = 0
    object Label1: TLabel
      Left = 12
      Top = 12
      Width = 353
      Height = 58
      Alignment = taCenter
      AutoSize = False
      Caption = '12:34:56'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clLime
      Font.Height = -53
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label2: TLabel
      Left = 12
      Top = 80
      Width = 353
      Height = 20
      Alignment = taCenter
      AutoSize = False
      Caption = 'понедельник, 5 февраля 2024 г.'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clLime
      Font.Height = -16
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
  end
  object GroupBox1: TGroupBox
    Left = 16
    Top = 152
    Width = 377
    Height = 97
    Caption = 'Будильник'
    TabOrder = 1
    object Label3: TLabel
      Left = 16
      Top = 28
      Width = 28
      Height = 13
      Caption = 'Часы:'
    end
    object SpinEdit1: TSpinEdit
      Left = 56
      Top = 24
      Width = 49
      Height = 22
      MaxValue = 23
      MinValue = 0
      TabOrder = 0
      Value = 7
    end
    object Label4: TLabel
      Left = 128
      Top = 28
      Width = 42
      Height = 13
      Caption = 'Минуты:'
    end
    object SpinEdit2: TSpinEdit
      Left = 176
      Top = 24
      Width = 49
      Height = 22
      MaxValue = 59
      MinValue = 0
      TabOrder = 1
      Value = 30
    end
    object CheckBox1: TCheckBox
      Left = 16
      Top = 64
      Width = 169
      Height = 17
      Caption = 'Включить будильник'
      TabOrder = 2
    end
  end
  object Timer1: TTimer
    Interval = 500
    OnTimer = Timer1Timer
    Left = 352
    Top = 168
  end
end
