// SPDX-License-Identifier: MIT
// Form files and their drawing: the form-file reader on good and bad input, colours, fonts and captions as the
// painter reads them, the window's size and its aligned children, the pictures of image components, glyphs and
// canvases, every known class drawn at its place, and the form at design time and as the running program.
#include "FormFile.h"
#include "FormPainter.h"
#include "PictureMotifs.h"
#include "SampleCanvas.h"
#include "Sketch.h"
#include "tst_formsamples.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>
#include <QtTest>

using namespace FormSamples;

class TestFormPainter final : public QObject {
    Q_OBJECT

private slots:
    void formFileValues_data();
    void formFileValues();
    void formFileStructure();
    void malformedFormFiles_data();
    void malformedFormFiles();
    void truncatedFormFilesNeverFail();

    void canvasesShownWhereTheirOwnersStand();
    void glyphsFromFormFiles();
    void smallPictureShowsTheWindowsCorner();
    void mediaPlayerButtons();

    void colours_data();
    void colours();
    void fonts_data();
    void fonts();
    void shownCaptions_data();
    void shownCaptions();
    void windowSizes_data();
    void windowSizes();
    void alignedChildren();
    void pictureMotifs_data();
    void pictureMotifs();
    void everyKnownClassIsDrawn_data();
    void everyKnownClassIsDrawn();
    void formShowsItsComponents();
    void designAndRunTimeDiffer();
};

void TestFormPainter::formFileValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("expected");

    QTest::newRow("number") << kForm << "Edit2"
                            << "Left"
                            << "104";
    QTest::newRow("identifier") << kForm << "Form1"
                                << "Color"
                                << "clBtnFace";
    QTest::newRow("utf-8 string") << kForm << "Button2"
                                  << "Caption"
                                  << "Выход";
    QTest::newRow("negative number") << kForm << "Form1"
                                     << "Font.Height"
                                     << "-11";
    QTest::newRow("doubled quote") << "object F: TForm\n Caption = 'It''s'\nend"
                                   << "F"
                                   << "Caption"
                                   << "It's";
    QTest::newRow("character codes") << "object F: TForm\n Caption = #1055#1088'и'#1074'ет'#33\nend"
                                     << "F"
                                     << "Caption"
                                     << "Привет!";
    QTest::newRow("continued string") << "object F: TForm\n Hint = 'one ' +\n   'two'\n Tag = 3\nend"
                                      << "F"
                                      << "Hint"
                                      << "one two";
    QTest::newRow("set") << "object F: TForm\n Font.Style = [fsBold, fsItalic]\nend"
                         << "F"
                         << "Font.Style"
                         << "[fsBold, fsItalic]";
    QTest::newRow("hex number") << "object F: TForm\n Color = $00FF8000\nend"
                                << "F"
                                << "Color"
                                << "$00FF8000";
    QTest::newRow("float") << "object F: TForm\n Frequency = 1.5E+003\nend"
                           << "F"
                           << "Frequency"
                           << "1.5E+003";
    QTest::newRow("after binary data") << "object I: TImage\n Picture.Data = {\n  0A0B0C\n  0D0E}\n Stretch = True\nend"
                                       << "I"
                                       << "Stretch"
                                       << "True";
    QTest::newRow("inherited header")
        << "inherited Form2: TForm2\n Caption = 'B'\n inherited Label1: TLabel [0]\n  Caption = 'x'\n end\nend"
        << "Label1"
        << "Caption"
        << "x";
}

void TestFormPainter::formFileValues()
{
    QFETCH(QString, text);
    QFETCH(QString, object);
    QFETCH(QString, property);
    QFETCH(QString, expected);
    const FormFile::Result result = FormFile::parse(text);
    QVERIFY2(result.warnings.isEmpty(), qPrintable(result.warnings.join(QLatin1Char('\n'))));
    QVERIFY(result.root);
    const FormObject* found = result.root->find(object);
    QVERIFY(found);
    QCOMPARE(found->value(property), expected);
}

void TestFormPainter::formFileStructure()
{
    const QString text = QStringLiteral(R"(object Form1: TForm1
  object Panel1: TPanel
    object Shape1: TShape
      Brush.Color = clRed
    end
    object Shape2: TShape
    end
  end
  object RadioGroup1: TRadioGroup
    Items.Strings = (
      'Красный'
      'Зелёный'
      'Синий')
    ItemIndex = 1
  end
  object ListView1: TListView
    Columns = <
      item
        Caption = 'Имя'
        Width = 80
      end
      item
        Caption = 'Размер'
      end>
    ViewStyle = vsReport
  end
  object Timer1: TTimer
    Left = 8
    Top = 8
  end
end)");
    const FormFile::Result result = FormFile::parse(text);
    QVERIFY2(result.warnings.isEmpty(), qPrintable(result.warnings.join(QLatin1Char('\n'))));
    const FormObject& form = *result.root;
    QCOMPARE(form.className, QStringLiteral("TForm1"));
    QCOMPARE(form.children.size(), 4);
    QCOMPARE(form.children[0].children.size(), 2);
    QCOMPARE(form.find(QStringLiteral("Shape1"))->value(QStringLiteral("Brush.Color")), QStringLiteral("clRed"));
    QCOMPARE(form.find(QStringLiteral("RadioGroup1"))->strings(QStringLiteral("Items.Strings")),
             (QStringList{"Красный", "Зелёный", "Синий"}));
    const auto columns = form.find(QStringLiteral("ListView1"))->collections.value(QStringLiteral("Columns"));
    QCOMPARE(columns.size(), 2);
    QCOMPARE(columns[1].value(QStringLiteral("Caption")), QStringLiteral("Размер"));
    QCOMPARE(form.find(QStringLiteral("ListView1"))->value(QStringLiteral("ViewStyle")), QStringLiteral("vsReport"));
    // File order, depth first.
    QStringList order;
    for (const FormObject* o : form.all())
        order.append(o->name);
    QCOMPARE(order, (QStringList{"Form1", "Panel1", "Shape1", "Shape2", "RadioGroup1", "ListView1", "Timer1"}));
    // A component without a window keeps only its place; one with a size is drawn.
    QVERIFY(FormPainter::isNonVisual(*form.find(QStringLiteral("Timer1"))));
    QVERIFY(!FormPainter::isNonVisual(*form.find(QStringLiteral("Shape2"))));
}

void TestFormPainter::malformedFormFiles_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hasRoot");
    // A property that must still be read despite the damage ("Name.Property=value"), or empty.
    QTest::addColumn<QString>("survives");

    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("no object") << "just some text = 5\nend" << false << "";
    QTest::newRow("binary garbage") << QString::fromLatin1("\x01\x02{\xff\xfe'\x00", 7) << false << "";
    QTest::newRow("truncated") << "object Form1: TForm1\n Caption = 'A'\n object B: TButton\n  Left = 5" << true
                               << "B.Left=5";
    QTest::newRow("unclosed string") << "object F: TForm\n Caption = 'abc\n Tag = 7\nend" << true << "F.Tag=7";
    QTest::newRow("unclosed list") << "object F: TForm\n Items.Strings = (\n  'a'\n Tag = 7\nend" << true << "F.Tag=7";
    QTest::newRow("unclosed set") << "object F: TForm\n Font.Style = [fsBold\nend" << true << "";
    QTest::newRow("unclosed binary") << "object F: TForm\n Tag = 1\n Picture.Data = {\n 0A0B" << true << "F.Tag=1";
    QTest::newRow("line not understood") << "object F: TForm\n ??? = = 3\n Tag = 9\nend" << true << "F.Tag=9";
    QTest::newRow("value missing") << "object F: TForm\n Caption =\nend" << true << "";
    QTest::newRow("bad character code") << "object F: TForm\n Caption = #99999999'x'\n Tag = 2\nend" << true
                                        << "F.Tag=2";
    QTest::newRow("unclosed collection") << "object F: TForm\n Columns = <\n  item\n   Width = 4\n  end\n Tag = 3\nend"
                                         << true << "";
    QTest::newRow("text after the end") << "object F: TForm\n Tag = 4\nend\nobject G: TForm\nend" << true << "F.Tag=4";
    QString deep;
    for (int i = 0; i < 5000; ++i)
        deep += QStringLiteral("object O%1: TPanel\n").arg(i);
    QTest::newRow("nested very deep") << deep << true << "";
    QString wide = QStringLiteral("object F: TForm\n");
    for (int i = 0; i < 3000; ++i)
        wide += QStringLiteral(" object B%1: TButton\n  Left = %1\n end\n").arg(i);
    QTest::newRow("many objects, no end") << wide << true << "B2999.Left=2999";
}

void TestFormPainter::malformedFormFiles()
{
    QFETCH(QString, text);
    QFETCH(bool, hasRoot);
    QFETCH(QString, survives);
    const FormFile::Result result = FormFile::parse(text);
    QCOMPARE(result.root.has_value(), hasRoot);
    QVERIFY2(!result.warnings.isEmpty(), "damage is reported");
    if (!survives.isEmpty()) {
        const QString object = survives.section(QLatin1Char('.'), 0, 0);
        const QString property = survives.section(QLatin1Char('.'), 1).section(QLatin1Char('='), 0, 0);
        const FormObject* found = result.root->find(object);
        QVERIFY2(found, qPrintable(object));
        QCOMPARE(found->value(property), survives.section(QLatin1Char('='), 1));
    }
    // Whatever was read can be drawn.
    if (result.root) {
        FormPainter::Options options;
        const QImage image = FormPainter::render(*result.root, options, QSize(200, 150));
        QCOMPARE(image.size(), QSize(200, 150));
    }
}

void TestFormPainter::truncatedFormFilesNeverFail()
{
    // Every cut of a real form file reads without failing, and a cut before the last "end" is reported.
    const QString text = QString::fromUtf8(kForm);
    const qsizetype lastEnd = text.lastIndexOf(QLatin1String("end"));
    for (qsizetype cut = 0; cut < text.size(); cut += 5) {
        const FormFile::Result result = FormFile::parse(text.left(cut));
        if (cut < lastEnd)
            QVERIFY2(!result.warnings.isEmpty(), qPrintable(QString::number(cut)));
        if (result.root)
            QVERIFY(FormPainter::windowSize(*result.root).isValid());
    }
}

void TestFormPainter::canvasesShownWhereTheirOwnersStand()
{
    // A running window shows each surface at its owner's place: an image's bitmap in its corner or stretched,
    // without its bottom-left colour when the image is transparent; a paint box's drawing over the form.
    FormObject form = parsed(QString::fromUtf8(kCanvasForm));
    QHash<QString, SampleCanvas> canvases;
    canvases.insert(QStringLiteral("Image1"), SampleCanvas(QSize(10, 10), Qt::red));
    SampleCanvas painted(QSize(60, 40), Qt::transparent);
    SampleCanvas::Tools blue;
    blue.brush = Qt::blue;
    painted.fillRect(blue, QRect(0, 0, 10, 10));
    canvases.insert(QStringLiteral("PaintBox1"), painted);
    FormPainter::Options options;
    options.designTime = false;
    options.canvases = &canvases;
    const QSize size(400, 300);
    const QPoint client(4, 22);
    const auto at = [&](const FormObject& f, int x, int y) {
        return FormPainter::render(f, options, size).pixelColor(client + QPoint(x, y));
    };
    QCOMPARE(at(form, 8 + 5, 8 + 5), QColor(Qt::red));
    QCOMPARE(at(form, 8 + 50, 8 + 40), Sketch::kFace); // beyond the bitmap, the image shows the form
    QCOMPARE(at(form, 120 + 5, 8 + 5), QColor(Qt::blue));
    QCOMPARE(at(form, 120 + 30, 8 + 30), Sketch::kFace);
    form.find(QStringLiteral("Image1"))->values.insert(QStringLiteral("Stretch"), QStringLiteral("True"));
    QCOMPARE(at(form, 8 + 90, 8 + 70), QColor(Qt::red));
    // A red bitmap whose bottom-left pixel is red: transparent, all of it lets the form through.
    form.find(QStringLiteral("Image1"))->values.insert(QStringLiteral("Transparent"), QStringLiteral("True"));
    QCOMPARE(at(form, 8 + 5, 8 + 5), Sketch::kFace);
    // The same window without the program's drawings.
    options.canvases = nullptr;
    QCOMPARE(at(form, 120 + 5, 8 + 5), Sketch::kFace);
}

void TestFormPainter::glyphsFromFormFiles()
{
    // Binary properties of a form file hold pictures: Glyph.Data is a bitmap after its byte count, Picture.Data
    // names the graphic's class first. A speed button shows its glyph, and without one only its caption.
    QImage red(16, 16, QImage::Format_RGB32);
    red.fill(Qt::red);
    red.setPixelColor(0, 15, Qt::white); // the bottom-left colour, left out on the button
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(red.save(&buffer, "BMP"));
    QByteArray counted(4, '\0');
    qToLittleEndian<quint32>(quint32(bmp.size()), counted.data());
    const QString glyph = QString::fromLatin1((counted + bmp).toHex().toUpper());
    const QString picture = QString::fromLatin1((QByteArray("\x07TBitmap") + counted + bmp).toHex());
    QCOMPARE(FormPainter::picture(glyph, false).pixelColor(5, 5), QColor(Qt::red));
    QCOMPARE(FormPainter::picture(picture, true).size(), QSize(16, 16));
    QVERIFY(FormPainter::picture(QStringLiteral("0102"), false).isNull());
    QVERIFY(FormPainter::picture(picture.left(40), true).isNull());

    // Split over lines as the designer writes it, the data reads back whole.
    QString lines;
    for (qsizetype i = 0; i < glyph.size(); i += 64)
        lines += QStringLiteral("\n    ") + glyph.mid(i, 64);
    const FormObject form =
        parsed(QStringLiteral("object Form1: TForm1\n Width = 200\n Height = 100\n object SpeedButton1: TSpeedButton\n"
                              "  Left = 10\n  Top = 10\n  Width = 40\n  Height = 30\n  Glyph.Data = {%1}\n end\n"
                              " object SpeedButton2: TSpeedButton\n  Left = 100\n  Top = 10\n  Width = 40\n"
                              "  Height = 30\n end\nend")
                   .arg(lines));
    QCOMPARE(form.find(QStringLiteral("SpeedButton1"))->value(QStringLiteral("Glyph.Data")), glyph);
    FormPainter::Options options;
    options.designTime = false;
    const QImage drawn = FormPainter::render(form, options, QSize(200, 100));
    const auto redIn = [&](const QRect& area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += drawn.pixelColor(x, y) == QColor(Qt::red) ? 1 : 0;
        return count;
    };
    const QPoint client(4, 22);
    QCOMPARE(redIn(QRect(client + QPoint(10, 10), QSize(40, 30))), 16 * 16 - 1);
    QCOMPARE(redIn(QRect(client + QPoint(100, 10), QSize(40, 30))), 0);
}

void TestFormPainter::smallPictureShowsTheWindowsCorner()
{
    // A picture a fifth of the window's size shows its top left corner as drawn at full size; a picture
    // too low even for the first row shows it a little smaller, never below the smallest corner scale.
    FormObject form = parsed(QString::fromUtf8(kForm));
    form.values.insert(QStringLiteral("Width"), QStringLiteral("800"));
    form.values.insert(QStringLiteral("Height"), QStringLiteral("600"));
    FormPainter::Options options;
    const QImage whole = FormPainter::render(form, options, QSize(800, 600));
    const QImage corner = FormPainter::render(form, options, QSize(200, 70));
    QCOMPARE(corner.size(), QSize(200, 70));
    QCOMPARE(differing(corner, whole.copy(0, 0, 200, 70), corner.rect()), 0);
    const QImage low = FormPainter::render(form, options, QSize(200, 30));
    QCOMPARE(low.size(), QSize(200, 30));
    QVERIFY(differing(low, whole.copy(0, 0, 200, 30), low.rect()) > 100);
    // The title bar stays: its first pixels keep the title colour.
    QCOMPARE(low.pixelColor(10, 8).blue() > 80, true);
}

void TestFormPainter::mediaPlayerButtons()
{
    // A media player shows the buttons its VisibleButtons name, over its whole width; none when it names none.
    const auto drawn = [](const QString& buttons) {
        FormPainter::Options options;
        options.designTime = false;
        return FormPainter::render(parsed(QStringLiteral("object Form1: TForm1\n Width = 200\n Height = 100\n"
                                                         " object MediaPlayer1: TMediaPlayer\n  Left = 10\n"
                                                         "  Top = 10\n  Width = 90\n  Height = 30\n%1 end\nend")
                                              .arg(buttons)),
                                   options, QSize(200, 100));
    };
    const QImage all = drawn(QString());
    const QImage three = drawn(QStringLiteral("  VisibleButtons = [btPlay, btPause, btStop]\n"));
    const QImage none = drawn(QStringLiteral("  VisibleButtons = []\n"));
    FormPainter::Options running;
    running.designTime = false;
    const QImage empty = FormPainter::render(
        parsed(QStringLiteral("object Form1: TForm1\n Width = 200\n Height = 100\nend")), running, QSize(200, 100));
    const QRect player(4 + 10, 22 + 10, 90, 30);
    QVERIFY(differing(all, three, player) > 100);
    QCOMPARE(differing(none, empty, player), 0);
    // Three buttons of thirty pixels: the edge between the first two at x = 30, none at x = 10 where the
    // first and second of nine meet.
    QVERIFY(three.pixelColor(player.left() + 29, player.top() + 15) !=
            three.pixelColor(player.left() + 25, player.top() + 15));
    QCOMPARE(three.pixelColor(player.left() + 10, player.top() + 3),
             three.pixelColor(player.left() + 6, player.top() + 3));
}

void TestFormPainter::colours_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("named") << "clNavy" << QColor(0, 0, 128);
    QTest::newRow("named, any case") << "CLYELLOW" << QColor(255, 255, 0);
    QTest::newRow("system face") << "clBtnFace" << QColor(212, 208, 200);
    QTest::newRow("info background") << "clInfoBk" << QColor(255, 255, 225);
    QTest::newRow("hex BBGGRR") << "$00FF8000" << QColor(0, 128, 255);
    QTest::newRow("decimal BBGGRR") << "255" << QColor(255, 0, 0);
    QTest::newRow("system colour as a number") << "-16777201" << QColor(212, 208, 200);
    QTest::newRow("unknown name") << "clNoSuchColour" << QColor(1, 2, 3);
    QTest::newRow("empty") << "" << QColor(1, 2, 3);
}

void TestFormPainter::colours()
{
    QFETCH(QString, value);
    QFETCH(QColor, expected);
    QCOMPARE(FormPainter::colour(value, QColor(1, 2, 3)), expected);
}

void TestFormPainter::fonts_data()
{
    QTest::addColumn<QString>("properties");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("inherited") << ""
                               << "Liberation Sans" << 11 << false << QColor(Qt::black);
    QTest::newRow("character height") << "Font.Name = 'Arial'\n Font.Height = -19\n Font.Style = [fsBold]"
                                      << "Liberation Sans" << 19 << true << QColor(Qt::black);
    QTest::newRow("cell height") << "Font.Height = 20"
                                 << "Liberation Sans" << 16 << false << QColor(Qt::black);
    QTest::newRow("points") << "Font.Name = 'Times New Roman'\n Font.Size = 12"
                            << "Liberation Serif" << 16 << false << QColor(Qt::black);
    QTest::newRow("fixed pitch and colour") << "Font.Name = 'Courier New'\n Font.Color = clNavy"
                                            << "Liberation Mono" << 11 << false << QColor(0, 0, 128);
    QTest::newRow("unknown family") << "Font.Name = 'Comic Sans MS'"
                                    << "Liberation Sans" << 11 << false << QColor(Qt::black);
}

void TestFormPainter::fonts()
{
    QFETCH(QString, properties);
    QFETCH(QString, family);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);
    const FormObject label = parsed(QStringLiteral("object L: TLabel\n %1\nend").arg(properties));
    QColor text = Qt::black;
    const QFont font = FormPainter::font(label, Sketch::uiFont(11), &text);
    QCOMPARE(font.family(), family);
    QCOMPARE(font.pixelSize(), pixels);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(text, colour);
}

void TestFormPainter::shownCaptions_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("accelerator") << "&Открыть..."
                                 << "Открыть...";
    QTest::newRow("in the middle") << "В&ыход"
                                   << "Выход";
    QTest::newRow("doubled") << "Tom && Jerry"
                             << "Tom & Jerry";
    QTest::newRow("last character") << "Конец&"
                                    << "Конец";
    QTest::newRow("none") << "Выход"
                          << "Выход";
}

void TestFormPainter::shownCaptions()
{
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QCOMPARE(FormPainter::shownCaption(caption), shown);
}

void TestFormPainter::windowSizes_data()
{
    QTest::addColumn<QString>("properties");
    QTest::addColumn<QSize>("size");
    QTest::newRow("outer size") << "Width = 450\n Height = 300" << QSize(450, 300);
    QTest::newRow("client size") << "ClientWidth = 400\n ClientHeight = 250" << QSize(408, 276);
    QTest::newRow("client size with a menu")
        << "ClientWidth = 400\n ClientHeight = 250\n object M: TMainMenu\n end" << QSize(408, 295);
    QTest::newRow("no border") << "BorderStyle = bsNone\n ClientWidth = 200\n ClientHeight = 100" << QSize(200, 100);
    QTest::newRow("absurd") << "Width = 99999\n Height = -5" << QSize(4000, 30);
}

void TestFormPainter::windowSizes()
{
    QFETCH(QString, properties);
    QFETCH(QSize, size);
    QCOMPARE(FormPainter::windowSize(parsed(QStringLiteral("object F: TForm\n %1\nend").arg(properties))), size);
}

void TestFormPainter::alignedChildren()
{
    // A tool bar along the top, a status bar along the bottom, a white memo filling the rest.
    const FormObject form = parsed(QStringLiteral("object F: TForm\n Width = 300\n Height = 200\n"
                                                  " object M: TMemo\n  Align = alClient\n  Color = clWhite\n end\n"
                                                  " object S: TStatusBar\n  SimpleText = 'Готово'\n end\n"
                                                  " object T: TToolBar\n  Height = 30\n end\nend"));
    FormPainter::Options options;
    options.designTime = false;
    const QImage image = FormPainter::render(form, options, QSize(300, 200));
    const QPoint client(4, 22); // client area 292 x 174
    const QRgb white = QColor(Qt::white).rgb();
    QVERIFY(image.pixel(client + QPoint(100, 10)) != white);  // the tool bar
    QCOMPARE(image.pixel(client + QPoint(100, 40)), white);   // the memo below it
    QCOMPARE(image.pixel(client + QPoint(100, 150)), white);  // down to the status bar
    QVERIFY(image.pixel(client + QPoint(200, 165)) != white); // the status bar's last 19 pixels
}

void TestFormPainter::pictureMotifs_data()
{
    QTest::addColumn<QString>("files");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("motif");
    using Motif = PictureMotifs::Motif;
    QTest::newRow("arrows") << "ARROWS.WMF" << 0 << int(Motif::Arrows);
    QTest::newRow("box, any case") << "paral.bmp" << 0 << int(Motif::Box);
    QTest::newRow("eraser glyph") << "LASTIK.BMP" << 0 << int(Motif::Eraser);
    QTest::newRow("first of three") << "3 FILES WMF" << 0 << int(Motif::Car);
    QTest::newRow("third of three") << "3 FILES WMF" << 2 << int(Motif::StopSign);
    QTest::newRow("beyond three") << "3 FILES WMF" << 7 << int(Motif::StopSign);
    QTest::newRow("no files") << "" << 0 << int(Motif::Landscape);
    QTest::newRow("sounds only") << "3 FILES WAV" << 0 << int(Motif::Landscape);
    QTest::newRow("calculator") << "CALC.WMF" << 0 << int(Motif::Calculator);
    QTest::newRow("the cartoon's background") << "3 GRAPH FILES" << 0 << int(Motif::Background);
    QTest::newRow("the cartoon's aeroplane") << "3 GRAPH FILES" << 1 << int(Motif::Airplane);
    QTest::newRow("a video clip") << "COOL.AVI" << 0 << int(Motif::Clip);
    QTest::newRow("GIF pictures among other files") << "DCU  WAV  GIF" << 0 << int(Motif::Gif);
}

void TestFormPainter::pictureMotifs()
{
    QFETCH(QString, files);
    QFETCH(int, index);
    QFETCH(int, motif);
    QCOMPARE(int(PictureMotifs::choose(files, index)), motif);
    // Drawn opaque it covers its box; drawn as a metafile it leaves the background around the drawing.
    QImage background(120, 90, QImage::Format_RGB32);
    background.fill(Qt::darkGray);
    for (const bool transparent : {false, true}) {
        QImage image = background.copy();
        {
            QPainter painter(&image);
            PictureMotifs::draw(painter, QRect(10, 10, 100, 70), PictureMotifs::Motif(motif), transparent);
        }
        QString why;
        QVERIFY2(transparent || looksDrawn(image.copy(10, 10, 100, 70), &why), qPrintable(why));
        QCOMPARE(differing(image, background, QRect(0, 0, 120, 10)), 0); // nothing outside the box
        QVERIFY(differing(image, background, QRect(10, 10, 100, 70)) > 300);
        // A metafile keeps the background in the box's corners, a bitmap covers them (the sky of a landscape
        // is part of its drawing, and the cartoon's background fills the whole image).
        if (transparent && motif != int(PictureMotifs::Motif::Landscape) &&
            motif != int(PictureMotifs::Motif::Rocket) && motif != int(PictureMotifs::Motif::Background))
            QCOMPARE(image.pixel(11, 11), background.pixel(11, 11));
    }
}

void TestFormPainter::everyKnownClassIsDrawn_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<bool>("known");
    for (const char* name : {"TLabel",         "TButton",        "TBitBtn",          "TSpeedButton",
                             "TEdit",          "TMaskEdit",      "TLabeledEdit",     "TSpinEdit",
                             "TMemo",          "TRichEdit",      "TListBox",         "TCheckListBox",
                             "TComboBox",      "TColorBox",      "TDateTimePicker",  "TCheckBox",
                             "TRadioButton",   "TGroupBox",      "TRadioGroup",      "TPanel",
                             "TScrollBox",     "TImage",         "TPaintBox",        "TAnimate",
                             "TShape",         "TBevel",         "TScrollBar",       "TTrackBar",
                             "TProgressBar",   "TUpDown",        "TStringGrid",      "TDrawGrid",
                             "TStatusBar",     "TToolBar",       "TPageControl",     "TTabControl",
                             "TTreeView",      "TListView",      "THeaderControl",   "TMediaPlayer",
                             "TMonthCalendar", "TCalendar",      "TStaticText",      "TDirectoryListBox",
                             "TFileListBox",   "TDriveComboBox", "TFilterComboBox",  "TGauge",
                             "TSpinButton",    "TColorGrid",     "TValueListEditor", "TCoolBar",
                             "TChart"})
        QTest::newRow(name) << QString::fromLatin1(name) << true;
    QTest::newRow("unknown class") << "TFancyWidget" << false;
}

void TestFormPainter::everyKnownClassIsDrawn()
{
    // Each class the painter knows draws something of its own at its place, and only an unknown one is
    // reported as drawn in its stead.
    QFETCH(QString, className);
    QFETCH(bool, known);
    const FormObject form = parsed(QStringLiteral("object Form1: TForm1\n Width = 400\n Height = 300\n"
                                                  " object X1: %1\n  Left = 40\n  Top = 40\n  Width = 120\n"
                                                  "  Height = 60\n  Align = alNone\n  Caption = 'Надпись'\n end\nend")
                                       .arg(className));
    FormObject bare = form;
    bare.children.clear();
    QStringList warnings;
    FormPainter::Options options;
    options.warnings = &warnings;
    options.picturesLoaded = false;
    const QImage drawn = FormPainter::render(form, options, QSize(400, 300));
    const QImage empty = FormPainter::render(bare, options, QSize(400, 300));
    QVERIFY(differing(drawn, empty, QRect(44, 62, 120, 60)) > 30);
    QCOMPARE(warnings.isEmpty(), known);
    if (!known)
        QVERIFY(warnings.first().contains(className));
}

void TestFormPainter::formShowsItsComponents()
{
    // The same form with and without its components: they change the picture where they stand and only
    // there, and a caption's own pixels are drawn.
    const FormObject form = parsed(QString::fromUtf8(kForm));
    FormObject bare = form;
    bare.children.clear();
    FormPainter::Options options;
    const QSize size(400, 300);
    const QImage full = FormPainter::render(form, options, size);
    const QImage empty = FormPainter::render(bare, options, size);
    QCOMPARE(full.size(), size);
    // Client area starts 4 pixels in and 22 down.
    const QPoint client(4, 22);
    const QRect button(client + QPoint(16, 80), QSize(75, 25));
    const QRect memo(client + QPoint(16, 120), QSize(200, 80));
    // The button has the form's face colour: its edges, its caption and the grid it covers differ.
    QVERIFY(differing(full, empty, button) > 150);
    QVERIFY(differing(full, empty, memo) > memo.width() * memo.height() / 2);
    const QRect right(client + QPoint(240, 0), QSize(140, 260));
    QCOMPARE(differing(full, empty, right), 0);

    FormObject renamed = form;
    renamed.find(QStringLiteral("Button1"))->values.insert(QStringLiteral("Caption"), QStringLiteral("Другое"));
    const QImage other = FormPainter::render(renamed, options, size);
    QVERIFY(differing(full, other, button.adjusted(3, 3, -3, -3)) > 20);
    QCOMPARE(differing(full, other, memo), 0);
}

void TestFormPainter::designAndRunTimeDiffer()
{
    // Design time: grid dots and non-visual components; run time: neither, and hidden controls are gone.
    FormObject form = parsed(QString::fromUtf8(kForm));
    form.children.append(parsed(QStringLiteral("object Timer1: TTimer\n Left = 300\n Top = 200\nend")));
    form.find(QStringLiteral("Memo1"))->values.insert(QStringLiteral("Visible"), QStringLiteral("False"));
    FormPainter::Options design;
    FormPainter::Options running;
    running.designTime = false;
    const QSize size(400, 300);
    const QImage atDesign = FormPainter::render(form, design, size);
    const QImage atRun = FormPainter::render(form, running, size);
    const QPoint client(4, 22);
    const QRect timer(client + QPoint(300, 200), QSize(28, 28));
    const QRect memo(client + QPoint(16, 120), QSize(200, 80));
    const QRect blank(client + QPoint(240, 10), QSize(40, 40));
    QVERIFY(differing(atDesign, atRun, timer) > 100);
    QVERIFY(differing(atDesign, atRun, memo) > 1000);
    QVERIFY(differing(atDesign, atRun, blank) > 10); // the grid
    QCOMPARE(atRun.pixel(blank.center()), QColor(212, 208, 200).rgb());
}

QTEST_MAIN(TestFormPainter)
#include "tst_formpainter.moc"
