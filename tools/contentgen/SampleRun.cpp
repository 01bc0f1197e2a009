// SPDX-License-Identifier: MIT
// The sample session: the unit read once, then the pupil's actions on the running window (start, typing,
// clicks, timers, strokes of the mouse, options, painting), each running the event handlers it fires through
// the interpreter of SampleRunInternal.h.
#include "SampleRun.h"

#include "SampleRunInternal.h"

#include <QRegularExpression>
#include <QtMath>

#include <cmath>

using namespace SampleRunInternal;

struct SampleRun::Tokens {
    QList<Token> list;
};

SampleRun::SampleRun(FormObject form, const QString& unitSource)
    : m_form(std::move(form))
    , m_source(unitSource)
    , m_tokens(std::make_shared<const Tokens>(Tokens{tokenize(unitSource)}))
{
    const QList<Token>& tokens = m_tokens->list;
    // Types first, then constants, so that array bounds can name them; then fields and variables.
    declareTypes(tokens, m_globals);
    for (int pass = 0; pass < 2; ++pass)
        declareUnit(tokens, pass == 0, m_form, m_globals);
}

bool SampleRun::runHandler(const QString& name, const QString& sender, const QList<QVariant>& more)
{
    const QList<Token>& tokens = m_tokens->list;
    const qsizetype at = findHandler(tokens, m_form.className, name);
    if (at < 0)
        return false;
    int steps = 0;
    Interpreter interpreter(
        tokens, State{m_form, m_globals, m_message, m_canvases, m_objects, m_random, m_folder.get()}, steps);
    QList<QVariant> arguments{sender.isEmpty() ? QVariant(QStringLiteral("nil")) : reference(sender)};
    arguments += more;
    if (!interpreter.run(at, arguments))
        m_stops.append(QStringLiteral("%1: %2").arg(name, interpreter.m_stop));
    return true;
}

void SampleRun::start()
{
    runHandler(m_form.value(QStringLiteral("OnCreate"), QStringLiteral("FormCreate")));
    if (m_form.has(QStringLiteral("OnShow")))
        runHandler(m_form.value(QStringLiteral("OnShow")));
}

void SampleRun::typeSamples(bool badInput)
{
    // What the unit does with each edit's text decides the sample.
    static const QRegularExpression integerUse(
        QStringLiteral(R"(StrToInt(?:Def)?\s*\(\s*(?:Trim\s*\(\s*)?(\w+)\.Text)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression floatUse(
        QStringLiteral(R"(StrToFloat(?:Def)?\s*\(\s*(?:Trim\s*\(\s*)?(\w+)\.Text)"),
        QRegularExpression::CaseInsensitiveOption);
    QSet<QString> integers;
    QSet<QString> floats;
    for (auto it = integerUse.globalMatch(m_source); it.hasNext();)
        integers.insert(it.next().captured(1).toLower());
    for (auto it = floatUse.globalMatch(m_source); it.hasNext();)
        floats.insert(it.next().captured(1).toLower());

    const QStringList integerSamples = {"12", "5", "8", "3", "7", "4"};
    const QStringList floatSamples = {"2,5", "4", "1,5", "3"};
    int nextInteger = 0;
    int nextFloat = 0;
    bool spoiled = false;
    QStringList typed;
    for (const FormObject* object : m_form.all()) {
        if (object->className != QLatin1String("TEdit") && object->className != QLatin1String("TMaskEdit") &&
            object->className != QLatin1String("TLabeledEdit"))
            continue;
        // The pupil types only where the program lets him: into empty fields that are enabled and writable.
        if (!object->value(QStringLiteral("Text")).isEmpty() || object->flag(QStringLiteral("ReadOnly"), false) ||
            !object->flag(QStringLiteral("Enabled"), true))
            continue;
        const QString name = object->name.toLower();
        QString sample;
        if (integers.contains(name))
            sample = integerSamples[nextInteger++ % integerSamples.size()];
        else if (floats.contains(name))
            sample = floatSamples[nextFloat++ % floatSamples.size()];
        else
            sample = QStringLiteral("Маша");
        if (badInput && !spoiled && (integers.contains(name) || floats.contains(name))) {
            sample = QStringLiteral("12а");
            spoiled = true;
        }
        m_form.find(object->name)->values.insert(QStringLiteral("Text"), sample);
        typed.append(object->name);
    }
    for (const FormObject* object : m_form.all()) {
        if ((object->className != QLatin1String("TMemo") && object->className != QLatin1String("TRichEdit")) ||
            !object->strings(QStringLiteral("Lines.Strings")).isEmpty() ||
            object->flag(QStringLiteral("ReadOnly"), false))
            continue;
        // Only a memo the program reads is one the pupil types into; a memo for results stays empty.
        const QRegularExpression read(
            QStringLiteral(R"(\b%1\.(Text\b(?!\s*:=)|Lines\s*\[|Lines\.(Count|Text)\b))").arg(object->name),
            QRegularExpression::CaseInsensitiveOption);
        if (!read.match(m_source).hasMatch())
            continue;
        m_form.find(object->name)
            ->lists.insert(
                QStringLiteral("Lines.Strings"),
                {QStringLiteral("Встречаемся в субботу у школы в 10 часов."), QStringLiteral("Пароль: Дельфин.")});
        typed.append(object->name);
    }
    for (const QString& name : typed)
        if (const FormObject* edit = m_form.find(name); edit && edit->has(QStringLiteral("OnChange")))
            runHandler(edit->value(QStringLiteral("OnChange")), edit->name);
}

bool SampleRun::clickMatching(const QString& words)
{
    const QStringList wanted = words.toLower().split(
        QRegularExpression(QStringLiteral("\\W+"), QRegularExpression::UseUnicodePropertiesOption), Qt::SkipEmptyParts);
    for (const FormObject* object : m_form.all()) {
        const QString handler = object->value(QStringLiteral("OnClick"));
        if (handler.isEmpty())
            continue;
        const QStringList own =
            object->value(QStringLiteral("Caption"))
                .remove(QLatin1Char('&'))
                .toLower()
                .split(QRegularExpression(QStringLiteral("\\W+"), QRegularExpression::UseUnicodePropertiesOption),
                       Qt::SkipEmptyParts);
        for (const QString& word : wanted)
            for (const QString& mine : own)
                if (word.size() >= 6 && mine.size() >= 6 && word.left(6) == mine.left(6)) {
                    runHandler(handler, object->name);
                    return true;
                }
    }
    return false;
}

void SampleRun::clickMainButton()
{
    const QList<Token>& tokens = m_tokens->list;
    // A program whose timer runs from the start works by itself: only a default button is pressed.
    bool running = false;
    for (const FormObject* object : m_form.all())
        running = running || (object->className == QLatin1String("TTimer") && object->has(QStringLiteral("OnTimer")) &&
                              object->flag(QStringLiteral("Enabled"), true));
    QString chosen;
    QString sender;
    for (const bool menu : {false, true}) {
        for (const FormObject* object : m_form.all()) {
            const bool button = object->className == QLatin1String("TButton") ||
                                object->className == QLatin1String("TBitBtn") ||
                                object->className == QLatin1String("TSpeedButton");
            if ((menu ? object->className != QLatin1String("TMenuItem") : !button) ||
                !object->flag(QStringLiteral("Enabled"), true))
                continue;
            const QString handler = object->value(QStringLiteral("OnClick"));
            if (handler.isEmpty())
                continue;
            if (object->flag(QStringLiteral("Default"), false)) {
                chosen = handler;
                sender = object->name;
                break;
            }
            if (!chosen.isEmpty() || running)
                continue;
            // Buttons that only close the window are passed over.
            const qsizetype at = findHandler(tokens, m_form.className, handler);
            int steps = 0;
            Scratch scratch;
            const State state{m_form, m_globals, scratch.message, scratch.canvases, scratch.objects, scratch.random};
            if (at >= 0 && !Interpreter(tokens, state, steps).onlyCloses(at)) {
                chosen = handler;
                sender = object->name;
            }
        }
        // The commands of the menu, when the window has no button to press.
        if (!chosen.isEmpty())
            break;
    }
    if (!chosen.isEmpty())
        runHandler(chosen, sender);
}

void SampleRun::tickTimers()
{
    QList<QPair<QString, QString>> timers; // name, handler
    for (const FormObject* object : m_form.all())
        if (object->className == QLatin1String("TTimer") && object->flag(QStringLiteral("Enabled"), true) &&
            object->has(QStringLiteral("OnTimer")))
            timers.append({object->name, object->value(QStringLiteral("OnTimer"))});
    for (const auto& [name, handler] : timers)
        runHandler(handler, name);
}

void SampleRun::runFor(int milliseconds)
{
    struct Timer {
        QString name;
        QString handler;
        int ticks;
    };
    QList<Timer> timers;
    int rounds = 0;
    for (const FormObject* object : m_form.all()) {
        if (object->className != QLatin1String("TTimer") || !object->has(QStringLiteral("OnTimer")))
            continue;
        const int interval = std::max(1, object->number(QStringLiteral("Interval"), 1000));
        const int ticks = std::min(milliseconds / interval, kMaxTicks);
        timers.append({object->name, object->value(QStringLiteral("OnTimer")), ticks});
        rounds = std::max(rounds, ticks);
    }
    // Round by round, each timer that is enabled at that moment and has time for another tick fires.
    for (int round = 0; round < rounds; ++round)
        for (const Timer& timer : timers) {
            const FormObject* object = std::as_const(m_form).find(timer.name);
            if (round < timer.ticks && object && object->flag(QStringLiteral("Enabled"), true))
                runHandler(timer.handler, timer.name);
        }
}

void SampleRun::paint()
{
    QList<QPair<QString, QString>> painted; // owner, handler
    QList<QPair<QString, QString>> grids;
    for (const FormObject* object : m_form.all()) {
        if ((object == &m_form || object->className == QLatin1String("TPaintBox")) &&
            object->has(QStringLiteral("OnPaint")))
            painted.append({object->name, object->value(QStringLiteral("OnPaint"))});
        if ((object->className == QLatin1String("TStringGrid") || object->className == QLatin1String("TDrawGrid")) &&
            object->has(QStringLiteral("OnDrawCell")))
            grids.append({object->name, object->value(QStringLiteral("OnDrawCell"))});
    }
    // What was painted before is gone: each paint starts on a clear surface.
    for (const auto& [owner, handler] : painted) {
        m_canvases.remove(owner);
        runHandler(handler, owner);
    }
    for (const auto& [owner, handler] : grids) {
        m_canvases.remove(owner);
        const FormObject* grid = std::as_const(m_form).find(owner);
        const int columns = std::max(0, grid->number(QStringLiteral("ColCount"), 5));
        const int rows = std::max(0, grid->number(QStringLiteral("RowCount"), 5));
        const int fixedColumns = grid->number(QStringLiteral("FixedCols"), 1);
        const int fixedRows = grid->number(QStringLiteral("FixedRows"), 1);
        const int width = std::max(4, grid->number(QStringLiteral("DefaultColWidth"), 64));
        const int height = std::max(4, grid->number(QStringLiteral("DefaultRowHeight"), 24));
        const int line = std::max(0, grid->number(QStringLiteral("GridLineWidth"), 1));
        const QSize visible(grid->number(QStringLiteral("Width"), 320), grid->number(QStringLiteral("Height"), 120));
        int cells = 0;
        for (int row = 0; row < rows && row * (height + line) < visible.height(); ++row)
            for (int column = 0; column < columns && column * (width + line) < visible.width(); ++column) {
                if (++cells > kMaxCells)
                    return;
                const QRect cell(column * (width + line), row * (height + line), width, height);
                QStringList state;
                if (row < fixedRows || column < fixedColumns)
                    state.append(QStringLiteral("gdFixed"));
                runHandler(handler, owner,
                           {integer(column), integer(row), rectRecord(cell), QVariant::fromValue(state)});
            }
    }
}

void SampleRun::drawStrokes()
{
    QStringList surfaces;
    QStringList tools;
    int group = 0;
    for (const FormObject* object : m_form.all()) {
        if ((object->className == QLatin1String("TImage") || object->className == QLatin1String("TPaintBox")) &&
            object->has(QStringLiteral("OnMouseDown")) && object->has(QStringLiteral("OnMouseMove")))
            surfaces.append(object->name);
        const int index = object->number(QStringLiteral("GroupIndex"), 0);
        if (object->className == QLatin1String("TSpeedButton") && index > 0 && object->has(QStringLiteral("OnClick")) &&
            (group == 0 || group == index)) {
            group = index;
            tools.append(object->name);
        }
    }
    tools = tools.mid(0, 9);
    for (const QString& surface : surfaces) {
        const FormObject* object = std::as_const(m_form).find(surface);
        const QString down = object->value(QStringLiteral("OnMouseDown"));
        const QString move = object->value(QStringLiteral("OnMouseMove"));
        const QString up = object->value(QStringLiteral("OnMouseUp"));
        const QSize size = m_canvases.contains(surface) ? m_canvases.value(surface).size()
                                                        : QSize(object->number(QStringLiteral("Width"), 105),
                                                                object->number(QStringLiteral("Height"), 105));
        // Each tool draws in its own cell of a grid over the surface.
        const int count = std::max<int>(1, int(tools.size()));
        const int columns = int(std::ceil(std::sqrt(double(count))));
        const int rows = (count + columns - 1) / columns;
        for (int k = 0; k < count; ++k) {
            if (!tools.isEmpty()) {
                for (const QString& tool : tools)
                    m_form.find(tool)->values.insert(
                        QStringLiteral("Down"), tool == tools[k] ? QStringLiteral("True") : QStringLiteral("False"));
                runHandler(std::as_const(m_form).find(tools[k])->value(QStringLiteral("OnClick")), tools[k]);
            }
            const QRectF cell(double(size.width()) * (k % columns) / columns,
                              double(size.height()) * (k / columns) / rows, double(size.width()) / columns,
                              double(size.height()) / rows);
            // A wavy stroke from the top left of the cell to its bottom right.
            const auto at = [&](double t) {
                return QPoint(int(cell.left() + cell.width() * (0.15 + 0.7 * t)),
                              int(cell.top() + cell.height() * (0.15 + 0.7 * t + 0.12 * std::sin(t * 2 * M_PI))));
            };
            const QStringList pressed{QStringLiteral("ssLeft")};
            const QPoint first = at(0);
            runHandler(
                down, surface,
                {QStringLiteral("mbLeft"), QVariant::fromValue(pressed), integer(first.x()), integer(first.y())});
            QPoint last = first;
            for (int i = 1; i <= 12; ++i) {
                last = at(i / 12.0);
                runHandler(move, surface, {QVariant::fromValue(pressed), integer(last.x()), integer(last.y())});
            }
            if (!up.isEmpty())
                runHandler(up, surface,
                           {QStringLiteral("mbLeft"), QVariant::fromValue(QStringList()), integer(last.x()),
                            integer(last.y())});
        }
    }
}

bool SampleRun::changeOptions()
{
    QString group;
    QString check;
    QString track;
    for (const FormObject* object : m_form.all()) {
        if (!object->flag(QStringLiteral("Enabled"), true) || !object->flag(QStringLiteral("Visible"), true))
            continue;
        if (group.isEmpty() && object->className == QLatin1String("TRadioGroup") &&
            object->strings(QStringLiteral("Items.Strings")).size() > 1)
            group = object->name;
        if (check.isEmpty() && object->className == QLatin1String("TCheckBox"))
            check = object->name;
        if (track.isEmpty() && object->className == QLatin1String("TTrackBar"))
            track = object->name;
    }
    const auto fire = [&](const QString& name, const char* event) {
        const QString handler = std::as_const(m_form).find(name)->value(QLatin1String(event));
        if (!handler.isEmpty())
            runHandler(handler, name);
    };
    if (!group.isEmpty()) {
        FormObject* radio = m_form.find(group);
        const int count = int(radio->strings(QStringLiteral("Items.Strings")).size());
        radio->values.insert(QStringLiteral("ItemIndex"),
                             QString::number((std::max(0, radio->number(QStringLiteral("ItemIndex"), 0)) + 1) % count));
        fire(group, "OnClick");
    }
    if (!check.isEmpty()) {
        FormObject* box = m_form.find(check);
        const bool checked = box->flag(QStringLiteral("Checked"), false) ||
                             box->value(QStringLiteral("State")) == QLatin1String("cbChecked");
        box->values.insert(QStringLiteral("Checked"), checked ? QStringLiteral("False") : QStringLiteral("True"));
        box->values.remove(QStringLiteral("State"));
        fire(check, "OnClick");
    }
    if (!track.isEmpty()) {
        FormObject* bar = m_form.find(track);
        const int minimum = bar->number(QStringLiteral("Min"), 0);
        const int maximum = std::max(minimum + 1, bar->number(QStringLiteral("Max"), 10));
        const int position = bar->number(QStringLiteral("Position"), minimum);
        const int step = std::max(1, (maximum - minimum) / 8);
        bar->values.insert(QStringLiteral("Position"),
                           QString::number(position + step <= maximum ? position + step : minimum));
        fire(track, "OnChange");
    }
    return !group.isEmpty() || !check.isEmpty() || !track.isEmpty();
}
