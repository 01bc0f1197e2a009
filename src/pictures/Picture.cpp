// SPDX-License-Identifier: MIT
#include "pictures/Picture.h"

#include "pictures/BmpDecoder.h"
#include "pictures/JpegDecoder.h"
#include "pictures/PictureLimits.h"
#include "platform/Error.h"
#include "platform/FileReader.h"

#include <QFileInfo>

Picture Picture::fromImage(const QImage& image)
{
    Picture picture;
    if (!image.isNull()) {
        picture.m_kind = Kind::Bitmap;
        picture.m_image = image;
    }
    return picture;
}

Picture Picture::fromGif(const GifImage& gif)
{
    Picture picture;
    picture.m_kind = Kind::Gif;
    picture.m_gif = gif;
    return picture;
}

Picture Picture::loadFromFile(const QString& filePath)
{
    // The extension as written, so the message shows it the way the table spells it.
    const QString fileName = QFileInfo(filePath).fileName();
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : fileName.mid(dot + 1);
    const QString lower = extension.toLower();
    Picture picture;
    if (lower == QLatin1String("bmp")) {
        picture.m_kind = Kind::Bitmap;
        picture.m_image = BmpDecoder::decode(readWholeFile(filePath, PictureLimits::maxFileBytes));
    } else if (lower == QLatin1String("jpg") || lower == QLatin1String("jpeg")) {
        picture.m_kind = Kind::Jpeg;
        picture.m_image = JpegDecoder::decode(readWholeFile(filePath, PictureLimits::maxFileBytes));
    } else if (lower == QLatin1String("gif")) {
        GifImage gif;
        gif.loadFromFile(filePath);
        picture = fromGif(gif);
    } else {
        throw Error(QStringLiteral("Unknown picture file extension (.%1)").arg(extension));
    }
    return picture;
}

QSize Picture::size() const
{
    if (m_gif)
        return m_gif->logicalSize();
    return m_image.size();
}
