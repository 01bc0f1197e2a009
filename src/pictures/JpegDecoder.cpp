// SPDX-License-Identifier: MIT
#include "pictures/JpegDecoder.h"

#include "pictures/PictureLimits.h"
#include "platform/Error.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// Progressive files can hold any number of scans; each one costs a pass over the whole image, so the scans
// are bounded both in number and in pixels passed over (about a second of work at most).
constexpr int maxScans = 1000;
constexpr qint64 maxScanPixels = qint64(2) * 1024 * 1024 * 1024;
constexpr JSAMPLE emptyBlockSample = 128; // what libjpeg puts out for a block without data

struct Decompressor {
    jpeg_decompress_struct info {};
    jpeg_error_mgr errors {};
    jpeg_progress_mgr progress {};
    std::jmp_buf jump {};
    char message[JMSG_LENGTH_MAX] = {};
    bool created = false;
    // Where the scan data ended early (end of the file, or a marker other than a restart marker inside a
    // scan): the scan number and the iMCU rows it had completed. 0: the data did not end early.
    int endedInScan = 0;
    JDIMENSION endedAfterRows = 0;
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

bool isRestartMarker(int marker)
{
    return marker >= 0xD0 && marker <= 0xD7;
}

void emitMessage(j_common_ptr info, int level)
{
    // Warnings (level -1) are not errors: damaged or missing data decodes as far as it goes, as image viewers
    // show it. Where the data of a scan stops is noted, so that the rows after it need not be decoded.
    if (level != -1)
        return;
    const int code = info->err->msg_code;
    auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    const bool scanEnded =
        code == JWRN_JPEG_EOF || (code == JWRN_HIT_MARKER && !isRestartMarker(decompress->unread_marker));
    Decompressor* d = owner(info);
    if (scanEnded && d->endedInScan == 0) {
        d->endedInScan = std::max(decompress->input_scan_number, 1);
        d->endedAfterRows = decompress->input_iMCU_row;
    }
}

void checkProgress(j_common_ptr info)
{
    auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    const qint64 pixels = qint64(decompress->image_width) * decompress->image_height;
    if (decompress->input_scan_number > maxScans || decompress->input_scan_number * pixels > maxScanPixels) {
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
    auto toRgb = [](const JSAMPLE* p) {
        // Inverted CMYK: each channel is already (255 - ink).
        return qRgb(p[0] * p[3] / 255, p[1] * p[3] / 255, p[2] * p[3] / 255);
    };
    // Rows past the end of the data hold no decoded block: they need not be decoded at all. In a file of
    // several scans only the first scan decides, since later ones refine rows that already have data.
    const bool severalScans = jpeg_has_multiple_scans(&d->info);
    const int rowsPerIMcu = d->info.max_v_samp_factor * d->info.min_DCT_scaled_size;
    auto rowsWithData = [&]() -> qint64 {
        if (d->endedInScan == 0 || (severalScans && d->endedInScan > 1))
            return height;
        // The iMCU row under way when the data ended, and (single scan) the one decoded ahead of the output.
        return std::min<qint64>(height, (qint64(d->endedAfterRows) + (severalScans ? 1 : 2)) * rowsPerIMcu);
    };
    while (d->info.output_scanline < d->info.output_height && d->info.output_scanline < rowsWithData()) {
        const int y = int(d->info.output_scanline);
        JSAMPROW rows[1] = {cmyk ? rowData : result->scanLine(y)};
        jpeg_read_scanlines(&d->info, rows, 1);
        if (cmyk) {
            auto* line = reinterpret_cast<QRgb*>(result->scanLine(y));
            for (int x = 0; x < width; ++x)
                line[x] = toRgb(rowData + x * 4);
        }
    }
    if (d->info.output_scanline < d->info.output_height) {
        // The rest shows as libjpeg would draw blocks without data.
        const JSAMPLE empty[4] = {emptyBlockSample, emptyBlockSample, emptyBlockSample, emptyBlockSample};
        for (int y = int(d->info.output_scanline); y < height; ++y) {
            if (cmyk)
                std::fill_n(reinterpret_cast<QRgb*>(result->scanLine(y)), width, toRgb(empty));
            else
                std::memset(result->scanLine(y), emptyBlockSample, size_t(width) * 3);
        }
        jpeg_abort_decompress(&d->info);
        return std::move(*result);
    }
    jpeg_finish_decompress(&d->info);
    return std::move(*result);
}
