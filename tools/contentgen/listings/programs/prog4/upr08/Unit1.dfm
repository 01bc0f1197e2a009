object Form1: TForm1
  Left = 300
  Top = 200
  Width = 400
  Height = 260
  BorderStyle = bsSingle
  Caption = 'Мышиный телохранитель'
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
  OnMouseDown = FormMouseDown
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 16
    Top = 12
    Width = 361
    Height = 52
    AutoSize = False
    Caption = 'Включи охрану и попробуй подвести указатель мыши к окну: телохранитель не подпустит мышку и уведёт окно в сторону. Снять охрану можно клавишей Esc.'
    WordWrap = True
  end
  object Label2: TLabel
    Left = 16
    Top = 76
    Width = 137
    Height = 13
    Caption = 'Зона охраны, пикселей: 40'
  end
  object Label3: TLabel
    Left = 16
    Top = 140
    Width = 106
    Height = 20
    Caption = 'Манёвров: 0'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clMaroon
    Font.Height = -16
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object TrackBar1: TTrackBar
    Left = 16
    Top = 92
    Width = 361
    Height = 33
    Frequency = 10
    Max = 100
    Min = 10
    Position = 40
    TabOrder = 0
    OnChange = TrackBar1Change
  end
  object Button1: TButton
    Left = 16
    Top = 180
    Width = 129
    Height = 33
    Caption = 'Включить охрану'
    TabOrder = 1
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 288
    Top = 180
    Width = 89
    Height = 33
    Caption = 'Выход'
    TabOrder = 2
    OnClick = Button2Click
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 30
    OnTimer = Timer1Timer
    Left = 200
    Top = 180
  end
end
