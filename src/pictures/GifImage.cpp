// SPDX-License-Identifier: MIT
#include "pictures/GifImage.h"

#include "pictures/GifDecoder.h"
#include "pictures/PictureLimits.h"
#include "platform/FileReader.h"

#include <algorithm>

namespace {
// The classic window colour, which stands in when the file names no background colour.
const QColor windowColor = Qt::white;
} // namespace

void GifImage::loadFromFile(const QString& filePath)
{
    loadFromData(readWholeFile(filePath, PictureLimits::maxFileBytes));
}

void GifImage::loadFromData(const QByteArray& data)
{
    m_data = GifDecoder::decode(data);
}

void GifImage::setAnimationSpeed(int percent)
{
    m_animationSpeed = std::clamp(percent, 1, maxAnimationSpeed);
}

QColor GifImage::backgroundColor() const
{
    if (m_backgroundColor)
        return *m_backgroundColor;
    const int index = m_data->backgroundIndex;
    if (index >= 0 && index < m_data->globalColors.size())
        return QColor::fromRgb(m_data->globalColors[index]);
    return windowColor;
}
