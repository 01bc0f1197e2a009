object Form1: TForm1
  Left = 220
  Top = 140
  Width = 560
  Height = 400
  Caption = 'Снимок экрана'
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
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 552
    Height = 41
    Align = alTop
    TabOrder = 0
    object Button1: TButton
      Left = 8
      Top = 8
      Width = 113
      Height = 25
      Caption = 'Сделать снимок'
      TabOrder = 0
      OnClick = Button1Click
    end
    object Button2: TButton
      Left = 128
      Top = 8
      Width = 97
      Height = 25
      Caption = 'Сохранить...'
      Enabled = False
      TabOrder = 1
      OnClick = Button2Click
    end
    object CheckBox1: TCheckBox
      Left = 240
      Top = 12
      Width = 169
      Height = 17
      Caption = 'Спрятать окно программы'
      Checked = True
      State = cbChecked
      TabOrder = 2
    end
  end
  object ScrollBox1: TScrollBox
    Left = 0
    Top = 41
    Width = 552
    Height = 325
    Align = alClient
    Color = clAppWorkSpace
    ParentColor = False
    TabOrder = 1
    object Image1: TImage
      Left = 0
      Top = 0
      Width = 105
      Height = 105
      AutoSize = True
    end
  end
  object SaveDialog1: TSaveDialog
    DefaultExt = 'bmp'
    Filter = 'Рисунок BMP (*.bmp)|*.bmp|Рисунок JPEG (*.jpg)|*.jpg'
    Options = [ofOverwritePrompt, ofHideReadOnly, ofEnableSizing]
    Title = 'Сохранить снимок экрана'
    Left = 504
    Top = 8
  end
end
