// SPDX-License-Identifier: MIT
// The environment's dialogs in the exercise figures: the shell's icons and rows that they and the editors
// share, the Save As dialogs with their places bar, the font dialog with the font the pupil chose, the picture
// editor, the project options the instruction asks for, Browse for Folder and the desktop with the task bar.
#include "ExerciseFiguresInternal.h"

#include "FormPainter.h"
#include "IdeParts.h"
#include "PictureMotifs.h"
#include "ResourceFiles.h"
#include "ResourcePictures.h"
#include "SampleCanvas.h"
#include "Sketch.h"

#include "screens/ExerciseTables.h"

#include <QFontMetrics>
#include <QPolygonF>
#include <QRegularExpression>

#include <cmath>

namespace {

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

} // namespace

namespace ExerciseFigureParts {

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
void row(Sketch& sketch, const QRect& area, const QString& text, int icon, bool selected, int iconKind)
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

} // namespace ExerciseFigureParts
