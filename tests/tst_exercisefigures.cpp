// SPDX-License-Identifier: MIT
// The exercise figures of the content generator: the caption table and the stages of design figures, what the
// editor figures show, the figures drawn from the instruction and from the sources, stand-ins for missing
// sources, and all 165 figures at their sizes, as drawn and as written into the content tree.
#include "ExerciseFigures.h"
#include "FormFile.h"
#include "Sketch.h"
#include "TestSupport.h"
#include "tst_formsamples.h"

#include "screens/ExerciseTables.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QtTest>

using namespace FormSamples;

namespace {

using Kind = ExerciseFigures::Kind;

QString listingsFolder()
{
    return QStringLiteral(VEDARIUM_LISTINGS_DIR);
}

} // namespace

class TestExerciseFigures final : public QObject {
    Q_OBJECT

private slots:
    void projectOptionsFromTheInstruction();

    void everyCaptionHasAKind();
    void captionKinds_data();
    void captionKinds();
    void stages_data();
    void stages();
    void stagedForms();

    void dialogContents();

    void everyFigureIsDrawnAtItsSize();
    void figuresInTheContentTree();
    void missingSourcesGiveStandIns();
    void runningFiguresFromSources();
};

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
