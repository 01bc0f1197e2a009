// SPDX-License-Identifier: MIT
#pragma once

#include <QTextEdit>

class QColor;

// The read-only article view: shows an RTF or plain-text file loaded by path. The pupil can scroll and select
// but not edit; the selection stays visible when the focus moves elsewhere (the copy buttons take it). Its
// border is a flat bevel, raised outside and lowered inside, each 4 pixels wide, around the text and the
// scroll bars.
class RichEdit final : public QTextEdit {
    Q_OBJECT
public:
    explicit RichEdit(QWidget* parent = nullptr);

    // Replaces the whole content with the file's text and shows it from the top. A missing or unreadable file
    // throws Error ("Cannot open file ...") and leaves the previous text as it was.
    void loadFromFile(const QString& contentPath);
    // Replaces the whole content with RTF or plain-text bytes (what loadFromFile does after reading).
    void loadFromData(const QByteArray& data);

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

private:
    void keepSelectionVisible();

    QString m_loadedPath;
};
