object Form1: TForm1
  Left = 230
  Top = 130
  Width = 550
  Height = 400
  Caption = 'Редактор RTF'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Menu = MainMenu1
  OldCreateOrder = False
  Position = poScreenCenter
  OnCloseQuery = FormCloseQuery
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object ToolBar1: TToolBar
    Left = 0
    Top = 0
    Width = 542
    Height = 29
    Caption = 'ToolBar1'
    Flat = True
    Images = ImageList1
    ParentShowHint = False
    ShowHint = True
    TabOrder = 0
    object ToolButton1: TToolButton
      Left = 0
      Top = 0
      Action = ActNew
    end
    object ToolButton2: TToolButton
      Left = 23
      Top = 0
      Action = ActOpen
    end
    object ToolButton3: TToolButton
      Left = 46
      Top = 0
      Action = ActSave
    end
    object ToolButton4: TToolButton
      Left = 69
      Top = 0
      Action = ActPrint
    end
    object ToolButton5: TToolButton
      Left = 92
      Top = 0
      Width = 8
      Caption = 'ToolButton5'
      ImageIndex = 0
      Style = tbsSeparator
    end
    object ToolButton6: TToolButton
      Left = 100
      Top = 0
      Action = ActCut
    end
    object ToolButton7: TToolButton
      Left = 123
      Top = 0
      Action = ActCopy
    end
    object ToolButton8: TToolButton
      Left = 146
      Top = 0
      Action = ActPaste
    end
    object ToolButton9: TToolButton
      Left = 169
      Top = 0
      Action = ActUndo
    end
    object ToolButton10: TToolButton
      Left = 192
      Top = 0
      Width = 8
      Caption = 'ToolButton10'
      ImageIndex = 0
      Style = tbsSeparator
    end
    object ToolButton11: TToolButton
      Left = 200
      Top = 0
      Action = ActBold
      Style = tbsCheck
    end
    object ToolButton12: TToolButton
      Left = 223
      Top = 0
      Action = ActItalic
      Style = tbsCheck
    end
    object ToolButton13: TToolButton
      Left = 246
      Top = 0
      Action = ActUnderline
      Style = tbsCheck
    end
    object ToolButton14: TToolButton
      Left = 269
      Top = 0
      Width = 8
      Caption = 'ToolButton14'
      ImageIndex = 0
      Style = tbsSeparator
    end
    object ToolButton15: TToolButton
      Left = 277
      Top = 0
      Action = ActLeft
      Style = tbsCheck
    end
    object ToolButton16: TToolButton
      Left = 300
      Top = 0
      Action = ActCenter
      Style = tbsCheck
    end
    object ToolButton17: TToolButton
      Left = 323
      Top = 0
      Action = ActRight
      Style = tbsCheck
    end
    object ToolButton18: TToolButton
      Left = 346
      Top = 0
      Action = ActBullets
      Style = tbsCheck
    end
    object ToolButton19: TToolButton
      Left = 369
      Top = 0
      Width = 8
      Caption = 'ToolButton19'
      ImageIndex = 0
      Style = tbsSeparator
    end
    object ToolButton20: TToolButton
      Left = 377
      Top = 0
      Action = ActFont
    end
    object ToolButton21: TToolButton
      Left = 400
      Top = 0
      Action = ActColor
    end
    object ToolButton22: TToolButton
      Left = 423
      Top = 0
      Width = 8
      Caption = 'ToolButton22'
      ImageIndex = 0
      Style = tbsSeparator
    end
    object ToolButton23: TToolButton
      Left = 431
      Top = 0
      Action = ActExit
    end
  end
  object RichEdit1: TRichEdit
    Left = 0
    Top = 29
    Width = 542
    Height = 306
    Align = alClient
    Font.Charset = RUSSIAN_CHARSET
    Font.Color = clWindowText
    Font.Height = -16
    Font.Name = 'Times New Roman'
    Font.Style = []
    HideSelection = False
    ParentFont = False
    ScrollBars = ssBoth
    TabOrder = 1
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 335
    Width = 542
    Height = 19
    Panels = <>
    SimplePanel = True
  end
  object MainMenu1: TMainMenu
    Images = ImageList1
    Left = 24
    Top = 64
    object N1: TMenuItem
      Caption = 'Файл'
      object N2: TMenuItem
        Action = ActNew
      end
      object N3: TMenuItem
        Action = ActOpen
      end
      object N4: TMenuItem
        Action = ActSave
      end
      object N5: TMenuItem
        Caption = '-'
      end
      object N6: TMenuItem
        Action = ActPrint
      end
      object N7: TMenuItem
        Caption = '-'
      end
      object N8: TMenuItem
        Action = ActExit
      end
    end
    object N9: TMenuItem
      Caption = 'Правка'
      object N10: TMenuItem
        Action = ActUndo
      end
      object N11: TMenuItem
        Caption = '-'
      end
      object N12: TMenuItem
        Action = ActCut
      end
      object N13: TMenuItem
        Action = ActCopy
      end
      object N14: TMenuItem
        Action = ActPaste
      end
    end
    object N15: TMenuItem
      Caption = 'Формат'
      object N16: TMenuItem
        Action = ActBold
      end
      object N17: TMenuItem
        Action = ActItalic
      end
      object N18: TMenuItem
        Action = ActUnderline
      end
      object N19: TMenuItem
        Caption = '-'
      end
      object N20: TMenuItem
        Action = ActLeft
      end
      object N21: TMenuItem
        Action = ActCenter
      end
      object N22: TMenuItem
        Action = ActRight
      end
      object N23: TMenuItem
        Action = ActBullets
      end
      object N24: TMenuItem
        Caption = '-'
      end
      object N25: TMenuItem
        Action = ActFont
      end
      object N26: TMenuItem
        Action = ActColor
      end
    end
  end
  object ImageList1: TImageList
    Left = 56
    Top = 64
  end
  object ActionList1: TActionList
    Images = ImageList1
    OnUpdate = ActionList1Update
    Left = 88
    Top = 64
    object ActNew: TAction
      Category = 'Файл'
      Caption = 'Новый'
      Hint = 'Новый документ'
      ImageIndex = 0
      ShortCut = 16462
      OnExecute = ActNewExecute
    end
    object ActOpen: TAction
      Category = 'Файл'
      Caption = 'Открыть...'
      Hint = 'Открыть документ'
      ImageIndex = 1
      ShortCut = 16463
      OnExecute = ActOpenExecute
    end
    object ActSave: TAction
      Category = 'Файл'
      Caption = 'Сохранить'
      Hint = 'Сохранить документ'
      ImageIndex = 2
      ShortCut = 16467
      OnExecute = ActSaveExecute
    end
    object ActCut: TAction
      Category = 'Правка'
      Caption = 'Вырезать'
      Hint = 'Вырезать'
      ImageIndex = 3
      ShortCut = 16472
      OnExecute = ActCutExecute
    end
    object ActCopy: TAction
      Category = 'Правка'
      Caption = 'Копировать'
      Hint = 'Копировать'
      ImageIndex = 4
      ShortCut = 16451
      OnExecute = ActCopyExecute
    end
    object ActPaste: TAction
      Category = 'Правка'
      Caption = 'Вставить'
      Hint = 'Вставить'
      ImageIndex = 5
      ShortCut = 16470
      OnExecute = ActPasteExecute
    end
    object ActUndo: TAction
      Category = 'Правка'
      Caption = 'Отменить'
      Hint = 'Отменить'
      ImageIndex = 6
      ShortCut = 16474
      OnExecute = ActUndoExecute
    end
    object ActBold: TAction
      Category = 'Формат'
      Caption = 'Полужирный'
      Hint = 'Полужирный'
      ImageIndex = 7
      ShortCut = 16450
      OnExecute = StyleExecute
    end
    object ActItalic: TAction
      Tag = 1
      Category = 'Формат'
      Caption = 'Курсив'
      Hint = 'Курсив'
      ImageIndex = 8
      ShortCut = 16457
      OnExecute = StyleExecute
    end
    object ActUnderline: TAction
      Tag = 2
      Category = 'Формат'
      Caption = 'Подчёркнутый'
      Hint = 'Подчёркнутый'
      ImageIndex = 9
      ShortCut = 16469
      OnExecute = StyleExecute
    end
    object ActLeft: TAction
      Category = 'Формат'
      Caption = 'По левому краю'
      Hint = 'Выровнять по левому краю'
      ImageIndex = 10
      OnExecute = AlignExecute
    end
    object ActCenter: TAction
      Tag = 2
      Category = 'Формат'
      Caption = 'По центру'
      Hint = 'Выровнять по центру'
      ImageIndex = 11
      OnExecute = AlignExecute
    end
    object ActRight: TAction
      Tag = 1
      Category = 'Формат'
      Caption = 'По правому краю'
      Hint = 'Выровнять по правому краю'
      ImageIndex = 12
      OnExecute = AlignExecute
    end
    object ActBullets: TAction
      Category = 'Формат'
      Caption = 'Маркеры'
      Hint = 'Список с маркерами'
      ImageIndex = 13
      OnExecute = ActBulletsExecute
    end
    object ActFont: TAction
      Category = 'Формат'
      Caption = 'Шрифт...'
      Hint = 'Шрифт'
      ImageIndex = 14
      OnExecute = ActFontExecute
    end
    object ActColor: TAction
      Category = 'Формат'
      Caption = 'Цвет текста...'
      Hint = 'Цвет текста'
      ImageIndex = 15
      OnExecute = ActColorExecute
    end
    object ActPrint: TAction
      Category = 'Файл'
      Caption = 'Печать'
      Hint = 'Печать'
      ImageIndex = 16
      ShortCut = 16464
      OnExecute = ActPrintExecute
    end
    object ActExit: TAction
      Category = 'Файл'
      Caption = 'Выход'
      Hint = 'Выход'
      ImageIndex = 17
      OnExecute = ActExitExecute
    end
  end
  object OpenDialog1: TOpenDialog
    DefaultExt = 'rtf'
    Filter = 'Документы RTF (*.rtf)|*.rtf|Текстовые файлы (*.txt)|*.txt'
    Left = 120
    Top = 64
  end
  object SaveDialog1: TSaveDialog
    DefaultExt = 'rtf'
    Filter = 'Документы RTF (*.rtf)|*.rtf'
    Options = [ofOverwritePrompt, ofHideReadOnly, ofEnableSizing]
    Left = 152
    Top = 64
  end
  object FontDialog1: TFontDialog
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    MinFontSize = 0
    MaxFontSize = 0
    Left = 184
    Top = 64
  end
  object ColorDialog1: TColorDialog
    Ctl3D = True
    Left = 216
    Top = 64
  end
end
