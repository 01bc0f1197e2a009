// SPDX-License-Identifier: MIT
#include "richtext/RtfFields.h"

#include <algorithm>

bool RtfFields::open()
{
    if (m_instructions.size() >= MaxDepth)
        return false;
    m_instructions.append(QByteArray());
    return true;
}

void RtfFields::closeTo(int depth)
{
    while (m_instructions.size() > depth)
        m_instructions.removeLast();
}

void RtfFields::appendInstruction(QByteArrayView text)
{
    if (!m_instructions.isEmpty() && m_instructions.last().size() < MaxInstructionBytes)
        m_instructions.last().append(text.first(std::min<qsizetype>(text.size(), MaxInstructionBytes)));
}

QString RtfFields::linkTarget(int depth) const
{
    if (depth <= 0 || depth > m_instructions.size())
        return {};
    return hyperlinkTarget(m_instructions[depth - 1]);
}

QString RtfFields::hyperlinkTarget(const QByteArray& instruction)
{
    const QByteArray trimmed = instruction.trimmed();
    if (!trimmed.startsWith("HYPERLINK"))
        return {};
    const qsizetype open = trimmed.indexOf('"');
    if (open < 0) {
        const QList<QByteArray> parts = trimmed.simplified().split(' ');
        return parts.size() > 1 ? QString::fromLatin1(parts[1]) : QString();
    }
    const qsizetype close = trimmed.indexOf('"', open + 1);
    const QByteArray target = trimmed.mid(open + 1, close < 0 ? -1 : close - open - 1);
    if (trimmed.mid(9, open - 9).contains("\\l"))
        return QLatin1Char('#') + QString::fromLatin1(target);
    return QString::fromLatin1(target);
}
