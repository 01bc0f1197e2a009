// SPDX-License-Identifier: MIT
// The exercise figures of the content generator: the form-file reader on good and bad input, the sample
// session that gives running windows their state, the caption table and the stages of design figures, the
// drawing of a form, and all 165 figures at their sizes, as drawn and as written into the content tree.
#include "ExerciseFigures.h"
#include "FormFile.h"
#include "FormPainter.h"
#include "GifClips.h"
#include "PictureMotifs.h"
#include "ResourceFiles.h"
#include "ResourcePictures.h"
#include "SampleCanvas.h"
#include "SampleRun.h"
#include "Sketch.h"
#include "TestSupport.h"

#include "screens/ExerciseTables.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QtEndian>
#include <QtTest>

namespace {

using Kind = ExerciseFigures::Kind;

// The form of the examples: what the designer writes for a small exercise.
const char* const kForm = R"(object Form1: TForm1
  Left = 200
  Top = 100
  Width = 400
  Height = 300
  Caption = 'Сложение'
  Color = clBtnFace
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  object Label1: TLabel
    Left = 16
    Top = 16
    Caption = 'Сумма:'
  end
  object Edit1: TEdit
    Left = 16
    Top = 40
    Width = 80
    Height = 21
    TabOrder = 0
  end
  object Edit2: TEdit
    Left = 104
    Top = 40
    Width = 80
    Height = 21
    TabOrder = 1
  end
  object Button1: TButton
    Left = 16
    Top = 80
    Width = 75
    Height = 25
    Caption = 'Сложить'
    Default = True
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 104
    Top = 80
    Width = 75
    Height = 25
    Caption = 'Выход'
    OnClick = Button2Click
  end
  object Memo1: TMemo
    Left = 16
    Top = 120
    Width = 200
    Height = 80
  end
end
)";

// A form to draw on: an image, a paint box, an owner-drawn grid, a timer and a default button.
const char* const kCanvasForm = R"(object Form1: TForm1
  Width = 400
  Height = 300
  object Label1: TLabel
    Left = 8
    Top = 200
  end
  object Image1: TImage
    Left = 8
    Top = 8
    Width = 100
    Height = 80
  end
  object PaintBox1: TPaintBox
    Left = 120
    Top = 8
    Width = 60
    Height = 40
    OnPaint = PaintBox1Paint
  end
  object DrawGrid1: TDrawGrid
    Left = 200
    Top = 8
    Width = 70
    Height = 30
    ColCount = 3
    RowCount = 2
    FixedCols = 0
    FixedRows = 0
    DefaultColWidth = 20
    DefaultRowHeight = 10
    OnDrawCell = DrawGrid1DrawCell
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 100
    OnTimer = Timer1Timer
  end
  object Button1: TButton
    Left = 300
    Top = 200
    Default = True
    OnClick = Button1Click
  end
end
)";

FormObject parsed(const QString& text)
{
    const FormFile::Result result = FormFile::parse(text);
    return result.root.value_or(FormObject());
}

// A unit around the given implementation text, with the form class and its fields.
QString unit(const QString& fields, const QString& implementation)
{
    return QStringLiteral("unit Unit1;\ninterface\nuses SysUtils;\n"
                          "const\n  N = 5;\n"
                          "type\n  TForm1 = class(TForm)\n    Label1: TLabel;\n"
                          "    procedure Button1Click(Sender: TObject);\n  private\n%1\n  end;\n"
                          "var\n  Form1: TForm1;\n"
                          "implementation\n{$R *.dfm}\n%2\nend.\n")
        .arg(fields, implementation);
}

// How many pixels differ between two images of one size.
int differing(const QImage& a, const QImage& b, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return count;
}

// A drawing, not a blank rectangle: enough colours, none of them covering nearly everything. A window whose
// components are only placed may be mostly one empty container of the face colour (a scroll box filling the
// form under a row of buttons), so the largest colour may cover up to 92 percent.
bool looksDrawn(const QImage& image, QString* why)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            ++counts[image.pixel(x, y) & 0xF0F0F0];
    int largest = 0;
    for (const int count : counts)
        largest = std::max(largest, count);
    const int sampled = ((image.width() + 1) / 2) * ((image.height() + 1) / 2);
    *why = QStringLiteral("%1 colours, the largest covers %2 of %3").arg(counts.size()).arg(largest).arg(sampled);
    return counts.size() >= 8 && largest < sampled * 92 / 100;
}

QString listingsFolder()
{
    return QStringLiteral(VEDARIUM_LISTINGS_DIR);
}

} // namespace

class TestExerciseFigures final : public QObject {
    Q_OBJECT

private slots:
    void formFileValues_data();
    void formFileValues();
    void formFileStructure();
    void malformedFormFiles_data();
    void malformedFormFiles();
    void truncatedFormFilesNeverFail();

    void sampleRun_data();
    void sampleRun();
    void sampleRunMessages_data();
    void sampleRunMessages();
    void sampleRunStopsAtTheUnknown();
    void mainButtonAndNamedCommand();
    void programChangesFireEvents();
    void whatThePupilDoes();
    void canvasDrawing_data();
    void canvasDrawing();
    void canvasesShownWhereTheirOwnersStand();
    void hostileDrawingIsBounded_data();
    void hostileDrawingIsBounded();
    void workingFolderOfTheSampleMachine();
    void pupilDrawsAndChangesOptions();
    void glyphsFromFormFiles();
    void smallPictureShowsTheWindowsCorner();
    void workingFolderFiles();
    void mediaPlayerButtons();
    void projectOptionsFromTheInstruction();

    void everyCaptionHasAKind();
    void captionKinds_data();
    void captionKinds();
    void stages_data();
    void stages();
    void stagedForms();

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
    void dialogContents();
    void everyKnownClassIsDrawn_data();
    void everyKnownClassIsDrawn();
    void formShowsItsComponents();
    void designAndRunTimeDiffer();

    void everyFigureIsDrawnAtItsSize();
    void figuresInTheContentTree();
    void missingSourcesGiveStandIns();
    void runningFiguresFromSources();
};

void TestExerciseFigures::formFileValues_data()
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

void TestExerciseFigures::formFileValues()
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

void TestExerciseFigures::formFileStructure()
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

void TestExerciseFigures::malformedFormFiles_data()
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

void TestExerciseFigures::malformedFormFiles()
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

void TestExerciseFigures::truncatedFormFilesNeverFail()
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

void TestExerciseFigures::sampleRun_data()
{
    QTest::addColumn<QString>("implementation");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("expected");

    // The pupil types 12 and 5 into the two edits and presses the default button.
    QTest::newRow("integers") << "procedure TForm1.Button1Click(Sender: TObject);\nvar a, b: Integer;\nbegin\n"
                                 "  a := StrToInt(Edit1.Text);\n  b := StrToInt(Edit2.Text);\n"
                                 "  Label1.Caption := 'Сумма: ' + IntToStr(a + b);\nend;"
                              << ""
                              << "Label1"
                              << "Caption"
                              << "Сумма: 17";
    QTest::newRow("reals with a decimal comma")
        << "procedure TForm1.Button1Click(Sender: TObject);\nvar r, h, V: Real;\nbegin\n"
           "  r := StrToFloat(Edit1.Text);\n  h := StrToFloat(Edit2.Text);\n  V := Pi * Sqr(r) * h;\n"
           "  Label1.Caption := 'V = ' + FloatToStrF(V, ffFixed, 10, 2) + ', ' + FormatFloat('0.0', h / 3);\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "V = 78,54, 1,3";
    QTest::newRow("if, else and div")
        << "procedure TForm1.Button1Click(Sender: TObject);\nvar x: Integer;\nbegin\n  x := StrToInt(Edit1.Text);\n"
           "  if x mod 2 = 0 then\n    Label1.Caption := 'чётное ' + IntToStr(x div 5)\n  else\n"
           "    Label1.Caption := 'нечётное';\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "чётное 2";
    QTest::newRow("for downto over a string")
        << "procedure TForm1.Button1Click(Sender: TObject);\nvar S, R: String; i: Integer;\nbegin\n"
           "  S := 'Дельфи'; R := '';\n  for i := Length(S) downto 1 do\n    R := R + S[i];\n"
           "  Label1.Caption := R + ' ' + UpperCase(Copy(S, 2, 3)) + IntToStr(Pos('ль', S));\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "ифьлеД ЕЛЬ3";
    QTest::newRow("while, repeat, inc")
        << "procedure TForm1.Button1Click(Sender: TObject);\nvar i, s: Integer;\nbegin\n  i := 0; s := 0;\n"
           "  while i < 4 do begin Inc(i); s := s + i; end;\n  repeat Dec(s, 3) until s < 5;\n"
           "  Label1.Caption := IntToStr(s);\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "4";
    QTest::newRow("case with character ranges and a function")
        << "function Shift(C: Char; Key: Integer): Char;\nbegin\n  case C of\n"
           "    'А'..'Я': Result := Chr(Ord('А') + (Ord(C) - Ord('А') + Key) mod 32);\n"
           "    'а'..'я': Result := Chr(Ord('а') + (Ord(C) - Ord('а') + Key) mod 32);\n  else\n    Result := C;\n"
           "  end;\nend;\n"
           "procedure TForm1.Button1Click(Sender: TObject);\nvar S: string; I: Integer;\nbegin\n"
           "  S := 'Мир, да!';\n  for I := 1 to Length(S) do\n    S[I] := Shift(S[I], 3);\n"
           "  Label1.Caption := S;\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "Плу, зг!";
    QTest::newRow("array with a constant bound, field and method")
        << "procedure TForm1.Fill;\nvar I: Integer;\nbegin\n  for I := 1 to N do A[I] := I * I;\nend;\n"
           "procedure TForm1.Button1Click(Sender: TObject);\nvar I: Integer;\nbegin\n  Fill;\n  Total := 0;\n"
           "  for I := Low(A) to High(A) do Total := Total + A[I];\n"
           "  Label1.Caption := Format('%d из %d', [Total, Length(A)]);\nend;"
        << "    A: array[1..N] of Integer;\n    Total: Integer;"
        << "Label1"
        << "Caption"
        << "55 из 5";
    QTest::newRow("set membership")
        << "procedure TForm1.Button1Click(Sender: TObject);\nvar S: string; i, d: Integer;\nbegin\n"
           "  S := 'a1b22'; d := 0;\n  for i := 1 to Length(S) do\n    if S[i] in ['0'..'9'] then Inc(d);\n"
           "  Label1.Caption := IntToStr(d);\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "3";
    QTest::newRow("memo lines and colours")
        << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n  Memo1.Clear;\n  Memo1.Lines.Add('один');\n"
           "  Memo1.Lines.Add('два');\n  Label1.Font.Color := clRed;\n  Color := RGB(255, 0, 0);\n"
           "  Label1.Caption := IntToStr(Memo1.Lines.Count) + Memo1.Lines[1];\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "2два";
    QTest::newRow("the sample clock")
        << "procedure TForm1.Button1Click(Sender: TObject);\nvar H, M, S, MS: Word;\nbegin\n"
           "  DecodeTime(Now, H, M, S, MS);\n"
           "  Label1.Caption := TimeToStr(Time) + ' ' + FormatDateTime('dd.mm.yyyy, dddd', Date) + ' ' + IntToStr(M);\n"
           "end;"
        << ""
        << "Label1"
        << "Caption"
        << "12:30:45 01.09.2004, среда 30";
    QTest::newRow("edit text typed and read back")
        << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n  Label1.Caption := 'Привет, ' + Edit1.Text;\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "Привет, Маша";
    QTest::newRow("try except")
        << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n  try\n    Label1.Caption := "
           "IntToStr(StrToInt('x1'));\n"
           "  except\n    on E: EConvertError do Label1.Caption := 'Ошибка: ' + E.Message;\n  end;\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "Ошибка: 'x1' is not a valid integer value";
    QTest::newRow("number formats")
        << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n"
           "  Label1.Caption := FloatToStr(Pi) + ' ' + FormatFloat('00.0', 3.14159) + ' ' + FormatFloat('0.###', 2.5) "
           "+\n"
           "    ' ' + Format('%.2f|%d|%s|%.2x', [1.005, 42, 'ok', 255]) + ' ' + IntToHex(255, 4);\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "3,14159265358979 03,1 2,5 1,00|42|ok|FF 00FF";
    QTest::newRow("case with integers and else")
        << "procedure TForm1.Button1Click(Sender: TObject);\nvar i: Integer; S: string;\nbegin\n  S := '';\n"
           "  for i := 1 to 6 do\n    case i of\n      1, 3: S := S + 'a';\n      4..5: S := S + 'b';\n"
           "    else\n      S := S + '-';\n    end;\n  Label1.Caption := S;\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "a-abb-";
    QTest::newRow("file names and text functions")
        << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n"
           "  Label1.Caption := ExtractFileName('C:\\DELPHIFILES\\CLOCK.WMF') + ' ' + Trim('  x ') + LowerCase('ДА') "
           "+\n"
           "    IntToStr(Round(2.5)) + IntToStr(Trunc(-2.7)) + IntToStr(Ord('A')) + Chr(66);\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "CLOCK.WMF xда2-265B";
    QTest::newRow("client sizes from outer sizes")
        << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n"
           "  Label1.Caption := IntToStr(ClientWidth) + 'x' + IntToStr(Memo1.ClientHeight);\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "392x76";
    QTest::newRow("memo text as one string")
        << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n  Memo1.Text := 'один'#13#10'два';\n"
           "  Label1.Caption := IntToStr(Memo1.Lines.Count) + ':' + IntToStr(Length(Memo1.Text));\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "2:11";
    QTest::newRow("Sender, as and an object in brackets")
        << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n  Label1.Caption := (Sender as TButton).Caption;\n"
           "  if Sender = Button1 then\n    Label1.Caption := Label1.Caption + '!';\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "Сложить!";
    QTest::newRow("records, arrays of two dimensions and dynamic arrays")
        << "procedure TForm1.Button1Click(Sender: TObject);\n"
           "var R: TRect; M: array[1..2, 1..3] of Integer; D: array of string; I, J: Integer;\nbegin\n"
           "  R := Rect(10, 20, 50, 60);\n  R.Left := R.Right - 5;\n"
           "  for I := 1 to 2 do\n    for J := 1 to 3 do\n      M[I, J] := I * 10 + J;\n"
           "  SetLength(D, 2);\n  D[High(D)] := 'б';\n"
           "  Label1.Caption := Format('%d %d %d%s', [R.Left, M[2, 3], Length(D), D[1]]);\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "45 23 2б";
    // The right side of "or" is not evaluated when the left one is true: A[0] would be out of range.
    QTest::newRow("enumerations, sets with ranges, short-circuit or")
        << "type\n  TTool = (tlPen, tlLine, tlBox);\nconst\n  Letters = ['a'..'z', 'ё'];\n"
           "procedure TForm1.Button1Click(Sender: TObject);\nvar T: TTool; S: string; A: array[1..2] of Integer;\n"
           "begin\n  T := TTool(2);\n  S := '';\n  if T = tlBox then S := 'box';\n"
           "  if ('q' in Letters) and not ('Q' in Letters) then S := S + '+';\n"
           "  if (S <> '') or (A[0] > 0) then S := S + '0';\n  Label1.Caption := S;\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "box+0";
    QTest::newRow("colours are the library's numbers")
        << "procedure TForm1.Button1Click(Sender: TObject);\nvar C: TColor;\nbegin\n  C := clBtnFace;\n"
           "  Label1.Caption := IntToHex(C, 8) + ' ' + IntToHex(ColorToRGB(C), 6) + ' ' +\n"
           "    IntToStr(GetRValue(ColorToRGB(clRed))) + ' ' + IntToStr(StringToColor('clNavy'));\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "8000000F C8D0D4 255 8388608";
    QTest::newRow("a string list the program makes, filled by GetColorValues")
        << "procedure TForm1.AddName(const S: string);\nbegin\n  if Pos('Gr', S) > 0 then\n    Names.Add(S);\nend;\n"
           "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n  Names := TStringList.Create;\n"
           "  Names.Sorted := True;\n  GetColorValues(AddName);\n"
           "  Label1.Caption := IntToStr(Names.Count) + ' ' + Names[0];\nend;"
        << "    Names: TStringList;"
        << "Label1"
        << "Caption"
        << "7 clGradientActiveCaption";
}

void TestExerciseFigures::sampleRun()
{
    QFETCH(QString, implementation);
    QFETCH(QString, fields);
    QFETCH(QString, object);
    QFETCH(QString, property);
    QFETCH(QString, expected);
    SampleRun run(parsed(QString::fromUtf8(kForm)), unit(fields, implementation));
    run.start();
    run.typeSamples(false);
    run.clickMainButton();
    QVERIFY2(!run.incomplete(), qPrintable(run.stops().join(QLatin1Char('\n'))));
    QCOMPARE(run.form().find(object)->value(property), expected);
}

void TestExerciseFigures::sampleRunMessages_data()
{
    QTest::addColumn<QString>("implementation");
    QTest::addColumn<bool>("badInput");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");

    using Icon = SampleRun::Message::Icon;
    QTest::newRow("show message") << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n"
                                     "  ShowMessage('Сумма ' + IntToStr(StrToInt(Edit1.Text) + 1));\nend;"
                                  << false << "Project1"
                                  << "Сумма 13" << int(Icon::None);
    QTest::newRow("message dialog") << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n"
                                       "  if MessageDlg('Стереть?', mtConfirmation, [mbYes, mbNo], 0) = mrYes then\n"
                                       "    Label1.Caption := '';\nend;"
                                    << false << "Confirm"
                                    << "Стереть?" << int(Icon::Question);
    // Text that is no number: the exception nobody caught reaches the application's message box.
    QTest::newRow("uncaught conversion error")
        << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n"
           "  Label1.Caption := IntToStr(StrToInt(Edit1.Text) + StrToInt(Edit2.Text));\nend;"
        << true << "Project1"
        << "'12а' is not a valid integer value." << int(Icon::Error);
    QTest::newRow("caught by the program")
        << "procedure TForm1.Button1Click(Sender: TObject);\nvar x: Integer;\nbegin\n"
           "  if not TryStrToInt(Edit1.Text, x) then\n"
           "    MessageDlg('Введите целое число!', mtError, [mbOK], 0);\nend;"
        << true << "Error"
        << "Введите целое число!" << int(Icon::Error);
}

void TestExerciseFigures::sampleRunMessages()
{
    QFETCH(QString, implementation);
    QFETCH(bool, badInput);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(int, icon);
    SampleRun run(parsed(QString::fromUtf8(kForm)), unit(QString(), implementation));
    run.start();
    run.typeSamples(badInput);
    run.clickMainButton();
    QVERIFY(run.message());
    QCOMPARE(run.message()->caption, caption);
    QCOMPARE(run.message()->text, text);
    QCOMPARE(int(run.message()->icon), icon);
}

void TestExerciseFigures::sampleRunStopsAtTheUnknown()
{
    // What ran before the unknown statement stays; the stop is reported with where it happened.
    SampleRun run(parsed(QString::fromUtf8(kForm)),
                  unit(QString(), QStringLiteral("procedure TForm1.Button1Click(Sender: TObject);\nbegin\n"
                                                 "  Label1.Caption := 'до';\n  Label1.Caption := GetCurrentDir;\n"
                                                 "  Label1.Caption := 'после';\nend;")));
    run.clickMainButton();
    QCOMPARE(run.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")), QStringLiteral("до"));
    QVERIFY(run.incomplete());
    QVERIFY2(run.stops().first().startsWith(QLatin1String("Button1Click")), qPrintable(run.stops().first()));

    // Endless loops and endless recursion end at the step limit, not in a hang.
    SampleRun endless(parsed(QString::fromUtf8(kForm)),
                      unit(QString(), QStringLiteral("procedure TForm1.Again;\nbegin\n  Again;\nend;\n"
                                                     "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n"
                                                     "  Again;\nend;\n"
                                                     "procedure TForm1.FormCreate(Sender: TObject);\nbegin\n"
                                                     "  while True do Label1.Caption := 'x';\nend;")));
    QElapsedTimer timer;
    timer.start();
    endless.start();
    endless.clickMainButton();
    QVERIFY(endless.incomplete());
    QCOMPARE(endless.stops().size(), 2);
    QVERIFY(timer.elapsed() < 5000);

    // A unit that is no Pascal at all changes nothing.
    SampleRun garbage(parsed(QString::fromUtf8(kForm)), QStringLiteral("procedure TForm1.Button1Click( ((( begin 'x"));
    garbage.clickMainButton();
    QCOMPARE(garbage.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")), QStringLiteral("Сумма:"));
}

void TestExerciseFigures::mainButtonAndNamedCommand()
{
    // Without a default button the first button that does more than close the window is the main one.
    FormObject form = parsed(QString::fromUtf8(kForm));
    form.find(QStringLiteral("Button1"))->values.remove(QStringLiteral("Default"));
    std::swap(form.children[3], form.children[4]); // Button2 first in file order
    const QString source = unit(
        QString(),
        QStringLiteral("procedure TForm1.Button2Click(Sender: TObject);\nbegin\n  Close; // выход\nend;\n"
                       "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n  Label1.Caption := 'main';\nend;\n"
                       "procedure TForm1.NEncryptClick(Sender: TObject);\nbegin\n"
                       "  Label1.Caption := 'шифр';\nend;"));
    SampleRun main(form, source);
    main.clickMainButton();
    QCOMPARE(main.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")), QStringLiteral("main"));

    // A figure caption's words find a menu command by its stem.
    FormFile::Result withMenu = FormFile::parse(QStringLiteral(
        "object Form1: TForm1\n object MainMenu1: TMainMenu\n  object N1: TMenuItem\n   Caption = '&Шифр'\n"
        "   object NEncrypt: TMenuItem\n    Caption = 'За&шифровать'\n    OnClick = NEncryptClick\n   end\n  end\n"
        " end\n object Label1: TLabel\n end\nend"));
    SampleRun named(*withMenu.root, source);
    QVERIFY(!named.clickMatching(QStringLiteral("Расшифрованное письмо")));
    QVERIFY(named.clickMatching(QStringLiteral("Зашифрованный текст")));
    QCOMPARE(named.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")), QStringLiteral("шифр"));
    SampleRun unnamed(*withMenu.root, source);
    QVERIFY(!unnamed.clickMatching(QStringLiteral("Программа в работе")));
}

void TestExerciseFigures::programChangesFireEvents()
{
    // A position set by the program fires OnChange as a user's move does, once per change.
    const FormObject form = parsed(QStringLiteral("object Form1: TForm1\n object TrackBar1: TTrackBar\n  Max = 10\n"
                                                  "  OnChange = TrackBar1Change\n end\n object Label1: TLabel\n end\n"
                                                  " object Button1: TButton\n  OnClick = Button1Click\n end\nend"));
    SampleRun run(form,
                  unit(QStringLiteral("    Changes: Integer;"),
                       QStringLiteral("procedure TForm1.TrackBar1Change(Sender: TObject);\nbegin\n"
                                      "  Inc(Changes);\n"
                                      "  Label1.Caption := IntToStr(TrackBar1.Position) + '/' + IntToStr(Changes);\n"
                                      "end;\n"
                                      "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n"
                                      "  TrackBar1.Position := 7;\n  TrackBar1.Position := 7;\nend;")));
    run.clickMainButton();
    QVERIFY2(!run.incomplete(), qPrintable(run.stops().join(QLatin1Char('\n'))));
    QCOMPARE(run.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")), QStringLiteral("7/1"));
    // The session works on its own copy: the form it started from, which shares its lists, is untouched.
    QVERIFY(!form.find(QStringLiteral("Label1"))->has(QStringLiteral("Caption")));
    QVERIFY(!form.find(QStringLiteral("TrackBar1"))->has(QStringLiteral("Position")));
}

void TestExerciseFigures::whatThePupilDoes()
{
    // The pupil types only into fields that take text, presses no button of a program that works by itself
    // (a timer runs from the start) unless it is the default one, and uses the menu when there is no button.
    const QString counting = unit(
        QStringLiteral("    Ticks, Slow: Integer;"),
        QStringLiteral("procedure TForm1.Timer1Timer(Sender: TObject);\nbegin\n  Inc(Ticks);\n"
                       "  Label1.Caption := IntToStr(Ticks) + '/' + IntToStr(Slow);\nend;\n"
                       "procedure TForm1.Timer2Timer(Sender: TObject);\nbegin\n  Inc(Slow);\nend;\n"
                       "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n  Timer1.Enabled := False;\nend;\n"
                       "procedure TForm1.N2Click(Sender: TObject);\nbegin\n  Label1.Caption := 'новая игра';\nend;"));
    const FormObject timed = parsed(QStringLiteral(
        "object Form1: TForm1\n object Label1: TLabel\n end\n object Edit1: TEdit\n  Enabled = False\n end\n"
        " object Button1: TButton\n  Caption = 'Пауза'\n  OnClick = Button1Click\n end\n"
        " object Timer1: TTimer\n  Interval = 100\n  OnTimer = Timer1Timer\n end\n"
        " object Timer2: TTimer\n  Interval = 5000\n  OnTimer = Timer2Timer\n end\nend"));
    SampleRun run(timed, counting);
    run.typeSamples(false);
    run.clickMainButton();
    run.runFor(1500);
    QVERIFY(run.form().find(QStringLiteral("Edit1"))->value(QStringLiteral("Text")).isEmpty());
    QCOMPARE(run.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")), QStringLiteral("15/0"));
    run.runFor(60000);
    // However long the run, a timer fires at most kMaxTicks times; the slow one twelve times in a minute.
    QCOMPARE(run.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")),
             QStringLiteral("%1/12").arg(15 + SampleRun::kMaxTicks));

    const FormObject menu = parsed(QStringLiteral(
        "object Form1: TForm1\n object Label1: TLabel\n end\n object MainMenu1: TMainMenu\n"
        "  object N1: TMenuItem\n   Caption = 'Игра'\n   object N2: TMenuItem\n    Caption = 'Новая игра'\n"
        "    OnClick = N2Click\n   end\n  end\n end\nend"));
    SampleRun game(menu, counting);
    game.clickMainButton();
    QCOMPARE(game.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")),
             QStringLiteral("новая игра"));
}

void TestExerciseFigures::canvasDrawing_data()
{
    QTest::addColumn<QString>("implementation");
    // "Owner x y colour": the colour as #rrggbb, "none" where the surface is transparent, "outside" for a point
    // beyond it.
    QTest::addColumn<QStringList>("pixels");

    const auto click = [](const char* body) {
        return QStringLiteral("procedure TForm1.Button1Click(Sender: TObject);\nvar C: TCanvas;\nbegin\n%1\nend;")
            .arg(QString::fromUtf8(body));
    };
    QTest::newRow("FillRect up to, not including, its right and bottom edges")
        << click("  Image1.Canvas.Brush.Color := clRed;\n  Image1.Canvas.FillRect(Rect(10, 10, 30, 20));")
        << QStringList{"Image1 10 10 #ff0000", "Image1 29 19 #ff0000", "Image1 30 15 #ffffff", "Image1 15 20 #ffffff"};
    QTest::newRow("Rectangle: the pen's outline around the brush")
        << click("  Image1.Canvas.Pen.Color := clBlue;\n  Image1.Canvas.Brush.Color := clYellow;\n"
                 "  Image1.Canvas.Rectangle(10, 10, 40, 30);")
        << QStringList{"Image1 10 20 #0000ff", "Image1 39 20 #0000ff", "Image1 25 29 #0000ff", "Image1 25 20 #ffff00",
                       "Image1 40 20 #ffffff"};
    QTest::newRow("Ellipse in its box; a clear brush leaves the inside")
        << click("  Image1.Canvas.Brush.Color := clLime;\n  Image1.Canvas.Ellipse(0, 0, 41, 41);\n"
                 "  Image1.Canvas.Brush.Style := bsClear;\n  Image1.Canvas.Ellipse(50, 0, 91, 41);")
        << QStringList{"Image1 20 20 #00ff00", "Image1 2 2 #ffffff", "Image1 70 20 #ffffff", "Image1 50 20 #000000"};
    QTest::newRow("LineTo without its last point, and the pen moves")
        << click("  Image1.Canvas.MoveTo(5, 50);\n  Image1.Canvas.LineTo(25, 50);\n"
                 "  Label1.Caption := IntToStr(Image1.Canvas.PenPos.X);")
        << QStringList{"Image1 5 50 #000000", "Image1 24 50 #000000", "Image1 25 50 #ffffff"};
    QTest::newRow("with, and a variable that holds the canvas")
        << click("  with Image1.Canvas do\n  begin\n    Brush.Color := clNavy;\n    FillRect(Rect(0, 0, 10, 10));\n"
                 "  end;\n  C := Image1.Canvas;\n  C.Pixels[50, 50] := clRed;")
        << QStringList{"Image1 5 5 #000080", "Image1 50 50 #ff0000", "Image1 51 50 #ffffff"};
    QTest::newRow("Polygon of points") << click(
                                              "  Image1.Canvas.Brush.Color := clGreen;\n"
                                              "  Image1.Canvas.Polygon([Point(0, 60), Point(40, 60), Point(20, 79)]);")
                                       << QStringList{"Image1 20 65 #008000", "Image1 2 78 #ffffff"};
    QTest::newRow("text on the brush colour, or on nothing when the brush is clear")
        << click("  Image1.Canvas.Brush.Color := clYellow;\n  Image1.Canvas.TextOut(0, 0, 'Ш');\n"
                 "  Image1.Canvas.Brush.Style := bsClear;\n  Image1.Canvas.TextOut(50, 0, 'Ш');")
        << QStringList{"Image1 0 0 #ffff00", "Image1 50 0 #ffffff"};
    QTest::newRow("pen mode NotXor drawn twice leaves the picture as it was")
        << click("  Image1.Canvas.Pen.Mode := pmNotXor;\n  Image1.Canvas.Brush.Style := bsClear;\n"
                 "  Image1.Canvas.Rectangle(10, 10, 40, 30);\n  Image1.Canvas.Rectangle(10, 10, 40, 30);")
        << QStringList{"Image1 10 20 #ffffff", "Image1 25 10 #ffffff"};
    // A paint box shows only what its OnPaint handler draws, on a clear surface each time.
    QTest::newRow("a paint box paints afresh")
        << click("  PaintBox1.Canvas.Brush.Color := clBlue;\n  PaintBox1.Canvas.FillRect(Rect(0, 0, 60, 40));") +
               "\nprocedure TForm1.PaintBox1Paint(Sender: TObject);\nbegin\n"
               "  PaintBox1.Canvas.Brush.Color := clRed;\n  PaintBox1.Canvas.Ellipse(0, 0, 20, 20);\nend;"
        << QStringList{"PaintBox1 10 10 #ff0000", "PaintBox1 50 30 none"};
    QTest::newRow("an owner-drawn grid draws each cell in its Rect")
        << QStringLiteral("procedure TForm1.DrawGrid1DrawCell(Sender: TObject; ACol, ARow: Integer;\n"
                          "  Rect: TRect; State: TGridDrawState);\nbegin\n"
                          "  if (ACol + ARow) mod 2 = 0 then\n    DrawGrid1.Canvas.Brush.Color := clBlack\n"
                          "  else\n    DrawGrid1.Canvas.Brush.Color := clWhite;\n"
                          "  DrawGrid1.Canvas.FillRect(Rect);\nend;")
        << QStringList{"DrawGrid1 5 5 #000000", "DrawGrid1 26 5 #ffffff", "DrawGrid1 47 5 #000000",
                       "DrawGrid1 26 15 #000000", "DrawGrid1 20 5 none"};
    // Started by the button, the timer fires four times in the 450 ms the program runs.
    QTest::newRow("the timer draws while the program runs")
        << click("  Timer1.Enabled := True;") +
               "\nprocedure TForm1.Timer1Timer(Sender: TObject);\nbegin\n  X := X + 10;\n"
               "  Image1.Canvas.Pixels[X, 5] := clRed;\nend;"
        << QStringList{"Image1 10 5 #ff0000", "Image1 40 5 #ff0000", "Image1 50 5 #ffffff"};
    QTest::newRow("the form's own canvas")
        << click("  Canvas.Brush.Color := clAqua;\n  Canvas.FillRect(Rect(0, 0, 5, 5));")
        << QStringList{"Form1 2 2 #00ffff", "Form1 6 6 none"};
    QTest::newRow("an image's bitmap gets the size the program gives it")
        << click("  Image1.Picture.Bitmap.Width := 20;\n  Image1.Picture.Bitmap.Height := 10;\n"
                 "  Image1.Picture.Bitmap.Canvas.Pixels[19, 9] := clRed;")
        << QStringList{"Image1 19 9 #ff0000", "Image1 25 5 outside", "Image1 5 15 outside"};
}

void TestExerciseFigures::canvasDrawing()
{
    QFETCH(QString, implementation);
    QFETCH(QStringList, pixels);
    SampleRun run(parsed(QString::fromUtf8(kCanvasForm)), unit(QStringLiteral("    X: Integer;"), implementation));
    run.start();
    run.clickMainButton();
    run.runFor(450);
    run.paint();
    QVERIFY2(!run.incomplete(), qPrintable(run.stops().join(QLatin1Char('\n'))));
    for (const QString& check : pixels) {
        const QStringList part = check.split(QLatin1Char(' '));
        QVERIFY2(run.canvases().contains(part[0]), qPrintable(check));
        const QImage& image = run.canvases().value(part[0]).image();
        const QPoint at(part[1].toInt(), part[2].toInt());
        if (part[3] == QLatin1String("outside")) {
            QVERIFY2(!image.rect().contains(at), qPrintable(check));
            continue;
        }
        QVERIFY2(image.rect().contains(at), qPrintable(check));
        const QColor colour = image.pixelColor(at);
        if (part[3] == QLatin1String("none"))
            QVERIFY2(colour.alpha() == 0, qPrintable(check + QLatin1String(": ") + colour.name(QColor::HexArgb)));
        else
            QVERIFY2(colour == QColor(part[3]), qPrintable(check + QLatin1String(": ") + colour.name()));
    }
}

void TestExerciseFigures::canvasesShownWhereTheirOwnersStand()
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

void TestExerciseFigures::hostileDrawingIsBounded_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("stops");
    QTest::newRow("a bitmap as large as the program asks") << "  Image1.Picture.Bitmap.Width := 2000000000;" << false;
    QTest::newRow("coordinates far off the surface")
        << "  Image1.Canvas.Rectangle(-2000000000, 0, 2000000000, 10);\n  Image1.Canvas.LineTo(99999999, -99999999);\n"
           "  Image1.Canvas.Pixels[-5, 100000] := clRed;"
        << false;
    QTest::newRow("arguments of the wrong kind") << "  Image1.Canvas.Rectangle('a', 1);" << true;
    QTest::newRow("drawing for ever") << "  while True do\n    Image1.Canvas.Pixels[1, 1] := clRed;" << true;
    QTest::newRow("a canvas variable never set") << "  C.Pen.Color := clRed;\n  C.Ellipse(0, 0, 5, 5);" << false;
    QTest::newRow("a polygon of no points") << "  Image1.Canvas.Polygon([]);\n  Image1.Canvas.Polyline([]);" << false;
}

void TestExerciseFigures::hostileDrawingIsBounded()
{
    // Whatever a unit asks of a canvas, the session ends, with surfaces no larger than the bound; what it
    // cannot carry out stops the handler.
    QFETCH(QString, body);
    QFETCH(bool, stops);
    SampleRun run(parsed(QString::fromUtf8(kCanvasForm)),
                  unit(QString(), QStringLiteral("procedure TForm1.Button1Click(Sender: TObject);\nvar C: TCanvas;\n"
                                                 "begin\n%1\nend;")
                                      .arg(body)));
    run.clickMainButton();
    run.paint();
    QCOMPARE(run.incomplete(), stops);
    for (const SampleCanvas& canvas : run.canvases()) {
        QVERIFY(canvas.size().width() <= SampleCanvas::kMaxSide);
        QVERIFY(canvas.size().height() <= SampleCanvas::kMaxSide);
    }
}

void TestExerciseFigures::workingFolderOfTheSampleMachine()
{
    // The working folder holds what the pupil saved: the program finds its files, lists a folder by a mask
    // and loads a GIF picture with its frames.
    const FormObject form = parsed(QStringLiteral("object Form1: TForm1\n object Label1: TLabel\n end\n"
                                                  " object FileListBox1: TFileListBox\n  Mask = '*.gif'\n end\n"
                                                  " object Image1: TImage\n  Width = 100\n  Height = 100\n end\n"
                                                  " object Button1: TButton\n  Default = True\n"
                                                  "  OnClick = Button1Click\n end\nend"));
    const QString source = unit(
        QString(), QStringLiteral("procedure TForm1.Button1Click(Sender: TObject);\nvar G: TGIFImage;\nbegin\n"
                                  "  if DirectoryExists('C:\\DELPHIFILES\\GIF') then\n"
                                  "    FileListBox1.Directory := 'C:\\DELPHIFILES\\GIF';\n"
                                  "  Label1.Caption := IntToStr(FileListBox1.Items.Count);\n"
                                  "  if FileExists('C:\\DELPHIFILES\\CLOCK.WMF') then\n"
                                  "    Label1.Caption := Label1.Caption + ' wmf';\n"
                                  "  Image1.Picture.LoadFromFile('C:\\DELPHIFILES\\GIF\\' + FileListBox1.Items[1]);\n"
                                  "  if Image1.Picture.Graphic is TGIFImage then\n  begin\n"
                                  "    G := TGIFImage(Image1.Picture.Graphic);\n"
                                  "    Label1.Caption := Format('%s %d %dx%d', [Label1.Caption, G.Images.Count,\n"
                                  "      G.Width, G.Height]);\n  end;\nend;"));
    auto folder = std::make_shared<SampleRun::Folder>();
    folder->names = {"CLOCK.WMF", "gif/001.gif", "gif/002.gif", "gif/Music.wav"};
    const QByteArray gif = GifClips::clip(1);
    folder->bytes = [&](const QString& name) { return name.endsWith(QLatin1String(".gif")) ? gif : QByteArray(); };
    QImageReader reader(QStringLiteral("unused"));
    QBuffer buffer(const_cast<QByteArray*>(&gif));
    reader.setDevice(&buffer);
    const int frames = reader.imageCount();
    const QSize gifSize = reader.size();
    QVERIFY(frames > 1);

    SampleRun run(form, source);
    run.setWorkingFolder(folder);
    run.clickMainButton();
    QVERIFY2(!run.incomplete(), qPrintable(run.stops().join(QLatin1Char('\n'))));
    QCOMPARE(run.form().find(QStringLiteral("FileListBox1"))->strings(QStringLiteral("Items.Strings")),
             QStringList({"001.gif", "002.gif"}));
    QCOMPARE(run.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")),
             QStringLiteral("2 wmf %1 %2x%3").arg(frames).arg(gifSize.width()).arg(gifSize.height()));
    QCOMPARE(run.canvases().value(QStringLiteral("Image1")).size(), gifSize);

    // Without a working folder the machine has no files: the list stays empty and loading fails.
    SampleRun bare(form, source);
    bare.clickMainButton();
    QCOMPARE(bare.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")), QStringLiteral("0"));
    QVERIFY(bare.incomplete() || bare.message());
}

void TestExerciseFigures::pupilDrawsAndChangesOptions()
{
    // Each tool button of the first group draws one stroke in its own part of the surface; then the pupil
    // changes the options and their events run.
    const FormObject form = parsed(QStringLiteral(
        "object Form1: TForm1\n object Label1: TLabel\n end\n"
        " object Image1: TImage\n  Width = 200\n  Height = 100\n  OnMouseDown = Image1MouseDown\n"
        "  OnMouseMove = Image1MouseMove\n end\n"
        " object SpeedButton1: TSpeedButton\n  Tag = 0\n  GroupIndex = 1\n  Down = True\n  OnClick = ToolClick\n end\n"
        " object SpeedButton2: TSpeedButton\n  Tag = 1\n  GroupIndex = 1\n  OnClick = ToolClick\n end\n"
        " object RadioGroup1: TRadioGroup\n  Items.Strings = (\n    'a'\n    'b')\n  ItemIndex = 0\n"
        "  OnClick = RadioGroup1Click\n end\n"
        " object CheckBox1: TCheckBox\n  Checked = True\n  State = cbChecked\n end\n"
        " object TrackBar1: TTrackBar\n  Max = 80\n  Position = 10\n end\nend"));
    const QString source = unit(
        QStringLiteral("    Tool: Integer;"),
        QStringLiteral("procedure TForm1.ToolClick(Sender: TObject);\nbegin\n  Tool := (Sender as TSpeedButton).Tag;\n"
                       "end;\n"
                       "procedure TForm1.Image1MouseDown(Sender: TObject; Button: TMouseButton;\n"
                       "  Shift: TShiftState; X, Y: Integer);\nbegin\n  if Button = mbLeft then\n"
                       "    Image1.Canvas.MoveTo(X, Y);\nend;\n"
                       "procedure TForm1.Image1MouseMove(Sender: TObject; Shift: TShiftState; X, Y: Integer);\n"
                       "begin\n  if Tool = 0 then\n    Image1.Canvas.Pen.Color := clRed\n  else\n"
                       "    Image1.Canvas.Pen.Color := clBlue;\n  Image1.Canvas.LineTo(X, Y);\nend;\n"
                       "procedure TForm1.RadioGroup1Click(Sender: TObject);\nbegin\n"
                       "  Label1.Caption := 'выбран ' + RadioGroup1.Items[RadioGroup1.ItemIndex];\nend;"));
    SampleRun run(form, source);
    run.drawStrokes();
    QVERIFY2(!run.incomplete(), qPrintable(run.stops().join(QLatin1Char('\n'))));
    const QImage image = run.canvases().value(QStringLiteral("Image1")).image();
    int red = 0;
    int blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c == QColor(Qt::red) ? (x < 100 ? 1 : -1000) : 0;
            blue += c == QColor(Qt::blue) ? (x >= 100 ? 1 : -1000) : 0;
        }
    QVERIFY2(red > 40 && blue > 40, qPrintable(QStringLiteral("%1 %2").arg(red).arg(blue)));
    QCOMPARE(run.form().find(QStringLiteral("SpeedButton2"))->value(QStringLiteral("Down")), QStringLiteral("True"));
    QCOMPARE(run.form().find(QStringLiteral("SpeedButton1"))->value(QStringLiteral("Down")), QStringLiteral("False"));

    QVERIFY(run.changeOptions());
    QCOMPARE(run.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")), QStringLiteral("выбран b"));
    QVERIFY(!run.form().find(QStringLiteral("CheckBox1"))->flag(QStringLiteral("Checked"), true));
    QVERIFY(!run.form().find(QStringLiteral("CheckBox1"))->has(QStringLiteral("State")));
    QCOMPARE(run.form().find(QStringLiteral("TrackBar1"))->number(QStringLiteral("Position"), 0), 20);
}

void TestExerciseFigures::glyphsFromFormFiles()
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

void TestExerciseFigures::smallPictureShowsTheWindowsCorner()
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

void TestExerciseFigures::workingFolderFiles()
{
    // The sample machine's working folder: every exercise's files under their folders, read by name in any
    // letter case; the sounds and archives are there but empty.
    const QStringList names = ResourceFiles::names();
    for (const char* name : {"CALC.WMF", "TEST1.txt", "gif/001.gif", "gif/Music.wav", "visual/20.bmp",
                             "buttons/button018.bmp", "source/Zoom.rar"})
        QVERIFY2(names.contains(QLatin1String(name)), name);
    QCOMPARE(QImage::fromData(ResourceFiles::bytes(QStringLiteral("GIF/001.GIF")), "GIF").isNull(), false);
    QCOMPARE(QImage::fromData(ResourceFiles::bytes(QStringLiteral("visual/1.bmp")), "BMP").size(),
             ResourcePictures::butterfly(1).size());
    QVERIFY(ResourceFiles::bytes(QStringLiteral("TEST1.txt")).size() > 20);
    QVERIFY(ResourceFiles::bytes(QStringLiteral("Crack.wav")).isEmpty());
    QVERIFY(ResourceFiles::bytes(QStringLiteral("../CALC.WMF")).isEmpty());
}

void TestExerciseFigures::mediaPlayerButtons()
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

void TestExerciseFigures::projectOptionsFromTheInstruction()
{
    // The Project Options figure shows the title, extension and icon its instruction asks for; without the
    // instruction, the exercise's name and no extension.
    const QString articles = QDir(listingsFolder()).filePath(QStringLiteral("../articles"));
    QVERIFY(QFileInfo::exists(articles + QStringLiteral("/doc/upr/upr4/upr06.txt")));
    for (const int group : {3, 4}) {
        const ExerciseTables::ExerciseFigure* options = ExerciseTables::figureOf(
            group, group == 3 ? 5 : 6,
            group == 3 ? ExerciseTables::FigureButton::Panel25 : ExerciseTables::FigureButton::Panel18);
        QVERIFY(options && ExerciseFigures::kindOf(QString::fromUtf8(options->caption)) == Kind::ProjectOptions);
        const QImage told = ExerciseFigures(listingsFolder(), articles).draw(*options);
        const QImage untold = ExerciseFigures(listingsFolder()).draw(*options);
        // The title field lies under the tabs; the title bar and the tabs are the same.
        QVERIFY(differing(told, untold, QRect(90, 70, 250, 30)) > 50); // the title
        QVERIFY(differing(told, untold, QRect(0, 0, told.width(), 60)) == 0);
    }
}

void TestExerciseFigures::everyCaptionHasAKind()
{
    int rows = 0;
    for (const ExerciseTables::ExerciseFigure& row : ExerciseTables::figures()) {
        QVERIFY2(ExerciseFigures::kindOf(QString::fromUtf8(row.caption)), row.caption);
        ++rows;
    }
    QCOMPARE(rows, 165);
}

void TestExerciseFigures::captionKinds_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("kind");
    const struct {
        const char* caption;
        Kind kind;
    } rows[] = {
        {"РИСУНОК 1. Окно сохранения модуля Unit1.pas", Kind::SaveUnit},
        {"РИСУНОК 2. Окно сохранения файла проекта Progect1.dpr", Kind::SaveProject},
        {"РИСУНОК 3. Окно настройки текстовых шрифтов", Kind::FontDialog},
        {"РИСУНОК 4. Окно формы. Интерфейс программы на данный момент", Kind::FormDesign},
        {"РИСУНОК 5. Окно кода программы", Kind::CodeWindow},
        {"РИСУНОК 2. Окно кода программы. Объявление переменных", Kind::CodeWindow},
        {"РИСУНОК 3. Диалоговое окно редактора картинок", Kind::PictureEditor},
        {"РИСУНОК 3. Окно Редактора изображений свойства Glyph", Kind::PictureEditor},
        {"РИСУНОК 2. Окно Редактора изображений компонента ImageList", Kind::ImageListEditor},
        {"РИСУНОК 4. Окно Редактора компонента ActionList", Kind::ActionListEditor},
        {"РИСУНОК 1. Окно Редактора строк компонента Memo", Kind::StringListEditor},
        {"РИСУНОК 3. Окно Редакора строк RadioGroup", Kind::StringListEditor},
        {"РИСУНОК 2. Окно редактора названия столбцов", Kind::CollectionEditor},
        {"РИСУНОК 2. Редактор фильтров для OpenDialog и SaveDialog", Kind::FilterEditor},
        {"РИСУНОК 3. Диалоговое окно создания меню", Kind::MenuDesigner},
        {"РИСУНОК 4. Создание меню программы", Kind::MenuDesigner},
        {"РИСУНОК 2. Объекты проекта", Kind::ObjectTreeView},
        {"РИСУНОК 3. Окно установки опций проекта", Kind::ProjectOptions},
        {"РИСУНОК 1. Окно Project Options", Kind::ProjectOptions},
        {"РИСУНОК 3. Окно Обзор папок", Kind::BrowseForFolder},
        // "во время работы" is in this caption too: the desktop must win.
        {"РИСУНОК 1. Вид рабочего стола во время работы программы", Kind::Desktop},
        {"РИСУНОК 1. Окно формы. Начало работы - поле Memo", Kind::FormDesign},
        {"РИСУНОК 1. Компоненты формы", Kind::FormDesign},
        {"РИСУНОК 3. Итоговый интерфейс", Kind::FormDesign},
        {"РИСУНОК 1. Вид окна программы при запуске", Kind::RunningProgram},
        {"РИСУНОК 3. Программа в процессе работы", Kind::RunningProgram},
        {"РИСУНОК 3. Окно работающей программы", Kind::RunningProgram},
        {"РИСУНОК 3. Окно программы", Kind::RunningProgram},
        {"РИСУНОК 3. Реакция программы на неверный ввод данных", Kind::RunningProgram},
        {"РИСУНОК 3. Программа Хранитель экрана в действии", Kind::RunningProgram},
        {"РИСУНОК 5. Программа во время работы. Зашифрованный текст", Kind::RunningProgram},
    };
    for (const auto& row : rows)
        QTest::newRow(row.caption) << QString::fromUtf8(row.caption) << int(row.kind);
}

void TestExerciseFigures::captionKinds()
{
    QFETCH(QString, caption);
    QFETCH(int, kind);
    const std::optional<Kind> found = ExerciseFigures::kindOf(caption);
    QVERIFY(found);
    QCOMPARE(int(*found), kind);
    QVERIFY(!ExerciseFigures::kindOf(QStringLiteral("РИСУНОК 9. Что-то совсем другое")));
}

void TestExerciseFigures::stages_data()
{
    QTest::addColumn<QStringList>("captions");
    // One letter per figure: F finished, P partial (with its share in tenths after it), D placed only,
    // S second form, - not a design figure.
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("two partial figures, then the finished form")
        << QStringList{"РИСУНОК 1. Окно формы. Интерфейс программы на данный момент",
                       "РИСУНОК 2. Окно формы. Интерфейс программы на данный момент",
                       "РИСУНОК 3. Диалоговое окно редактора картинок",
                       "РИСУНОК 4. Окно формы. Готовый интерфейс программы"}
        << QStringList{"P3", "P7", "-", "F"};
    QTest::newRow("a partial figure with nothing after it shows everything")
        << QStringList{"РИСУНОК 3. Окно настройки текстовых шрифтов",
                       "РИСУНОК 4. Окно формы. Интерфейс программы на данный момент", "РИСУНОК 5. Окно кода программы"}
        << QStringList{"-", "P10", "-"};
    QTest::newRow("placed, then finished")
        << QStringList{"РИСУНОК 1. Окно формы. Расположение компонентов", "РИСУНОК 2. Окно формы. Интерфейс программы"}
        << QStringList{"D", "F"};
    QTest::newRow("initial placement shows every component, only placed, in a plain window")
        << QStringList{"РИСУНОК 1. Вид окна программы во время работы",
                       "РИСУНОК 2. Окно формы. Начальное расположение компонентов",
                       "РИСУНОК 3. Окно формы. Готовый интерфейс программы"}
        << QStringList{"-", "DI", "F"};
    QTest::newRow("placed at this stage keeps its properties")
        << QStringList{"РИСУНОК 1. Окно формы. Расположение компонентов на данном этапе",
                       "РИСУНОК 2. Окно формы. Окончательный интерфейс программы"}
        << QStringList{"P5", "F"};
    QTest::newRow("stages of two forms are counted apart")
        << QStringList{"РИСУНОК 1. Окно Редактора строк компонента Memo",
                       "РИСУНОК 2. Окно формы. Интерфейс программы на данном этапе",
                       "РИСУНОК 3. Окно формы Form1. Окончательный интерфейс основной формы",
                       "РИСУНОК 4. Окно формы Form2. Интерфейс дополнительной формы"}
        << QStringList{"-", "P5", "F", "SF"};
    QTest::newRow("the second window") << QStringList{"РИСУНОК 3. Окно формы. Конечный интерфейс первого окна",
                                                      "РИСУНОК 4. Окно формы. Расположение компонентов второго окна"}
                                       << QStringList{"F", "SD"};
}

void TestExerciseFigures::stages()
{
    QFETCH(QStringList, captions);
    QFETCH(QStringList, expected);
    const QList<ExerciseFigures::Stage> stages = ExerciseFigures::stages(captions);
    QCOMPARE(stages.size(), expected.size());
    for (qsizetype i = 0; i < stages.size(); ++i) {
        const ExerciseFigures::Stage& s = stages[i];
        QString code;
        if (ExerciseFigures::kindOf(captions[i]) != Kind::FormDesign) {
            code = QStringLiteral("-");
        } else {
            code += s.secondForm ? QStringLiteral("S") : QString();
            code += s.defaults ? QStringLiteral("D") : QString();
            code += s.partial ? QStringLiteral("P%1").arg(qRound(s.share * 10)) : QString();
            code += s.initial ? QStringLiteral("I") : QString();
            if (!s.defaults && !s.partial)
                code += QStringLiteral("F");
        }
        QCOMPARE(code, expected[i]);
    }
    QCOMPARE(
        ExerciseFigures::stages({QStringLiteral("РИСУНОК 1. Окно формы. Начало работы - поле Memo")}).first().onlyClass,
        QStringLiteral("TMemo"));
}

void TestExerciseFigures::stagedForms()
{
    const QString text = QStringLiteral(R"(object Form1: TForm1
  object Image1: TImage
    Left = 8
    Top = 8
    Width = 100
    Height = 100
  end
  object Label1: TLabel
    Left = 120
    Top = 10
    Caption = 'Длина'
    Font.Color = clRed
  end
  object Edit1: TEdit
    Left = 200
    Top = 8
    Text = '5'
  end
  object Button1: TButton
    Left = 120
    Top = 60
    Caption = 'Считать'
  end
  object Memo1: TMemo
    Top = 120
    Lines.Strings = ('x')
  end
  object Timer1: TTimer
  end
end)");
    const FormObject form = parsed(text);
    const auto names = [](const FormObject& f) {
        QStringList out;
        for (const FormObject& child : f.children)
            out.append(child.name);
        return out;
    };
    ExerciseFigures::Stage stage;
    stage.partial = true;
    // Rows from the top: Label1 and Edit1, then Button1, then Memo1; the picture after them, the timer last.
    stage.share = 0.34;
    QCOMPARE(names(ExerciseFigures::staged(form, stage)), (QStringList{"Label1", "Edit1"}));
    stage.share = 0.5;
    QCOMPARE(names(ExerciseFigures::staged(form, stage)), (QStringList{"Label1", "Edit1", "Button1"}));
    stage.share = 0.99;
    QCOMPARE(names(ExerciseFigures::staged(form, stage)), (QStringList{"Label1", "Edit1", "Button1", "Memo1"}));
    stage.share = 1.0;
    QCOMPARE(names(ExerciseFigures::staged(form, stage)), names(form));
    stage.onlyClass = QStringLiteral("TMemo");
    QCOMPARE(names(ExerciseFigures::staged(form, stage)), (QStringList{"Memo1"}));

    // Placed only: names for captions and texts, no colours of their own.
    ExerciseFigures::Stage placed;
    placed.defaults = true;
    const FormObject fresh = ExerciseFigures::staged(form, placed);
    QCOMPARE(names(fresh), names(form));
    QCOMPARE(fresh.find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")), QStringLiteral("Label1"));
    QVERIFY(!fresh.find(QStringLiteral("Label1"))->has(QStringLiteral("Font.Color")));
    QCOMPARE(fresh.find(QStringLiteral("Edit1"))->value(QStringLiteral("Text")), QStringLiteral("Edit1"));
    QCOMPARE(fresh.find(QStringLiteral("Memo1"))->strings(QStringLiteral("Lines.Strings")), QStringList{"Memo1"});
    QCOMPARE(fresh.find(QStringLiteral("Button1"))->value(QStringLiteral("Left")), QStringLiteral("120"));

    // Bars are filled after they are placed: while components are only placed or partly there, a menu has
    // no items and a tool bar no buttons; the finished form has them. The first look of a window is also a
    // plain one, whatever border and colour the form gets later.
    FormObject barred = parsed(
        QStringLiteral("object Form1: TForm1\n BorderStyle = bsNone\n Color = clWhite\n object MainMenu1: TMainMenu\n"
                       "  object N1: TMenuItem\n   Caption = 'Файл'\n  end\n end\n object ToolBar1: TToolBar\n"
                       "  object ToolButton1: TToolButton\n  end\n end\nend"));
    const auto children = [](const FormObject& f, const QString& name) { return f.find(name)->children.size(); };
    QCOMPARE(children(ExerciseFigures::staged(barred, placed), QStringLiteral("MainMenu1")), 0);
    QCOMPARE(children(ExerciseFigures::staged(barred, placed), QStringLiteral("ToolBar1")), 0);
    QCOMPARE(children(ExerciseFigures::staged(barred, stage), QStringLiteral("ToolBar1")), 0);
    QCOMPARE(children(ExerciseFigures::staged(barred, ExerciseFigures::Stage()), QStringLiteral("MainMenu1")), 1);
    QCOMPARE(ExerciseFigures::staged(barred, placed).value(QStringLiteral("BorderStyle")), QStringLiteral("bsNone"));
    ExerciseFigures::Stage initial = placed;
    initial.initial = true;
    QVERIFY(!ExerciseFigures::staged(barred, initial).has(QStringLiteral("BorderStyle")));
    QVERIFY(!ExerciseFigures::staged(barred, initial).has(QStringLiteral("Color")));
}

void TestExerciseFigures::colours_data()
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

void TestExerciseFigures::colours()
{
    QFETCH(QString, value);
    QFETCH(QColor, expected);
    QCOMPARE(FormPainter::colour(value, QColor(1, 2, 3)), expected);
}

void TestExerciseFigures::fonts_data()
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

void TestExerciseFigures::fonts()
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

void TestExerciseFigures::shownCaptions_data()
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

void TestExerciseFigures::shownCaptions()
{
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QCOMPARE(FormPainter::shownCaption(caption), shown);
}

void TestExerciseFigures::windowSizes_data()
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

void TestExerciseFigures::windowSizes()
{
    QFETCH(QString, properties);
    QFETCH(QSize, size);
    QCOMPARE(FormPainter::windowSize(parsed(QStringLiteral("object F: TForm\n %1\nend").arg(properties))), size);
}

void TestExerciseFigures::alignedChildren()
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

void TestExerciseFigures::pictureMotifs_data()
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

void TestExerciseFigures::pictureMotifs()
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

void TestExerciseFigures::dialogContents()
{
    const FormObject form = parsed(QStringLiteral(R"(object Form1: TForm1
  object RadioGroup1: TRadioGroup
    Items.Strings = ('Сумма' 'Среднее')
  end
  object Memo1: TMemo
    Lines.Strings = ('Первая строка' 'Вторая')
  end
  object ListView1: TListView
    Columns = <item Caption = 'Вопрос' end item Caption = 'Ответ' end>
  end
  object OpenDialog1: TOpenDialog
    Filter = 'Рисунки (*.bmp)|*.bmp|Все файлы (*.*)|*.*'
  end
  object SaveDialog1: TSaveDialog
    Filter = 'Текст (*.txt)|*.txt'
  end
end)"));
    QString owner;
    QCOMPARE(ExerciseFigures::editedStrings(form, QStringLiteral("Окно Редактора строк компонента Memo"), &owner),
             (QStringList{"Первая строка", "Вторая"}));
    QCOMPARE(owner, QStringLiteral("Memo1"));
    QCOMPARE(ExerciseFigures::editedStrings(form, QStringLiteral("Окно Редакора строк RadioGroup"), &owner),
             (QStringList{"Сумма", "Среднее"}));
    QCOMPARE(ExerciseFigures::editedStrings(form, QStringLiteral("Окно редактора названия столбцов"), &owner),
             (QStringList{"Вопрос", "Ответ"}));
    QCOMPARE(owner, QStringLiteral("ListView1"));

    QCOMPARE(ExerciseFigures::filters(form, QStringLiteral("Окно Редактора фильтров для SaveDialog"), &owner),
             (QList<QPair<QString, QString>>{{"Текст (*.txt)", "*.txt"}}));
    QCOMPARE(owner, QStringLiteral("SaveDialog1"));
    QCOMPARE(ExerciseFigures::filters(form, QStringLiteral("Окно Редактора фильтров для OpenDialog"), &owner).size(),
             2);
    owner.clear();
    QVERIFY(ExerciseFigures::filters(parsed(QStringLiteral("object F: TForm\nend")), QStringLiteral("фильтров"), &owner)
                .isEmpty());
    QVERIFY(owner.isEmpty());

    const QString unitText =
        QStringLiteral("unit Unit1;\r\ninterface\r\nvar\r\n  Form1: TForm1;\r\nimplementation\r\n"
                       "procedure TForm1.Button1Click(Sender: TObject);\r\nvar\r\n  a: Integer;\r\n"
                       "begin\r\n\tend;\r\nend.");
    const QStringList all = ExerciseFigures::codeLines(unitText, QStringLiteral("Окно кода программы"));
    QCOMPARE(all.first(), QStringLiteral("unit Unit1;"));
    QCOMPARE(all[9], QStringLiteral("  end;")); // line ends and tabs as the editor shows them
    const QStringList declared =
        ExerciseFigures::codeLines(unitText, QStringLiteral("Окно кода программы. Объявление переменных"));
    QCOMPARE(declared.first(), QStringLiteral("procedure TForm1.Button1Click(Sender: TObject);"));
}

void TestExerciseFigures::everyKnownClassIsDrawn_data()
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

void TestExerciseFigures::everyKnownClassIsDrawn()
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

void TestExerciseFigures::formShowsItsComponents()
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

void TestExerciseFigures::designAndRunTimeDiffer()
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

void TestExerciseFigures::everyFigureIsDrawnAtItsSize()
{
    QVERIFY(QDir(listingsFolder()).exists());
    ExerciseFigures figures(listingsFolder());
    QSet<int> kinds;
    for (const ExerciseTables::ExerciseFigure& row : ExerciseTables::figures()) {
        const QImage image = figures.draw(row);
        const QString name = QString::fromUtf8(row.picture);
        QCOMPARE(image.size(), QSize(row.pictureWidth, row.pictureHeight));
        QString why;
        QVERIFY2(looksDrawn(image, &why), qPrintable(name + QLatin1String(": ") + why));
        kinds.insert(int(*ExerciseFigures::kindOf(QString::fromUtf8(row.caption))));
    }
    QCOMPARE(kinds.size(), 17); // every kind of drawing is used by some figure
    // The course's own sources read without a complaint; the first group's forms are all there.
    QVERIFY2(figures.warnings().isEmpty(), qPrintable(figures.warnings().join(QLatin1Char('\n'))));
    for (const QString& missing : figures.missingForms())
        QVERIFY2(!missing.startsWith(QLatin1String("programs/prog1/")), qPrintable(missing));
}

void TestExerciseFigures::figuresInTheContentTree()
{
    // Every figure as the generator wrote it: its format by its extension, 24-bit BMP, its exact size.
    const QDir tree(TestSupport::generatedContent());
    for (const ExerciseTables::ExerciseFigure& row : ExerciseTables::figures()) {
        const QString path = QString::fromUtf8(row.picture).replace(QLatin1Char('\\'), QLatin1Char('/'));
        QFile file(tree.filePath(path));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = file.readAll();
        const bool bmp = path.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
        if (bmp) {
            QVERIFY2(bytes.startsWith("BM"), qPrintable(path));
            QCOMPARE(static_cast<int>(static_cast<uchar>(bytes.at(28))), 24);
        } else {
            QVERIFY2(bytes.startsWith("\xFF\xD8\xFF"), qPrintable(path));
        }
        const QImage image = QImage::fromData(bytes, bmp ? "BMP" : "JPEG");
        QCOMPARE(image.size(), QSize(row.pictureWidth, row.pictureHeight));
    }
}

void TestExerciseFigures::missingSourcesGiveStandIns()
{
    // An empty listings folder: every figure is still drawn, with a stand-in form named in missingForms().
    QTemporaryDir empty;
    ExerciseFigures figures(empty.path());
    const ExerciseTables::ExerciseFigure* design =
        ExerciseTables::figureOf(1, 2, ExerciseTables::FigureButton::Panel19);
    const ExerciseTables::ExerciseFigure* second =
        ExerciseTables::figureOf(1, 7, ExerciseTables::FigureButton::Panel19);
    const ExerciseTables::ExerciseFigure* code = ExerciseTables::figureOf(1, 1, ExerciseTables::FigureButton::Panel22);
    for (const ExerciseTables::ExerciseFigure* row : {design, second, code}) {
        QVERIFY(row);
        const QImage image = figures.draw(*row);
        QCOMPARE(image.size(), QSize(row->pictureWidth, row->pictureHeight));
        QString why;
        QVERIFY2(looksDrawn(image, &why), qPrintable(why));
    }
    QVERIFY(figures.missingForms().contains(QStringLiteral("programs/prog1/upr02/Unit1.dfm")));
    QVERIFY(figures.missingForms().contains(QStringLiteral("programs/prog1/upr07/Unit2.dfm")));
    QVERIFY(figures.warnings().isEmpty());

    // A damaged form file is read as far as it goes and reported as a warning.
    QTemporaryDir damaged;
    QDir(damaged.path()).mkpath(QStringLiteral("programs/prog1/upr02"));
    QFile file(QDir(damaged.path()).filePath(QStringLiteral("programs/prog1/upr02/Unit1.dfm")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("object Form1: TForm1\n  Caption = 'Ввод\n  object Button1: TButton\n    Left = 10\n");
    file.close();
    ExerciseFigures fromDamaged(damaged.path());
    QCOMPARE(fromDamaged.draw(*design).size(), QSize(design->pictureWidth, design->pictureHeight));
    QVERIFY(!fromDamaged.warnings().isEmpty());
    QVERIFY(fromDamaged.warnings().first().startsWith(QLatin1String("programs/prog1/upr02/Unit1.dfm")));

    // A component the drawing does not know is told once for the exercise, however many figures show it.
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("object Form1: TForm1\n object Fancy1: TFancyWidget\n  Width = 50\n  Height = 50\n end\nend\n");
    file.close();
    ExerciseFigures withUnknown(damaged.path());
    withUnknown.draw(*design);
    withUnknown.draw(*ExerciseTables::figureOf(1, 2, ExerciseTables::FigureButton::Panel18));
    QCOMPARE(withUnknown.warnings(),
             QStringList{"exercise 1:02: Fancy1: component class TFancyWidget drawn as a plain box"});

    // A form file named after its listing may hold both windows of the program, one form after the other; an
    // image list's sizes are those of its pictures, not a place on the form.
    QTemporaryDir both;
    QDir(both.path()).mkpath(QStringLiteral("programs/prog3/upr11"));
    QFile pair(QDir(both.path()).filePath(QStringLiteral("programs/prog3/upr11/Unit1-2.dfm")));
    QVERIFY(pair.open(QIODevice::WriteOnly));
    pair.write("object Form1: TForm1\n Caption = 'One'\n object ImageList1: TImageList\n  Width = 16\n  Height = 16\n"
               " end\nend\nobject Form2: TForm2\n Caption = 'Two'\nend\n");
    pair.close();
    ExerciseFigures fromPair(both.path());
    const ExerciseTables::ExerciseFigure* first =
        ExerciseTables::figureOf(3, 11, ExerciseTables::FigureButton::Panel19);
    const ExerciseTables::ExerciseFigure* fourth =
        ExerciseTables::figureOf(3, 11, ExerciseTables::FigureButton::Panel21);
    QVERIFY(first && fourth);
    QVERIFY(fromPair.draw(*first) != fromPair.draw(*fourth));
    QVERIFY2(fromPair.missingForms().isEmpty(), qPrintable(fromPair.missingForms().join(QLatin1Char(' '))));
    QVERIFY2(fromPair.warnings().isEmpty(), qPrintable(fromPair.warnings().join(QLatin1Char(' '))));
}

void TestExerciseFigures::runningFiguresFromSources()
{
    // An exercise whose program rejects text that is no number: its figure of the wrong input shows the
    // application's error box in the middle of the window; the same window without it shows none.
    QTemporaryDir folder;
    const auto write = [&](const QString& path, const QString& text) {
        QDir(folder.path()).mkpath(QFileInfo(path).path());
        QFile file(QDir(folder.path()).filePath(path));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    };
    const QString raising =
        unit(QString(), QStringLiteral("procedure TForm1.Button1Click(Sender: TObject);\nbegin\n"
                                       "  Label1.Caption := IntToStr(StrToInt(Edit1.Text));\nend;"));
    write(QStringLiteral("programs/prog2/upr05/Unit1.dfm"), QString::fromUtf8(kForm));
    write(QStringLiteral("programs/prog2/upr05/Unit1.pas"), raising);
    const ExerciseTables::ExerciseFigure* wrongInput =
        ExerciseTables::figureOf(2, 5, ExerciseTables::FigureButton::Panel25);
    QVERIFY(QString::fromUtf8(wrongInput->caption).contains(QStringLiteral("неверный ввод")));
    ExerciseFigures figures(folder.path());
    const QImage withBox = figures.draw(*wrongInput);
    write(QStringLiteral("programs/prog2/upr05/Unit1.pas"), unit(QString(), QString()));
    ExerciseFigures quiet(folder.path());
    const QImage withoutBox = quiet.draw(*wrongInput);
    QVERIFY(figures.warnings().isEmpty());
    // The box has the window's face colour: its title bar, icon, text and button make the difference.
    const QRect middle(withBox.width() / 2 - 100, withBox.height() / 2 - 50, 200, 100);
    QVERIFY(differing(withBox, withoutBox, middle) > 2000);
    QCOMPARE(differing(withBox, withoutBox, QRect(0, 0, withBox.width(), 20)), 0); // the window's own title

    // "Разные виды окна программы": two windows side by side on the desktop.
    write(QStringLiteral("programs/prog3/upr08/Unit1.dfm"), QString::fromUtf8(kForm));
    const ExerciseTables::ExerciseFigure* views = ExerciseTables::figureOf(3, 8, ExerciseTables::FigureButton::Panel18);
    const QImage two = figures.draw(*views);
    QCOMPARE(two.size(), QSize(views->pictureWidth, views->pictureHeight));
    const QRgb desktop = Sketch::kDesktop.rgb();
    QCOMPARE(two.pixel(1, two.height() / 2), desktop);
    QCOMPARE(two.pixel(two.width() / 2, two.height() / 2), desktop);
    QVERIFY(two.pixel(two.width() / 4, two.height() / 2) != desktop);
    QVERIFY(two.pixel(two.width() * 3 / 4, two.height() / 2) != desktop);
}

QTEST_MAIN(TestExerciseFigures)
#include "tst_exercisefigures.moc"
