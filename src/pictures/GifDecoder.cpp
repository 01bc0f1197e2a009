// SPDX-License-Identifier: MIT
#include "pictures/GifDecoder.h"

#include "pictures/PictureLimits.h"
#include "platform/Error.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr int signatureLength = 3;
constexpr int alternativeSignatureOffset = 4;
constexpr int graphicControlLabel = 0xF9;
constexpr int applicationLabel = 0xFF;
constexpr size_t maxFrames = 100000;

// giflib pulls its input through this reader; it notes when giflib asked for bytes past the end, which tells
// a truncated file apart from malformed data.
struct Reader {
    const unsigned char* data = nullptr;
    qsizetype size = 0;
    qsizetype position = 0;
    bool exhausted = false;
};

int readInput(GifFileType* gif, GifByteType* buffer, int length)
{
    auto* reader = static_cast<Reader*>(gif->UserData);
    const qsizetype available = reader->size - reader->position;
    const qsizetype count = std::min<qsizetype>(std::max(length, 0), available);
    if (count < length)
        reader->exhausted = true;
    if (count > 0)
        std::memcpy(buffer, reader->data + reader->position, size_t(count));
    reader->position += count;
    return int(count);
}

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

[[noreturn]] void fail(const Reader& reader, int giflibError)
{
    if (reader.exhausted)
        throw Error(QStringLiteral("Premature end of data"));
    const char* reason = GifErrorString(giflibError);
    throw Error(reason ? QStringLiteral("Invalid GIF data (%1)").arg(QString::fromLatin1(reason))
                       : QStringLiteral("Invalid GIF data"));
}

QList<QRgb> colorTable(const ColorMapObject* map)
{
    QList<QRgb> colors;
    if (!map || !map->Colors)
        return colors;
    colors.reserve(map->ColorCount);
    for (int i = 0; i < map->ColorCount; ++i)
        colors.append(qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue));
    return colors;
}

// The row of the image that the n-th decoded row fills.
QList<int> rowOrder(int height, bool interlaced)
{
    QList<int> order;
    order.reserve(height);
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            order.append(y);
        return order;
    }
    constexpr int starts[] = {0, 4, 2, 1};
    constexpr int steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = starts[pass]; y < height; y += steps[pass])
            order.append(y);
    return order;
}

// Extension values waiting for the next image descriptor.
struct PendingExtensions {
    bool hasControl = false;
    int disposal = 0;
    int delay = 0;
    int transparentIndex = -1;
    int loopCount = -1;
};

void readExtension(GifFileType* gif, const Reader& reader, PendingExtensions& pending)
{
    int label = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &label, &block) == GIF_ERROR)
        fail(reader, gif->Error);
    bool first = true;
    bool loopingApplication = false;
    while (block) {
        const int length = block[0];
        if (label == graphicControlLabel && first && length >= 4) {
            pending.hasControl = true;
            pending.disposal = (block[1] >> 2) & 0x07;
            pending.delay = block[2] | (block[3] << 8);
            pending.transparentIndex = (block[1] & 0x01) ? block[4] : -1;
        } else if (label == applicationLabel && first && length == 11) {
            loopingApplication = std::memcmp(block + 1, "NETSCAPE2.0", 11) == 0
                || std::memcmp(block + 1, "ANIMEXTS1.0", 11) == 0;
        } else if (loopingApplication && !first && length >= 3 && block[1] == 1) {
            pending.loopCount = block[2] | (block[3] << 8);
        }
        first = false;
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
            fail(reader, gif->Error);
    }
}

void skipImageData(GifFileType* gif, const Reader& reader)
{
    int codeSize = 0;
    GifByteType* block = nullptr;
    if (DGifGetCode(gif, &codeSize, &block) == GIF_ERROR)
        fail(reader, gif->Error);
    while (block)
        if (DGifGetCodeNext(gif, &block) == GIF_ERROR)
            fail(reader, gif->Error);
}

// Some writers put out an image of width or height 0 with no image data at all (not even the LZW code size).
// giflib would read the next record as the code size, so such a descriptor is stepped over here. Returns
// true when it did so.
bool skipEmptyImageWithoutData(Reader& reader, GifData& data, PendingExtensions& pending)
{
    constexpr qsizetype descriptorSize = 9;
    constexpr int maxCodeSize = 12;
    if (reader.size - reader.position < descriptorSize)
        return false;
    const unsigned char* d = reader.data + reader.position;
    const int width = d[4] | (d[5] << 8);
    const int height = d[6] | (d[7] << 8);
    if (width != 0 && height != 0)
        return false;
    const qsizetype tableSize = (d[8] & 0x80) ? 3 * (qsizetype(2) << (d[8] & 0x07)) : 0;
    const qsizetype codeSizeAt = reader.position + descriptorSize + tableSize;
    if (codeSizeAt < reader.size && reader.data[codeSizeAt] <= maxCodeSize)
        return false;
    reader.position += descriptorSize;
    GifFrame frame;
    frame.rect = QRect(d[0] | (d[1] << 8), d[2] | (d[3] << 8), width, height);
    frame.colors = data.globalColors;
    frame.hasControl = pending.hasControl;
    frame.disposal = pending.disposal;
    frame.delay = pending.delay;
    frame.transparentIndex = pending.transparentIndex;
    frame.loopCount = pending.loopCount;
    pending = PendingExtensions();
    data.frames.push_back(std::move(frame));
    return true;
}

// Where the image data's list of sub-blocks ends: the offset just past its terminator, or -1 when the file
// ends first. `at` is the first block's size byte.
qsizetype dataBlocksEnd(const Reader& reader, qsizetype at)
{
    while (at < reader.size) {
        const int length = reader.data[at];
        ++at;
        if (length == 0)
            return at;
        at += length;
    }
    return -1;
}

// A grey-scale ramp over the values of the image's LZW code size, for an image without any colour table.
QList<QRgb> greyScale(int codeSize)
{
    const int count = 1 << std::clamp(codeSize, 1, 8);
    QList<QRgb> colors;
    colors.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int grey = i * 255 / (count - 1);
        colors.append(qRgb(grey, grey, grey));
    }
    return colors;
}

void chargePixels(qint64& pixelBudget, qint64 pixels)
{
    pixelBudget -= pixels;
    if (pixelBudget < 0)
        throw Error(QStringLiteral("Invalid GIF data (the images hold more than %1 pixels in all)")
                        .arg(PictureLimits::maxGifDecodedPixels));
}

// How many pixels of row `row` (in the file's order) the LZW data covered, when it ended in that row. Rows are
// decoded whole for speed, which does not tell; so the image is decoded once more, from a copy of the file's
// header followed by this image, up to that row and then pixel by pixel.
qint64 pixelsBeforeEnd(const Reader& source, qsizetype headerEnd, qsizetype imageAt, int width, int row,
                       qint64& pixelBudget)
{
    chargePixels(pixelBudget, qint64(width) * (row + 1));
    QByteArray bytes(reinterpret_cast<const char*>(source.data), headerEnd);
    bytes += ',';
    bytes += QByteArray::fromRawData(reinterpret_cast<const char*>(source.data) + imageAt, source.size - imageAt);
    Reader reader;
    reader.data = reinterpret_cast<const unsigned char*>(bytes.constData());
    reader.size = bytes.size();
    int error = 0;
    GifHandle gif(DGifOpen(&reader, &readInput, &error));
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    if (!gif || DGifGetRecordType(gif.get(), &type) == GIF_ERROR || DGifGetImageDesc(gif.get()) == GIF_ERROR)
        return 0;
    std::vector<GifPixelType> line(static_cast<size_t>(width));
    for (int y = 0; y < row; ++y)
        if (DGifGetLine(gif.get(), line.data(), width) == GIF_ERROR)
            return 0;
    for (int x = 0; x < width; ++x)
        if (DGifGetLine(gif.get(), line.data(), 1) == GIF_ERROR)
            return x;
    return width;
}

void readImage(GifFileType* gif, Reader& reader, GifData& data, PendingExtensions& pending, qint64& pixelBudget,
               qsizetype headerEnd)
{
    if (data.frames.size() >= maxFrames)
        throw Error(QStringLiteral("Invalid GIF data (more than %1 images)").arg(maxFrames));
    if (skipEmptyImageWithoutData(reader, data, pending))
        return;
    const qsizetype imageAt = reader.position;
    if (DGifGetImageDesc(gif) == GIF_ERROR)
        fail(reader, gif->Error);
    // giflib has read the LZW code size, the byte before the image data.
    const int codeSize = reader.data[reader.position - 1];
    const qsizetype blocksEnd = dataBlocksEnd(reader, reader.position);
    const GifImageDesc& desc = gif->Image;
    GifFrame frame;
    frame.rect = QRect(desc.Left, desc.Top, desc.Width, desc.Height);
    frame.colors = desc.ColorMap ? colorTable(desc.ColorMap) : data.globalColors;
    if (frame.colors.isEmpty())
        frame.colors = greyScale(codeSize);
    frame.hasControl = pending.hasControl;
    frame.disposal = pending.disposal;
    frame.delay = pending.delay;
    frame.transparentIndex = pending.transparentIndex;
    frame.loopCount = pending.loopCount;
    pending = PendingExtensions();

    frame.interlaced = desc.Interlace;
    if (frame.rect.isEmpty()) {
        skipImageData(gif, reader);
        data.frames.push_back(std::move(frame));
        return;
    }
    const int width = desc.Width;
    const int height = desc.Height;
    PictureLimits::checkSize(width, height);
    // Every pixel is decoded, on the logical screen or not, so every pixel counts.
    chargePixels(pixelBudget, qint64(width) * height);
    // Only the part on the logical screen is kept; the rest is decoded and dropped.
    frame.area = frame.rect & QRect(QPoint(0, 0), data.logicalSize);
    const qint64 areaWidth = frame.area.width();
    frame.pixels = QByteArray(qsizetype(areaWidth * frame.area.height()), '\0');
    auto* pixels = reinterpret_cast<GifPixelType*>(frame.pixels.data());
    const QList<int> rows = rowOrder(height, desc.Interlace);
    std::vector<GifPixelType> line(static_cast<size_t>(width));
    const int keepFrom = frame.area.left() - frame.rect.left();
    for (int row = 0; row < height && frame.decodedPixels < 0; ++row) {
        if (DGifGetLine(gif, line.data(), width) == GIF_ERROR) {
            if (reader.exhausted)
                fail(reader, gif->Error);
            if (gif->Error == D_GIF_ERR_EOF_TOO_SOON) {
                // The end code came early; the rest of the image's sub-blocks still follow.
                GifByteType* block = nullptr;
                do {
                    if (DGifGetCodeNext(gif, &block) == GIF_ERROR)
                        fail(reader, gif->Error);
                } while (block);
            } else if (!(gif->Error == D_GIF_ERR_IMAGE_DEFECT && reader.position == blocksEnd)) {
                // Not the list of data blocks ending (giflib has read its terminator) before the LZW data did:
                // malformed LZW data.
                fail(reader, gif->Error);
            }
            // What was decoded stays (giflib has put this row's decoded pixels into `line`); the rest is left
            // undrawn.
            frame.decodedPixels =
                qint64(row) * width + pixelsBeforeEnd(reader, headerEnd, imageAt, width, row, pixelBudget);
        }
        const int y = frame.rect.top() + rows[row];
        if (y >= frame.area.top() && y <= frame.area.bottom())
            std::copy_n(line.begin() + keepFrom, areaWidth, pixels + qint64(y - frame.area.top()) * areaWidth);
    }
    data.frames.push_back(std::move(frame));
}

} // namespace

int GifDecoder::signatureOffset(const QByteArray& data)
{
    auto isSignatureAt = [&data](qsizetype offset) {
        return data.size() >= offset + signatureLength
            && data.mid(offset, signatureLength).compare("GIF", Qt::CaseInsensitive) == 0;
    };
    if (isSignatureAt(0))
        return 0;
    if (isSignatureAt(alternativeSignatureOffset))
        return alternativeSignatureOffset;
    return -1;
}

std::shared_ptr<const GifData> GifDecoder::decode(const QByteArray& fileData)
{
    const int offset = signatureOffset(fileData);
    if (offset < 0)
        throw Error(QStringLiteral("Invalid GIF signature"));
    // giflib wants the signature in capitals; the version bytes are not checked.
    QByteArray bytes = fileData.mid(offset);
    std::memcpy(bytes.data(), "GIF", signatureLength);

    Reader reader;
    reader.data = reinterpret_cast<const unsigned char*>(bytes.constData());
    reader.size = bytes.size();
    int openError = 0;
    GifHandle gif(DGifOpen(&reader, &readInput, &openError));
    if (!gif)
        fail(reader, openError);

    auto data = std::make_shared<GifData>();
    const qint64 screenWidth = gif->SWidth;
    const qint64 screenHeight = gif->SHeight;
    if (screenWidth <= 0 || screenHeight <= 0)
        throw Error(QStringLiteral("Invalid GIF data (logical screen %1 x %2)").arg(screenWidth).arg(screenHeight));
    PictureLimits::checkSize(screenWidth, screenHeight);
    data->logicalSize = QSize(int(screenWidth), int(screenHeight));
    data->backgroundIndex = gif->SBackGroundColor;
    data->globalColors = colorTable(gif->SColorMap);

    // giflib has read the header and the global colour table.
    const qsizetype headerEnd = reader.position;
    PendingExtensions pending;
    qint64 pixelBudget = PictureLimits::maxGifDecodedPixels;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) {
            // Many writers leave out the trailer; data that ends cleanly after an image is complete.
            if (reader.exhausted && reader.position >= reader.size && !data->frames.empty())
                break;
            fail(reader, gif->Error);
        }
        if (type == TERMINATE_RECORD_TYPE)
            break;
        if (type == IMAGE_DESC_RECORD_TYPE)
            readImage(gif.get(), reader, *data, pending, pixelBudget, headerEnd);
        else if (type == EXTENSION_RECORD_TYPE)
            readExtension(gif.get(), reader, pending);
        else
            fail(reader, D_GIF_ERR_WRONG_RECORD);
    }
    return data;
}
