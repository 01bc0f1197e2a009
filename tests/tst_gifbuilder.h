// SPDX-License-Identifier: MIT
#pragma once

// Writes small GIF files byte by byte for the tests, so that every header field, extension and damage can be
// chosen. The LZW data is written "uncompressed": a clear code before the table would grow, so the code width
// never changes and any decoder reads the indices back.

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QRgb>
#include <QSize>

#include <vector>

namespace TestGif {

struct Frame {
    QRect rect;
    QByteArray pixels;       // one index per pixel, row by row (top-down, whatever the interlace flag says)
    QList<QRgb> localColors; // empty: none
    int delay = -1;          // < 0: no graphic control extension
    int disposal = 0;
    int transparent = -1;
    bool interlaced = false;
    int loopCount = -1;      // >= 0: a looping extension before this frame
    QByteArray rawImageData; // when set, written instead of the encoded pixels (code size byte included)
};

struct File {
    QSize size{4, 4};
    QList<QRgb> globalColors{qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    int background = 0;
    QByteArray signature = "GIF89a";
    std::vector<Frame> frames;
    bool trailer = true;
};

inline void putWord(QByteArray& out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

inline int tableBits(qsizetype count)
{
    int bits = 1;
    while ((qsizetype(1) << bits) < count)
        ++bits;
    return bits;
}

inline void putColorTable(QByteArray& out, const QList<QRgb>& colors)
{
    const qsizetype size = qsizetype(1) << tableBits(colors.size());
    for (qsizetype i = 0; i < size; ++i) {
        const QRgb c = i < colors.size() ? colors[i] : 0;
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
}

inline QByteArray subBlocks(const QByteArray& data)
{
    QByteArray out;
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray chunk = data.mid(at, 255);
        out.append(char(chunk.size()));
        out.append(chunk);
    }
    out.append('\0');
    return out;
}

// LZW data for the indices, code size byte and sub-blocks included.
inline QByteArray encodePixels(const QByteArray& pixels, int minCodeSize)
{
    const int clear = 1 << minCodeSize;
    const int width = minCodeSize + 1;
    QByteArray bytes;
    quint32 accumulator = 0;
    int bitCount = 0;
    auto put = [&](int code) {
        accumulator |= quint32(code) << bitCount;
        bitCount += width;
        while (bitCount >= 8) {
            bytes.append(char(accumulator & 0xFF));
            accumulator >>= 8;
            bitCount -= 8;
        }
    };
    const int run = clear - 2;
    for (qsizetype i = 0; i < pixels.size(); ++i) {
        if (i % run == 0)
            put(clear);
        put(uchar(pixels[i]));
    }
    put(clear + 1);
    if (bitCount > 0)
        bytes.append(char(accumulator & 0xFF));
    QByteArray out;
    out.append(char(minCodeSize));
    out.append(subBlocks(bytes));
    return out;
}

inline QByteArray interlace(const QByteArray& pixels, int width, int height)
{
    QByteArray out;
    constexpr int starts[] = {0, 4, 2, 1};
    constexpr int steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = starts[pass]; y < height; y += steps[pass])
            out.append(pixels.mid(qsizetype(y) * width, width));
    return out;
}

inline QByteArray build(const File& file)
{
    QByteArray out = file.signature;
    putWord(out, file.size.width());
    putWord(out, file.size.height());
    const bool global = !file.globalColors.isEmpty();
    out.append(char((global ? 0x80 : 0) | 0x70 | (global ? tableBits(file.globalColors.size()) - 1 : 0)));
    out.append(char(file.background));
    out.append('\0');
    if (global)
        putColorTable(out, file.globalColors);
    for (const Frame& frame : file.frames) {
        if (frame.loopCount >= 0) {
            out.append("\x21\xFF\x0B", 3);
            out.append("NETSCAPE2.0");
            out.append("\x03\x01", 2);
            putWord(out, frame.loopCount);
            out.append('\0');
        }
        if (frame.delay >= 0) {
            out.append("\x21\xF9\x04", 3);
            out.append(char(((frame.disposal & 7) << 2) | (frame.transparent >= 0 ? 1 : 0)));
            putWord(out, frame.delay);
            out.append(char(frame.transparent >= 0 ? frame.transparent : 0));
            out.append('\0');
        }
        out.append(',');
        putWord(out, frame.rect.x());
        putWord(out, frame.rect.y());
        putWord(out, frame.rect.width());
        putWord(out, frame.rect.height());
        const bool local = !frame.localColors.isEmpty();
        const int localBits = local ? 0x80 | (tableBits(frame.localColors.size()) - 1) : 0;
        out.append(char(localBits | (frame.interlaced ? 0x40 : 0)));
        if (local)
            putColorTable(out, frame.localColors);
        if (!frame.rawImageData.isEmpty()) {
            out.append(frame.rawImageData);
        } else {
            const QList<QRgb>& colors = local ? frame.localColors : file.globalColors;
            const int codeSize = std::max(2, tableBits(colors.size()));
            const QByteArray pixels = frame.interlaced
                ? interlace(frame.pixels, frame.rect.width(), frame.rect.height())
                : frame.pixels;
            out.append(encodePixels(pixels, codeSize));
        }
    }
    if (file.trailer)
        out.append(';');
    return out;
}

// A frame covering `rect` in one colour index.
inline Frame solid(const QRect& rect, int index, int delay = -1, int disposal = 0)
{
    Frame frame;
    frame.rect = rect;
    frame.pixels = QByteArray(qsizetype(rect.width()) * rect.height(), char(index));
    frame.delay = delay;
    frame.disposal = disposal;
    return frame;
}

} // namespace TestGif
