// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class SampleCanvas;
class Sketch;
struct FormObject;

// Draws a form of a form file as the environment shows it: at design time in the form designer (grid dots,
// non-visual components as palette icons, empty images as dashed frames) or as the running program's window.
// Every component is drawn as the Windows control it is, at its Left, Top, Width and Height, with its caption,
// text, colours and font; children of panels and group boxes inside their parents; Align honoured.
class FormPainter final {
public:
    FormPainter() = delete;

    struct Options {
        bool designTime = true;
        // What image components show: the exercise's resource files choose the drawing; without a loaded
        // picture an image is a dashed frame at design time and nothing at run time.
        QString resourceFiles;
        bool picturesLoaded = true;
        // Images whose picture the program loads or draws itself; they are empty in the designer.
        QStringList loadedByProgram;
        // Where to note components that are drawn only as placeholders; may be null.
        QStringList* warnings = nullptr;
        // What the running program drew, by the name of the image, paint box, grid or form it drew on; may be
        // null.
        const QHash<QString, SampleCanvas>* canvases = nullptr;
    };

    // The outer size of the form's window, from Width and Height or from its client size.
    static QSize windowSize(const FormObject& form);
    // Draws the form's window into outer (its border, title bar and menu bar included); returns its client
    // area.
    static QRect paint(Sketch& sketch, const QRect& outer, const FormObject& form, const Options& options);
    // The form's window fitted to a picture of `size`: drawn at its own size or larger so that it fills the
    // picture, and scaled down smoothly when it is larger than the picture; a picture that would scale it
    // below kCornerBelow shows only its top left corner, scaled no smaller than kSmallestCorner.
    static QImage render(const FormObject& form, const Options& options, QSize size);
    static constexpr double kCornerBelow = 0.35;
    static constexpr double kSmallestCorner = 0.6;
    // The height of the first row of controls under the title bar, which a corner of a window shows.
    static constexpr int kFirstRow = 44;

    // A Delphi colour value ("clNavy", "clBtnFace", "$00FF8000", "16711680") as a colour; `fallback` when
    // the value is none of these.
    static QColor colour(const QString& value, const QColor& fallback);
    // The value of a colour constant as a program holds it ("clRed" is 255, "clBtnFace" is $8000000F), or
    // nothing for a name the library does not have.
    static std::optional<qint64> colourConstant(const QString& name);
    // The colour constants in the order GetColorValues gives them.
    static const QStringList& colourNames();
    // The font and text colour set by an object's Font.* properties on top of `inherited`.
    static QFont font(const FormObject& object, const QFont& inherited, QColor* colour);
    // "&Open" as shown: single ampersands dropped, doubled ones kept as one.
    static QString shownCaption(const QString& caption);
    // The picture of a form file's binary property: Glyph.Data is a bitmap after its byte count, Picture.Data
    // (classNamed) names the graphic's class first. A null image when the data is no picture.
    static QImage picture(const QString& hex, bool classNamed);
    // The index-th picture of an image list when the exercise's files fill image lists, else a null image.
    static QImage listPicture(const QString& resourceFiles, int index);
    // The classes the designer shows as icons because they have no window of their own.
    static bool isNonVisual(const FormObject& object);
};
