// SPDX-License-Identifier: MIT
#pragma once

// What the files of the form painter share: the look a control inherits from its parent, the context of one
// painting, and the drawing of each kind of control, which FormPainter's paintControl calls by the class of
// the component. The standard controls are drawn in FormPainterStandard.cpp, the others in
// FormPainterAdditional.cpp.

#include "FormFile.h"
#include "FormPainter.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

class SampleCanvas;
class Sketch;

namespace FormPainting {

struct Look {
    QFont font;
    QColor text;
    QColor back; // the parent's colour, which ParentColor controls take
};

struct Context {
    Sketch& sketch;
    const FormPainter::Options& options;
    const FormObject& form;
    int imageIndex = 0;
};

// ---- the standard controls (FormPainterStandard.cpp) ----

QColor ownColour(const FormObject& o, const Look& look, const QColor& fallback);
void label(Context& c, const FormObject& o, const QRect& r, const Look& look);
void button(Context& c, const FormObject& o, const QRect& r, const Look& look, const QString& caption, bool isDefault);
void glyphButton(Context& c, const FormObject& o, const QRect& r, const Look& look, int glyphKind, const QColor& mark,
                 const QString& caption, bool down);
void bitBtn(Context& c, const FormObject& o, const QRect& r, const Look& look);
void edit(Context& c, const FormObject& o, const QRect& r, const Look& look, const QString& text);
void memo(Context& c, const FormObject& o, const QRect& r, const Look& look, const QStringList& lines);
void listBox(Context& c, const FormObject& o, const QRect& r, const Look& look, bool checks);
void comboBox(Context& c, const FormObject& o, const QRect& r, const Look& look, const QString& text);
void checkOrRadio(Context& c, const FormObject& o, const QRect& r, const Look& look, bool radio);
void groupFrame(Context& c, const FormObject& o, const QRect& r, const Look& look);
void radioGroup(Context& c, const FormObject& o, const QRect& r, const Look& look);
void panel(Context& c, const FormObject& o, const QRect& r, const Look& look);

// ---- pictures, shapes, bars, grids and the other pages' controls (FormPainterAdditional.cpp) ----

void dashedFrame(Sketch& sketch, const QRect& r);
const SampleCanvas* drawing(const Context& c, const FormObject& o);
void image(Context& c, const FormObject& o, const QRect& r);
void shape(Context& c, const FormObject& o, const QRect& r);
void bevelControl(Context& c, const FormObject& o, const QRect& r);
void trackBar(Context& c, const FormObject& o, const QRect& r);
void progressBar(Context& c, const FormObject& o, const QRect& r);
void upDown(Context& c, const QRect& r, bool horizontal);
void grid(Context& c, const FormObject& o, const QRect& r, const Look& look);
void mediaPlayer(Context& c, const FormObject& o, const QRect& r);
void calendar(Context& c, const QRect& r, const Look& look, bool month);
void header(Context& c, const QRect& r, const QList<QHash<QString, QString>>& sections, const Look& look);
void toolBar(Context& c, const FormObject& o, const QRect& r, const Look& look);
void nonVisualIcon(Context& c, const FormObject& o, const QPoint& origin);

} // namespace FormPainting
