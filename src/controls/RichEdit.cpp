// SPDX-License-Identifier: MIT
#include "controls/RichEdit.h"

#include "content/ContentPath.h"
#include "controls/Colors.h"
#include "controls/Fonts.h"
#include "platform/FileReader.h"
#include "richtext/RtfReader.h"

#include <QColor>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <QTextDocument>

namespace {

// Articles are small; anything far beyond this is not an article and is refused before it is read.
constexpr qint64 MaxFileBytes = qint64(64) * 1024 * 1024;
// Windows rich-edit controls put a default tab stop every half inch: 48 pixels at 96 dpi.
constexpr qreal DefaultTabStopPixels = 48.0;
// A raised outer and a lowered inner bevel of width 4 each.
constexpr int BevelWidth = 4;
constexpr int BorderWidth = 2 * BevelWidth;
const QColor BevelShadow(128, 128, 128);

} // namespace

RichEdit::RichEdit(QWidget* parent) : QTextEdit(parent)
{
    setReadOnly(true);
    // Mouse selection only: the keys then scroll the view instead of moving an invisible caret.
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The border is drawn in event(); the frame only reserves its width around the text and the scroll bars.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(BorderWidth);
    setUndoRedoEnabled(false);
    setAcceptRichText(false);
    setFont(Fonts::sansSerif8());
    setTabStopDistance(DefaultTabStopPixels);
    keepSelectionVisible();
}

void RichEdit::loadFromFile(const QString& contentPath)
{
    // Reading throws before anything is replaced, so a missing file keeps the previous text.
    const QByteArray data = readWholeFile(ContentPath::resolve(contentPath), MaxFileBytes);
    loadFromData(data);
    m_loadedPath = contentPath;
}

void RichEdit::loadFromData(const QByteArray& data)
{
    if (!isVisible()) {
        m_pending = data;
        return;
    }
    m_pending.reset();
    display(data);
}

QTextDocument* RichEdit::document() const
{
    readPending();
    return QTextEdit::document();
}

QString RichEdit::toPlainText() const
{
    readPending();
    return QTextEdit::toPlainText();
}

void RichEdit::showEvent(QShowEvent* event)
{
    readPending();
    QTextEdit::showEvent(event);
}

void RichEdit::readPending() const
{
    if (!m_pending)
        return;
    const QByteArray data = std::move(*m_pending);
    m_pending.reset();
    // Reading replaces the document, which a const accessor may do: the text it returns is the loaded one.
    const_cast<RichEdit*>(this)->display(data);
}

void RichEdit::display(const QByteArray& data)
{
    // The text goes into a fresh document that no view lays out while it grows, then replaces the old one.
    auto* fresh = new QTextDocument(this);
    fresh->setUndoRedoEnabled(false);
    fresh->setDefaultFont(font());
    QTextOption option = fresh->defaultTextOption();
    option.setTabStopDistance(DefaultTabStopPixels);
    fresh->setDefaultTextOption(option);
    RtfReader::read(data, fresh);

    // The first document belongs to Qt's text control, which deletes it on replacement; later ones are ours.
    QTextDocument* old = QTextEdit::document();
    const bool ours = old && old->parent() == this;
    setDocument(fresh);
    if (ours)
        delete old;
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

void RichEdit::setColor(const QColor& background)
{
    QPalette pal = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::Base, background);
    setPalette(pal);
}

QColor RichEdit::color() const
{
    return palette().color(QPalette::Active, QPalette::Base);
}

void RichEdit::copyToClipboard()
{
    readPending();
    if (textCursor().hasSelection())
        copy();
}

bool RichEdit::event(QEvent* event)
{
    const bool handled = QTextEdit::event(event);
    if (event->type() == QEvent::Paint) {
        // A flat bevel: the raised outer bevel is a line of the shadow colour, the lowered inner one a line of
        // the button face; the rest of the bevels' width is the view's own colour.
        QPainter painter(this);
        const QRect outer = rect().adjusted(0, 0, -1, -1);
        painter.setPen(BevelShadow);
        painter.drawRect(outer);
        painter.setPen(Colors::toQColor(Colors::BtnFace));
        painter.drawRect(outer.adjusted(1, 1, -1, -1));
        const QRegion ring =
            QRegion(rect().adjusted(2, 2, -2, -2))
                .subtracted(QRegion(rect().adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth)));
        for (const QRect& part : ring)
            painter.fillRect(part, color());
    }
    return handled;
}

void RichEdit::changeEvent(QEvent* event)
{
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        keepSelectionVisible();
}

void RichEdit::keyPressEvent(QKeyEvent* event)
{
    // Without a caret, Home and End (with or without Ctrl) go to the top and the bottom of the article.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Home || event->key() == Qt::Key_End) &&
        (modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier)) {
        verticalScrollBar()->triggerAction(event->key() == Qt::Key_Home ? QAbstractSlider::SliderToMinimum
                                                                        : QAbstractSlider::SliderToMaximum);
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void RichEdit::keepSelectionVisible()
{
    // The view paints its selection with the inactive colours while another control has the focus; giving them
    // the active colours keeps the selection visible for the copy buttons.
    QPalette pal = palette();
    const QColor highlight = pal.color(QPalette::Active, QPalette::Highlight);
    const QColor highlighted = pal.color(QPalette::Active, QPalette::HighlightedText);
    if (pal.color(QPalette::Inactive, QPalette::Highlight) == highlight &&
        pal.color(QPalette::Inactive, QPalette::HighlightedText) == highlighted)
        return;
    pal.setColor(QPalette::Inactive, QPalette::Highlight, highlight);
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, highlighted);
    setPalette(pal);
}
