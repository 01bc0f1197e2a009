// SPDX-License-Identifier: MIT
// Appending little-endian words to a byte buffer, as the Windows file formats the generator writes store them.
#pragma once

#include <QByteArray>
#include <QtEndian>

inline void put16(QByteArray& out, quint16 value)
{
    const qsizetype at = out.size();
    out.resize(at + 2);
    qToLittleEndian(value, out.data() + at);
}

inline void put32(QByteArray& out, quint32 value)
{
    const qsizetype at = out.size();
    out.resize(at + 4);
    qToLittleEndian(value, out.data() + at);
}
