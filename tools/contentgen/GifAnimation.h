// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>

// Builds an animated GIF89a from whole pictures ("scenes"). Each scene is what the viewer should see after
// its frame; the frame written for it holds only the rectangle that differs from what the decoder has at
// that moment (after the previous frame's disposal), with unchanged pixels left transparent. The frame's
// disposal method is given with the scene; a scene that would need pixels cleared that the chosen
// disposals leave in place is a design fault and throws, as does an animation that would not restart
// cleanly at its first frame. The file loops forever (NETSCAPE2.0 extension).
class GifAnimation final {
public:
    enum Disposal { LeaveInPlace = 1, RestoreBackground = 2, RestorePrevious = 3 };

    // palette[0] is the transparent colour and the background colour; scenes are drawn in the palette's
    // colours, fully transparent where nothing is.
    GifAnimation(QSize screen, QList<QRgb> palette);

    // delay in hundredths of a second.
    void addFrame(const QImage& scene, int delay, Disposal disposal);
    QByteArray encode() const;

private:
    struct Frame {
        QRect rect;
        QByteArray pixels;
        int delay = 0;
        Disposal disposal = LeaveInPlace;
    };

    QByteArray indices(const QImage& scene) const;
    int nearest(QRgb colour) const;

    QSize m_size;
    QList<QRgb> m_palette;
    QByteArray m_canvas;
    QByteArray m_firstScene;
    QList<Frame> m_frames;
};
