// SPDX-License-Identifier: MIT
#pragma once

// What the tests of the content generator's forms share: a small form as the designer writes it, a form to
// draw on, the form a form file's text reads as, a unit around an implementation, and two measures of
// pictures: how many pixels differ, and whether an image is a drawing rather than a blank rectangle.

#include "FormFile.h"

#include <QHash>
#include <QImage>
#include <QRect>
#include <QString>

#include <algorithm>

namespace FormSamples {

// The form of the examples: what the designer writes for a small exercise.
inline const char* const kForm = R"(object Form1: TForm1
  Left = 200
  Top = 100
  Width = 400
  Height = 300
  Caption = 'Сложение'
  Color = clBtnFace
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  object Label1: TLabel
    Left = 16
    Top = 16
    Caption = 'Сумма:'
  end
  object Edit1: TEdit
    Left = 16
    Top = 40
    Width = 80
    Height = 21
    TabOrder = 0
  end
  object Edit2: TEdit
    Left = 104
    Top = 40
    Width = 80
    Height = 21
    TabOrder = 1
  end
  object Button1: TButton
    Left = 16
    Top = 80
    Width = 75
    Height = 25
    Caption = 'Сложить'
    Default = True
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 104
    Top = 80
    Width = 75
    Height = 25
    Caption = 'Выход'
    OnClick = Button2Click
  end
  object Memo1: TMemo
    Left = 16
    Top = 120
    Width = 200
    Height = 80
  end
end
)";

// A form to draw on: an image, a paint box, an owner-drawn grid, a timer and a default button.
inline const char* const kCanvasForm = R"(object Form1: TForm1
  Width = 400
  Height = 300
  object Label1: TLabel
    Left = 8
    Top = 200
  end
  object Image1: TImage
    Left = 8
    Top = 8
    Width = 100
    Height = 80
  end
  object PaintBox1: TPaintBox
    Left = 120
    Top = 8
    Width = 60
    Height = 40
    OnPaint = PaintBox1Paint
  end
  object DrawGrid1: TDrawGrid
    Left = 200
    Top = 8
    Width = 70
    Height = 30
    ColCount = 3
    RowCount = 2
    FixedCols = 0
    FixedRows = 0
    DefaultColWidth = 20
    DefaultRowHeight = 10
    OnDrawCell = DrawGrid1DrawCell
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 100
    OnTimer = Timer1Timer
  end
  object Button1: TButton
    Left = 300
    Top = 200
    Default = True
    OnClick = Button1Click
  end
end
)";

inline FormObject parsed(const QString& text)
{
    const FormFile::Result result = FormFile::parse(text);
    return result.root.value_or(FormObject());
}

// A unit around the given implementation text, with the form class and its fields.
inline QString unit(const QString& fields, const QString& implementation)
{
    return QStringLiteral("unit Unit1;\ninterface\nuses SysUtils;\n"
                          "const\n  N = 5;\n"
                          "type\n  TForm1 = class(TForm)\n    Label1: TLabel;\n"
                          "    procedure Button1Click(Sender: TObject);\n  private\n%1\n  end;\n"
                          "var\n  Form1: TForm1;\n"
                          "implementation\n{$R *.dfm}\n%2\nend.\n")
        .arg(fields, implementation);
}

// How many pixels differ between two images of one size.
inline int differing(const QImage& a, const QImage& b, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return count;
}

// A drawing, not a blank rectangle: enough colours, none of them covering nearly everything. A window whose
// components are only placed may be mostly one empty container of the face colour (a scroll box filling the
// form under a row of buttons), so the largest colour may cover up to 92 percent.
inline bool looksDrawn(const QImage& image, QString* why)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            ++counts[image.pixel(x, y) & 0xF0F0F0];
    int largest = 0;
    for (const int count : counts)
        largest = std::max(largest, count);
    const int sampled = ((image.width() + 1) / 2) * ((image.height() + 1) / 2);
    *why = QStringLiteral("%1 colours, the largest covers %2 of %3").arg(counts.size()).arg(largest).arg(sampled);
    return counts.size() >= 8 && largest < sampled * 92 / 100;
}

} // namespace FormSamples
