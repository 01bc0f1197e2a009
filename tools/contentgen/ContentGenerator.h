// SPDX-License-Identifier: MIT
#pragma once

#include "OutputTree.h"

#include <QString>
#include <QStringList>

// Writes the whole sample content tree: title pictures, animated logos, sounds, figures, articles, the
// exercise figures, the program listings and the stand-ins of the exercise and demonstration programs.
// Articles come from the markup sources in the articles folder and listings from the listings folder; an
// article or listing of the tables without a source gets a short placeholder, so the tree is always complete.
// Any failure throws Error.
class ContentGenerator final {
public:
    // standinProgram: the stand-in executable copied under every program name of the exercise tables.
    ContentGenerator(QString outputFolder, QString articlesFolder, QString listingsFolder, QString standinProgram);

    void run();

    // Problems that did not stop the run (markup mistakes, sources that no table names).
    const QStringList& warnings() const { return m_warnings; }
    int filesWritten() const { return m_tree.filesWritten(); }
    int placeholders() const { return m_placeholders; }
    // The listings of the exercise tables that had no source and got a placeholder unit.
    const QStringList& placeholderListings() const { return m_placeholderListings; }
    // The exercise form files not written yet, whose figures show a stand-in form.
    const QStringList& missingForms() const { return m_missingForms; }

private:
    void writeLogos();
    void writeAnimations();
    void writeSounds();
    void writeFigures();
    void writeArticles();
    void writeExerciseFigures();
    void writeListings();
    void writeProgramStandins();
    // A course source file as UTF-8 text; a warning names it when it is not valid UTF-8. Throws when it cannot
    // be read.
    QString readSource(const QString& path, const QString& nameInWarnings);

    OutputTree m_tree;
    QString m_articlesFolder;
    QString m_listingsFolder;
    QString m_standinProgram;
    QStringList m_placeholderListings;
    QStringList m_missingForms;
    QStringList m_warnings;
    int m_placeholders = 0;
};
