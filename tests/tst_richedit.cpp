// SPDX-License-Identifier: MIT
// The article view: loading by content path, failure keeps the text, read-only behaviour, colours, copying the
// selection, keyboard scrolling, the bevelled border.
#include "controls/Colors.h"
#include "controls/RichEdit.h"
#include "platform/Error.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

namespace {

const QByteArray Article = "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset204 Arial;}}\\f0\\fs20 "
                           "\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2, \\b \\'ec\\'e8\\'f0\\b0 !\\par}";

// An article long enough to scroll: numbered lines.
QByteArray longArticle(const QByteArray& word)
{
    QByteArray rtf = "{\\rtf1\\ansi ";
    for (int i = 0; i < 300; ++i)
        rtf += word + ' ' + QByteArray::number(i) + "\\par ";
    return rtf + '}';
}

} // namespace

class TestRichEdit final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void isAReadOnlyArticleView();
    void loadsRtfByContentPath();
    void loadReplacesAndStartsAtTop();
    void missingFileThrowsAndKeepsText();
    void hiddenLoadIsReadWhenShown();
    void plainTextListingKeepsIndentation();
    void setColorPaintsTheBackground();
    void flatBevelledBorder();
    void copiesTheSelection();
    void copyWithoutSelectionLeavesClipboard();
    void selectionStaysVisibleWithoutFocus();
    void keysScrollOnceFocused();

private:
    void write(const QString& relative, const QByteArray& data);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousDir;
};

void TestRichEdit::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_previousDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    QDir().mkpath(QStringLiteral("doc/topic"));
}

void TestRichEdit::cleanup()
{
    QDir::setCurrent(m_previousDir);
    m_dir.reset();
}

void TestRichEdit::write(const QString& relative, const QByteArray& data)
{
    QFile file(m_dir->filePath(relative));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

void TestRichEdit::isAReadOnlyArticleView()
{
    RichEdit edit;
    QVERIFY(edit.isReadOnly());
    QCOMPARE(edit.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    edit.setPlainText(QStringLiteral("text"));
    edit.show();
    edit.setFocus();
    QTest::keyClicks(&edit, QStringLiteral("xyz"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.toPlainText(), QStringLiteral("text"));
}

void TestRichEdit::loadsRtfByContentPath()
{
    write(QStringLiteral("doc/topic/logo.rtf"), Article);
    RichEdit edit;
    // Written as the course tables write it: backslashes and another letter case.
    edit.loadFromFile(QStringLiteral("DOC\\Topic\\LOGO.RTF"));
    QCOMPARE(edit.toPlainText(), QStringLiteral("Привет, мир!\n"));
    QCOMPARE(edit.loadedPath(), QStringLiteral("DOC\\Topic\\LOGO.RTF"));
    const QTextCursor bold = edit.document()->find(QStringLiteral("мир"));
    QCOMPARE(bold.charFormat().fontWeight(), int(QFont::Bold));
    QCOMPARE(bold.charFormat().fontPointSize(), 10.0);
}

void TestRichEdit::loadReplacesAndStartsAtTop()
{
    write(QStringLiteral("doc/topic/a.rtf"), longArticle("first"));
    write(QStringLiteral("doc/topic/b.rtf"), longArticle("second"));
    RichEdit edit;
    edit.resize(300, 200);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.loadFromFile(QStringLiteral("doc\\topic\\a.rtf"));
    QVERIFY(edit.verticalScrollBar()->maximum() > 0);
    edit.verticalScrollBar()->setValue(edit.verticalScrollBar()->maximum());
    edit.loadFromFile(QStringLiteral("doc\\topic\\b.rtf"));
    QVERIFY(!edit.toPlainText().contains(QStringLiteral("first")));
    QVERIFY(edit.toPlainText().startsWith(QStringLiteral("second 0\n")));
    QCOMPARE(edit.verticalScrollBar()->value(), 0);
    QCOMPARE(edit.textCursor().position(), 0);
    QVERIFY(edit.isReadOnly());
    QCOMPARE(edit.document()->isUndoRedoEnabled(), false);
    // Loading the same file again shows it from the top once more.
    edit.verticalScrollBar()->setValue(edit.verticalScrollBar()->maximum());
    edit.loadFromFile(QStringLiteral("doc\\topic\\b.rtf"));
    QCOMPARE(edit.verticalScrollBar()->value(), 0);
}

void TestRichEdit::hiddenLoadIsReadWhenShown()
{
    write(QStringLiteral("doc/topic/a.rtf"), longArticle("first"));
    write(QStringLiteral("doc/topic/b.rtf"), longArticle("second"));
    RichEdit edit;
    edit.resize(300, 200);
    const QTextEdit& view = edit; // what Qt itself shows, without reading a pending load
    edit.loadFromFile(QStringLiteral("doc\\topic\\a.rtf"));
    edit.loadFromFile(QStringLiteral("doc\\topic\\b.rtf"));
    QVERIFY(edit.hasPendingText());
    QVERIFY(view.toPlainText().isEmpty());
    QCOMPARE(edit.loadedPath(), QStringLiteral("doc\\topic\\b.rtf"));

    // Shown: the last load is read, from the top.
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QVERIFY(!edit.hasPendingText());
    QVERIFY(view.toPlainText().startsWith(QStringLiteral("second 0\n")));
    QVERIFY(edit.verticalScrollBar()->maximum() > 0);
    QCOMPARE(edit.verticalScrollBar()->value(), 0);

    // Hidden again: a missing file still fails at once and leaves the text; asking for the text reads a pending
    // load without showing the view.
    edit.hide();
    QVERIFY_THROWS_EXCEPTION(Error, edit.loadFromFile(QStringLiteral("doc\\topic\\none.rtf")));
    QVERIFY(!edit.hasPendingText());
    QVERIFY(edit.toPlainText().startsWith(QStringLiteral("second 0\n")));
    edit.loadFromFile(QStringLiteral("doc\\topic\\a.rtf"));
    QVERIFY(edit.toPlainText().startsWith(QStringLiteral("first 0\n")));
    QVERIFY(!edit.hasPendingText());
    QVERIFY(view.toPlainText().startsWith(QStringLiteral("first 0\n")));
}

void TestRichEdit::missingFileThrowsAndKeepsText()
{
    write(QStringLiteral("doc/topic/a.rtf"), Article);
    RichEdit edit;
    edit.loadFromFile(QStringLiteral("doc\\topic\\a.rtf"));
    const QString expected = QStringLiteral("Cannot open file \"%1\". No such file or directory")
                                 .arg(QDir(m_dir->path()).filePath(QStringLiteral("doc/topic/missing.rtf")));
    QString message;
    try {
        edit.loadFromFile(QStringLiteral("doc\\topic\\missing.rtf"));
    } catch (const Error& error) {
        message = error.message();
    }
    QCOMPARE(message, expected);
    QCOMPARE(edit.toPlainText(), QStringLiteral("Привет, мир!\n"));
    QCOMPARE(edit.loadedPath(), QStringLiteral("doc\\topic\\a.rtf"));
}

void TestRichEdit::plainTextListingKeepsIndentation()
{
    const QString listing =
        QStringLiteral("unit Unit1;\r\n\r\nbegin\r\n  Caption := 'Привет';\r\n\tx := 1;\r\nend.\r\n");
    QByteArray cp1251;
    for (const QChar c : listing) {
        // Windows-1251: Cyrillic А..я are 0xC0..0xFF.
        cp1251.append(c.unicode() >= 0x0410 && c.unicode() <= 0x044F ? char(c.unicode() - 0x0410 + 0xC0)
                                                                      : char(c.unicode()));
    }
    write(QStringLiteral("Unit1.pas"), cp1251);
    RichEdit edit;
    edit.loadFromFile(QStringLiteral("UNIT1.PAS"));
    QCOMPARE(edit.toPlainText(), QStringLiteral("unit Unit1;\n\nbegin\n  Caption := 'Привет';\n\tx := 1;\nend.\n"));
}

void TestRichEdit::setColorPaintsTheBackground()
{
    RichEdit edit;
    edit.setColor(QColor(0xFF, 0xFB, 0xF0));
    QCOMPARE(edit.color(), QColor(0xFF, 0xFB, 0xF0));
    QCOMPARE(edit.palette().color(QPalette::Inactive, QPalette::Base), QColor(0xFF, 0xFB, 0xF0));
    edit.resize(100, 80);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    const QImage shot = edit.viewport()->grab().toImage();
    QCOMPARE(shot.pixelColor(shot.width() / 2, shot.height() - 3), QColor(0xFF, 0xFB, 0xF0));
}

void TestRichEdit::flatBevelledBorder()
{
    const QColor cream(0xFF, 0xFB, 0xF0);
    QWidget window;
    window.resize(200, 140);
    auto* edit = new RichEdit(&window);
    edit->setGeometry(10, 10, 160, 100);
    edit->setColor(cream);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shot = edit->grab().toImage();
    // Outside in, on every side: a line of the shadow colour, a line of the button face, then six pixels of
    // the view's colour; text and scroll bar lie inside all that.
    const QColor shadow(128, 128, 128);
    const QColor face = Colors::toQColor(Colors::BtnFace);
    const struct {
        QPoint outer;
        QPoint inward;
    } sides[] = {{QPoint(80, 0), QPoint(0, 1)},
                 {QPoint(0, 50), QPoint(1, 0)},
                 {QPoint(80, 99), QPoint(0, -1)},
                 {QPoint(159, 50), QPoint(-1, 0)}};
    for (const auto& side : sides) {
        QCOMPARE(shot.pixelColor(side.outer), shadow);
        QCOMPARE(shot.pixelColor(side.outer + side.inward), face);
        for (int i = 2; i < 8; ++i)
            QCOMPARE(shot.pixelColor(side.outer + side.inward * i), cream);
    }
    QCOMPARE(edit->viewport()->geometry().topLeft(), QPoint(8, 8));
    const QRect scrollBar(edit->verticalScrollBar()->mapTo(edit, QPoint(0, 0)), edit->verticalScrollBar()->size());
    QVERIFY(scrollBar.isValid());
    QCOMPARE(scrollBar.right(), 159 - 8);
    QCOMPARE(scrollBar.top(), 8);
}

void TestRichEdit::copiesTheSelection()
{
    write(QStringLiteral("a.rtf"), Article);
    RichEdit edit;
    edit.loadFromFile(QStringLiteral("a.rtf"));
    QTextCursor cursor = edit.document()->find(QStringLiteral("Привет"));
    edit.setTextCursor(cursor);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    edit.copyToClipboard();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Привет"));
}

void TestRichEdit::copyWithoutSelectionLeavesClipboard()
{
    write(QStringLiteral("a.rtf"), Article);
    RichEdit edit;
    edit.loadFromFile(QStringLiteral("a.rtf"));
    QApplication::clipboard()->setText(QStringLiteral("before"));
    edit.copyToClipboard();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    // A selection that was cleared again copies nothing either.
    QTextCursor cursor = edit.document()->find(QStringLiteral("мир"));
    edit.setTextCursor(cursor);
    cursor.clearSelection();
    edit.setTextCursor(cursor);
    edit.copyToClipboard();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
}

void TestRichEdit::selectionStaysVisibleWithoutFocus()
{
    QWidget window;
    auto* edit = new RichEdit(&window);
    auto* other = new QWidget(&window);
    other->setFocusPolicy(Qt::StrongFocus);
    edit->setGeometry(0, 0, 200, 100);
    other->setGeometry(0, 100, 50, 20);
    edit->setPlainText(QStringLiteral("selected text"));
    edit->setColor(Qt::white);
    // Styles commonly give the inactive selection a pale colour; the view must not use it.
    QPalette pale = edit->palette();
    pale.setColor(QPalette::Inactive, QPalette::Highlight, QColor(230, 230, 230));
    pale.setColor(QPalette::Active, QPalette::Highlight, QColor(0, 0, 128));
    edit->setPalette(pale);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTextCursor cursor(edit->document());
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    other->setFocus();
    QVERIFY(!edit->hasFocus());
    const QColor highlight = edit->palette().color(QPalette::Active, QPalette::Highlight);
    QCOMPARE(edit->palette().color(QPalette::Inactive, QPalette::Highlight), highlight);
    // The selected text is drawn on the highlight colour even though another control has the focus.
    const QImage shot = edit->viewport()->grab().toImage();
    bool highlighted = false;
    for (int x = 0; x < 40 && !highlighted; ++x)
        highlighted = shot.pixelColor(x, 8) == highlight;
    QVERIFY(highlighted);
}

void TestRichEdit::keysScrollOnceFocused()
{
    write(QStringLiteral("a.rtf"), longArticle("line"));
    RichEdit edit;
    edit.resize(300, 200);
    edit.loadFromFile(QStringLiteral("a.rtf"));
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.setFocus();
    QCOMPARE(edit.verticalScrollBar()->value(), 0);
    QTest::keyClick(&edit, Qt::Key_PageDown);
    const int afterPage = edit.verticalScrollBar()->value();
    QVERIFY(afterPage > 0);
    QTest::keyClick(&edit, Qt::Key_Down);
    QVERIFY(edit.verticalScrollBar()->value() > afterPage);
    QTest::keyClick(&edit, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(edit.verticalScrollBar()->value(), edit.verticalScrollBar()->maximum());
    QTest::keyClick(&edit, Qt::Key_Up);
    QVERIFY(edit.verticalScrollBar()->value() < edit.verticalScrollBar()->maximum());
    QTest::keyClick(&edit, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(edit.verticalScrollBar()->value(), 0);
    QCOMPARE(edit.toPlainText().left(7), QStringLiteral("line 0\n"));
}

QTEST_MAIN(TestRichEdit)
#include "tst_richedit.moc"
