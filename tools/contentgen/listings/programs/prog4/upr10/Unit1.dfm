object Form1: TForm1
  Left = 300
  Top = 400
  Width = 192
  Height = 216
  BorderStyle = bsNone
  Caption = 'Анимация на рабочем столе'
  Color = clWhite
  TransparentColor = True
  TransparentColorValue = clWhite
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  FormStyle = fsStayOnTop
  OldCreateOrder = False
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  PixelsPerInch = 96
  TextHeight = 13
  object Image1: TImage
    Left = 0
    Top = 0
    Width = 192
    Height = 216
    Align = alClient
    PopupMenu = PopupMenu1
    OnDblClick = Image1DblClick
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 80
    OnTimer = Timer1Timer
    Left = 16
    Top = 16
  end
  object PopupMenu1: TPopupMenu
    Left = 56
    Top = 16
    object N1: TMenuItem
      Caption = 'Пауза'
      OnClick = N1Click
    end
    object N2: TMenuItem
      Caption = 'Выход'
      OnClick = N2Click
    end
  end
end
