object Form1: TForm1
  Left = 246
  Top = 160
  Width = 540
  Height = 380
  Caption = 'Рост вклада в банке'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object Image1: TImage
    Left = 16
    Top = 16
    Width = 113
    Height = 97
    Stretch = True
  end
  object Label1: TLabel
    Left = 144
    Top = 20
    Width = 103
    Height = 13
    Caption = 'Сумма вклада, руб.:'
  end
  object Label2: TLabel
    Left = 144
    Top = 52
    Width = 89
    Height = 13
    Caption = 'Процентов в год:'
  end
  object Label3: TLabel
    Left = 144
    Top = 84
    Width = 56
    Height = 13
    Caption = 'Срок, лет:'
  end
  object Edit1: TEdit
    Left = 272
    Top = 16
    Width = 97
    Height = 21
    TabOrder = 0
    Text = '1000'
  end
  object Edit2: TEdit
    Left = 272
    Top = 48
    Width = 97
    Height = 21
    TabOrder = 1
    Text = '10'
  end
  object Edit3: TEdit
    Left = 272
    Top = 80
    Width = 97
    Height = 21
    TabOrder = 2
    Text = '5'
  end
  object Button1: TButton
    Left = 392
    Top = 16
    Width = 113
    Height = 25
    Caption = 'Рассчитать'
    Default = True
    TabOrder = 3
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 392
    Top = 48
    Width = 113
    Height = 25
    Caption = 'Очистить'
    TabOrder = 4
    OnClick = Button2Click
  end
  object Memo1: TMemo
    Left = 16
    Top = 128
    Width = 489
    Height = 169
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'Courier New'
    Font.Style = []
    ParentFont = False
    ReadOnly = True
    ScrollBars = ssVertical
    TabOrder = 5
  end
  object Button3: TButton
    Left = 424
    Top = 308
    Width = 81
    Height = 25
    Caption = 'Выход'
    TabOrder = 6
    OnClick = Button3Click
  end
end
