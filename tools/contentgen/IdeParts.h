// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPair>
#include <QRect>
#include <QString>
#include <QStringList>

class Sketch;

// The windows of a visual programming environment, as the course figures show them: the main window with
// its menu, tool bars and component palette, the object inspector, a form at design time and the code
// editor. The names are generic; the layout is that of the classic environments the course teaches.
class IdeParts final {
public:
    IdeParts() = delete;

    struct Component {
        int icon;
        QString name;
    };

    static const QStringList& menuNames();
    static const QStringList& paletteTabs();
    // The components of a palette page ("Standard", "Additional", ...).
    static QList<Component> palettePage(const QString& tab);

    static void mainWindow(Sketch& sketch, const QRect& outer, int paletteTab = 0);
    // A component palette strip: tabs, then a row of component buttons; optionally their names below.
    static void palette(Sketch& sketch, const QRect& area, int tab, bool names);
    static QList<QPair<QString, QString>> formProperties();
    static QList<QPair<QString, QString>> formEvents();
    static void inspector(Sketch& sketch, const QRect& outer, bool events);
    // The object inspector showing the properties of any object ("N1: TMenuItem").
    static void inspector(Sketch& sketch, const QRect& outer, const QString& selection,
                          const QList<QPair<QString, QString>>& rows, int selected);
    // A dialog box with a row of buttons at the bottom right ("OK", "Cancel", "Help" unless given); returns the
    // area above the buttons. A dialog frame has only the close button in its title bar.
    static QRect dialog(Sketch& sketch, const QRect& outer, const QString& caption,
                        const QStringList& buttons = {QStringLiteral("OK"), QStringLiteral("Cancel"),
                                                      QStringLiteral("Help")},
                        bool dialogFrame = false);
    // A form "Form1" at design time with a few components on it; returns its client area.
    static QRect designForm(Sketch& sketch, const QRect& outer, bool withComponents);
    static void codeEditor(Sketch& sketch, const QRect& outer, const QString& fileName, const QStringList& lines,
                           bool explorer = false, int pixels = 12);

    static const QStringList& generatedUnit();
    static const QStringList& eventHandlerUnit();
    static const QStringList& projectSource();
};
