object Form1: TForm1
  Left = 260
  Top = 170
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'MP3-плейер'
  ClientHeight = 299
  ClientWidth = 402
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
    Left = 184
    Top = 8
    Width = 76
    Height = 13
    Caption = 'Сейчас играет:'
  end
  object Label2: TLabel
    Left = 184
    Top = 24
    Width = 209
    Height = 33
    AutoSize = False
    Caption = '(ничего)'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    WordWrap = True
  end
  object Label3: TLabel
    Left = 184
    Top = 64
    Width = 125
    Height = 22
    Caption = '00:00 / 00:00'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Animate1: TAnimate
    Left = 8
    Top = 8
    Width = 160
    Height = 120
  end
  object ProgressBar1: TProgressBar
    Left = 184
    Top = 100
    Width = 209
    Height = 17
    TabOrder = 0
  end
  object MediaPlayer1: TMediaPlayer
    Left = 8
    Top = 136
    Width = 85
    Height = 30
    VisibleButtons = [btPlay, btPause, btStop]
    TabOrder = 1
    OnClick = MediaPlayer1Click
  end
  object Button1: TButton
    Left = 112
    Top = 140
    Width = 89
    Height = 25
    Caption = 'Добавить...'
    TabOrder = 2
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 208
    Top = 140
    Width = 89
    Height = 25
    Caption = 'Удалить'
    TabOrder = 3
    OnClick = Button2Click
  end
  object ListBox1: TListBox
    Left = 8
    Top = 176
    Width = 385
    Height = 113
    ItemHeight = 13
    TabOrder = 4
    OnDblClick = ListBox1DblClick
  end
  object OpenDialog1: TOpenDialog
    Filter = 
      'Музыка MP3 (*.mp3)|*.mp3|Звуки WAV (*.wav)|*.wav|Все файлы (*.*)|*.*'
    Options = [ofHideReadOnly, ofAllowMultiSelect, ofFileMustExist, ofEnableSizing]
    Title = 'Добавить музыку'
    Left = 320
    Top = 136
  end
  object Timer1: TTimer
    Interval = 500
    OnTimer = Timer1Timer
    Left = 352
    Top = 136
  end
end
