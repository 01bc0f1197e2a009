// SPDX-License-Identifier: MIT
// The exercise figures: the table of caption patterns that gives a figure its kind, the exercise's sources read
// from the listings folder (its unit and form files, with stand-ins for forms not written yet), and the drawing
// of each figure by its kind: the form at design time, the running program after a sample session with a
// message box over it, the code window, or one of the environment's dialogs and editors, which are drawn in
// ExerciseFigureDialogs.cpp and ExerciseFigureEditors.cpp.
#include "ExerciseFigures.h"

#include "ExerciseFiguresInternal.h"
#include "FormPainter.h"
#include "IdeParts.h"
#include "ResourceFiles.h"
#include "SampleRun.h"
#include "Sketch.h"
#include "WindowsCyrillic.h"

#include "platform/CaseInsensitive.h"
#include "screens/ExerciseTables.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QStringDecoder>

using namespace ExerciseFigureParts;

namespace ExerciseFigureParts {

bool mentions(const QString& caption, const char* words)
{
    return caption.contains(QString::fromUtf8(words), Qt::CaseInsensitive);
}

// The exercise's name for windows: "Программа \"Хронометр\"" from "06 Программа \"Хронометр\"".
QString exerciseName(const ExerciseTables::Exercise& exercise)
{
    return QString::fromUtf8(exercise.caption).remove(QRegularExpression(QStringLiteral("^\\d+\\s*"))).trimmed();
}

FormObject object(const QString& name, const QString& className, QList<QPair<QString, QString>> values)
{
    FormObject o;
    o.name = name;
    o.className = className;
    for (const auto& [key, value] : values)
        o.values.insert(key, value);
    return o;
}

} // namespace ExerciseFigureParts

namespace {

using Kind = ExerciseFigures::Kind;

// How long the program runs by itself before its running window is drawn, in milliseconds.
constexpr int kRunningTime = 1500;

// Caption patterns, first match wins: the dialogs are named by what they edit, the code window and the forms
// by the window, the running program by the words for "while it works".
const struct {
    const char* pattern;
    Kind kind;
} kPatterns[] = {
    {"сохранения модуля", Kind::SaveUnit},
    {"сохранения файла проекта", Kind::SaveProject},
    {"текстовых шрифтов", Kind::FontDialog},
    {"редактора картинок", Kind::PictureEditor},
    {"свойства Glyph", Kind::PictureEditor},
    {"компонента ImageList", Kind::ImageListEditor},
    {"компонента ActionList", Kind::ActionListEditor},
    {"Редактора строк", Kind::StringListEditor},
    {"Редакора строк", Kind::StringListEditor},
    {"названия столбцов", Kind::CollectionEditor},
    {"фильтров", Kind::FilterEditor},
    {"меню", Kind::MenuDesigner},
    {"Объекты проекта", Kind::ObjectTreeView},
    {"опций проекта", Kind::ProjectOptions},
    {"Project Options", Kind::ProjectOptions},
    {"Обзор папок", Kind::BrowseForFolder},
    {"рабочего стола", Kind::Desktop},
    {"Окно кода", Kind::CodeWindow},
    {"Окно формы", Kind::FormDesign},
    {"Компоненты формы", Kind::FormDesign},
    {"Оформление формы", Kind::FormDesign},
    {"Итоговый интерфейс", Kind::FormDesign},
    {"во время работы", Kind::RunningProgram},
    {"при запуске", Kind::RunningProgram},
    {"в процессе работы", Kind::RunningProgram},
    {"работающей программы", Kind::RunningProgram},
    {"Окно программы", Kind::RunningProgram},
    {"неверный ввод", Kind::RunningProgram},
    {"в действии", Kind::RunningProgram},
};

// "doc\upr\..." as a folder path with forward slashes.
QString treePath(const char* contentPath)
{
    return QString::fromUtf8(contentPath).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// A file of the folder whose name matches without regard to letter case.
QString findFile(const QString& folder, const QString& name)
{
    const QString entry = CaseInsensitive::entryIn(folder, name);
    return entry.isEmpty() ? QString() : QDir(folder).filePath(entry);
}

// Source text: UTF-8 as the course sources are written, Windows-1251 when it is not valid UTF-8.
QString readText(const QString& path, bool* decodedAsWindows)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray bytes = file.read(4 * 1024 * 1024);
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(bytes);
    *decodedAsWindows = decoder.hasError();
    if (decoder.hasError()) {
        text.clear();
        for (const char byte : bytes) {
            const char32_t character = WindowsCyrillic::toUnicode(static_cast<unsigned char>(byte));
            text.append(QString::fromUcs4(&character, 1));
        }
    }
    return text;
}

// A form for an exercise whose form file is not written yet: its name as the caption and a few controls.
FormObject standInForm(const ExerciseTables::Exercise& exercise)
{
    FormObject form = object(QStringLiteral("Form1"), QStringLiteral("TForm1"),
                             {{"Caption", exerciseName(exercise)}, {"Width", "450"}, {"Height", "320"}});
    form.children = {
        object("Label1", "TLabel", {{"Left", "16"}, {"Top", "16"}, {"Caption", "Исходные данные:"}}),
        object("Edit1", "TEdit", {{"Left", "16"}, {"Top", "36"}, {"Width", "185"}, {"Height", "21"}}),
        object("Button1", "TButton",
               {{"Left", "216"},
                {"Top", "34"},
                {"Width", "97"},
                {"Height", "25"},
                {"Caption", "Выполнить"},
                {"Default", "True"}}),
        object("Label2", "TLabel", {{"Left", "16"}, {"Top", "72"}, {"Caption", "Результат:"}}),
        object("Memo1", "TMemo", {{"Left", "16"}, {"Top", "92"}, {"Width", "297"}, {"Height", "150"}}),
        object("Button2", "TButton",
               {{"Left", "336"}, {"Top", "217"}, {"Width", "81"}, {"Height", "25"}, {"Caption", "Выход"}}),
    };
    return form;
}

// The second form of an exercise whose Unit2.dfm is not written yet.
FormObject standInSecondForm()
{
    FormObject form = object(QStringLiteral("Form2"), QStringLiteral("TForm2"),
                             {{"Caption", "Form2"}, {"Width", "360"}, {"Height", "240"}, {"BorderStyle", "bsDialog"}});
    form.children = {
        object("Label1", "TLabel", {{"Left", "24"}, {"Top", "24"}, {"Caption", "Дополнительная форма"}}),
        object("Button1", "TButton",
               {{"Left", "132"}, {"Top", "160"}, {"Width", "89"}, {"Height", "25"}, {"Caption", "Закрыть"}}),
    };
    return form;
}

// The working folder of the sample machine: the pupil has saved the files of every exercise into it.
std::shared_ptr<const SampleRun::Folder> workingFolder()
{
    static const auto folder =
        std::make_shared<const SampleRun::Folder>(SampleRun::Folder{ResourceFiles::names(), &ResourceFiles::bytes});
    return folder;
}

// Whether the exercise's resource files are pictures that its image components show.
bool hasPictureFiles(const ExerciseTables::Exercise& exercise)
{
    static const QRegularExpression pictures(QStringLiteral("WMF|BMP|JPG|GIF|ICO|GRAPH"),
                                             QRegularExpression::CaseInsensitiveOption);
    return exercise.fileLabel && pictures.match(QString::fromUtf8(exercise.fileLabel)).hasMatch();
}

// A message box over the running program, centred.
void messageBox(Sketch& sketch, const SampleRun::Message& message)
{
    const QRect all = sketch.bounds();
    const QFont font = Sketch::uiFont(11);
    const QFontMetrics metrics(font);
    const bool icon = message.icon != SampleRun::Message::Icon::None;
    const QRect textSize =
        metrics.boundingRect(QRect(0, 0, std::max(120, all.width() * 3 / 5), 400), Qt::TextWordWrap, message.text);
    const int width = std::min(all.width() - 8, std::max(160, textSize.width() + (icon ? 76 : 40)));
    const int height = std::min(all.height() - 8, textSize.height() + 90);
    QRect outer(0, 0, width, height);
    outer.moveCenter(all.center());
    const QRect client = sketch.window(outer, message.caption, true, false, true);
    int textLeft = client.left() + 16;
    if (icon) {
        const QRect mark(client.left() + 12, client.top() + 12, 32, 32);
        QPainter& p = sketch.painter();
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(Qt::black, 1));
        QString sign = QStringLiteral("i");
        QColor colour(20, 60, 200);
        if (message.icon == SampleRun::Message::Icon::Error) {
            colour = QColor(220, 20, 20);
            sign = QStringLiteral("×");
        } else if (message.icon == SampleRun::Message::Icon::Question) {
            sign = QStringLiteral("?");
        }
        if (message.icon == SampleRun::Message::Icon::Warning) {
            p.setBrush(QColor(250, 220, 0));
            p.drawPolygon(QPolygon({QPoint(mark.center().x(), mark.top()), mark.bottomRight(), mark.bottomLeft()}));
            sign = QStringLiteral("!");
            colour = Qt::black;
        } else {
            p.setBrush(colour);
            p.drawEllipse(mark);
            colour = Qt::white;
        }
        p.restore();
        sketch.text(mark.adjusted(0, message.icon == SampleRun::Message::Icon::Warning ? 6 : 0, 0, 0), sign,
                    Qt::AlignCenter, Sketch::uiFont(20, true), colour);
        textLeft = mark.right() + 14;
    }
    sketch.text(QRect(textLeft, client.top() + 14, client.right() - textLeft - 12, client.height() - 56), message.text,
                Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, font);
    QRect ok(0, 0, 75, 23);
    ok.moveCenter(QPoint(client.center().x(), client.bottom() - 20));
    sketch.button(ok, QStringLiteral("OK"), true);
}

} // namespace

std::optional<ExerciseFigures::Kind> ExerciseFigures::kindOf(const QString& caption)
{
    for (const auto& row : kPatterns)
        if (mentions(caption, row.pattern))
            return row.kind;
    return std::nullopt;
}

ExerciseFigures::ExerciseFigures(QString listingsFolder, QString articlesFolder)
    : m_listingsFolder(std::move(listingsFolder))
    , m_articlesFolder(std::move(articlesFolder))
{
}

QString ExerciseFigures::instructionOf(const ExerciseTables::Exercise& exercise) const
{
    if (m_articlesFolder.isEmpty() || !exercise.instruction)
        return QString();
    // The article's source beside the articles: doc\upr\upr3\upr05.rtf is doc/upr/upr3/upr05.txt.
    const QString source =
        treePath(exercise.instruction).replace(QRegularExpression(QStringLiteral("\\.rtf$")), QStringLiteral(".txt"));
    bool windows = false;
    return readText(QDir(m_articlesFolder).filePath(source), &windows);
}

QList<FormObject> ExerciseFigures::readForms(const QString& folder, const QString& name, const QString& where)
{
    const QString path = findFile(folder, name);
    if (path.isEmpty())
        return {};
    bool windows = false;
    const QString text = readText(path, &windows);
    if (windows)
        m_warnings.append(QStringLiteral("%1/%2: not valid UTF-8, read as Windows-1251").arg(where, name));
    // Every form begins with an "object" header at the start of a line; the reader takes one form at a time.
    static const QRegularExpression header(QStringLiteral("^(object|inherited|inline)\\s"),
                                           QRegularExpression::MultilineOption);
    QList<qsizetype> starts;
    for (auto it = header.globalMatch(text); it.hasNext();)
        starts.append(it.next().capturedStart());
    if (starts.isEmpty())
        starts.append(0);
    QList<FormObject> forms;
    for (qsizetype i = 0; i < starts.size(); ++i) {
        const qsizetype end = i + 1 < starts.size() ? starts[i + 1] : text.size();
        FormFile::Result result = FormFile::parse(text.mid(starts[i], end - starts[i]));
        for (const QString& warning : result.warnings)
            m_warnings.append(QStringLiteral("%1/%2: %3").arg(where, name, warning));
        if (result.root)
            forms.append(*result.root);
    }
    return forms;
}

const ExerciseFigures::Sources& ExerciseFigures::sourcesOf(const ExerciseTables::Exercise& exercise)
{
    const int slot = ExerciseTables::slotOf(exercise.group, exercise.number);
    if (const auto found = m_sources.constFind(slot); found != m_sources.constEnd())
        return *found;
    Sources sources;
    const QString listing = exercise.listing ? treePath(exercise.listing)
                                             : QStringLiteral("programs/prog%1/upr%2/Unit1.pas")
                                                   .arg(exercise.group)
                                                   .arg(exercise.number, 2, 10, QLatin1Char('0'));
    const QString where = listing.section(QLatin1Char('/'), 0, -2);
    sources.folder = where;
    const QString folder = QDir(m_listingsFolder).filePath(where);
    sources.unitName = listing.section(QLatin1Char('/'), -1);
    const QString unitPath = findFile(folder, sources.unitName);
    if (!unitPath.isEmpty()) {
        bool windows = false;
        sources.unit = readText(unitPath, &windows);
        sources.listingFound = true;
        if (windows)
            m_warnings.append(
                QStringLiteral("%1/%2: not valid UTF-8, read as Windows-1251").arg(where, sources.unitName));
    }
    // The form file is named after the listing ("Unit1-2.pas" has "Unit1-2.dfm" with both of its forms).
    QList<FormObject> forms =
        readForms(folder, QFileInfo(sources.unitName).completeBaseName() + QStringLiteral(".dfm"), where);
    if (forms.size() < 2)
        forms += readForms(folder, QStringLiteral("Unit2.dfm"), where);
    if (!forms.isEmpty())
        sources.form1 = forms[0];
    if (forms.size() > 1)
        sources.form2 = forms[1];
    if (!sources.form1)
        m_missingForms.append(QStringLiteral("%1/Unit1.dfm").arg(where));
    return *m_sources.insert(slot, sources);
}

FormObject ExerciseFigures::formFor(const ExerciseTables::Exercise& exercise, bool secondForm)
{
    const Sources& sources = sourcesOf(exercise);
    if (secondForm) {
        if (sources.form2)
            return *sources.form2;
        const QString missing = QStringLiteral("%1/Unit2.dfm").arg(sources.folder);
        if (!m_missingForms.contains(missing))
            m_missingForms.append(missing);
        return standInSecondForm();
    }
    if (sources.form1)
        return *sources.form1;
    return standInForm(exercise);
}

QImage ExerciseFigures::draw(const ExerciseTables::ExerciseFigure& row)
{
    // What the drawing noted about the form (components drawn as stand-ins) is told once per exercise.
    QStringList notes;
    const QImage image = drawFigure(row, &notes);
    for (const QString& note : notes) {
        const QString warning =
            QStringLiteral("exercise %1:%2: %3").arg(row.group).arg(row.number, 2, 10, QLatin1Char('0')).arg(note);
        if (!m_warnings.contains(warning))
            m_warnings.append(warning);
    }
    return image;
}

QImage ExerciseFigures::drawFigure(const ExerciseTables::ExerciseFigure& row, QStringList* notes)
{
    const ExerciseTables::Exercise& exercise =
        *ExerciseTables::exerciseAt(ExerciseTables::slotOf(row.group, row.number));
    const QString caption = QString::fromUtf8(row.caption);
    const QSize size(row.pictureWidth, row.pictureHeight);
    const Sources& sources = sourcesOf(exercise);
    const QString where = QStringLiteral("exercise %1:%2 figure %3")
                              .arg(row.group)
                              .arg(row.number, 2, 10, QLatin1Char('0'))
                              .arg(row.figure);

    const std::optional<Kind> kind = kindOf(caption);
    if (!kind)
        m_warnings.append(
            QStringLiteral("%1: no drawing for the caption \"%2\"; the form is shown").arg(where, caption));

    FormPainter::Options options;
    options.resourceFiles = QString::fromUtf8(exercise.fileLabel ? exercise.fileLabel : "");
    options.warnings = notes;
    static const QRegularExpression ownPicture(QStringLiteral(R"(\b(\w+)\.(?:Picture|Canvas)\b)"),
                                               QRegularExpression::CaseInsensitiveOption);
    for (auto it = ownPicture.globalMatch(sources.unit); it.hasNext();)
        options.loadedByProgram.append(it.next().captured(1));

    if (!kind || *kind == Kind::FormDesign) {
        QStringList captions;
        int index = 0;
        for (const ExerciseTables::ExerciseFigure& other : ExerciseTables::figures()) {
            if (other.group != row.group || other.number != row.number)
                continue;
            if (other.figure == row.figure)
                index = static_cast<int>(captions.size());
            captions.append(QString::fromUtf8(other.caption));
        }
        const Stage stage = stages(captions).value(index);
        options.designTime = true;
        options.picturesLoaded = !stage.partial && !stage.defaults && hasPictureFiles(exercise);
        return FormPainter::render(staged(formFor(exercise, stage.secondForm), stage), options, size);
    }

    QImage image = Sketch::canvas(size.width(), size.height());
    {
        Sketch sketch(image);
        switch (*kind) {
        case Kind::FormDesign:
            break;
        case Kind::RunningProgram: {
            options.designTime = false;
            options.picturesLoaded = hasPictureFiles(exercise) || sources.unit.contains(QLatin1String("LoadFromFile"));
            FormObject form = formFor(exercise, false);
            // A window that fills the screen fills the picture.
            if (form.value(QStringLiteral("WindowState")) == QLatin1String("wsMaximized")) {
                form.values.insert(QStringLiteral("Width"), QString::number(size.width()));
                form.values.insert(QStringLiteral("Height"), QString::number(size.height()));
            }
            const bool badInput = mentions(caption, "неверный ввод");
            SampleRun started(form, sources.unit);
            started.setWorkingFolder(workingFolder());
            started.start();
            started.tickTimers();
            SampleRun used = started;
            used.typeSamples(badInput);
            // "Программа во время работы. Зашифрованный текст": the command the words after the first sentence
            // name, else the main button.
            const QString named = caption.section(QLatin1Char('.'), 2);
            if (named.trimmed().isEmpty() || !used.clickMatching(named))
                used.clickMainButton();
            used.drawStrokes();
            used.runFor(kRunningTime);
            // A second view of the running program shows it with other options.
            int earlier = 0;
            for (const ExerciseTables::ExerciseFigure& other : ExerciseTables::figures())
                if (other.group == row.group && other.number == row.number && other.figure < row.figure &&
                    kindOf(QString::fromUtf8(other.caption)) == Kind::RunningProgram)
                    ++earlier;
            if (earlier > 0)
                used.changeOptions();
            const auto render = [&](SampleRun run, QSize at) {
                run.paint();
                FormPainter::Options shown = options;
                shown.canvases = &run.canvases();
                return FormPainter::render(run.form(), shown, at);
            };
            if (mentions(caption, "Разные виды")) {
                // Two states side by side: just started, and after the pupil used it and changed its options.
                SampleRun changed = used;
                changed.changeOptions();
                sketch.fill(sketch.bounds(), Sketch::kDesktop);
                const QSize each((size.width() - 12) / 2, size.height() - 8);
                sketch.painter().drawImage(QPoint(4, 4), render(started, each));
                sketch.painter().drawImage(QPoint(8 + each.width(), 4), render(changed, each));
            } else {
                sketch.painter().drawImage(QPoint(0, 0), render(used, size));
                if (badInput && used.message())
                    messageBox(sketch, *used.message());
            }
            break;
        }
        case Kind::CodeWindow: {
            QStringList lines = sources.listingFound ? codeLines(sources.unit, caption) : IdeParts::generatedUnit();
            IdeParts::codeEditor(sketch, sketch.bounds(), sources.unitName, lines, false,
                                 size.width() >= 550 ? 12 : 11);
            break;
        }
        case Kind::SaveUnit:
        case Kind::SaveProject:
            saveDialog(sketch, exercise, *kind == Kind::SaveProject);
            break;
        case Kind::FontDialog:
            fontDialog(sketch, formFor(exercise, false));
            break;
        case Kind::PictureEditor:
            pictureEditor(sketch, exercise);
            break;
        case Kind::StringListEditor: {
            QString owner;
            QStringList lines = editedStrings(formFor(exercise, false), caption, &owner);
            if (owner.isEmpty()) {
                lines = {QStringLiteral("Строка 1"), QStringLiteral("Строка 2"), QStringLiteral("Строка 3")};
                if (sources.form1)
                    m_warnings.append(QStringLiteral("%1: the form has no string list for the editor").arg(where));
            }
            stringListEditor(sketch, lines);
            break;
        }
        case Kind::CollectionEditor: {
            QString owner;
            const FormObject form = formFor(exercise, false);
            QStringList items = editedStrings(form, caption, &owner);
            if (owner.isEmpty()) {
                items = {QStringLiteral("Столбец 1"), QStringLiteral("Столбец 2")};
                owner = QStringLiteral("ListView1");
                if (sources.form1)
                    m_warnings.append(QStringLiteral("%1: the form has no collection for the editor").arg(where));
            }
            collectionEditor(sketch, form.name, owner, QStringLiteral("Columns"), items);
            break;
        }
        case Kind::FilterEditor: {
            QString owner;
            QList<QPair<QString, QString>> rows = filters(formFor(exercise, false), caption, &owner);
            if (owner.isEmpty()) {
                rows = {{QStringLiteral("Текстовые файлы (*.txt)"), QStringLiteral("*.txt")},
                        {QStringLiteral("Все файлы (*.*)"), QStringLiteral("*.*")}};
                if (sources.form1)
                    m_warnings.append(QStringLiteral("%1: the form has no dialog with a Filter").arg(where));
            }
            filterEditor(sketch, rows);
            break;
        }
        case Kind::MenuDesigner: {
            const FormObject form = formFor(exercise, false);
            const FormObject* menu = mainMenu(form);
            if (!menu && sources.form1)
                m_warnings.append(QStringLiteral("%1: the form has no main menu").arg(where));
            menuDesigner(sketch, form, menu ? *menu : standInMenu());
            break;
        }
        case Kind::ObjectTreeView:
            objectTreeView(sketch, formFor(exercise, false));
            break;
        case Kind::ImageListEditor:
            imageListEditor(sketch, formFor(exercise, false), options.resourceFiles, imageCount(exercise));
            break;
        case Kind::ActionListEditor:
            actionListEditor(sketch, formFor(exercise, false), options.resourceFiles);
            break;
        case Kind::ProjectOptions:
            projectOptions(sketch, exercise, instructionOf(exercise));
            break;
        case Kind::BrowseForFolder: {
            const QRegularExpressionMatch prompt =
                QRegularExpression(QStringLiteral("SelectDirectory\\s*\\(\\s*'([^']*)'"),
                                   QRegularExpression::CaseInsensitiveOption)
                    .match(sources.unit);
            browseForFolder(sketch, prompt.hasMatch() && !prompt.captured(1).isEmpty()
                                        ? prompt.captured(1)
                                        : QStringLiteral("Выберите папку, в которой искать файлы:"));
            break;
        }
        case Kind::Desktop:
            desktop(sketch, exercise);
            break;
        }
    }
    return image;
}
