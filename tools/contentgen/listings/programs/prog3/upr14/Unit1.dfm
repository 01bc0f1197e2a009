object Form1: TForm1
  Left = 170
  Top = 110
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Сканер клавиатуры'
  ClientHeight = 449
  ClientWidth = 688
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  KeyPreview = True
  OldCreateOrder = False
  Position = poScreenCenter
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  OnKeyPress = FormKeyPress
  OnKeyUp = FormKeyUp
  PixelsPerInch = 96
  TextHeight = 13
  object GroupBox1: TGroupBox
    Left = 8
    Top = 8
    Width = 337
    Height = 193
    Caption = ' Последняя нажатая клавиша '
    TabOrder = 1
    object Label1: TLabel
      Left = 16
      Top = 24
      Width = 120
      Height = 13
      Caption = 'Символ:'
    end
    object Label2: TLabel
      Left = 160
      Top = 20
      Width = 8
      Height = 24
      Caption = '-'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clNavy
      Font.Height = -21
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label3: TLabel
      Left = 16
      Top = 56
      Width = 120
      Height = 13
      Caption = 'Код клавиши:'
    end
    object Label4: TLabel
      Left = 160
      Top = 56
      Width = 8
      Height = 13
      Caption = '-'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clNavy
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label5: TLabel
      Left = 16
      Top = 80
      Width = 120
      Height = 13
      Caption = 'Шестнадцатеричный код:'
    end
    object Label6: TLabel
      Left = 160
      Top = 80
      Width = 8
      Height = 13
      Caption = '-'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clNavy
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label7: TLabel
      Left = 16
      Top = 104
      Width = 120
      Height = 13
      Caption = 'Двоичный код:'
    end
    object Label8: TLabel
      Left = 160
      Top = 104
      Width = 8
      Height = 13
      Caption = '-'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clNavy
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label9: TLabel
      Left = 16
      Top = 128
      Width = 120
      Height = 13
      Caption = 'Скан-код:'
    end
    object Label10: TLabel
      Left = 160
      Top = 128
      Width = 8
      Height = 13
      Caption = '-'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clNavy
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label11: TLabel
      Left = 16
      Top = 152
      Width = 120
      Height = 13
      Caption = 'Shift, Ctrl, Alt:'
    end
    object Label12: TLabel
      Left = 160
      Top = 152
      Width = 8
      Height = 13
      Caption = '-'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clNavy
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
    end
  end
  object GroupBox2: TGroupBox
    Left = 352
    Top = 8
    Width = 329
    Height = 49
    Caption = ' Индикаторы '
    TabOrder = 2
    object Shape1: TShape
      Left = 16
      Top = 22
      Width = 15
      Height = 15
      Brush.Color = clGray
      Shape = stCircle
    end
    object Label13: TLabel
      Left = 36
      Top = 23
      Width = 60
      Height = 13
      Caption = 'Caps Lock'
    end
    object Shape2: TShape
      Left = 120
      Top = 22
      Width = 15
      Height = 15
      Brush.Color = clGray
      Shape = stCircle
    end
    object Label14: TLabel
      Left = 140
      Top = 23
      Width = 60
      Height = 13
      Caption = 'Num Lock'
    end
    object Shape3: TShape
      Left = 224
      Top = 22
      Width = 15
      Height = 15
      Brush.Color = clGray
      Shape = stCircle
    end
    object Label15: TLabel
      Left = 244
      Top = 23
      Width = 60
      Height = 13
      Caption = 'Scroll Lock'
    end
  end
  object Label16: TLabel
    Left = 352
    Top = 64
    Width = 200
    Height = 13
    Caption = 'Нажимай клавиши - здесь ведётся журнал:'
  end
  object Memo1: TMemo
    Left = 352
    Top = 80
    Width = 329
    Height = 121
    ReadOnly = True
    ScrollBars = ssVertical
    TabOrder = 0
    WantTabs = True
  end
  object GroupBox3: TGroupBox
    Left = 8
    Top = 208
    Width = 673
    Height = 233
    Caption = ' Клавиатура '
    TabOrder = 3
    object Panel1: TPanel
      Tag = 192
      Left = 12
      Top = 24
      Width = 41
      Height = 33
      Caption = '`'
      TabOrder = 0
    end
    object Panel2: TPanel
      Tag = 49
      Left = 56
      Top = 24
      Width = 41
      Height = 33
      Caption = '1'
      TabOrder = 1
    end
    object Panel3: TPanel
      Tag = 50
      Left = 100
      Top = 24
      Width = 41
      Height = 33
      Caption = '2'
      TabOrder = 2
    end
    object Panel4: TPanel
      Tag = 51
      Left = 144
      Top = 24
      Width = 41
      Height = 33
      Caption = '3'
      TabOrder = 3
    end
    object Panel5: TPanel
      Tag = 52
      Left = 188
      Top = 24
      Width = 41
      Height = 33
      Caption = '4'
      TabOrder = 4
    end
    object Panel6: TPanel
      Tag = 53
      Left = 232
      Top = 24
      Width = 41
      Height = 33
      Caption = '5'
      TabOrder = 5
    end
    object Panel7: TPanel
      Tag = 54
      Left = 276
      Top = 24
      Width = 41
      Height = 33
      Caption = '6'
      TabOrder = 6
    end
    object Panel8: TPanel
      Tag = 55
      Left = 320
      Top = 24
      Width = 41
      Height = 33
      Caption = '7'
      TabOrder = 7
    end
    object Panel9: TPanel
      Tag = 56
      Left = 364
      Top = 24
      Width = 41
      Height = 33
      Caption = '8'
      TabOrder = 8
    end
    object Panel10: TPanel
      Tag = 57
      Left = 408
      Top = 24
      Width = 41
      Height = 33
      Caption = '9'
      TabOrder = 9
    end
    object Panel11: TPanel
      Tag = 48
      Left = 452
      Top = 24
      Width = 41
      Height = 33
      Caption = '0'
      TabOrder = 10
    end
    object Panel12: TPanel
      Tag = 189
      Left = 496
      Top = 24
      Width = 41
      Height = 33
      Caption = '-'
      TabOrder = 11
    end
    object Panel13: TPanel
      Tag = 187
      Left = 540
      Top = 24
      Width = 41
      Height = 33
      Caption = '='
      TabOrder = 12
    end
    object Panel14: TPanel
      Tag = 8
      Left = 584
      Top = 24
      Width = 77
      Height = 33
      Caption = 'Backspace'
      TabOrder = 13
    end
    object Panel15: TPanel
      Tag = 9
      Left = 12
      Top = 60
      Width = 63
      Height = 33
      Caption = 'Tab'
      TabOrder = 14
    end
    object Panel16: TPanel
      Tag = 81
      Left = 78
      Top = 60
      Width = 41
      Height = 33
      Caption = 'Q'
      TabOrder = 15
    end
    object Panel17: TPanel
      Tag = 87
      Left = 122
      Top = 60
      Width = 41
      Height = 33
      Caption = 'W'
      TabOrder = 16
    end
    object Panel18: TPanel
      Tag = 69
      Left = 166
      Top = 60
      Width = 41
      Height = 33
      Caption = 'E'
      TabOrder = 17
    end
    object Panel19: TPanel
      Tag = 82
      Left = 210
      Top = 60
      Width = 41
      Height = 33
      Caption = 'R'
      TabOrder = 18
    end
    object Panel20: TPanel
      Tag = 84
      Left = 254
      Top = 60
      Width = 41
      Height = 33
      Caption = 'T'
      TabOrder = 19
    end
    object Panel21: TPanel
      Tag = 89
      Left = 298
      Top = 60
      Width = 41
      Height = 33
      Caption = 'Y'
      TabOrder = 20
    end
    object Panel22: TPanel
      Tag = 85
      Left = 342
      Top = 60
      Width = 41
      Height = 33
      Caption = 'U'
      TabOrder = 21
    end
    object Panel23: TPanel
      Tag = 73
      Left = 386
      Top = 60
      Width = 41
      Height = 33
      Caption = 'I'
      TabOrder = 22
    end
    object Panel24: TPanel
      Tag = 79
      Left = 430
      Top = 60
      Width = 41
      Height = 33
      Caption = 'O'
      TabOrder = 23
    end
    object Panel25: TPanel
      Tag = 80
      Left = 474
      Top = 60
      Width = 41
      Height = 33
      Caption = 'P'
      TabOrder = 24
    end
    object Panel26: TPanel
      Tag = 219
      Left = 518
      Top = 60
      Width = 41
      Height = 33
      Caption = '['
      TabOrder = 25
    end
    object Panel27: TPanel
      Tag = 221
      Left = 562
      Top = 60
      Width = 41
      Height = 33
      Caption = ']'
      TabOrder = 26
    end
    object Panel28: TPanel
      Tag = 220
      Left = 606
      Top = 60
      Width = 55
      Height = 33
      Caption = '\'
      TabOrder = 27
    end
    object Panel29: TPanel
      Tag = 20
      Left = 12
      Top = 96
      Width = 74
      Height = 33
      Caption = 'Caps Lock'
      TabOrder = 28
    end
    object Panel30: TPanel
      Tag = 65
      Left = 89
      Top = 96
      Width = 41
      Height = 33
      Caption = 'A'
      TabOrder = 29
    end
    object Panel31: TPanel
      Tag = 83
      Left = 133
      Top = 96
      Width = 41
      Height = 33
      Caption = 'S'
      TabOrder = 30
    end
    object Panel32: TPanel
      Tag = 68
      Left = 177
      Top = 96
      Width = 41
      Height = 33
      Caption = 'D'
      TabOrder = 31
    end
    object Panel33: TPanel
      Tag = 70
      Left = 221
      Top = 96
      Width = 41
      Height = 33
      Caption = 'F'
      TabOrder = 32
    end
    object Panel34: TPanel
      Tag = 71
      Left = 265
      Top = 96
      Width = 41
      Height = 33
      Caption = 'G'
      TabOrder = 33
    end
    object Panel35: TPanel
      Tag = 72
      Left = 309
      Top = 96
      Width = 41
      Height = 33
      Caption = 'H'
      TabOrder = 34
    end
    object Panel36: TPanel
      Tag = 74
      Left = 353
      Top = 96
      Width = 41
      Height = 33
      Caption = 'J'
      TabOrder = 35
    end
    object Panel37: TPanel
      Tag = 75
      Left = 397
      Top = 96
      Width = 41
      Height = 33
      Caption = 'K'
      TabOrder = 36
    end
    object Panel38: TPanel
      Tag = 76
      Left = 441
      Top = 96
      Width = 41
      Height = 33
      Caption = 'L'
      TabOrder = 37
    end
    object Panel39: TPanel
      Tag = 186
      Left = 485
      Top = 96
      Width = 41
      Height = 33
      Caption = ';'
      TabOrder = 38
    end
    object Panel40: TPanel
      Tag = 222
      Left = 529
      Top = 96
      Width = 41
      Height = 33
      Caption = ''''
      TabOrder = 39
    end
    object Panel41: TPanel
      Tag = 13
      Left = 573
      Top = 96
      Width = 88
      Height = 33
      Caption = 'Enter'
      TabOrder = 40
    end
    object Panel42: TPanel
      Tag = 16
      Left = 12
      Top = 132
      Width = 96
      Height = 33
      Caption = 'Shift'
      TabOrder = 41
    end
    object Panel43: TPanel
      Tag = 90
      Left = 111
      Top = 132
      Width = 41
      Height = 33
      Caption = 'Z'
      TabOrder = 42
    end
    object Panel44: TPanel
      Tag = 88
      Left = 155
      Top = 132
      Width = 41
      Height = 33
      Caption = 'X'
      TabOrder = 43
    end
    object Panel45: TPanel
      Tag = 67
      Left = 199
      Top = 132
      Width = 41
      Height = 33
      Caption = 'C'
      TabOrder = 44
    end
    object Panel46: TPanel
      Tag = 86
      Left = 243
      Top = 132
      Width = 41
      Height = 33
      Caption = 'V'
      TabOrder = 45
    end
    object Panel47: TPanel
      Tag = 66
      Left = 287
      Top = 132
      Width = 41
      Height = 33
      Caption = 'B'
      TabOrder = 46
    end
    object Panel48: TPanel
      Tag = 78
      Left = 331
      Top = 132
      Width = 41
      Height = 33
      Caption = 'N'
      TabOrder = 47
    end
    object Panel49: TPanel
      Tag = 77
      Left = 375
      Top = 132
      Width = 41
      Height = 33
      Caption = 'M'
      TabOrder = 48
    end
    object Panel50: TPanel
      Tag = 188
      Left = 419
      Top = 132
      Width = 41
      Height = 33
      Caption = ','
      TabOrder = 49
    end
    object Panel51: TPanel
      Tag = 190
      Left = 463
      Top = 132
      Width = 41
      Height = 33
      Caption = '.'
      TabOrder = 50
    end
    object Panel52: TPanel
      Tag = 191
      Left = 507
      Top = 132
      Width = 41
      Height = 33
      Caption = '/'
      TabOrder = 51
    end
    object Panel53: TPanel
      Tag = 16
      Left = 551
      Top = 132
      Width = 110
      Height = 33
      Caption = 'Shift'
      TabOrder = 52
    end
    object Panel54: TPanel
      Tag = 17
      Left = 12
      Top = 168
      Width = 63
      Height = 33
      Caption = 'Ctrl'
      TabOrder = 53
    end
    object Panel55: TPanel
      Tag = 18
      Left = 78
      Top = 168
      Width = 55
      Height = 33
      Caption = 'Alt'
      TabOrder = 54
    end
    object Panel56: TPanel
      Tag = 32
      Left = 136
      Top = 168
      Width = 363
      Height = 33
      Caption = 'Пробел'
      TabOrder = 55
    end
    object Panel57: TPanel
      Tag = 18
      Left = 502
      Top = 168
      Width = 55
      Height = 33
      Caption = 'Alt'
      TabOrder = 56
    end
    object Panel58: TPanel
      Tag = 17
      Left = 560
      Top = 168
      Width = 101
      Height = 33
      Caption = 'Ctrl'
      TabOrder = 57
    end
  end
end
