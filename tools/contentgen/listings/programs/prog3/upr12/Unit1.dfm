object Form1: TForm1
  Left = 230
  Top = 140
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Проигрыватель GIF-файлов'
  ClientHeight = 369
  ClientWidth = 542
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
    Width = 58
    Height = 13
    Caption = 'Файлы GIF:'
  end
  object Label2: TLabel
    Left = 184
    Top = 316
    Width = 51
    Height = 13
    Caption = 'Скорость:'
  end
  object Label3: TLabel
    Left = 400
    Top = 316
    Width = 27
    Height = 13
    Caption = '100%'
  end
  object Label4: TLabel
    Left = 184
    Top = 344
    Width = 350
    Height = 13
    AutoSize = False
    Caption = 'Кадров: 0   Размер: 0 x 0'
  end
  object FileListBox1: TFileListBox
    Left = 8
    Top = 24
    Width = 161
    Height = 273
    ItemHeight = 13
    Mask = '*.gif'
    TabOrder = 0
    OnClick = FileListBox1Click
  end
  object Panel1: TPanel
    Left = 184
    Top = 8
    Width = 350
    Height = 289
    BevelOuter = bvLowered
    Color = clWhite
    TabOrder = 1
    object Image1: TImage
      Left = 1
      Top = 1
      Width = 348
      Height = 287
      Align = alClient
      Center = True
    end
  end
  object CheckBox1: TCheckBox
    Left = 8
    Top = 312
    Width = 97
    Height = 17
    Caption = 'Анимация'
    Checked = True
    State = cbChecked
    TabOrder = 2
    OnClick = CheckBox1Click
  end
  object CheckBox2: TCheckBox
    Left = 8
    Top = 336
    Width = 121
    Height = 17
    Caption = 'Показ по очереди'
    TabOrder = 3
    OnClick = CheckBox2Click
  end
  object CheckBox3: TCheckBox
    Left = 112
    Top = 312
    Width = 65
    Height = 17
    Caption = 'Музыка'
    TabOrder = 4
    OnClick = CheckBox3Click
  end
  object TrackBar1: TTrackBar
    Left = 240
    Top = 308
    Width = 153
    Height = 29
    Max = 400
    Min = 25
    Frequency = 25
    Position = 100
    TabOrder = 5
    OnChange = TrackBar1Change
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 4000
    OnTimer = Timer1Timer
    Left = 496
    Top = 312
  end
end
