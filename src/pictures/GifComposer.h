// SPDX-License-Identifier: MIT
#pragma once

#include "pictures/GifImage.h"

#include <QImage>

// Builds the picture that an animated GIF shows after each frame, by the frame's disposal method:
// 0 and 1 draw onto the composition buffer and show it; 2 does the same and then restores the frame's area
// of the buffer to the background; 3 shows the frame over the buffer without changing it (over the picture
// shown when the method before was 0 or 1, else over the buffer); 4 to 7 draw nothing. The canvas starts fully
// transparent (it stands for what was under the drawn area), so "restore to background" with the transparent
// setting on makes the area transparent again, and with it off fills it with the background colour.
//
// The canvas (what is shown) and the buffer are kept apart, with the rectangle where they may differ, so that
// a frame costs in proportion to its own area and that rectangle, not to the logical screen.
class GifComposer final {
public:
    explicit GifComposer(const GifImage& gif);

    // Composes frame `index` (which must exist) and leaves the result in canvas().
    void compose(int index);
    // The picture shown now, of the logical screen size.
    const QImage& canvas() const { return m_canvas; }

    // The first frame alone, as a picture with one frame or with animation off is drawn: drawn whatever its
    // disposal method, undefined ones included.
    static QImage firstFrame(const GifImage& gif);

private:
    void restoreBackground(QImage& image, const QRect& area) const;
    void drawFrame(QImage& image, const GifFrame& frame) const;
    // Makes the canvas equal to the buffer inside `area` and where they differed.
    void showBuffer(const QRect& area);

    GifImage m_gif;
    QImage m_buffer;
    QImage m_canvas;
    QRect m_differ; // the canvas may differ from the buffer only inside this rectangle
    int m_previousDisposal = 0;
};
