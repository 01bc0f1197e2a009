// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// The folder the content tree is written into. Content paths use forward slashes; folders are created as
// needed and existing files are replaced. Every failure throws Error.
class OutputTree final {
public:
    explicit OutputTree(QString root);

    const QString& root() const { return m_root; }
    // The file system path of a content path.
    QString filePath(const QString& contentPath) const;
    // Creates the folders of contentPath and returns its file system path.
    QString prepare(const QString& contentPath) const;
    void write(const QString& contentPath, const QByteArray& bytes);

    int filesWritten() const { return m_filesWritten; }
    // For files that a library writes itself into a prepared path.
    void countWritten() { ++m_filesWritten; }

private:
    QString m_root;
    int m_filesWritten = 0;
};
