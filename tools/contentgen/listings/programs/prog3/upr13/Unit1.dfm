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
      Glyph.Data = {
        36030000424D3603000000000000360000002800000010000000100000000100
        18000000000000030000C40E0000C40E00000000000000000000C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0808080C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0808080
        C0C0C0C0C0C0808080C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        000000000000000000000000000000000000000000000000000000000000C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0000000E0E0E0E0E0E0E0E0E000000080
        0000800000800000800000000000000000C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        000000E0E0E0E0E0E0E0E0E00000008000008000008000008000000000008000
        00000000C0C0C0C0C0C0C0C0C0C0C0C0000000E0E0E0E0E0E0E0E0E000000080
        0000800000800000800000000000800000800000000000C0C0C0C0C0C0C0C0C0
        0000000000000000000000000000000000000000000000000000000000008000
        00800000000000C0C0C0C0C0C0C0C0C0C0C0C0000000FFFFFFFFFFFFFFFFFF00
        0000FF0000FF0000FF0000FF0000000000800000000000C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0000000FFFFFFFFFFFFFFFFFF000000FF0000FF0000FF0000FF00
        00000000000000C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0000000FFFFFFFF
        FFFFFFFFFF000000FF0000FF0000FF0000FF0000000000C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C00000000000000000000000000000000000000000
        00000000000000C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0}
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
