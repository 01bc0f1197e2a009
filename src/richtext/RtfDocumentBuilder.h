// SPDX-License-Identifier: MIT
#pragma once

#include "richtext/RtfProperties.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

class QImage;
class QTextDocument;
class QTextTable;

// Writes the text, paragraphs, tables and pictures of an RTF file into a QTextDocument, always at the end.
// It keeps a budget so that a hostile file cannot grow the document without bound: once the budget is spent
// it refuses more content and the reader stops.
class RtfDocumentBuilder final {
public:
    RtfDocumentBuilder(QTextDocument* doc, qint64 contentBudget, qint64 imageBudgetBytes);
    ~RtfDocumentBuilder();
    Q_DISABLE_COPY_MOVE(RtfDocumentBuilder)

    void setDefaultFont(int number) { m_defaultFont = number; }
    void setDefaultTab(int twips); // \deftab: the distance between default tab stops
    void addFont(int number, const QString& family);
    void addColor(const QColor& color); // an invalid colour is "automatic"
    int addLink(const QString& href);   // returns the link number + 1 for RtfCharProps::link

    void appendText(QStringView text, const RtfCharProps& chars, const RtfParaProps& para);
    void endParagraph(const RtfCharProps& chars, const RtfParaProps& para);
    void endCell(const RtfCharProps& chars, const RtfParaProps& para);
    void endRow(const RtfParaProps& para);
    // A new row definition: its cell right edges in twips follow through addCellBoundary.
    void beginRowDefinition();
    void addCellBoundary(int twips);
    void insertImage(const QImage& image, qreal widthPx, qreal heightPx, const RtfCharProps& chars,
                     const RtfParaProps& para);
    void finish(const RtfParaProps& para);

    bool isFull() const { return m_budget <= 0; }
    qint64 imageBudget() const { return m_imageBudget; }

private:
    void flush();
    void syncTable(bool inTable);
    void enterTable();
    void leaveTable();
    void placeInCell();
    void applyBlockFormat(const RtfParaProps& para);
    QTextCharFormat charFormat(const RtfCharProps& chars);
    void spend(qint64 units) { m_budget -= units; }

    QTextDocument* m_doc = nullptr;
    QTextCursor m_cursor;
    qint64 m_budget = 0;
    qint64 m_imageBudget = 0;
    int m_imageCount = 0;
    bool m_editing = false;

    QHash<int, QString> m_fonts;
    int m_defaultFont = 0;
    QList<QColor> m_colors;
    QList<QString> m_links;

    QString m_pending;
    RtfCharProps m_pendingProps;
    RtfCharProps m_formatProps;
    QTextCharFormat m_format;
    bool m_formatValid = false;

    // Table state: the row definition in force and where the next cell content goes.
    QList<int> m_rowBoundaries;
    QTextTable* m_table = nullptr;
    int m_row = 0;
    int m_column = 0;
    bool m_rowEnded = false;
    bool m_inCell = false; // the cursor stands in cell (m_row, m_column)
};
