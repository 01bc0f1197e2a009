// SPDX-License-Identifier: MIT
#include "platform/ScriptedDialogs.h"

#include <QStringList>

void ScriptedDialogs::error(const QString& caption, const QString& text)
{
    m_boxes.append({QStringLiteral("error"), caption, text});
}

bool ScriptedDialogs::confirm(const QString& caption, const QString& text)
{
    m_boxes.append({QStringLiteral("confirm"), caption, text});
    return m_answers.isEmpty() ? false : m_answers.takeFirst();
}

void ScriptedDialogs::information(const QString& caption, const QString& text)
{
    m_boxes.append({QStringLiteral("information"), caption, text});
}

QStringList ScriptedDialogs::texts() const
{
    QStringList result;
    for (const Box& box : m_boxes)
        result.append(box.text);
    return result;
}
