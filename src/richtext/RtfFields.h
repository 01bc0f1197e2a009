// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The fields open around the reading point ({\field{\*\fldinst HYPERLINK "..."}{\fldrslt text}}) with the
// instruction text of each, so that a field's result can become the link its instruction names. Fields nest;
// depth 1 is the outermost.
class RtfFields final {
public:
    static constexpr int MaxDepth = 512;
    static constexpr int MaxInstructionBytes = 4096;

    // Opens a field; false when too many are open already (its result then shows as plain text).
    bool open();
    int depth() const { return int(m_instructions.size()); }
    // Forgets the fields opened deeper than depth.
    void closeTo(int depth);
    // Adds to the instruction of the innermost field.
    void appendInstruction(QByteArrayView text);
    // The link target of the field at depth; empty when there is none or its instruction is no HYPERLINK.
    QString linkTarget(int depth) const;

    // HYPERLINK "url" [switches] gives the url, HYPERLINK \l "bookmark" gives "#bookmark".
    static QString hyperlinkTarget(const QByteArray& instruction);

private:
    QList<QByteArray> m_instructions;
};
