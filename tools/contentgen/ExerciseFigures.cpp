// SPDX-License-Identifier: MIT
#include "ExerciseFigures.h"

#include "FormPainter.h"
#include "IdeParts.h"
#include "PictureMotifs.h"
#include "ResourceFiles.h"
#include "ResourcePictures.h"
#include "SampleCanvas.h"
#include "SampleRun.h"
#include "Sketch.h"
#include "WindowsCyrillic.h"

#include "screens/ExerciseTables.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPolygonF>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <cmath>

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

bool mentions(const QString& caption, const char* words)
{
    return caption.contains(QString::fromUtf8(words), Qt::CaseInsensitive);
}

// "doc\upr\..." as a folder path with forward slashes.
QString treePath(const char* contentPath)
{
    return QString::fromUtf8(contentPath).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// The exercise's name for windows: "Программа \"Хронометр\"" from "06 Программа \"Хронометр\"".
QString exerciseName(const ExerciseTables::Exercise& exercise)
{
    return QString::fromUtf8(exercise.caption).remove(QRegularExpression(QStringLiteral("^\\d+\\s*"))).trimmed();
}

// A file of the folder whose name matches without regard to letter case.
QString findFile(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    if (dir.exists(name))
        return dir.filePath(name);
    const QStringList entries = dir.entryList(QDir::Files);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return QString();
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

FormObject object(const QString& name, const QString& className, QList<QPair<QString, QString>> values)
{
    FormObject o;
    o.name = name;
    o.className = className;
    for (const auto& [key, value] : values)
        o.values.insert(key, value);
    return o;
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

// ---- the environment's dialogs ----

// The icons of the Windows shell: places on the desktop, in the places bar and in folder trees.
enum class Shell { Desktop, Recent, Documents, Computer, Floppy, Disk, Folder, Cd, Network, Bin };

void shellIcon(Sketch& sketch, const QRect& r, Shell kind)
{
    QPainter& p = sketch.painter();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, 1));
    const QRectF g = QRectF(r).adjusted(1, 1, -1, -1);
    const auto monitor = [&](const QRectF& m, const QColor& screen) {
        p.setBrush(QColor(212, 208, 200));
        p.drawRect(m);
        p.fillRect(m.adjusted(m.width() * 0.12, m.height() * 0.12, -m.width() * 0.12, -m.height() * 0.3), screen);
    };
    switch (kind) {
    case Shell::Desktop:
        monitor(g.adjusted(0, 0, 0, -g.height() * 0.2), Sketch::kDesktop);
        p.drawLine(QPointF(g.center().x(), g.bottom() - g.height() * 0.2), QPointF(g.center().x(), g.bottom()));
        break;
    case Shell::Computer:
        monitor(g.adjusted(0, 0, -g.width() * 0.2, -g.height() * 0.3), QColor(0, 128, 128));
        p.setBrush(QColor(230, 226, 218));
        p.drawRect(QRectF(g.left(), g.bottom() - g.height() * 0.25, g.width(), g.height() * 0.25));
        break;
    case Shell::Recent:
    case Shell::Documents:
    case Shell::Folder:
        p.setBrush(QColor(230, 200, 90));
        p.drawRect(QRectF(g.left(), g.top() + g.height() * 0.2, g.width(), g.height() * 0.8));
        p.setBrush(QColor(250, 230, 140));
        p.drawRect(QRectF(g.left(), g.top() + g.height() * 0.35, g.width(), g.height() * 0.65));
        if (kind != Shell::Folder) {
            p.setBrush(Qt::white);
            p.drawRect(QRectF(g.left() + g.width() * 0.3, g.top(), g.width() * 0.45, g.height() * 0.55));
        }
        if (kind == Shell::Recent) {
            p.setBrush(QColor(40, 160, 40));
            p.drawEllipse(QRectF(g.right() - g.width() * 0.45, g.bottom() - g.height() * 0.45, g.width() * 0.45,
                                 g.height() * 0.45));
        }
        break;
    case Shell::Floppy:
        p.setBrush(QColor(60, 60, 70));
        p.drawRect(g);
        p.fillRect(g.adjusted(g.width() * 0.25, 1, -g.width() * 0.25, -g.height() * 0.6), QColor(200, 200, 200));
        p.fillRect(g.adjusted(g.width() * 0.15, g.height() * 0.55, -g.width() * 0.15, -1), Qt::white);
        break;
    case Shell::Disk:
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(g.adjusted(0, g.height() * 0.3, 0, -g.height() * 0.2));
        p.setBrush(QColor(0, 200, 0));
        p.drawEllipse(QPointF(g.right() - g.width() * 0.2, g.center().y() + g.height() * 0.1), 1.5, 1.5);
        break;
    case Shell::Cd:
        p.setBrush(QColor(210, 215, 230));
        p.drawEllipse(g);
        p.setBrush(Qt::white);
        p.drawEllipse(g.center(), g.width() * 0.12, g.height() * 0.12);
        break;
    case Shell::Network:
        p.setPen(QPen(QColor(0, 90, 0), 1));
        p.setBrush(QColor(90, 170, 90));
        p.drawEllipse(g.adjusted(g.width() * 0.1, 0, -g.width() * 0.1, -g.height() * 0.2));
        monitor(QRectF(g.left(), g.center().y(), g.width() * 0.55, g.height() * 0.5), QColor(0, 128, 128));
        break;
    case Shell::Bin:
        p.setBrush(QColor(220, 220, 225));
        p.drawPolygon(QPolygonF({QPointF(g.left() + g.width() * 0.15, g.top() + g.height() * 0.2),
                                 QPointF(g.right() - g.width() * 0.15, g.top() + g.height() * 0.2),
                                 QPointF(g.right() - g.width() * 0.25, g.bottom()),
                                 QPointF(g.left() + g.width() * 0.25, g.bottom())}));
        p.drawLine(QPointF(g.left(), g.top() + g.height() * 0.15), QPointF(g.right(), g.top() + g.height() * 0.15));
        break;
    }
    p.restore();
}

// A row of a list or tree: an icon and a text, highlighted when selected. icon < 0 draws none; iconKind 0
// takes palette icons, 1 tool glyphs, 2 shell icons.
void row(Sketch& sketch, const QRect& area, const QString& text, int icon, bool selected, int iconKind = 0)
{
    int x = area.left() + 2;
    if (icon >= 0) {
        const QRect box(x, area.top() + (area.height() - 16) / 2, 16, 16);
        if (iconKind == 2)
            shellIcon(sketch, box, Shell(icon));
        else if (iconKind == 1)
            sketch.glyph(box, icon);
        else
            sketch.componentIcon(box, icon);
        x = box.right() + 4;
    }
    const QRect label(x, area.top(), QFontMetrics(Sketch::uiFont(11)).horizontalAdvance(text) + 4, area.height());
    if (selected)
        sketch.fill(label, Sketch::kSelection);
    sketch.text(label.adjusted(2, 0, 0, 0), text, Qt::AlignLeft | Qt::AlignVCenter, Sketch::uiFont(11),
                selected ? Qt::white : Qt::black);
}

void saveDialog(Sketch& sketch, const ExerciseTables::Exercise& exercise, bool project)
{
    const QString folder = QStringLiteral("UPR%1").arg(exercise.number, 2, 10, QLatin1Char('0'));
    const QRect client =
        sketch.window(sketch.bounds(), project ? QStringLiteral("Save Project1 As") : QStringLiteral("Save Unit1 As"),
                      true, false, true);
    const QFont font = Sketch::uiFont(11);
    sketch.text(QRect(client.left() + 8, client.top() + 10, 60, 20), QStringLiteral("Папка:"),
                Qt::AlignLeft | Qt::AlignVCenter, font);
    const QRect folderBox(client.left() + 90, client.top() + 9, client.width() - 230, 22);
    sketch.combo(folderBox, QString());
    sketch.glyph(QRect(folderBox.left() + 4, folderBox.top() + 3, 16, 16), 1);
    sketch.text(folderBox.adjusted(24, 0, -24, 0), folder, Qt::AlignLeft | Qt::AlignVCenter, font);
    // Up one level, new folder, view.
    const int glyphs[] = {1, 0, 7};
    for (int i = 0; i < 3; ++i) {
        const QRect b(folderBox.right() + 8 + i * 24, folderBox.top(), 22, 22);
        sketch.raised(b);
        sketch.glyph(b.adjusted(3, 3, -4, -4), glyphs[i]);
    }

    // The places bar on the left.
    const QRect places(client.left() + 6, folderBox.bottom() + 8, 84, client.height() - 60);
    sketch.fill(places, Sketch::kShadow);
    const char* placeNames[] = {"Недавние документы", "Рабочий стол", "Мои документы", "Мой компьютер",
                                "Сетевое окружение"};
    const int step = places.height() / 5;
    for (int i = 0; i < 5; ++i) {
        const QRect cell(places.left(), places.top() + i * step, places.width(), step);
        const QRect icon(cell.center().x() - 14, cell.top() + 6, 28, 24);
        const Shell kinds[] = {Shell::Recent, Shell::Desktop, Shell::Documents, Shell::Computer, Shell::Network};
        shellIcon(sketch, icon, kinds[i]);
        sketch.text(QRect(cell.left() + 2, icon.bottom() + 2, cell.width() - 4, 28), QString::fromUtf8(placeNames[i]),
                    Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, Sketch::uiFont(10), Qt::white);
    }

    const int right = client.right() - 8;
    const QRect list(places.right() + 6, places.top(), right - places.right() - 6, client.bottom() - 70 - places.top());
    sketch.sunken(list);
    const QRect fields(list.left(), list.bottom() + 12, list.width(), 56);
    const int labelWidth = 80;
    const int buttonWidth = 85;
    sketch.text(QRect(fields.left(), fields.top(), labelWidth, 22), QStringLiteral("Имя файла:"),
                Qt::AlignLeft | Qt::AlignVCenter, font);
    const QRect name(fields.left() + labelWidth, fields.top(), fields.width() - labelWidth - buttonWidth - 10, 22);
    sketch.combo(name, QString());
    const QString file = project ? QStringLiteral("Project1.dpr") : QStringLiteral("Unit1.pas");
    const QRect selected(name.left() + 3, name.top() + 3, QFontMetrics(font).horizontalAdvance(file) + 4, 16);
    sketch.fill(selected, Sketch::kSelection);
    sketch.text(selected.adjusted(2, 0, 0, 0), file, Qt::AlignLeft | Qt::AlignVCenter, font, Qt::white);
    sketch.button(QRect(name.right() + 10, name.top(), buttonWidth, 23), QStringLiteral("Сохранить"), true);
    sketch.text(QRect(fields.left(), fields.top() + 30, labelWidth, 22), QStringLiteral("Тип файла:"),
                Qt::AlignLeft | Qt::AlignVCenter, font);
    sketch.combo(QRect(name.left(), fields.top() + 30, name.width(), 22),
                 project ? QStringLiteral("Delphi project (*.dpr)") : QStringLiteral("Delphi unit (*.pas)"));
    sketch.button(QRect(name.right() + 10, fields.top() + 30, buttonWidth, 23), QStringLiteral("Отмена"));
}

// The font of the first component with a font of its own: what the pupil chose in the font dialog.
const FormObject* fontedComponent(const FormObject& form)
{
    const QList<const FormObject*> all = form.all();
    for (const FormObject* o : all)
        if (o != &form && o->has(QStringLiteral("Font.Name")))
            return o;
    return nullptr;
}

QString colourName(const QString& value)
{
    static const QHash<QString, QString> names = {{"clblack", "Черный"},      {"clmaroon", "Темно-бордовый"},
                                                  {"clgreen", "Зеленый"},     {"clolive", "Оливковый"},
                                                  {"clnavy", "Темно-синий"},  {"clpurple", "Фиолетовый"},
                                                  {"clteal", "Сине-зеленый"}, {"clgray", "Серый"},
                                                  {"clsilver", "Серебряный"}, {"clred", "Красный"},
                                                  {"cllime", "Ярко-зеленый"}, {"clyellow", "Желтый"},
                                                  {"clblue", "Синий"},        {"clfuchsia", "Фуксия"},
                                                  {"claqua", "Голубой"},      {"clwhite", "Белый"},
                                                  {"clwindowtext", "Черный"}};
    return names.value(value.toLower(), QStringLiteral("Черный"));
}

void fontDialog(Sketch& sketch, const FormObject& form)
{
    const FormObject* chosen = fontedComponent(form);
    FormObject fallback = object(QStringLiteral("Label1"), QStringLiteral("TLabel"),
                                 {{"Font.Name", "Arial"}, {"Font.Height", "-19"}, {"Font.Color", "clNavy"}});
    fallback.lists.insert(QStringLiteral("Font.Style"), {QStringLiteral("fsBold")});
    if (!chosen)
        chosen = &fallback;
    const QString family = chosen->value(QStringLiteral("Font.Name"));
    const int height = chosen->number(QStringLiteral("Font.Height"), -11);
    const int points = chosen->has(QStringLiteral("Font.Size"))
                           ? chosen->number(QStringLiteral("Font.Size"), 8)
                           : static_cast<int>(std::lround(std::abs(height) * 0.75));
    const QStringList style = chosen->strings(QStringLiteral("Font.Style"));
    const bool bold = style.contains(QLatin1String("fsBold"));
    const bool italic = style.contains(QLatin1String("fsItalic"));
    const QString styleName = bold && italic ? QStringLiteral("полужирный курсив")
                              : bold         ? QStringLiteral("полужирный")
                              : italic       ? QStringLiteral("курсив")
                                             : QStringLiteral("обычный");
    const QString colourValue = chosen->value(QStringLiteral("Font.Color"), QStringLiteral("clBlack"));

    const QRect area = IdeParts::dialog(sketch, sketch.bounds(), QStringLiteral("Шрифт"), {}, true);
    const QFont font = Sketch::uiFont(11);
    const int buttonsLeft = area.right() - 76;
    const int listsWidth = buttonsLeft - area.left() - 10;
    const int column[] = {area.left(), area.left() + listsWidth * 42 / 100, area.left() + listsWidth * 82 / 100};
    const int widths[] = {column[1] - column[0] - 8, column[2] - column[1] - 8, area.left() + listsWidth - column[2]};
    const char* titles[] = {"Шрифт:", "Начертание:", "Размер:"};
    const QString values[] = {family, styleName, QString::number(points)};
    const QStringList lists[] = {{"Arial", "Arial Black", "Comic Sans MS", "Courier New", "Georgia", "MS Sans Serif",
                                  "Tahoma", "Times New Roman", "Verdana"},
                                 {"обычный", "курсив", "полужирный", "полужирный курсив"},
                                 {"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24"}};
    const int listHeight = std::min(118, area.height() / 2 - 30);
    for (int i = 0; i < 3; ++i) {
        sketch.text(QRect(column[i], area.top(), widths[i], 16), QString::fromUtf8(titles[i]),
                    Qt::AlignLeft | Qt::AlignVCenter, font);
        sketch.edit(QRect(column[i], area.top() + 17, widths[i], 21), values[i]);
        sketch.listBox(QRect(column[i], area.top() + 40, widths[i], listHeight), lists[i],
                       static_cast<int>(lists[i].indexOf(values[i])));
    }
    sketch.button(QRect(buttonsLeft, area.top() + 17, 75, 23), QStringLiteral("OK"), true);
    sketch.button(QRect(buttonsLeft, area.top() + 46, 75, 23), QStringLiteral("Отмена"));

    const int y = area.top() + 40 + listHeight + 10;
    const QRect effects(area.left(), y, widths[0] + 8, area.bottom() - y);
    sketch.groupBox(effects, QStringLiteral("Видоизменение"));
    sketch.checkBox(effects.topLeft() + QPoint(10, 22), QStringLiteral("Зачеркнутый"),
                    style.contains(QLatin1String("fsStrikeOut")));
    sketch.checkBox(effects.topLeft() + QPoint(10, 42), QStringLiteral("Подчеркнутый"),
                    style.contains(QLatin1String("fsUnderline")));
    sketch.label(effects.topLeft() + QPoint(10, 64), QStringLiteral("Цвет:"));
    const QRect colourBox(effects.left() + 10, effects.top() + 80, std::min(150, effects.width() - 20), 22);
    sketch.combo(colourBox, QString());
    const QColor colour = FormPainter::colour(colourValue, Qt::black);
    sketch.fill(QRect(colourBox.left() + 4, colourBox.top() + 5, 22, colourBox.height() - 10), colour);
    sketch.text(colourBox.adjusted(30, 0, -20, 0), colourName(colourValue), Qt::AlignLeft | Qt::AlignVCenter, font);

    const QRect sample(column[1], y, area.left() + listsWidth - column[1], std::min(80, area.bottom() - y - 44));
    sketch.groupBox(sample, QStringLiteral("Образец"));
    const QRect sampleText = sample.adjusted(10, 18, -10, -8);
    sketch.sunken(sampleText, Sketch::kFace);
    QColor ignored;
    const QFont sampleFont = FormPainter::font(*chosen, Sketch::uiFont(11), &ignored);
    sketch.text(sampleText, QStringLiteral("AaBbБбФф"), Qt::AlignCenter, sampleFont, colour);
    sketch.label(QPoint(column[1], sample.bottom() + 6), QStringLiteral("Набор символов:"));
    sketch.combo(QRect(column[1], sample.bottom() + 22, sample.width(), 22), QStringLiteral("Кириллический"));
}

void pictureEditor(Sketch& sketch, const ExerciseTables::Exercise& exercise)
{
    const QRect all = sketch.bounds();
    const QRect client = sketch.window(all, QStringLiteral("Picture Editor"), true, false, true);
    const int buttonsLeft = client.right() - 84;
    for (int i = 0; i < 3; ++i)
        sketch.button(QRect(buttonsLeft, client.top() + 10 + i * 32, 75, 25),
                      QStringList{"OK", "Cancel", "&Help"}[i].remove(QLatin1Char('&')), i == 0);
    const QRect group(client.left() + 8, client.top() + 4, buttonsLeft - client.left() - 16, client.height() - 12);
    sketch.groupBox(group, QStringLiteral("Picture"));
    const QRect picture(group.left() + 10, group.top() + 20, group.width() - 20, group.height() - 64);
    sketch.sunken(picture);
    const QRect inner = picture.adjusted(16, 16, -16, -16);
    const int side = std::min(inner.width(), inner.height());
    PictureMotifs::draw(sketch.painter(), QRect(inner.center() - QPoint(side / 2, side / 2), QSize(side, side)),
                        PictureMotifs::choose(QString::fromUtf8(exercise.fileLabel ? exercise.fileLabel : ""), 0));
    const int y = picture.bottom() + 10;
    const int width = (picture.width() - 12) / 3;
    const char* names[] = {"Load...", "Save...", "Clear"};
    for (int i = 0; i < 3; ++i)
        sketch.button(QRect(picture.left() + i * (width + 6), y, width, 25), QString::fromLatin1(names[i]));
}

void stringListEditor(Sketch& sketch, const QStringList& lines)
{
    const QRect area = IdeParts::dialog(sketch, sketch.bounds(), QStringLiteral("String List Editor"), {}, true);
    const QRect client = area.adjusted(-6, -6, 6, 44);
    // Code Editor... on the left of the bottom row, OK, Cancel and Help on the right.
    const int y = client.bottom() - 31;
    sketch.button(QRect(client.left() + 8, y, 90, 25), QStringLiteral("Code Editor..."));
    const QString buttons[] = {QStringLiteral("OK"), QStringLiteral("Cancel"), QStringLiteral("Help")};
    for (int i = 0; i < 3; ++i)
        sketch.button(QRect(client.right() - 3 * 81 + i * 81, y, 75, 25), buttons[i], i == 0);
    const QRect group(area.left(), area.top(), area.width(), y - area.top() - 10);
    sketch.frameLine(group);
    const int count = static_cast<int>(lines.size());
    sketch.label(group.topLeft() + QPoint(10, 8),
                 count == 1 ? QStringLiteral("1 line") : QStringLiteral("%1 lines").arg(count));
    const QRect memo = group.adjusted(10, 28, -10, -10);
    sketch.sunken(memo);
    sketch.text(memo.adjusted(4, 3, -4, -3), lines.join(QLatin1Char('\n')), Qt::AlignLeft | Qt::AlignTop,
                Sketch::uiFont(11));
}

// The editor of a collection property (a list view's Columns): a tool bar to add, delete and move items, and
// the items as "0 - №", by their captions.
void collectionEditor(Sketch& sketch, const QString& form, const QString& owner, const QString& property,
                      const QStringList& items)
{
    const QRect client =
        sketch.window(sketch.bounds(), QStringLiteral("Editing %1.%2.%3").arg(form, owner, property), true, true);
    // Add New, Delete Selected, then Move Up and Move Down after a gap.
    const QRect bar(client.left(), client.top(), client.width(), 28);
    sketch.fill(bar, Sketch::kFace);
    sketch.frameLine(QRect(bar.left() - 2, bar.bottom() - 1, bar.width() + 4, 2));
    QPainter& p = sketch.painter();
    for (int i = 0; i < 4; ++i) {
        const QRect b(bar.left() + 3 + i * 24 + (i >= 2 ? 8 : 0), bar.top() + 3, 23, 22);
        sketch.raised(b);
        if (i < 2) {
            sketch.glyph(b.adjusted(3, 3, -4, -4), i == 0 ? 0 : 10);
            continue;
        }
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 128));
        const QPoint c = b.center();
        p.drawPolygon(i == 2 ? QPolygon({c + QPoint(-5, 3), c + QPoint(5, 3), c + QPoint(0, -3)})
                             : QPolygon({c + QPoint(-5, -3), c + QPoint(5, -3), c + QPoint(0, 3)}));
        p.restore();
    }
    const QRect list(client.left(), bar.bottom() + 1, client.width(), client.bottom() - bar.bottom());
    QStringList rows;
    for (qsizetype i = 0; i < items.size(); ++i)
        rows.append(QStringLiteral("%1 - %2").arg(i).arg(items[i]));
    sketch.listBox(list, rows, 0);
}

void filterEditor(Sketch& sketch, const QList<QPair<QString, QString>>& rows)
{
    const QRect area = IdeParts::dialog(sketch, sketch.bounds(), QStringLiteral("Filter Editor"),
                                        {QStringLiteral("OK"), QStringLiteral("Cancel"), QStringLiteral("Help")}, true);
    sketch.sunken(area, Qt::white);
    const QRect grid = area.adjusted(2, 2, -2, -2);
    const int split = grid.left() + grid.width() * 45 / 100;
    constexpr int kRow = 18;
    const QFont font = Sketch::uiFont(11);
    sketch.raised(QRect(grid.left(), grid.top(), split - grid.left(), kRow));
    sketch.raised(QRect(split, grid.top(), grid.right() - split + 1, kRow));
    sketch.text(QRect(grid.left() + 4, grid.top(), split - grid.left() - 4, kRow), QStringLiteral("Filter Name"),
                Qt::AlignLeft | Qt::AlignVCenter, font);
    sketch.text(QRect(split + 4, grid.top(), grid.right() - split - 4, kRow), QStringLiteral("Filter"),
                Qt::AlignLeft | Qt::AlignVCenter, font);
    QPainter& p = sketch.painter();
    int y = grid.top() + kRow;
    for (int i = 0; y + kRow <= grid.bottom(); ++i, y += kRow) {
        p.setPen(QColor(192, 192, 192));
        p.drawLine(grid.left(), y + kRow - 1, grid.right(), y + kRow - 1);
        p.drawLine(split, y, split, y + kRow - 1);
        if (i < rows.size()) {
            sketch.text(QRect(grid.left() + 4, y, split - grid.left() - 6, kRow), rows[i].first,
                        Qt::AlignLeft | Qt::AlignVCenter, font);
            sketch.text(QRect(split + 4, y, grid.right() - split - 6, kRow), rows[i].second,
                        Qt::AlignLeft | Qt::AlignVCenter, font);
        }
    }
}

const FormObject* mainMenu(const FormObject& form)
{
    for (const FormObject* o : form.all())
        if (o->className == QLatin1String("TMainMenu"))
            return o;
    return nullptr;
}

FormObject standInMenu()
{
    FormObject menu = object(QStringLiteral("MainMenu1"), QStringLiteral("TMainMenu"), {});
    FormObject file = object(QStringLiteral("N1"), QStringLiteral("TMenuItem"), {{"Caption", "&Файл"}});
    file.children = {object("N2", "TMenuItem", {{"Caption", "&Открыть..."}}),
                     object("N3", "TMenuItem", {{"Caption", "&Сохранить"}}),
                     object("N4", "TMenuItem", {{"Caption", "-"}}), object("N5", "TMenuItem", {{"Caption", "В&ыход"}})};
    menu.children = {file, object("N6", "TMenuItem", {{"Caption", "&Правка"}}),
                     object("N7", "TMenuItem", {{"Caption", "&Справка"}})};
    return menu;
}

void menuDesigner(Sketch& sketch, const FormObject& form, const FormObject& menu)
{
    const QRect all = sketch.bounds();
    const bool tall = all.height() > all.width() * 3 / 2;
    const QRect designer = tall ? QRect(all.left(), all.top(), all.width(), all.height() * 45 / 100) : all;
    const QRect client = sketch.window(designer, QStringLiteral("%1.%2").arg(form.name, menu.name));
    sketch.fill(client, Qt::white);
    const QFont font = Sketch::uiFont(11);
    const QFontMetrics metrics(font);
    QList<const FormObject*> items;
    for (const FormObject& child : menu.children)
        if (child.className == QLatin1String("TMenuItem"))
            items.append(&child);
    const QRect bar(client.left(), client.top(), client.width(), 20);
    sketch.fill(bar, Sketch::kFace);
    QPainter& p = sketch.painter();
    int x = bar.left() + 2;
    const FormObject* open = items.isEmpty() ? nullptr : items.first();
    QRect openRect;
    for (const FormObject* item : items) {
        const QString text = FormPainter::shownCaption(item->value(QStringLiteral("Caption"), item->name));
        const QRect cell(x, bar.top() + 1, metrics.horizontalAdvance(text) + 16, bar.height() - 2);
        if (item == open) {
            sketch.fill(cell, Sketch::kSelection);
            openRect = cell;
        }
        sketch.text(cell, text, Qt::AlignCenter, font, item == open ? Qt::white : Qt::black);
        x = cell.right() + 1;
    }
    // The designer's empty slot for the next item, a dashed frame.
    const auto slot = [&](const QRect& r) {
        p.save();
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.restore();
    };
    slot(QRect(x + 2, bar.top() + 2, 40, bar.height() - 4));
    const FormObject* selected = open;
    if (open) {
        QStringList rows;
        for (const FormObject& child : open->children)
            if (child.className == QLatin1String("TMenuItem"))
                rows.append(FormPainter::shownCaption(child.value(QStringLiteral("Caption"), child.name)));
        int width = 110;
        for (const QString& text : rows)
            width = std::max(width, metrics.horizontalAdvance(text) + 40);
        const QRect drop(openRect.left(), bar.bottom() + 1, width, static_cast<int>(rows.size()) * 18 + 24);
        sketch.raised(drop);
        int y = drop.top() + 3;
        for (const QString& text : rows) {
            if (text == QLatin1String("-")) {
                sketch.frameLine(QRect(drop.left() + 3, y + 4, drop.width() - 6, 2));
            } else {
                sketch.text(QRect(drop.left() + 20, y, drop.width() - 24, 18), text, Qt::AlignLeft | Qt::AlignVCenter,
                            font);
            }
            y += 18;
        }
        slot(QRect(drop.left() + 4, y + 1, drop.width() - 8, 16));
    }
    if (!tall)
        return;
    const QString caption = selected ? selected->value(QStringLiteral("Caption"), selected->name) : QString();
    const QString name = selected ? selected->name : QStringLiteral("N1");
    const QList<QPair<QString, QString>> properties = {
        {"Action", ""},
        {"AutoCheck", "False"},
        {"AutoHotkeys", "maParent"},
        {"AutoLineReduction", "maParent"},
        {"Bitmap", "(None)"},
        {"Break", "mbNone"},
        {"Caption", caption},
        {"Checked", "False"},
        {"Default", "False"},
        {"Enabled", "True"},
        {"GroupIndex", "0"},
        {"HelpContext", "0"},
        {"Hint", ""},
        {"ImageIndex", "-1"},
        {"Name", name},
        {"RadioItem", "False"},
        {"ShortCut", selected ? selected->value(QStringLiteral("ShortCut"), QStringLiteral("(None)")) : "(None)"},
        {"SubMenuImages", ""},
        {"Tag", "0"},
        {"Visible", "True"}};
    IdeParts::inspector(sketch,
                        QRect(all.left(), designer.bottom() + 2, all.width(), all.bottom() - designer.bottom() - 1),
                        QStringLiteral("%1: TMenuItem").arg(name), properties, 6);
}

void objectTreeView(Sketch& sketch, const FormObject& form)
{
    const QRect client = sketch.window(sketch.bounds(), QStringLiteral("Object TreeView"), true, true);
    sketch.toolButtons(QPoint(client.left() + 2, client.top() + 2), 3, 9, 20);
    const QRect tree(client.left(), client.top() + 25, client.width(), client.height() - 25);
    sketch.sunken(tree);
    QPainter& p = sketch.painter();
    int y = tree.top() + 4;
    constexpr int kRow = 18;
    const auto walk = [&](const auto& self, const FormObject& o, int depth) -> void {
        if (y + kRow > tree.bottom())
            return;
        const int x = tree.left() + 6 + depth * 16;
        if (!o.children.isEmpty()) {
            const QRect box(x, y + 4, 9, 9);
            p.setPen(Sketch::kShadow);
            p.setBrush(Qt::white);
            p.drawRect(box.adjusted(0, 0, -1, -1));
            p.setPen(Qt::black);
            p.drawLine(box.left() + 2, box.center().y(), box.right() - 2, box.center().y());
        } else if (depth > 0) {
            p.setPen(QPen(Sketch::kShadow, 1, Qt::DotLine));
            p.drawLine(x - 8, y + kRow / 2, x + 6, y + kRow / 2);
        }
        const int icon = o.className.startsWith(QLatin1String("TForm")) ? 17
                         : o.className == QLatin1String("TMenuItem")    ? 1
                                                                        : -1;
        const QString text =
            o.className == QLatin1String("TMenuItem")
                ? QStringLiteral("%1: %2").arg(o.name, FormPainter::shownCaption(o.value(QStringLiteral("Caption"))))
                : o.name;
        int kind = icon;
        if (kind < 0) {
            kind = 17;
            for (const QString& tab : IdeParts::paletteTabs())
                for (const IdeParts::Component& component : IdeParts::palettePage(tab))
                    if (component.name == o.className.mid(1))
                        kind = component.icon;
        }
        row(sketch, QRect(x + 12, y, tree.right() - x - 14, kRow), text, kind, depth == 0);
        y += kRow;
        for (const FormObject& child : o.children)
            self(self, child, depth + 1);
    };
    walk(walk, form, 0);
}

int imageCount(const ExerciseTables::Exercise& exercise)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^(\\d+)\\s+FILES"))
                                              .match(QString::fromUtf8(exercise.fileLabel ? exercise.fileLabel : ""));
    return match.hasMatch() ? std::clamp(match.captured(1).toInt(), 1, 40) : 8;
}

void imageListEditor(Sketch& sketch, const FormObject& form, const QString& resourceFiles, int count)
{
    // The exercise's own pictures when it has them, else pictures of the drawing set.
    const auto image = [&](const QRect& area, int index) {
        const QImage picture = FormPainter::listPicture(resourceFiles, index);
        if (picture.isNull())
            sketch.glyph(area, index);
        else
            sketch.painter().drawImage(area, SampleCanvas::withoutBackground(picture));
    };
    QString list = QStringLiteral("ImageList1");
    for (const FormObject* o : form.all())
        if (o->className == QLatin1String("TImageList")) {
            list = o->name;
            break;
        }
    const QRect client =
        sketch.window(sketch.bounds(), QStringLiteral("%1.%2 ImageList").arg(form.name, list), true, false, true);
    const int buttonsLeft = client.right() - 84;
    const char* buttons[] = {"OK", "Cancel", "Apply", "Help"};
    for (int i = 0; i < 4; ++i)
        sketch.button(QRect(buttonsLeft, client.top() + 10 + i * 30, 75, 25), QString::fromLatin1(buttons[i]), i == 0);
    const QRect selected(client.left() + 8, client.top() + 4, buttonsLeft - client.left() - 16, 112);
    sketch.groupBox(selected, QStringLiteral("Selected Image"));
    const QRect preview(selected.left() + 10, selected.top() + 20, 82, 82);
    sketch.sunken(preview);
    image(preview.adjusted(17, 17, -17, -17), 0);
    const int x = preview.right() + 12;
    sketch.label(QPoint(x, selected.top() + 20), QStringLiteral("Transparent Color:"));
    sketch.combo(QRect(x, selected.top() + 36, 110, 21), QStringLiteral("clFuchsia"));
    sketch.label(QPoint(x, selected.top() + 62), QStringLiteral("Fill Color:"));
    sketch.combo(QRect(x, selected.top() + 78, 110, 21), QStringLiteral("clNone"));
    const QRect options(x + 122, selected.top() + 16, selected.right() - x - 130, 86);
    if (options.width() > 60) {
        sketch.groupBox(options, QStringLiteral("Options"));
        sketch.radio(options.topLeft() + QPoint(8, 20), QStringLiteral("Crop"), true);
        sketch.radio(options.topLeft() + QPoint(8, 40), QStringLiteral("Stretch"), false);
        sketch.radio(options.topLeft() + QPoint(8, 60), QStringLiteral("Center"), false);
    }
    const QRect images(client.left() + 8, selected.bottom() + 8, client.width() - 16,
                       client.bottom() - selected.bottom() - 14);
    sketch.groupBox(images, QStringLiteral("Images"));
    const QRect strip(images.left() + 10, images.top() + 20, images.width() - 20, 58);
    sketch.sunken(strip);
    constexpr int kCell = 40;
    for (int i = 0; i < count && strip.left() + 4 + (i + 1) * kCell < strip.right(); ++i) {
        const QRect cell(strip.left() + 4 + i * kCell, strip.top() + 4, kCell - 4, kCell - 4);
        sketch.fill(cell, i == 0 ? Sketch::kSelection : QColor(240, 240, 240));
        sketch.fill(cell.adjusted(2, 2, -2, -2), Qt::white);
        image(cell.adjusted(10, 10, -10, -10), i);
        sketch.text(QRect(cell.left(), cell.bottom() + 1, cell.width(), 13), QString::number(i), Qt::AlignCenter,
                    Sketch::uiFont(10));
    }
    const char* actions[] = {"Add...", "Delete", "Clear", "Export..."};
    for (int i = 0; i < 4; ++i)
        sketch.button(QRect(strip.left() + i * 82, strip.bottom() + 8, 75, 25), QString::fromLatin1(actions[i]));
}

// The tool glyph of a standard action by its name.
int actionGlyph(const QString& name)
{
    const struct {
        const char* word;
        int glyph;
    } glyphs[] = {{"Cut", 11}, {"Copy", 12}, {"Paste", 0}, {"Open", 1}, {"Save", 2}, {"Exit", 10}, {"Undo", 8}};
    for (const auto& row : glyphs)
        if (name.contains(QLatin1String(row.word)))
            return row.glyph;
    return 7;
}

void actionListEditor(Sketch& sketch, const FormObject& form, const QString& resourceFiles)
{
    QString list = QStringLiteral("ActionList1");
    QList<QPair<QString, QString>> actions; // name, category
    QHash<QString, int> images;             // the ImageIndex of each action that has one
    for (const FormObject* o : form.all()) {
        if (o->className != QLatin1String("TActionList"))
            continue;
        list = o->name;
        for (const FormObject& action : o->children) {
            actions.append({action.name, action.value(QStringLiteral("Category"), QStringLiteral("(No Category)"))});
            if (action.has(QStringLiteral("ImageIndex")))
                images.insert(action.name, action.number(QStringLiteral("ImageIndex"), -1));
        }
        break;
    }
    if (actions.isEmpty()) {
        // The standard actions an editor of rich text takes from the library.
        actions = {{"EditCut1", "Edit"},          {"EditCopy1", "Edit"},           {"EditPaste1", "Edit"},
                   {"EditSelectAll1", "Edit"},    {"EditUndo1", "Edit"},           {"FileOpen1", "File"},
                   {"FileSaveAs1", "File"},       {"FileExit1", "File"},           {"RichEditBold1", "Format"},
                   {"RichEditItalic1", "Format"}, {"RichEditUnderline1", "Format"}};
    }
    QStringList categories;
    for (const auto& action : actions)
        if (!categories.contains(action.second))
            categories.append(action.second);
    categories.sort();
    categories.append(QStringLiteral("(All Actions)"));
    const QString current = categories.first();
    QStringList names;
    for (const auto& action : actions)
        if (action.second == current)
            names.append(action.first);

    const QRect client =
        sketch.window(sketch.bounds(), QStringLiteral("Editing %1.%2").arg(form.name, list), true, false, true);
    // New action, delete, move up, move down.
    sketch.toolButtons(QPoint(client.left() + 2, client.top() + 2), 2, 9, 22);
    for (int i = 0; i < 2; ++i) {
        const QRect b(client.left() + 50 + i * 23, client.top() + 2, 22, 22);
        sketch.raised(b);
        QPainter& p = sketch.painter();
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 128));
        const QPoint c = b.center();
        p.drawPolygon(i == 0 ? QPolygon({c + QPoint(-5, 3), c + QPoint(5, 3), c + QPoint(0, -3)})
                             : QPolygon({c + QPoint(-5, -3), c + QPoint(5, -3), c + QPoint(0, 3)}));
        p.restore();
    }
    const QRect body(client.left() + 2, client.top() + 28, client.width() - 4, client.height() - 30);
    const int split = body.left() + body.width() * 40 / 100;
    sketch.label(QPoint(body.left() + 2, body.top()), QStringLiteral("Categories:"));
    sketch.label(QPoint(split + 4, body.top()), QStringLiteral("Actions:"));
    sketch.listBox(QRect(body.left(), body.top() + 16, split - body.left(), body.height() - 16), categories, 0);
    const QRect actionList(split + 4, body.top() + 16, body.right() - split - 4, body.height() - 16);
    sketch.sunken(actionList);
    int y = actionList.top() + 3;
    for (qsizetype i = 0; i < names.size() && y + 18 < actionList.bottom(); ++i, y += 18) {
        const QRect area(actionList.left() + 3, y, actionList.width() - 6, 18);
        // An action shows the picture of the image list it names, else one of the drawing set.
        const QImage picture = FormPainter::listPicture(resourceFiles, images.value(names[i], -1));
        if (picture.isNull()) {
            row(sketch, area, names[i], actionGlyph(names[i]), i == 0, 1);
        } else {
            sketch.painter().drawImage(QRect(area.left() + 2, area.top() + 1, 16, 16),
                                       SampleCanvas::withoutBackground(picture));
            row(sketch, area.adjusted(20, 0, 0, 0), names[i], -1, i == 0);
        }
    }
}

// The project options the instruction asks for: the title and the file extension it names, the icon file it
// loads from the exercise's files.
void projectOptions(Sketch& sketch, const ExerciseTables::Exercise& exercise, const QString& instruction)
{
    static const QRegularExpression titled(QStringLiteral("поле \\**Title\\**[^«\\n]{0,40}«([^»]+)»"));
    static const QRegularExpression extended(QStringLiteral("Target file extension\\**\\s+впиши\\s+(\\w+)"));
    static const QRegularExpression iconFile(QStringLiteral("Load Icon[^\\n]*?([\\w-]+\\.ico)"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch title = titled.match(instruction);
    const QString extension = extended.match(instruction).captured(1);
    const QRegularExpressionMatch icon = iconFile.match(instruction);
    QImage iconPicture;
    if (icon.hasMatch())
        iconPicture = QImage::fromData(ResourceFiles::bytes(icon.captured(1)), "ICO");

    const QRect area = IdeParts::dialog(sketch, sketch.bounds(), QStringLiteral("Project Options for Project1.exe"),
                                        {QStringLiteral("OK"), QStringLiteral("Cancel"), QStringLiteral("Help")}, true);
    const QRect page = sketch.tabs(area.adjusted(0, 0, 0, -4),
                                   {"Forms", "Application", "Compiler", "Linker", "Directories/Conditionals"}, 1);
    const QRect settings(page.left() + 6, page.top() + 8, page.width() - 12, 170);
    sketch.groupBox(settings, QStringLiteral("Application settings"));
    const int x = settings.left() + 90;
    const int w = settings.right() - x - 10;
    sketch.label(QPoint(settings.left() + 10, settings.top() + 26), QStringLiteral("Title:"));
    sketch.edit(QRect(x, settings.top() + 22, w, 21), title.hasMatch() ? title.captured(1) : exerciseName(exercise));
    sketch.label(QPoint(settings.left() + 10, settings.top() + 56), QStringLiteral("Help file:"));
    sketch.edit(QRect(x, settings.top() + 52, w - 84, 21), QString());
    sketch.button(QRect(x + w - 78, settings.top() + 50, 78, 25), QStringLiteral("Browse..."));
    sketch.label(QPoint(settings.left() + 10, settings.top() + 90), QStringLiteral("Icon:"));
    const QRect box(x, settings.top() + 86, 40, 40);
    sketch.sunken(box);
    if (!iconPicture.isNull())
        sketch.painter().drawImage(QRect(box.center() - QPoint(15, 15), QSize(32, 32)), iconPicture);
    else
        PictureMotifs::draw(sketch.painter(), box.adjusted(4, 4, -4, -4),
                            extension == QLatin1String("scr") ? PictureMotifs::Motif::Rocket
                                                              : PictureMotifs::Motif::Landscape);
    sketch.button(QRect(x + 54, settings.top() + 94, 90, 25), QStringLiteral("Load Icon..."));
    const QRect output(page.left() + 6, settings.bottom() + 10, page.width() - 12, 60);
    if (output.bottom() < page.bottom() - 30) {
        sketch.groupBox(output, QStringLiteral("Output settings"));
        sketch.label(QPoint(output.left() + 10, output.top() + 28), QStringLiteral("Target file extension:"));
        sketch.edit(QRect(output.left() + 140, output.top() + 24, 60, 21), extension);
    }
    sketch.checkBox(QPoint(page.left() + 8, page.bottom() - 20), QStringLiteral("Default"), false);
}

void browseForFolder(Sketch& sketch, const QString& prompt)
{
    const QRect client = sketch.window(sketch.bounds(), QStringLiteral("Обзор папок"), true, false, true);
    const QRect text(client.left() + 10, client.top() + 8, client.width() - 20, 30);
    sketch.text(text, prompt, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Sketch::uiFont(11));
    const int buttonsY = client.bottom() - 33;
    sketch.button(QRect(client.right() - 170, buttonsY, 75, 23), QStringLiteral("OK"), true);
    sketch.button(QRect(client.right() - 88, buttonsY, 75, 23), QStringLiteral("Отмена"));
    const QRect tree(client.left() + 10, text.bottom() + 6, client.width() - 20, buttonsY - text.bottom() - 16);
    sketch.sunken(tree);
    const struct {
        int depth;
        const char* name;
        int icon;
    } items[] = {{0, "Рабочий стол", int(Shell::Desktop)},
                 {1, "Мои документы", int(Shell::Documents)},
                 {1, "Мой компьютер", int(Shell::Computer)},
                 {2, "Диск 3,5 (A:)", int(Shell::Floppy)},
                 {2, "Локальный диск (C:)", int(Shell::Disk)},
                 {3, "DELPHIFILES", int(Shell::Folder)},
                 {3, "Documents and Settings", int(Shell::Folder)},
                 {3, "Program Files", int(Shell::Folder)},
                 {3, "WINDOWS", int(Shell::Folder)},
                 {2, "Компакт-диск (D:)", int(Shell::Cd)},
                 {1, "Сетевое окружение", int(Shell::Network)},
                 {1, "Корзина", int(Shell::Bin)}};
    int y = tree.top() + 4;
    for (const auto& item : items) {
        if (y + 18 > tree.bottom())
            break;
        row(sketch, QRect(tree.left() + 6 + item.depth * 18, y, tree.width() - 12 - item.depth * 18, 18),
            QString::fromUtf8(item.name), item.icon, qstrcmp(item.name, "Локальный диск (C:)") == 0, 2);
        y += 18;
    }
}

void desktop(Sketch& sketch, const ExerciseTables::Exercise& exercise)
{
    const QRect all = sketch.bounds();
    sketch.fill(all, Sketch::kDesktop);
    const char* icons[] = {"Мой компьютер", "Мои документы", "Корзина"};
    const Shell kinds[] = {Shell::Computer, Shell::Documents, Shell::Bin};
    for (int i = 0; i < 3; ++i) {
        const QRect icon(all.left() + 18, all.top() + 8 + i * 58, 32, 30);
        shellIcon(sketch, icon, kinds[i]);
        sketch.text(QRect(all.left(), icon.bottom() + 2, 68, 24), QString::fromUtf8(icons[i]),
                    Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, Sketch::uiFont(10), Qt::white);
    }
    const QRect bar(all.left(), all.bottom() - 27, all.width(), 28);
    // The program's window has no frame and a transparent background: only a frame of the animation shows,
    // on its way to the right along the bottom of the desktop, just above the task bar.
    const QImage frame = SampleCanvas::withoutBackground(ResourcePictures::butterfly(6));
    const QSize size = frame.size() * 2 / 3;
    sketch.painter().save();
    sketch.painter().setRenderHint(QPainter::SmoothPixmapTransform, true);
    sketch.painter().drawImage(QRect(QPoint(all.left() + all.width() * 55 / 100, bar.top() - size.height()), size),
                               frame);
    sketch.painter().restore();
    sketch.raised(bar);
    const QRect start(bar.left() + 3, bar.top() + 4, 54, bar.height() - 7);
    sketch.raised(start);
    sketch.text(start.adjusted(18, 0, 0, 0), QStringLiteral("Пуск"), Qt::AlignLeft | Qt::AlignVCenter,
                Sketch::uiFont(11, true));
    sketch.fill(QRect(start.left() + 4, start.top() + 5, 5, 5), QColor(230, 40, 30));
    sketch.fill(QRect(start.left() + 10, start.top() + 5, 5, 5), QColor(40, 180, 40));
    sketch.fill(QRect(start.left() + 4, start.top() + 11, 5, 5), QColor(40, 80, 220));
    sketch.fill(QRect(start.left() + 10, start.top() + 11, 5, 5), QColor(250, 200, 20));
    const QRect task(start.right() + 6, start.top(), std::min(150, bar.width() - 150), start.height());
    sketch.sunken(task, QColor(234, 232, 228));
    sketch.text(task.adjusted(6, 0, -4, 0), exerciseName(exercise), Qt::AlignLeft | Qt::AlignVCenter,
                Sketch::uiFont(11, true));
    const QRect tray(bar.right() - 56, start.top(), 52, start.height());
    sketch.sunken(tray, Sketch::kFace);
    sketch.text(tray, QStringLiteral("12:30"), Qt::AlignCenter, Sketch::uiFont(11));
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

// The string list a String List Editor figure edits: named by the caption, else the form's first one.
QStringList ExerciseFigures::editedStrings(const FormObject& form, const QString& caption, QString* owner)
{
    const QList<const FormObject*> all = form.all();
    const auto first = [&](auto accept, const QString& property) -> const FormObject* {
        for (const FormObject* o : all)
            if (accept(*o) && o->lists.contains(property))
                return o;
        return nullptr;
    };
    if (mentions(caption, "столбцов")) {
        for (const FormObject* o : all) {
            for (const QString& collection : {QStringLiteral("Columns"), QStringLiteral("Sections")}) {
                const auto items = o->collections.value(collection);
                if (items.isEmpty())
                    continue;
                QStringList captions;
                for (const auto& item : items)
                    captions.append(item.value(QStringLiteral("Caption"), item.value(QStringLiteral("Text"))));
                *owner = o->name;
                return captions;
            }
        }
    }
    for (const QString& kind : {QStringLiteral("Memo"), QStringLiteral("RadioGroup"), QStringLiteral("ListBox"),
                                QStringLiteral("ComboBox")}) {
        if (!caption.contains(kind))
            continue;
        const QString className = QLatin1Char('T') + kind;
        for (const QString& property : {QStringLiteral("Lines.Strings"), QStringLiteral("Items.Strings")}) {
            if (const FormObject* o = first([&](const FormObject& x) { return x.className == className; }, property)) {
                *owner = o->name;
                return o->strings(property);
            }
        }
    }
    for (const QString& property : {QStringLiteral("Items.Strings"), QStringLiteral("Lines.Strings")}) {
        if (const FormObject* o = first([](const FormObject&) { return true; }, property)) {
            *owner = o->name;
            return o->strings(property);
        }
    }
    return {};
}

QList<QPair<QString, QString>> ExerciseFigures::filters(const FormObject& form, const QString& caption, QString* owner)
{
    const QList<const FormObject*> all = form.all();
    const FormObject* dialog = nullptr;
    for (const char* kind : {"SaveDialog", "OpenDialog"}) {
        if (dialog || !caption.contains(QLatin1String(kind)))
            continue;
        for (const FormObject* o : all)
            if (!dialog && o->className.contains(QLatin1String(kind)) && o->has(QStringLiteral("Filter")))
                dialog = o;
    }
    for (const FormObject* o : all)
        if (!dialog && o->has(QStringLiteral("Filter")))
            dialog = o;
    QList<QPair<QString, QString>> rows;
    if (!dialog)
        return rows;
    *owner = dialog->name;
    const QStringList parts = dialog->value(QStringLiteral("Filter")).split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        rows.append({parts[i], parts[i + 1]});
    return rows;
}

// The lines of the unit the code window shows: from the routine that declares variables when the caption
// asks for them, else from the top.
QStringList ExerciseFigures::codeLines(const QString& unit, const QString& caption)
{
    QStringList lines = unit.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        line.replace(QLatin1Char('\t'), QStringLiteral("  "));
    }
    if (!mentions(caption, "Объявление переменных"))
        return lines;
    const qsizetype implementation = lines.indexOf(QStringLiteral("implementation"));
    for (qsizetype i = std::max<qsizetype>(0, implementation); i < lines.size(); ++i) {
        if (lines[i].trimmed() != QLatin1String("var"))
            continue;
        qsizetype start = i;
        while (start > 0 && !lines[start].trimmed().startsWith(QLatin1String("procedure")))
            --start;
        return lines.mid(start);
    }
    return lines;
}

std::optional<ExerciseFigures::Kind> ExerciseFigures::kindOf(const QString& caption)
{
    for (const auto& row : kPatterns)
        if (mentions(caption, row.pattern))
            return row.kind;
    return std::nullopt;
}

QList<ExerciseFigures::Stage> ExerciseFigures::stages(const QStringList& captions)
{
    QList<Stage> out;
    QList<qsizetype> partials[2];
    bool finished[2] = {false, false}; // a complete figure of the form follows its partial ones
    for (const QString& caption : captions) {
        Stage stage;
        if (kindOf(caption) == Kind::FormDesign) {
            stage.secondForm = caption.contains(QLatin1String("Form2")) || mentions(caption, "второго окна");
            stage.partial = mentions(caption, "на данный момент") || mentions(caption, "на данном этапе") ||
                            mentions(caption, "Начало работы");
            // "Начальное расположение компонентов", "Начальный интерфейс": every component placed, nothing set
            // yet, the form itself included.
            stage.initial = mentions(caption, "Начальн");
            stage.defaults = (mentions(caption, "Расположение компонентов") && !mentions(caption, "на данном этапе")) ||
                             mentions(caption, "Компоненты формы") || stage.initial;
            if (stage.partial) {
                partials[stage.secondForm ? 1 : 0].append(out.size());
                // "Начало работы - поле Memo": only the component the caption names.
                const QRegularExpressionMatch named =
                    QRegularExpression(QStringLiteral("поле (\\w+)"), QRegularExpression::UseUnicodePropertiesOption)
                        .match(caption);
                if (named.hasMatch())
                    stage.onlyClass = QLatin1Char('T') + named.captured(1);
            } else if (!partials[stage.secondForm ? 1 : 0].isEmpty()) {
                finished[stage.secondForm ? 1 : 0] = true;
            }
        }
        out.append(stage);
    }
    // The partial figures of one form show more and more of it: the first of two partial figures a third,
    // the second two thirds, and the finished form comes last. When no finished figure follows, the last
    // partial one is the form as it stands: all of it.
    for (int form = 0; form < 2; ++form) {
        const QList<qsizetype>& indexes = partials[form];
        const qsizetype steps = indexes.size() + (finished[form] ? 1 : 0);
        for (qsizetype i = 0; i < indexes.size(); ++i)
            out[indexes[i]].share = double(i + 1) / double(steps);
    }
    return out;
}

FormObject ExerciseFigures::staged(const FormObject& form, const Stage& stage)
{
    FormObject out = form;
    if (stage.partial) {
        QList<FormObject> kept;
        if (!stage.onlyClass.isEmpty()) {
            for (const FormObject& child : form.children)
                if (child.className == stage.onlyClass)
                    kept.append(child);
        }
        if (kept.isEmpty() && stage.share < 1.0) {
            // A form is built from the top down: the controls are taken in rows (tops within a few pixels of
            // each other); pictures come after them and the components without a window last.
            QList<const FormObject*> visual;
            for (const FormObject& child : form.children)
                if (!FormPainter::isNonVisual(child))
                    visual.append(&child);
            const auto isPicture = [](const FormObject* o) { return o->className == QLatin1String("TImage"); };
            std::stable_sort(visual.begin(), visual.end(), [&](const FormObject* a, const FormObject* b) {
                if (isPicture(a) != isPicture(b))
                    return isPicture(b);
                return a->number(QStringLiteral("Top"), 0) < b->number(QStringLiteral("Top"), 0);
            });
            QList<QList<const FormObject*>> rows;
            int rowTop = 0;
            for (const FormObject* child : visual) {
                const int top = child->number(QStringLiteral("Top"), 0);
                if (rows.isEmpty() || top > rowTop + 12 || isPicture(child) != isPicture(rows.last().first())) {
                    rows.append(QList<const FormObject*>());
                    rowTop = top;
                }
                rows.last().append(child);
            }
            const qsizetype shown = std::clamp<qsizetype>(
                static_cast<qsizetype>(std::floor(rows.size() * stage.share + 1e-9)), 1, rows.size());
            QSet<const FormObject*> chosen;
            for (qsizetype i = 0; i < shown; ++i)
                for (const FormObject* child : rows[i])
                    chosen.insert(child);
            // Kept in file order, which is the order they are drawn in.
            for (const FormObject& child : form.children)
                if (chosen.contains(&child))
                    kept.append(child);
        }
        if (!kept.isEmpty() || stage.share < 1.0)
            out.children = kept;
    }
    if (stage.partial || stage.defaults) {
        // Bars are placed first and filled later: their buttons and the menu's items are not there yet.
        const auto empty = [](const auto& self, FormObject& o) -> void {
            o.children.removeIf([](const FormObject& child) {
                return child.className == QLatin1String("TToolButton") || child.className == QLatin1String("TMenuItem");
            });
            for (FormObject& child : o.children)
                self(self, child);
        };
        empty(empty, out);
    }
    if (stage.defaults) {
        // As dropped from the palette: captions and texts are the names, fonts and colours the defaults.
        const auto reset = [](const auto& self, FormObject& o) -> void {
            static const QStringList dropped = {
                "Color",      "Font.Name",   "Font.Height", "Font.Size",    "Font.Color", "Font.Style", "Font.Charset",
                "ParentFont", "Brush.Color", "Pen.Color",   "Picture.Data", "Glyph.Data", "Shape"};
            for (const QString& key : dropped) {
                o.values.remove(key);
                o.lists.remove(key);
            }
            static const QStringList captioned = {"TLabel", "TButton", "TCheckBox",   "TRadioButton", "TGroupBox",
                                                  "TPanel", "TBitBtn", "TRadioGroup", "TStaticText"};
            static const QStringList texted = {"TEdit", "TComboBox", "TMaskEdit", "TLabeledEdit"};
            if (captioned.contains(o.className))
                o.values.insert(QStringLiteral("Caption"), o.name);
            if (texted.contains(o.className))
                o.values.insert(QStringLiteral("Text"), o.name);
            if (o.className == QLatin1String("TMemo") || o.className == QLatin1String("TRichEdit"))
                o.lists.insert(QStringLiteral("Lines.Strings"), {o.name});
            // A fresh list has no items yet, and a fresh combo box shows its name in its edit field.
            if (o.className == QLatin1String("TListBox") || o.className == QLatin1String("TRadioGroup") ||
                o.className == QLatin1String("TComboBox")) {
                o.lists.remove(QStringLiteral("Items.Strings"));
                o.values.remove(QStringLiteral("ItemIndex"));
            }
            if (o.className == QLatin1String("TComboBox"))
                o.values.remove(QStringLiteral("Style"));
            for (FormObject& child : o.children)
                self(self, child);
        };
        for (FormObject& child : out.children)
            reset(reset, child);
    }
    if (stage.initial) {
        // A new form is a plain window: its border, colour and behaviour are set later.
        for (const char* key : {"BorderStyle", "Color", "TransparentColor", "TransparentColorValue", "FormStyle",
                                "AlphaBlend", "AlphaBlendValue", "WindowState"})
            out.values.remove(QLatin1String(key));
    }
    return out;
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
