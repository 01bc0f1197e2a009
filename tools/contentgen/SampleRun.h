// SPDX-License-Identifier: MIT
#pragma once

#include "FormFile.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

// A sample session with an exercise program, for the figures of its running window: the program starts (its
// OnCreate and OnShow handlers run), the pupil types sample values into the empty edits (their OnChange
// handlers run) and presses the form's main button (its OnClick handler runs). The handlers are read from
// the unit's source and run as far as their statements are the simple ones of the exercises: assignments,
// if, case, for, while, repeat, try, the usual conversion and string functions, and the properties and
// methods of the common components. A statement the runner does not know ends the handler there; what ran
// before it stays, so the window shows a consistent state. Runs are bounded in steps, so no source can
// make the runner hang.
class SampleRun final {
public:
    SampleRun(FormObject form, const QString& unitSource);

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

    const FormObject& form() const { return m_form; }
    // The first message box the session showed: ShowMessage, MessageDlg, Application.MessageBox, or an
    // exception that no handler caught.
    const std::optional<Message>& message() const { return m_message; }
    // Whether any handler stopped at a statement the runner does not know.
    bool incomplete() const { return !m_stops.isEmpty(); }
    // Where each handler that stopped early stopped: "Button1Click: near 'Screen'".
    const QStringList& stops() const { return m_stops; }

    // Runs a handler by its name ("Button1Click"); false when the unit has no such handler.
    bool runHandler(const QString& name);

    static constexpr int kMaxSteps = 20000;

private:
    FormObject m_form;
    QString m_source;
    std::optional<Message> m_message;
    QStringList m_stops;
    // Unit-level variables by their name in lower case; they keep their values from handler to handler.
    QHash<QString, QVariant> m_globals;
};
