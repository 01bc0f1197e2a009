// SPDX-License-Identifier: MIT
#pragma once

#include "FormFile.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QPair>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace ExerciseTables {
struct Exercise;
struct ExerciseFigure;
} // namespace ExerciseTables

// The figures of the exercise instructions, drawn from the exercise's own sources: its form files
// (Unit1.dfm, Unit2.dfm) and its main unit in the listings folder. The caption of a figure decides what it
// shows, through a table of caption patterns: the form at design time (all components, the first of them "at
// this stage", or only placed with their default captions), the running program, the code editor, or one of
// the environment's dialogs (saving, fonts, picture editor, string list editor, collection editor, filter
// editor, menu designer, object tree, image list and action list editors, project options, browse for folder)
// or the desktop.
class ExerciseFigures final {
public:
    enum class Kind {
        FormDesign,
        RunningProgram,
        CodeWindow,
        SaveUnit,
        SaveProject,
        FontDialog,
        PictureEditor,
        StringListEditor,
        CollectionEditor,
        FilterEditor,
        MenuDesigner,
        ObjectTreeView,
        ImageListEditor,
        ActionListEditor,
        ProjectOptions,
        BrowseForFolder,
        Desktop,
    };

    // The kind of a figure from its caption, or nothing when no pattern of the table matches.
    static std::optional<Kind> kindOf(const QString& caption);

    // How much of its form a design-time figure shows.
    struct Stage {
        bool secondForm = false; // Form2 (Unit2.dfm) instead of Form1
        bool defaults = false;   // components only placed: captions and texts are still their names
        bool initial = false;    // the first look of the window: the form's own border and colours not set yet
        bool partial = false;    // only the first components, the rest come in later figures
        double share = 1.0;      // the part of the components a partial figure shows
        QString onlyClass;       // a partial figure that names one kind of component shows only those ("TMemo")
    };
    // The stage of each figure of an exercise, from the captions of all its figures in order.
    static QList<Stage> stages(const QStringList& captions);

    // The form of a figure with its stage applied: the first components in file order (the ones inside a
    // parent come with it), or with captions, texts and looks not yet set.
    static FormObject staged(const FormObject& form, const Stage& stage);

    // The string list a String List Editor figure shows, chosen by the caption (a Memo's lines, a RadioGroup's
    // items, a list of column titles), else the form's first; owner names the component, empty when none.
    static QStringList editedStrings(const FormObject& form, const QString& caption, QString* owner);
    // The Filter of the dialog a Filter Editor figure edits, as name and mask pairs.
    static QList<QPair<QString, QString>> filters(const FormObject& form, const QString& caption, QString* owner);
    // The lines a code window figure shows: from the routine that declares variables when the caption asks
    // for them ("Объявление переменных"), else from the top of the unit.
    static QStringList codeLines(const QString& unit, const QString& caption);

    // listingsFolder holds programs/prog{G}/upr{NN}/ with Unit1.pas, Unit1.dfm and Unit2.dfm; articlesFolder the
    // sources of the instructions (doc/upr/upr{G}/upr{NN}.txt), whose words some dialogs show.
    explicit ExerciseFigures(QString listingsFolder, QString articlesFolder = QString());

    // The picture of a figure at its picture size.
    QImage draw(const ExerciseTables::ExerciseFigure& row);

    // Problems in the sources that exist: form files or units not understood.
    const QStringList& warnings() const { return m_warnings; }
    // Form files not written yet, whose figures show a stand-in form with the exercise's title. Like a
    // missing listing, this is expected while the course is being written.
    const QStringList& missingForms() const { return m_missingForms; }

private:
    struct Sources {
        std::optional<FormObject> form1;
        std::optional<FormObject> form2;
        QString unit;
        QString folder;   // "programs/prog1/upr01"
        QString unitName; // "Unit1.pas"
        bool listingFound = false;
    };

    const Sources& sourcesOf(const ExerciseTables::Exercise& exercise);
    // The forms of a form file: usually one; a file that holds the units of two windows holds two forms.
    QList<FormObject> readForms(const QString& folder, const QString& name, const QString& where);
    FormObject formFor(const ExerciseTables::Exercise& exercise, bool secondForm);
    QImage drawFigure(const ExerciseTables::ExerciseFigure& row, QStringList* notes);

    // The source text of the exercise's instruction, empty when there is none.
    QString instructionOf(const ExerciseTables::Exercise& exercise) const;

    QString m_listingsFolder;
    QString m_articlesFolder;
    QHash<int, Sources> m_sources; // by exercise slot
    QStringList m_warnings;
    QStringList m_missingForms;
};
