object Form1: TForm1
  Left = 230
  Top = 160
  Width = 520
  Height = 360
  BorderStyle = bsSingle
  Caption = 'Компьютерные приколы'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  OnClose = FormClose
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object GroupBox1: TGroupBox
    Left = 8
    Top = 8
    Width = 241
    Height = 305
    Caption = 'Приколы над Windows'
    TabOrder = 0
    object Label2: TLabel
      Left = 16
      Top = 252
      Width = 209
      Height = 40
      AutoSize = False
      Caption = 'Всё, что изменено, вернётся на место при закрытии программы.'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clGray
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      ParentFont = False
      WordWrap = True
    end
    object Button1: TButton
      Left = 16
      Top = 28
      Width = 209
      Height = 33
      Caption = 'Спрятать панель задач'
      TabOrder = 0
      OnClick = Button1Click
    end
    object Button2: TButton
      Left = 16
      Top = 72
      Width = 209
      Height = 33
      Caption = 'Открыть лоток CD'
      TabOrder = 1
      OnClick = Button2Click
    end
    object Button3: TButton
      Left = 16
      Top = 116
      Width = 209
      Height = 33
      Caption = 'Закрыть лоток CD'
      TabOrder = 2
      OnClick = Button3Click
    end
    object Button4: TButton
      Left = 16
      Top = 160
      Width = 209
      Height = 33
      Caption = 'Поменять кнопки мыши'
      TabOrder = 3
      OnClick = Button4Click
    end
    object Button5: TButton
      Left = 16
      Top = 204
      Width = 209
      Height = 33
      Caption = 'Потрясти окно'
      TabOrder = 4
      OnClick = Button5Click
    end
  end
  object GroupBox2: TGroupBox
    Left = 264
    Top = 8
    Width = 241
    Height = 305
    Caption = 'Вопрос с подвохом'
    TabOrder = 1
    object Label1: TLabel
      Left = 16
      Top = 28
      Width = 209
      Height = 40
      AutoSize = False
      Caption = 'Хочешь получить пятёрку по информатике?'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clNavy
      Font.Height = -13
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
      WordWrap = True
    end
    object Button6: TButton
      Left = 32
      Top = 140
      Width = 75
      Height = 25
      Caption = 'Да'
      TabOrder = 0
      OnClick = Button6Click
    end
    object Button7: TButton
      Left = 136
      Top = 140
      Width = 75
      Height = 25
      Caption = 'Нет'
      TabOrder = 1
      OnClick = Button7Click
      OnMouseMove = Button7MouseMove
    end
  end
end
