// SPDX-License-Identifier: MIT
#pragma once

#include <QTextEdit>

#include <optional>

class QColor;

// The read-only article view: shows an RTF or plain-text file loaded by path. The pupil can scroll and select
// but not edit; the selection stays visible when the focus moves elsewhere (the copy buttons take it). Its
// border is a flat bevel, raised outside and lowered inside, each 4 pixels wide, around the text and the
// scroll bars.
//
// Text loaded while the view is hidden (the welcome articles of screens created at start-up) is kept as the
// file's bytes and read into a document only when the view is shown or its text is asked for: reading and
// laying out an article that nobody sees yet would only delay the first screen.
class RichEdit final : public QTextEdit {
    Q_OBJECT
public:
    explicit RichEdit(QWidget* parent = nullptr);

    // Replaces the whole content with the file's text and shows it from the top. A missing or unreadable file
    // throws Error ("Cannot open file ...") and leaves the previous text as it was.
    void loadFromFile(const QString& contentPath);
    // Replaces the whole content with RTF or plain-text bytes (what loadFromFile does after reading).
    void loadFromData(const QByteArray& data);

    // The document and its text, with a load made while hidden read in first. They hide QTextEdit's functions of
    // the same names, which would show the text from before such a load.
    QTextDocument* document() const;
    QString toPlainText() const;
    // Whether a load made while hidden still waits for the view to be shown.
    bool hasPendingText() const { return m_pending.has_value(); }

    void setColor(const QColor& background);
    QColor color() const;

    // Copies the selection to the clipboard; with nothing selected the clipboard is left alone.
    void copyToClipboard();

    // The file most recently loaded (the content path as given), empty before the first load.
    const QString& loadedPath() const { return m_loadedPath; }

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void keepSelectionVisible();
    void display(const QByteArray& data);
    void readPending() const;

    QString m_loadedPath;
    // The bytes of the last load made while hidden, not yet read into the document.
    mutable std::optional<QByteArray> m_pending;
};
