object Form1: TForm1
  Left = 220
  Top = 140
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Цветовые константы'
  ClientHeight = 369
  ClientWidth = 545
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
    Left = 8
    Top = 8
    Width = 106
    Height = 13
    Caption = 'Цветовые константы:'
  end
  object Shape1: TShape
    Left = 208
    Top = 28
    Width = 329
    Height = 121
  end
  object ListBox1: TListBox
    Left = 8
    Top = 28
    Width = 185
    Height = 329
    ItemHeight = 13
    TabOrder = 0
    OnClick = ListBox1Click
  end
  object GroupBox1: TGroupBox
    Left = 208
    Top = 160
    Width = 329
    Height = 161
    Caption = ' Сведения о цвете '
    TabOrder = 1
    object Label2: TLabel
      Left = 16
      Top = 24
      Width = 78
      Height = 13
      Caption = 'Имя константы:'
    end
    object Label3: TLabel
      Left = 176
      Top = 24
      Width = 38
      Height = 13
      Caption = 'clBlack'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label4: TLabel
      Left = 16
      Top = 48
      Width = 109
      Height = 13
      Caption = 'Значение константы:'
    end
    object Label5: TLabel
      Left = 176
      Top = 48
      Width = 63
      Height = 13
      Caption = '$00000000'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label6: TLabel
      Left = 16
      Top = 72
      Width = 120
      Height = 13
      Caption = 'Цвет на экране ($BBGGRR):'
    end
    object Label7: TLabel
      Left = 176
      Top = 72
      Width = 49
      Height = 13
      Caption = '$000000'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label8: TLabel
      Left = 16
      Top = 96
      Width = 135
      Height = 13
      Caption = 'Красный, зелёный, синий:'
    end
    object Label9: TLabel
      Left = 176
      Top = 96
      Width = 39
      Height = 13
      Caption = '0, 0, 0'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label10: TLabel
      Left = 16
      Top = 128
      Width = 297
      Height = 26
      AutoSize = False
      Caption = 'Это системный цвет: каким он будет на экране, задают настройки Windows.'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clMaroon
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      ParentFont = False
      Visible = False
      WordWrap = True
    end
  end
  object CheckBox1: TCheckBox
    Left = 208
    Top = 336
    Width = 193
    Height = 17
    Caption = 'Окрашивать и форму'
    TabOrder = 2
    OnClick = ListBox1Click
  end
end
