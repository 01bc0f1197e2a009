// SPDX-License-Identifier: MIT
#pragma once

#include "pictures/GifImage.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// What an image control holds: nothing, a still picture (a bitmap or a JPEG), or a GIF picture of its own.
class Picture final {
public:
    enum class Kind { None, Bitmap, Jpeg, Gif };

    Picture() = default;
    // A still bitmap (the control's transparent drawing applies to it).
    static Picture fromImage(const QImage& image);
    // The picture gets its own copy of the frames and settings.
    static Picture fromGif(const GifImage& gif);
    // Loads by the file's extension in any letter case: bmp, jpg/jpeg, gif. Anything else throws
    // "Unknown picture file extension (.EXT)" before the file is opened. A missing file throws
    // Error::cannotOpen with the absolute path; damaged data throws the decoder's message.
    static Picture loadFromFile(const QString& filePath);

    Kind kind() const { return m_kind; }
    bool isNull() const { return m_kind == Kind::None; }
    bool isAnimated() const { return m_gif && m_gif->isAnimated(); }
    QSize size() const;
    // The still picture (null for a GIF and for nothing).
    const QImage& image() const { return m_image; }
    // The GIF picture, when the kind is Gif.
    const GifImage* gif() const { return m_gif ? &*m_gif : nullptr; }
    GifImage* gif() { return m_gif ? &*m_gif : nullptr; }

private:
    Kind m_kind = Kind::None;
    QImage m_image;
    std::optional<GifImage> m_gif;
};
