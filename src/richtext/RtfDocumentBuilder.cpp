// SPDX-License-Identifier: MIT
#include "richtext/RtfDocumentBuilder.h"

#include <QImage>
#include <QTextBlockFormat>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>
#include <QTextTableFormat>
#include <QUrl>

#include <algorithm>
#include <numeric>

namespace {

// RTF lengths are twips (1/1440 inch); the document lays out in pixels at 96 dpi.
constexpr qreal TwipsPerPixel = 15.0;
// What a character, a paragraph, a table cell and a picture cost against the content budget: roughly the bytes
// of memory the document spends on each (measured with Qt 6.4: about 500 bytes per paragraph).
constexpr qint64 CharacterCost = 2;
constexpr qint64 ParagraphCost = 512;
constexpr qint64 CellCost = 1024;
constexpr qint64 ImageCost = 512;
// Wider or longer tables than these are not tables an article has; extra cells flow on as text.
constexpr int MaxColumns = 64;
// Tables wider than this (the text width of the article views) are fitted to the view.
constexpr double NarrowViewPixels = 440.0;
constexpr int MaxRows = 4096;
constexpr int MaxFonts = 4096;
constexpr int MaxColors = 4096;
constexpr int MaxLinks = 4096;
constexpr qreal MaxPointSize = 800.0;

// Lengths from the file are ints of any value; sums and differences of two of them are taken in 64 bits.
qreal pixels(qint64 twips)
{
    return qreal(twips) / TwipsPerPixel;
}

} // namespace

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument* doc, qint64 contentBudget, qint64 imageBudgetBytes)
    : m_doc(doc)
    , m_cursor(doc)
    , m_budget(contentBudget)
    , m_imageBudget(imageBudgetBytes)
{
    m_cursor.movePosition(QTextCursor::End);
    // One edit block around the whole reading: the cursor then does not ask the layout for its position after
    // every insertion, and views see one change at the end.
    m_cursor.beginEditBlock();
    m_editing = true;
}

RtfDocumentBuilder::~RtfDocumentBuilder()
{
    if (m_editing)
        m_cursor.endEditBlock();
}

void RtfDocumentBuilder::addFont(int number, const QString& family)
{
    if (m_fonts.size() < MaxFonts || m_fonts.contains(number))
        m_fonts.insert(number, family);
}

void RtfDocumentBuilder::setDefaultTab(int twips)
{
    if (twips <= 0)
        return;
    QTextOption option = m_doc->defaultTextOption();
    option.setTabStopDistance(std::min(pixels(twips), 1000.0));
    m_doc->setDefaultTextOption(option);
}

void RtfDocumentBuilder::addColor(const QColor& color)
{
    if (m_colors.size() < MaxColors)
        m_colors.append(color);
}

int RtfDocumentBuilder::addLink(const QString& href)
{
    if (m_links.size() >= MaxLinks)
        return 0;
    m_links.append(href);
    return int(m_links.size());
}

void RtfDocumentBuilder::appendText(QStringView text, const RtfCharProps& chars, const RtfParaProps& para)
{
    if (text.isEmpty() || chars.hidden || isFull())
        return;
    if (para.inTable != (m_table != nullptr) || (m_table && !m_inCell)) {
        flush();
        syncTable(para.inTable);
    }
    if (!(chars == m_pendingProps)) {
        flush();
        m_pendingProps = chars;
    }
    m_pending.append(text);
    spend(text.size() * CharacterCost);
}

void RtfDocumentBuilder::flush()
{
    if (m_pending.isEmpty())
        return;
    m_cursor.insertText(m_pending, charFormat(m_pendingProps));
    m_pending.truncate(0); // keeps the buffer for the next run
}

QTextCharFormat RtfDocumentBuilder::charFormat(const RtfCharProps& chars)
{
    if (m_formatValid && chars == m_formatProps)
        return m_format;
    QTextCharFormat format;
    const QString family = m_fonts.value(chars.font < 0 ? m_defaultFont : chars.font);
    if (!family.isEmpty())
        format.setFontFamilies({family});
    if (chars.halfPoints > 0)
        format.setFontPointSize(std::min(chars.halfPoints / 2.0, MaxPointSize));
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontStrikeOut(chars.strike);
    if (chars.underline != QTextCharFormat::NoUnderline)
        format.setUnderlineStyle(QTextCharFormat::UnderlineStyle(chars.underline));
    if (chars.vertical > 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (chars.vertical < 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (chars.caps)
        format.setFontCapitalization(QFont::AllUppercase);
    else if (chars.smallCaps)
        format.setFontCapitalization(QFont::SmallCaps);
    if (chars.foreground > 0 && chars.foreground < m_colors.size() && m_colors[chars.foreground].isValid())
        format.setForeground(m_colors[chars.foreground]);
    if (chars.background > 0 && chars.background < m_colors.size() && m_colors[chars.background].isValid())
        format.setBackground(m_colors[chars.background]);
    if (chars.link > 0 && chars.link <= m_links.size()) {
        format.setAnchor(true);
        format.setAnchorHref(m_links[chars.link - 1]);
    }
    m_format = format;
    m_formatProps = chars;
    m_formatValid = true;
    return format;
}

void RtfDocumentBuilder::applyBlockFormat(const RtfParaProps& para)
{
    QTextBlockFormat format;
    static constexpr Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                                   Qt::AlignJustify};
    format.setAlignment(alignments[para.alignment & 3]);
    format.setLeftMargin(pixels(para.leftIndent));
    format.setRightMargin(pixels(para.rightIndent));
    format.setTextIndent(pixels(para.firstIndent));
    format.setTopMargin(pixels(para.spaceBefore));
    format.setBottomMargin(pixels(para.spaceAfter));
    if (para.lineSpacing != 0) {
        // \slN: "at least" when positive, "exactly" when negative, a multiple of single spacing with \slmult1.
        if (para.lineMultiple && para.lineSpacing > 0)
            format.setLineHeight(std::min(para.lineSpacing * 100.0 / 240.0, 1000.0),
                                 QTextBlockFormat::ProportionalHeight);
        else if (para.lineSpacing > 0)
            format.setLineHeight(pixels(para.lineSpacing), QTextBlockFormat::MinimumHeight);
        else
            format.setLineHeight(pixels(-para.lineSpacing), QTextBlockFormat::FixedHeight);
    }
    // RTF tab stops are measured from the page margin, Qt's from where the paragraph's first line starts. A
    // hanging first line also stops at the paragraph's indent, as word processors do for list numbers.
    const qreal lineStart = pixels(qint64(para.leftIndent) + para.firstIndent);
    QList<QTextOption::Tab> tabs;
    for (int i = 0; i < para.tabCount; ++i) {
        const qreal position = pixels(para.tabs[i].position) - lineStart;
        if (position > 0)
            tabs.append(QTextOption::Tab(position, QTextOption::TabType(para.tabs[i].type),
                                         para.tabs[i].type == QTextOption::DelimiterTab ? QLatin1Char('.') : QChar()));
    }
    if (para.firstIndent < 0)
        tabs.append(QTextOption::Tab(pixels(-para.firstIndent), QTextOption::LeftTab));
    if (!tabs.isEmpty()) {
        std::sort(tabs.begin(), tabs.end(), [](const auto& a, const auto& b) { return a.position < b.position; });
        format.setTabPositions(tabs);
    }
    m_cursor.setBlockFormat(format);
}

void RtfDocumentBuilder::endParagraph(const RtfCharProps& chars, const RtfParaProps& para)
{
    if (isFull())
        return;
    flush();
    syncTable(para.inTable);
    applyBlockFormat(para);
    m_cursor.setBlockCharFormat(charFormat(chars));
    m_cursor.insertBlock();
    spend(ParagraphCost);
}

void RtfDocumentBuilder::endCell(const RtfCharProps& chars, const RtfParaProps& para)
{
    if (isFull())
        return;
    flush();
    syncTable(true);
    applyBlockFormat(para);
    m_cursor.setBlockCharFormat(charFormat(chars));
    ++m_column;
    m_inCell = false;
    spend(CellCost);
}

void RtfDocumentBuilder::endRow(const RtfParaProps& para)
{
    Q_UNUSED(para)
    if (isFull())
        return;
    flush();
    if (!m_table)
        return;
    m_rowEnded = true;
    m_inCell = false;
}

void RtfDocumentBuilder::beginRowDefinition()
{
    m_rowBoundaries.clear();
}

void RtfDocumentBuilder::addCellBoundary(int twips)
{
    if (m_rowBoundaries.size() < MaxColumns)
        m_rowBoundaries.append(twips);
}

void RtfDocumentBuilder::syncTable(bool inTable)
{
    if (inTable && !m_table)
        enterTable();
    else if (!inTable && m_table)
        leaveTable();
    if (m_table && !m_inCell)
        placeInCell();
}

void RtfDocumentBuilder::enterTable()
{
    const int columns = std::max(1, int(m_rowBoundaries.size()));
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellPadding(2);
    format.setCellSpacing(0);
    format.setAlignment(Qt::AlignLeft);
    if (!m_rowBoundaries.isEmpty()) {
        // Tables were laid out for a printed page, usually wider than the article view. A table that would not
        // fit keeps its column proportions and takes the view's width instead of needing a horizontal scroll.
        QList<double> columnPixels;
        int left = 0;
        for (const int right : std::as_const(m_rowBoundaries)) {
            columnPixels.append(std::max(8.0, pixels(qint64(right) - left)));
            left = right;
        }
        const double total = std::accumulate(columnPixels.begin(), columnPixels.end(), 0.0);
        QList<QTextLength> widths;
        if (total > NarrowViewPixels) {
            for (const double width : std::as_const(columnPixels))
                widths.append(QTextLength(QTextLength::PercentageLength, width * 100.0 / total));
            format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        } else {
            for (const double width : std::as_const(columnPixels))
                widths.append(QTextLength(QTextLength::FixedLength, width));
        }
        format.setColumnWidthConstraints(widths);
    }
    // A table that starts a paragraph goes in place of that empty paragraph's position.
    m_table = m_cursor.insertTable(1, columns, format);
    m_row = 0;
    m_column = 0;
    m_rowEnded = false;
    m_inCell = true;
    spend(CellCost * columns);
}

void RtfDocumentBuilder::leaveTable()
{
    m_table = nullptr;
    m_inCell = false;
    m_rowEnded = false;
    m_cursor.movePosition(QTextCursor::End);
}

void RtfDocumentBuilder::placeInCell()
{
    if (m_rowEnded) {
        if (m_table->rows() >= MaxRows) {
            leaveTable();
            return;
        }
        m_table->appendRows(1);
        ++m_row;
        m_column = 0;
        m_rowEnded = false;
    }
    if (m_column >= m_table->columns()) {
        if (m_table->columns() >= MaxColumns) {
            // Extra cells of an over-wide row share the last column.
            m_column = m_table->columns() - 1;
            m_cursor = m_table->cellAt(m_row, m_column).lastCursorPosition();
            m_cursor.insertText(QStringLiteral("\t"));
            m_inCell = true;
            return;
        }
        m_table->appendColumns(m_column + 1 - m_table->columns());
    }
    m_cursor = m_table->cellAt(m_row, m_column).firstCursorPosition();
    m_inCell = true;
}

void RtfDocumentBuilder::insertImage(const QImage& image, qreal widthPx, qreal heightPx, const RtfCharProps& chars,
                                     const RtfParaProps& para)
{
    if (isFull() || image.isNull())
        return;
    flush();
    syncTable(para.inTable);
    const QString name = QStringLiteral("rtfpict:%1").arg(++m_imageCount);
    m_doc->addResource(QTextDocument::ImageResource, QUrl(name), image);
    m_imageBudget -= image.sizeInBytes();
    QTextImageFormat format;
    format.merge(charFormat(chars));
    format.setName(name);
    format.setWidth(widthPx);
    format.setHeight(heightPx);
    m_cursor.insertImage(format);
    spend(ImageCost);
}

void RtfDocumentBuilder::finish(const RtfParaProps& para)
{
    flush();
    if (m_table)
        leaveTable();
    applyBlockFormat(para);
    if (m_editing) {
        m_cursor.endEditBlock();
        m_editing = false;
    }
}
