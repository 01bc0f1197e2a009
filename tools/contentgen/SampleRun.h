// SPDX-License-Identifier: MIT
#pragma once

#include "FormFile.h"
#include "SampleCanvas.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

// A sample session with an exercise program, for the figures of its running window: the program starts (its
// OnCreate and OnShow handlers run), the pupil types sample values into the empty edits (their OnChange
// handlers run), presses the form's main button (its OnClick handler runs), draws with the mouse, lets the
// program run for a moment (its timers fire) and changes its options; before the window is drawn, the
// program paints (OnPaint, OnDrawCell). The handlers are read from the unit's source and run as far as their
// statements are the simple ones of the exercises: assignments, if, case, for, while, repeat, try, with,
// records, arrays, sets, the usual conversion and string functions, and the properties and methods of the
// common components and of their canvases. A statement the runner does not know ends the handler there;
// what ran before it stays, so the window shows a consistent state. Runs are bounded in steps and timer
// ticks, drawings in size, so no source can make the runner hang or exhaust memory. What the handlers draw
// on a Canvas is drawn on the owner's surface (canvases()).
class SampleRun final {
public:
    SampleRun(FormObject form, const QString& unitSource);

    // The sample machine's working folder C:\DELPHIFILES: the paths of its files inside it ("CALC.WMF",
    // "gif/001.gif") and how to read one. Without it the machine has no files at all.
    struct Folder {
        QStringList names;
        std::function<QByteArray(const QString& name)> bytes;
    };
    void setWorkingFolder(std::shared_ptr<const Folder> folder) { m_folder = std::move(folder); }

    struct Message {
        QString caption;
        QString text;
        enum class Icon { None, Error, Warning, Information, Question } icon = Icon::None;
    };

    // OnCreate, then OnShow.
    void start();
    // Every empty edit gets a sample: a number where the unit converts its text to a number, a word
    // otherwise; with badInput the first number becomes text that does not convert. Empty memos whose text
    // the unit reads get two lines of sample text.
    void typeSamples(bool badInput);
    // The OnClick handler of the default button, or else of the first button whose handler does more than
    // close the window.
    void clickMainButton();
    // The OnClick handler of the button or menu item whose caption shares its stem with one of the words
    // ("Зашифрованный текст" finds "Зашифровать"); false when none does.
    bool clickMatching(const QString& words);
    // One OnTimer event of every enabled timer.
    void tickTimers();
    // The program left to itself for a while: every enabled timer fires as often as its interval allows in
    // that time, and at most kMaxTicks times.
    void runFor(int milliseconds);
    // The pupil draws with the mouse on every image or paint box that answers the mouse: one stroke with each
    // tool of the form's first group of tool buttons (or one stroke when it has none), each in its own part of
    // the surface.
    void drawStrokes();
    // The pupil changes the options: the next item of the first radio group, the first check box turned over,
    // the first track bar moved; their events run. False when the form has none of them.
    bool changeOptions();
    // What Windows asks the program to paint before the window is shown: the OnPaint handlers of the paint
    // boxes and the form, and the OnDrawCell handler for every visible cell of an owner-drawn grid.
    void paint();

    const FormObject& form() const { return m_form; }
    // The drawing surfaces by the name of their owner: an image, a paint box, a grid or the form.
    const QHash<QString, SampleCanvas>& canvases() const { return m_canvases; }
    // The first message box the session showed: ShowMessage, MessageDlg, Application.MessageBox, or an
    // exception that no handler caught.
    const std::optional<Message>& message() const { return m_message; }
    // Whether any handler stopped at a statement the runner does not know.
    bool incomplete() const { return !m_stops.isEmpty(); }
    // Where each handler that stopped early stopped: "Button1Click: near 'Screen'".
    const QStringList& stops() const { return m_stops; }

    // Runs a handler by its name ("Button1Click") with its arguments after Sender, for the event of the
    // component `sender`; false when the unit has no such handler.
    bool runHandler(const QString& name, const QString& sender = QString(), const QList<QVariant>& more = {});

    static constexpr int kMaxSteps = 20000;
    static constexpr int kMaxTicks = 60;
    // At most this many cells of an owner-drawn grid are painted.
    static constexpr int kMaxCells = 400;

private:
    struct Tokens;

    FormObject m_form;
    QString m_source;
    std::shared_ptr<const Tokens> m_tokens; // the unit's tokens, read once
    std::optional<Message> m_message;
    QStringList m_stops;
    // Unit-level variables by their name in lower case; they keep their values from handler to handler.
    QHash<QString, QVariant> m_globals;
    QHash<QString, SampleCanvas> m_canvases;
    // Objects the program creates (TBitmap.Create), by the name the session gives them.
    QHash<QString, FormObject> m_objects;
    // The state of Random, which goes on from handler to handler.
    quint32 m_random = 1;
    std::shared_ptr<const Folder> m_folder;
};
