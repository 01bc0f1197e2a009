object Form1: TForm1
  Left = 230
  Top = 130
  Width = 540
  Height = 440
  BorderStyle = bsSingle
  Caption = 'Зенитка'
  Color = clSkyBlue
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Menu = MainMenu1
  OldCreateOrder = False
  Position = poScreenCenter
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 8
    Top = 8
    Width = 64
    Height = 16
    Caption = 'Сбито: 0'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clGreen
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = True
  end
  object Label2: TLabel
    Left = 120
    Top = 8
    Width = 78
    Height = 16
    Caption = 'Улетело: 0'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clMaroon
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = True
  end
  object Label3: TLabel
    Left = 248
    Top = 8
    Width = 170
    Height = 16
    Caption = 'Осталось самолётов: 10'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = True
  end
  object Label4: TLabel
    Left = 8
    Top = 30
    Width = 330
    Height = 13
    Caption = 'F2 — новая игра,  стрелки — наводка,  пробел — выстрел'
    Transparent = True
  end
  object Image1: TImage
    Left = 24
    Top = 72
    Width = 64
    Height = 24
    Transparent = True
  end
  object Shape1: TShape
    Left = 0
    Top = 346
    Width = 532
    Height = 40
    Align = alBottom
    Brush.Color = clGreen
    Pen.Color = clGreen
  end
  object Shape2: TShape
    Left = 242
    Top = 326
    Width = 48
    Height = 20
    Brush.Color = clOlive
    Shape = stRoundRect
  end
  object Shape3: TShape
    Left = 263
    Top = 302
    Width = 6
    Height = 24
    Brush.Color = clOlive
  end
  object Shape4: TShape
    Left = 263
    Top = 280
    Width = 6
    Height = 6
    Brush.Color = clBlack
    Shape = stCircle
    Visible = False
  end
  object Shape5: TShape
    Left = 200
    Top = 120
    Width = 20
    Height = 20
    Brush.Color = clYellow
    Pen.Color = clRed
    Pen.Width = 3
    Shape = stCircle
    Visible = False
  end
  object MainMenu1: TMainMenu
    Left = 480
    Top = 48
    object N1: TMenuItem
      Caption = 'Игра'
      object N2: TMenuItem
        Caption = 'Новая игра'
        ShortCut = 113
        OnClick = N2Click
      end
      object N3: TMenuItem
        Caption = '-'
      end
      object N4: TMenuItem
        Caption = 'Выход'
        OnClick = N4Click
      end
    end
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 30
    OnTimer = Timer1Timer
    Left = 480
    Top = 80
  end
end
