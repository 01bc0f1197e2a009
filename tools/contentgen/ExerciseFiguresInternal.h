// SPDX-License-Identifier: MIT
#pragma once

// What the files of the exercise figures share among themselves: a few helpers on captions, exercises and form
// objects, the icons and rows of the shell that the dialogs and editors draw, and the drawing of each of the
// environment's dialogs and property editors, which ExerciseFigures::drawFigure calls by the figure's kind.

#include "ExerciseFigures.h"
#include "FormFile.h"

#include <QList>
#include <QPair>
#include <QRect>
#include <QString>
#include <QStringList>

class Sketch;

namespace ExerciseFigureParts {

// Whether the caption contains the words, in any letter case.
bool mentions(const QString& caption, const char* words);
QString exerciseName(const ExerciseTables::Exercise& exercise);
// A form object of the given name, class and property values.
FormObject object(const QString& name, const QString& className, QList<QPair<QString, QString>> values);

// ---- the shell and the environment's dialogs (ExerciseFigureDialogs.cpp) ----

// The icons of the Windows shell: places on the desktop, in the places bar and in folder trees.
enum class Shell { Desktop, Recent, Documents, Computer, Floppy, Disk, Folder, Cd, Network, Bin };

void shellIcon(Sketch& sketch, const QRect& r, Shell kind);
void row(Sketch& sketch, const QRect& area, const QString& text, int icon, bool selected, int iconKind = 0);

void saveDialog(Sketch& sketch, const ExerciseTables::Exercise& exercise, bool project);
void fontDialog(Sketch& sketch, const FormObject& form);
void pictureEditor(Sketch& sketch, const ExerciseTables::Exercise& exercise);
void projectOptions(Sketch& sketch, const ExerciseTables::Exercise& exercise, const QString& instruction);
void browseForFolder(Sketch& sketch, const QString& prompt);
void desktop(Sketch& sketch, const ExerciseTables::Exercise& exercise);

// ---- the editors of the form designer (ExerciseFigureEditors.cpp) ----

void stringListEditor(Sketch& sketch, const QStringList& lines);
void collectionEditor(Sketch& sketch, const QString& form, const QString& owner, const QString& property,
                      const QStringList& items);
void filterEditor(Sketch& sketch, const QList<QPair<QString, QString>>& rows);
const FormObject* mainMenu(const FormObject& form);
FormObject standInMenu();
void menuDesigner(Sketch& sketch, const FormObject& form, const FormObject& menu);
void objectTreeView(Sketch& sketch, const FormObject& form);
int imageCount(const ExerciseTables::Exercise& exercise);
void imageListEditor(Sketch& sketch, const FormObject& form, const QString& resourceFiles, int count);
void actionListEditor(Sketch& sketch, const FormObject& form, const QString& resourceFiles);

} // namespace ExerciseFigureParts
