// SPDX-License-Identifier: MIT
#pragma once

#include "OutputTree.h"

#include <QString>
#include <QStringList>

// Writes the whole sample content tree: title pictures, animated logos, sounds, figures and articles.
// Articles come from the markup sources in the articles folder; an article of the tables without a source
// gets a short placeholder, so the tree is always complete. Any failure throws Error.
class ContentGenerator final {
public:
    ContentGenerator(QString outputFolder, QString articlesFolder);

    void run();

    // Problems that did not stop the run (markup mistakes, sources that no table names).
    const QStringList& warnings() const { return m_warnings; }
    int filesWritten() const { return m_tree.filesWritten(); }
    int placeholders() const { return m_placeholders; }

private:
    void writeLogos();
    void writeAnimations();
    void writeSounds();
    void writeFigures();
    void writeArticles();

    OutputTree m_tree;
    QString m_articlesFolder;
    QStringList m_warnings;
    int m_placeholders = 0;
};
