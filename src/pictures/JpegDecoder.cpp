// SPDX-License-Identifier: MIT
#include "pictures/JpegDecoder.h"

#include "pictures/PictureLimits.h"
#include "platform/Error.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// Progressive files can hold any number of scans; each one costs a pass over the whole image.
constexpr int maxScans = 1000;

struct Decompressor {
    jpeg_decompress_struct info {};
    jpeg_error_mgr errors {};
    jpeg_progress_mgr progress {};
    std::jmp_buf jump {};
    char message[JMSG_LENGTH_MAX] = {};
    bool created = false;
    std::vector<JSAMPLE> row;

    ~Decompressor()
    {
        if (created)
            jpeg_destroy_decompress(&info);
    }
};

Decompressor* owner(j_common_ptr info)
{
    return static_cast<Decompressor*>(info->client_data);
}

[[noreturn]] void exitWithError(j_common_ptr info)
{
    Decompressor* d = owner(info);
    (*info->err->format_message)(info, d->message);
    std::longjmp(d->jump, 1);
}

void emitMessage(j_common_ptr info, int level)
{
    // Level -1 is a warning about corrupt data. Data that ends, or reaches a marker, before the image is
    // complete is an error here: libjpeg would otherwise go on decoding an image of grey from nothing.
    if (level == -1 && (info->err->msg_code == JWRN_JPEG_EOF || info->err->msg_code == JWRN_HIT_MARKER))
        exitWithError(info);
}

void checkProgress(j_common_ptr info)
{
    auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > maxScans) {
        std::snprintf(owner(info)->message, JMSG_LENGTH_MAX, "Too many scans in JPEG file");
        std::longjmp(owner(info)->jump, 1);
    }
}

} // namespace

QImage JpegDecoder::decode(const QByteArray& data)
{
    // Everything that must survive a longjmp lives on the heap, reached through a pointer set before setjmp.
    auto decompressor = std::make_unique<Decompressor>();
    Decompressor* const d = decompressor.get();
    auto image = std::make_unique<QImage>();
    QImage* const result = image.get();

    d->info.err = jpeg_std_error(&d->errors);
    d->errors.error_exit = &exitWithError;
    d->errors.emit_message = &emitMessage;
    d->info.client_data = d;
    if (setjmp(d->jump)) {
        throw Error(QStringLiteral("JPEG error: %1").arg(QString::fromLatin1(d->message)));
    }
    jpeg_create_decompress(&d->info);
    d->created = true;
    d->progress.progress_monitor = &checkProgress;
    d->info.progress = &d->progress;
    jpeg_mem_src(&d->info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&d->info, TRUE);

    // An ordinary throw is fine here: no longjmp crosses it.
    PictureLimits::checkSize(d->info.image_width, d->info.image_height);
    // CMYK and YCCK stay as they are (Adobe writes them inverted); everything else comes out as RGB.
    const bool cmyk = d->info.jpeg_color_space == JCS_CMYK || d->info.jpeg_color_space == JCS_YCCK;
    d->info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&d->info);

    const int width = int(d->info.output_width);
    const int height = int(d->info.output_height);
    *result = QImage(width, height, cmyk ? QImage::Format_RGB32 : QImage::Format_RGB888);
    if (result->isNull()) {
        std::snprintf(d->message, JMSG_LENGTH_MAX, "Out of memory for a %d x %d picture", width, height);
        std::longjmp(d->jump, 1);
    }
    d->row.assign(size_t(width) * size_t(d->info.output_components), 0);
    JSAMPLE* const rowData = d->row.data();
    while (d->info.output_scanline < d->info.output_height) {
        const int y = int(d->info.output_scanline);
        JSAMPROW rows[1] = {cmyk ? rowData : result->scanLine(y)};
        jpeg_read_scanlines(&d->info, rows, 1);
        if (cmyk) {
            auto* line = reinterpret_cast<QRgb*>(result->scanLine(y));
            for (int x = 0; x < width; ++x) {
                const JSAMPLE* p = rowData + x * 4;
                // Inverted CMYK: each channel is already (255 - ink).
                line[x] = qRgb(p[0] * p[3] / 255, p[1] * p[3] / 255, p[2] * p[3] / 255);
            }
        }
    }
    jpeg_finish_decompress(&d->info);
    return std::move(*result);
}
