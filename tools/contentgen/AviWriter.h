// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>

// Writes an uncompressed video clip in a RIFF AVI file: one video stream of 8-bit frames over one palette,
// every frame a key frame, with the index that players use to seek. No sound: the animation controls that
// play such clips accept none.
class AviWriter final {
public:
    // palette: at most 256 colours; every frame is mapped to its nearest colours.
    AviWriter(QSize size, int framesPerSecond, QList<QRgb> palette);

    void addFrame(const QImage& frame);
    QByteArray finish() const;

private:
    QSize m_size;
    int m_framesPerSecond;
    QList<QRgb> m_palette;
    QList<QByteArray> m_frames;
};
