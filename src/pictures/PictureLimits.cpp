// SPDX-License-Identifier: MIT
#include "pictures/PictureLimits.h"

#include "platform/Error.h"

namespace PictureLimits {

void checkSize(qint64 width, qint64 height)
{
    if (width <= 0 || height <= 0)
        throw Error(QStringLiteral("Invalid picture size %1 x %2").arg(width).arg(height));
    if (width > maxSide || height > maxSide || width * height > maxPixels)
        throw Error(QStringLiteral("Picture too large (%1 x %2 pixels; at most %3 pixels a side and %4 pixels in all)")
                        .arg(width)
                        .arg(height)
                        .arg(maxSide)
                        .arg(maxPixels));
}

} // namespace PictureLimits
