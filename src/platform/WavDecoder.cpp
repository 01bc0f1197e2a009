// SPDX-License-Identifier: MIT
#include "platform/WavDecoder.h"

#include "platform/Error.h"

#include <QFile>
#include <QFileInfo>

#include <sndfile.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr sf_count_t kChunkFrames = 4096;
constexpr int kMagicSize = 4;
// Compressed codecs expand at most fourfold into 16-bit samples (4-bit ADPCM); used only to size the first
// allocation, so that a header claiming a huge length cannot make us reserve memory the file cannot fill.
constexpr qint64 kMaxExpansion = 4;

class FileDescriptor final {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return m_fd; }

private:
    int m_fd = -1;
};

struct SndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

qint16 toInt16(float value) {
    if (std::isnan(value))
        return 0;
    return qint16(std::lrint(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
}

bool isWavContainer(int format) {
    const int major = format & SF_FORMAT_TYPEMASK;
    return major == SF_FORMAT_WAV || major == SF_FORMAT_WAVEX || major == SF_FORMAT_RF64;
}

} // namespace

WavDecoder::Sound WavDecoder::decode(const QString& filePath, qint64 maxSamples) {
    const QString fullPath = QFileInfo(filePath).absoluteFilePath();

    // Non-blocking, so that a FIFO named like a sound cannot stall the program; it is refused below.
    FileDescriptor fd(::open(QFile::encodeName(filePath).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0)
        throw Error::cannotOpenErrno(fullPath, errno);
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0)
        throw Error::cannotOpenErrno(fullPath, errno);
    if (S_ISDIR(status.st_mode))
        throw Error::cannotOpenErrno(fullPath, EISDIR);
    if (!S_ISREG(status.st_mode))
        throw Error::cannotOpen(fullPath, QStringLiteral("Not a regular file."));
    if (status.st_size == 0)
        throw Error::cannotOpen(fullPath, QStringLiteral("The file is empty."));

    // Only RIFF WAVE reaches the decoder: the library would also parse a dozen other containers, and a file
    // named .wav that is something else is an error for a WAV player anyway.
    char magic[kMagicSize] = {};
    const ssize_t got = ::pread(fd.get(), magic, sizeof magic, 0);
    if (got < 0)
        throw Error::cannotOpenErrno(fullPath, errno);
    if (got < kMagicSize || (std::memcmp(magic, "RIFF", 4) != 0 && std::memcmp(magic, "RIFX", 4) != 0 &&
                             std::memcmp(magic, "RF64", 4) != 0))
        throw Error::cannotOpen(fullPath, QStringLiteral("The file is not a WAV sound (no RIFF header)."));

    // The descriptor stays ours and outlives the decoder (declared first, destroyed last).
    SF_INFO info{};
    std::unique_ptr<SNDFILE, SndfileCloser> file(sf_open_fd(fd.get(), SFM_READ, &info, SF_FALSE));
    if (!file)
        throw Error::cannotOpen(fullPath, QString::fromLocal8Bit(sf_strerror(nullptr)));

    if (!isWavContainer(info.format))
        throw Error::cannotOpen(fullPath, QStringLiteral("The file is not a WAV sound."));
    if (info.channels < 1)
        throw Error::cannotOpen(fullPath, QStringLiteral("The sound has no channels."));
    if (info.samplerate < kMinSampleRate || info.samplerate > kMaxSampleRate)
        throw Error::cannotOpen(fullPath, QStringLiteral("Unsupported sample rate %1 Hz.").arg(info.samplerate));

    // Integer codecs come back as floats in [-1, 1]; float files are clipped to that range below.
    sf_command(file.get(), SFC_SET_NORM_FLOAT, nullptr, SF_TRUE);

    Sound sound;
    sound.sampleRate = info.samplerate;
    sound.channelCount = info.channels;
    const qint64 maxBytes = maxSamples * qint64(sizeof(qint16));
    const qint64 claimedBytes = info.frames > 0 ? qint64(info.frames) * info.channels * qint64(sizeof(qint16)) : 0;
    sound.samples.reserve(qsizetype(std::min({claimedBytes, maxBytes, qint64(status.st_size) * kMaxExpansion})));

    std::vector<float> chunk(size_t(kChunkFrames) * size_t(info.channels));
    for (;;) {
        const sf_count_t frames = sf_readf_float(file.get(), chunk.data(), kChunkFrames);
        if (frames <= 0)
            break;
        const qint64 count = qint64(frames) * info.channels;
        if (sound.samples.size() / qint64(sizeof(qint16)) + count > maxSamples)
            throw Error::cannotOpen(fullPath,
                                    QStringLiteral("The sound is too long (more than %1 samples).").arg(maxSamples));
        const qsizetype offset = sound.samples.size();
        sound.samples.resize(offset + qsizetype(count * qint64(sizeof(qint16))));
        auto* out = reinterpret_cast<qint16*>(sound.samples.data() + offset);
        for (qint64 i = 0; i < count; ++i)
            out[i] = toInt16(chunk[size_t(i)]);
    }
    if (sf_error(file.get()) != SF_ERR_NO_ERROR)
        throw Error::cannotOpen(fullPath, QString::fromLocal8Bit(sf_strerror(file.get())));
    return sound;
}
