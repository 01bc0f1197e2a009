object Form1: TForm1
  Left = 700
  Top = 560
  Width = 320
  Height = 140
  AlphaBlend = True
  BorderStyle = bsNone
  Caption = 'Всплывающее окошко'
  Color = clInfoBk
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  FormStyle = fsStayOnTop
  OldCreateOrder = False
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 320
    Height = 140
    Align = alClient
    BevelOuter = bvNone
    BorderStyle = bsSingle
    Color = clInfoBk
    TabOrder = 0
    OnClick = Panel1Click
    OnMouseMove = Panel1MouseMove
    object Image1: TImage
      Left = 12
      Top = 12
      Width = 32
      Height = 32
      OnClick = Panel1Click
      OnMouseMove = Panel1MouseMove
    end
    object Label1: TLabel
      Left = 56
      Top = 10
      Width = 94
      Height = 16
      Caption = 'Напоминание'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clNavy
      Font.Height = -13
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
      OnClick = Panel1Click
      OnMouseMove = Panel1MouseMove
    end
    object Label2: TLabel
      Left = 56
      Top = 34
      Width = 245
      Height = 65
      AutoSize = False
      Caption = 'Сейчас 12:00:00. Пора сделать перерыв и дать глазам отдохнуть!'
      WordWrap = True
      OnClick = Panel1Click
      OnMouseMove = Panel1MouseMove
    end
    object Label3: TLabel
      Left = 56
      Top = 108
      Width = 160
      Height = 13
      Caption = 'Щёлкни по окошку, чтобы закрыть'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clGray
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      ParentFont = False
      OnClick = Panel1Click
      OnMouseMove = Panel1MouseMove
    end
    object SpeedButton1: TSpeedButton
      Left = 290
      Top = 4
      Width = 20
      Height = 20
      Caption = 'x'
      Flat = True
      OnClick = SpeedButton1Click
    end
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 20
    OnTimer = Timer1Timer
    Left = 8
    Top = 96
  end
  object Timer2: TTimer
    Enabled = False
    Interval = 5000
    OnTimer = Timer2Timer
    Left = 8
    Top = 64
  end
end
