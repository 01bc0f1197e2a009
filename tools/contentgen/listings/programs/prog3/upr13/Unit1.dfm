object Form1: TForm1
  Left = 230
  Top = 140
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Графический редактор'
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
  PixelsPerInch = 96
  TextHeight = 13
  object Image1: TImage
    Left = 128
    Top = 8
    Width = 405
    Height = 353
    Cursor = crCross
    OnMouseDown = Image1MouseDown
    OnMouseMove = Image1MouseMove
    OnMouseUp = Image1MouseUp
  end
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 121
    Height = 369
    Align = alLeft
    BevelOuter = bvNone
    TabOrder = 0
    object SpeedButton1: TSpeedButton
      Tag = 0
      Left = 8
      Top = 8
      Width = 105
      Height = 25
      GroupIndex = 1
      Down = True
      Caption = 'Карандаш'
      OnClick = ToolClick
    end
    object SpeedButton2: TSpeedButton
      Tag = 1
      Left = 8
      Top = 36
      Width = 105
      Height = 25
      GroupIndex = 1
      Caption = 'Линия'
      OnClick = ToolClick
    end
    object SpeedButton3: TSpeedButton
      Tag = 2
      Left = 8
      Top = 64
      Width = 105
      Height = 25
      GroupIndex = 1
      Caption = 'Прямоугольник'
      OnClick = ToolClick
    end
    object SpeedButton4: TSpeedButton
      Tag = 3
      Left = 8
      Top = 92
      Width = 105
      Height = 25
      GroupIndex = 1
      Caption = 'Овал'
      OnClick = ToolClick
    end
    object SpeedButton5: TSpeedButton
      Tag = 4
      Left = 8
      Top = 120
      Width = 105
      Height = 25
      GroupIndex = 1
      Caption = 'Ластик'
      OnClick = ToolClick
    end
    object Label1: TLabel
      Left = 8
      Top = 156
      Width = 28
      Height = 13
      Caption = 'Цвет:'
    end
    object Shape1: TShape
      Left = 8
      Top = 172
      Width = 105
      Height = 25
      Hint = 'Щёлкни, чтобы выбрать цвет'
      Brush.Color = clBlack
      ParentShowHint = False
      ShowHint = True
      OnMouseDown = Shape1MouseDown
    end
    object Label2: TLabel
      Left = 8
      Top = 208
      Width = 48
      Height = 13
      Caption = 'Толщина:'
    end
    object SpinEdit1: TSpinEdit
      Left = 8
      Top = 224
      Width = 57
      Height = 22
      MaxValue = 20
      MinValue = 1
      TabOrder = 0
      Value = 2
    end
    object CheckBox1: TCheckBox
      Left = 8
      Top = 256
      Width = 105
      Height = 17
      Caption = 'Заливка фигур'
      TabOrder = 1
    end
    object Button1: TButton
      Left = 8
      Top = 280
      Width = 105
      Height = 25
      Caption = 'Очистить'
      TabOrder = 2
      OnClick = Button1Click
    end
    object Button2: TButton
      Left = 8
      Top = 308
      Width = 105
      Height = 25
      Caption = 'Открыть...'
      TabOrder = 3
      OnClick = Button2Click
    end
    object Button3: TButton
      Left = 8
      Top = 336
      Width = 105
      Height = 25
      Caption = 'Сохранить...'
      TabOrder = 4
      OnClick = Button3Click
    end
  end
  object ColorDialog1: TColorDialog
    Ctl3D = True
    Left = 144
    Top = 24
  end
  object OpenPictureDialog1: TOpenPictureDialog
    Filter = 'Рисунки BMP (*.bmp)|*.bmp'
    Left = 176
    Top = 24
  end
  object SavePictureDialog1: TSavePictureDialog
    DefaultExt = 'bmp'
    Filter = 'Рисунки BMP (*.bmp)|*.bmp'
    Options = [ofOverwritePrompt, ofHideReadOnly, ofEnableSizing]
    Left = 208
    Top = 24
  end
end
