// SPDX-License-Identifier: MIT
#include "platform/AudioOutput.h"
#include "platform/Error.h"
#include "platform/RealSoundDevice.h"
#include "platform/RecordingSoundDevice.h"
#include "audio/SampleConverter.h"
#include "platform/SoundDevice.h"
#include "platform/WavDecoder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kToneHz = 440.0;
constexpr double kToneAmplitude = 0.5;

double tone(qint64 frame, int channel, int sampleRate) {
    // Each channel gets its own phase so that a channel mix-up shows.
    return kToneAmplitude * std::sin(2.0 * kPi * kToneHz * double(frame) / sampleRate + channel);
}

// Writes a tone with libsndfile in the given WAV subformat; returns false when the library refuses the format.
bool writeTone(const QString& path, int subformat, int sampleRate, int channels, qint64 frames) {
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | subformat;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    std::vector<double> data(size_t(frames * channels));
    for (qint64 f = 0; f < frames; ++f)
        for (int c = 0; c < channels; ++c)
            data[size_t(f * channels + c)] = tone(f, c, sampleRate);
    const sf_count_t written = sf_writef_double(file, data.data(), frames);
    sf_close(file);
    return written == frames;
}

bool writeFloats(const QString& path, const std::vector<float>& samples) {
    SF_INFO info{};
    info.samplerate = 8000;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    const sf_count_t written = sf_write_float(file, samples.data(), sf_count_t(samples.size()));
    sf_close(file);
    return written == sf_count_t(samples.size());
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs the call and returns the message of the Error it throws, or a null string when it throws none.
template <typename Call> QString errorOf(Call&& call) {
    try {
        call();
    } catch (const Error& error) {
        return error.message();
    }
    return QString();
}

qint16 sampleAt(const WavDecoder::Sound& sound, qint64 frame, int channel) {
    qint16 value = 0;
    std::memcpy(&value, sound.samples.constData() + (frame * sound.channelCount + channel) * 2, sizeof value);
    return value;
}

WavDecoder::Sound makeSound(int sampleRate, int channels, const std::vector<qint16>& samples) {
    WavDecoder::Sound sound;
    sound.sampleRate = sampleRate;
    sound.channelCount = channels;
    sound.samples = QByteArray(reinterpret_cast<const char*>(samples.data()), qsizetype(samples.size() * 2));
    return sound;
}

template <typename T> std::vector<T> valuesOf(const QByteArray& bytes) {
    std::vector<T> values(size_t(bytes.size()) / sizeof(T));
    std::memcpy(values.data(), bytes.constData(), values.size() * sizeof(T));
    return values;
}

} // namespace

class tst_Sound final : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void decodesCodecs_data();
    void decodesCodecs();
    void clipsFloatSamples();
    void opensTruncatedData();
    void refusesBadFiles_data();
    void refusesBadFiles();
    void refusesFifoWithoutBlocking();
    void boundsDecodedSize();
    void survivesDamagedFiles_data();
    void survivesDamagedFiles();

    void recordsEventsInOrder();
    void recordingRefusesBrokenFile();
    void installReplacesDevice();
    void realDeviceReachesTheOutputAtFirstPlay();
    void realDevicePlaysWithoutWaiting();
    void realDeviceRefusesBrokenFile();

    void convertsFormats_data();
    void convertsFormats();
    void resamplesByInterpolation();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    QString validWav(const QString& name);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_Sound::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_Sound::cleanup() {
    SoundDevice::install(nullptr);
    m_dir.reset();
}

QString tst_Sound::validWav(const QString& name) {
    const QString file = path(name);
    if (!writeTone(file, SF_FORMAT_PCM_16, 8000, 1, 800))
        return QString();
    return file;
}

void tst_Sound::decodesCodecs_data() {
    QTest::addColumn<int>("subformat");
    QTest::addColumn<int>("sampleRate");
    QTest::addColumn<int>("channels");
    // Largest allowed difference from the written tone, in 16-bit steps: lossy codecs get more room.
    QTest::addColumn<int>("tolerance");

    QTest::newRow("PCM 16 mono") << int(SF_FORMAT_PCM_16) << 8000 << 1 << 2;
    QTest::newRow("PCM 16 stereo") << int(SF_FORMAT_PCM_16) << 22050 << 2 << 2;
    QTest::newRow("PCM 8 unsigned") << int(SF_FORMAT_PCM_U8) << 11025 << 1 << 300;
    QTest::newRow("PCM 24") << int(SF_FORMAT_PCM_24) << 44100 << 2 << 2;
    QTest::newRow("float") << int(SF_FORMAT_FLOAT) << 16000 << 1 << 2;
    QTest::newRow("mu-law") << int(SF_FORMAT_ULAW) << 8000 << 1 << 600;
    QTest::newRow("A-law") << int(SF_FORMAT_ALAW) << 8000 << 1 << 600;
    QTest::newRow("IMA ADPCM mono") << int(SF_FORMAT_IMA_ADPCM) << 22050 << 1 << 2500;
    QTest::newRow("IMA ADPCM stereo") << int(SF_FORMAT_IMA_ADPCM) << 11025 << 2 << 2500;
    QTest::newRow("MS ADPCM") << int(SF_FORMAT_MS_ADPCM) << 22050 << 1 << 2500;
}

void tst_Sound::decodesCodecs() {
    QFETCH(int, subformat);
    QFETCH(int, sampleRate);
    QFETCH(int, channels);
    QFETCH(int, tolerance);
    constexpr qint64 frames = 3000;
    const QString file = path(QStringLiteral("tone.wav"));
    QVERIFY(writeTone(file, subformat, sampleRate, channels, frames));

    const WavDecoder::Sound sound = WavDecoder::decode(file);
    QCOMPARE(sound.sampleRate, sampleRate);
    QCOMPARE(sound.channelCount, channels);
    // ADPCM pads the last block with silence.
    QVERIFY2(sound.frameCount() >= frames && sound.frameCount() < frames + 2048,
             qPrintable(QString::number(sound.frameCount())));

    // Skip the start, where ADPCM predictors are still settling.
    int worst = 0;
    for (qint64 f = 200; f < frames; ++f)
        for (int c = 0; c < channels; ++c) {
            const int expected = int(std::lrint(tone(f, c, sampleRate) * 32767.0));
            worst = std::max(worst, std::abs(sampleAt(sound, f, c) - expected));
        }
    QVERIFY2(worst <= tolerance, qPrintable(QStringLiteral("worst difference %1").arg(worst)));
}

void tst_Sound::clipsFloatSamples() {
    const QString file = path(QStringLiteral("loud.wav"));
    QVERIFY(writeFloats(file, {2.0f, -3.0f, std::numeric_limits<float>::quiet_NaN(), 0.5f, -1.0f}));
    const WavDecoder::Sound sound = WavDecoder::decode(file);
    QCOMPARE(sound.frameCount(), 5);
    QCOMPARE(sampleAt(sound, 0, 0), qint16(32767));
    QCOMPARE(sampleAt(sound, 1, 0), qint16(-32767));
    QCOMPARE(sampleAt(sound, 2, 0), qint16(0));
    QCOMPARE(sampleAt(sound, 3, 0), qint16(16384));
    QCOMPARE(sampleAt(sound, 4, 0), qint16(-32767));
}

void tst_Sound::opensTruncatedData() {
    // A file cut inside its sample data plays what is there, like a file whose copy was interrupted.
    const QString whole = path(QStringLiteral("whole.wav"));
    QVERIFY(writeTone(whole, SF_FORMAT_PCM_16, 8000, 1, 1000));
    const QByteArray bytes = readBytes(whole);
    const QString cut = path(QStringLiteral("cut.wav"));
    QVERIFY(writeBytes(cut, bytes.left(bytes.size() - 1000)));

    const WavDecoder::Sound sound = WavDecoder::decode(cut);
    QCOMPARE(sound.frameCount(), 500);
    QCOMPARE(sampleAt(sound, 499, 0), qint16(std::lrint(tone(499, 0, 8000) * 32767.0)));
}

void tst_Sound::refusesBadFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // a null array: the file is not created
    QTest::addColumn<QString>("reason");     // expected reason; empty: any non-empty reason

    const QByteArray header = [] {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("h.wav"));
        writeTone(file, SF_FORMAT_PCM_16, 8000, 1, 100);
        return readBytes(file);
    }();
    QByteArray garbage("RIFF");
    for (int i = 0; i < 200; ++i)
        garbage.append(char((i * 37 + 11) & 0xFF));
    QByteArray badChannels = header;
    badChannels[22] = 0; // channel count 0
    badChannels[23] = 0;
    QByteArray badRate = header;
    std::memset(badRate.data() + 24, 0, 4); // sample rate 0
    badRate[24] = 1;

    QTest::newRow("missing") << "missing.wav" << QByteArray() << QString::fromLocal8Bit(std::strerror(ENOENT));
    QTest::newRow("empty") << "empty.wav" << QByteArray("") << "The file is empty.";
    QTest::newRow("text") << "text.wav" << QByteArray("This is not a sound at all.\n")
                          << "The file is not a WAV sound (no RIFF header).";
    QTest::newRow("header cut") << "cut.wav" << header.left(30) << QString();
    QTest::newRow("riff garbage") << "garbage.wav" << garbage << QString();
    QTest::newRow("no channels") << "nochannels.wav" << badChannels << QString();
    QTest::newRow("rate 1 Hz") << "slow.wav" << badRate << "Unsupported sample rate 1 Hz.";
    QTest::newRow("directory") << "folder.wav" << QByteArray("<dir>") << QString::fromLocal8Bit(std::strerror(EISDIR));
}

void tst_Sound::refusesBadFiles() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    if (content == "<dir>")
        QVERIFY(QDir(m_dir->path()).mkdir(name));
    else if (!content.isNull())
        QVERIFY(writeBytes(path(name), content));

    const QString message = errorOf([&] { WavDecoder::decode(path(name)); });
    const QString prefix = QStringLiteral("Cannot open file \"%1\". ").arg(QDir(m_dir->path()).absoluteFilePath(name));
    QVERIFY2(message.startsWith(prefix), qPrintable(message));
    if (reason.isEmpty())
        QVERIFY2(message.size() > prefix.size() + 3, qPrintable(message));
    else
        QCOMPARE(message.mid(prefix.size()), reason);
}

void tst_Sound::refusesFifoWithoutBlocking() {
    const QString fifo = path(QStringLiteral("pipe.wav"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Opening a FIFO for reading without a writer would block for ever; decoding must refuse it instead.
    QCOMPARE(errorOf([&] { WavDecoder::decode(fifo); }),
             QStringLiteral("Cannot open file \"%1\". Not a regular file.").arg(fifo));
}

void tst_Sound::boundsDecodedSize() {
    const QString file = path(QStringLiteral("long.wav"));
    QVERIFY(writeTone(file, SF_FORMAT_PCM_16, 8000, 2, 10000));
    QCOMPARE(WavDecoder::decode(file, 20000).frameCount(), 10000);
    QCOMPARE(errorOf([&] { WavDecoder::decode(file, 19999); }),
             QStringLiteral("Cannot open file \"%1\". The sound is too long (more than 19999 samples).").arg(file));
}

void tst_Sound::survivesDamagedFiles_data() {
    QTest::addColumn<int>("subformat");
    QTest::newRow("PCM 16") << int(SF_FORMAT_PCM_16);
    QTest::newRow("IMA ADPCM") << int(SF_FORMAT_IMA_ADPCM);
    QTest::newRow("MS ADPCM") << int(SF_FORMAT_MS_ADPCM);
    QTest::newRow("mu-law") << int(SF_FORMAT_ULAW);
    QTest::newRow("float") << int(SF_FORMAT_FLOAT);
}

void tst_Sound::survivesDamagedFiles() {
    // Every damaged variant must either decode within the limit or fail with an Error; a crash or a hang fails
    // the whole test (and the sanitizer build reports memory faults).
    QFETCH(int, subformat);
    const QString source = path(QStringLiteral("source.wav"));
    QVERIFY(writeTone(source, subformat, 11025, 2, 1500));
    const QByteArray original = readBytes(source);
    constexpr qint64 maxSamples = 1 << 20;
    const QString damaged = path(QStringLiteral("damaged.wav"));
    int refused = 0;
    int decoded = 0;
    const auto attempt = [&](const QByteArray& bytes) {
        QVERIFY(writeBytes(damaged, bytes));
        try {
            const WavDecoder::Sound sound = WavDecoder::decode(damaged, maxSamples);
            QVERIFY(sound.channelCount > 0);
            QVERIFY(sound.samples.size() <= maxSamples * 2);
            ++decoded;
        } catch (const Error& error) {
            QVERIFY(error.message().startsWith(QStringLiteral("Cannot open file \"") + damaged + "\". "));
            ++refused;
        }
    };

    // Cut at every length through the headers, then at steps through the first blocks.
    for (qsizetype length = 0; length < std::min<qsizetype>(original.size(), 700); length += length < 128 ? 1 : 37)
        attempt(original.left(length));
    // Random byte changes, most of them in the headers where the lengths and formats are.
    QRandomGenerator random{quint32(subformat)};
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes = original;
        const int changes = 1 + random.bounded(4);
        for (int i = 0; i < changes; ++i) {
            const qsizetype at = random.bounded(3) ? random.bounded(80) : random.bounded(qint64(bytes.size()));
            bytes[at] = char(random.bounded(3) ? random.bounded(256) : (random.bounded(2) ? 0xFF : 0x00));
        }
        attempt(bytes);
    }
    QVERIFY(refused > 0);
    QVERIFY(decoded > 0);
}

void tst_Sound::recordsEventsInOrder() {
    const QString ding = validWav(QStringLiteral("ding.wav"));
    const QString notify = validWav(QStringLiteral("notify.wav"));
    QVERIFY(!ding.isEmpty() && !notify.isEmpty());
    RecordingSoundDevice device;
    SoundDevice::install(&device);

    auto first = SoundDevice::instance().open(notify);
    auto second = SoundDevice::instance().open(ding);
    second->play();
    first->play();
    second->play();
    first.reset();
    // Reopening is a new clip: close of the old one comes first when the caller closes before opening.
    second.reset();
    second = SoundDevice::instance().open(ding);
    second.reset();

    QCOMPARE(device.events(),
             QStringList({"open " + notify, "open " + ding, "play " + ding, "play " + notify, "play " + ding,
                          "close " + notify, "close " + ding, "open " + ding, "close " + ding}));
    device.clearEvents();
    QVERIFY(device.events().isEmpty());
}

void tst_Sound::recordingRefusesBrokenFile() {
    const QString good = validWav(QStringLiteral("good.wav"));
    const QString text = path(QStringLiteral("text.wav"));
    QVERIFY(writeBytes(text, "plain text"));
    RecordingSoundDevice device;

    const auto clip = device.open(good);
    QVERIFY(clip);
    QCOMPARE(errorOf([&] { device.open(text); }),
             QStringLiteral("Cannot open file \"%1\". The file is not a WAV sound (no RIFF header).").arg(text));
    QCOMPARE(errorOf([&] { device.open(path(QStringLiteral("none.wav"))); }),
             QStringLiteral("Cannot open file \"%1\". %2")
                 .arg(path(QStringLiteral("none.wav")), QString::fromLocal8Bit(std::strerror(ENOENT))));
    // Failed opens leave no trace.
    QCOMPARE(device.events(), QStringList{"open " + good});
}

void tst_Sound::installReplacesDevice() {
    RecordingSoundDevice recording;
    SoundDevice::install(&recording);
    QCOMPARE(&SoundDevice::instance(), &recording);
    SoundDevice::install(nullptr);
    QVERIFY(dynamic_cast<RealSoundDevice*>(&SoundDevice::instance()));
    // The default device is one object, not a new one per call.
    QCOMPARE(&SoundDevice::instance(), &SoundDevice::instance());
}

namespace {

bool audioModuleLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(AudioOutput::ModuleFileName);
}

} // namespace

void tst_Sound::realDeviceReachesTheOutputAtFirstPlay() {
    // Opening decodes and checks the file without the audio output, whose module (Qt Multimedia and the sound
    // server's client) stays out of start-up; the first play loads it. Runs before any other test plays.
    QVERIFY(!audioModuleLoaded());
    const QString file = path(QStringLiteral("first.wav"));
    QVERIFY(writeTone(file, SF_FORMAT_PCM_16, 8000, 1, 800));
    RealSoundDevice device;
    auto clip = device.open(file);
    QVERIFY(clip);
    QVERIFY_THROWS_EXCEPTION(Error, device.open(path(QStringLiteral("missing.wav"))));
    QVERIFY(!audioModuleLoaded());
    QVERIFY_THROWS_NO_EXCEPTION(clip->play());
    QVERIFY(audioModuleLoaded());
    QVERIFY(AudioOutput::instance());
}

void tst_Sound::realDevicePlaysWithoutWaiting() {
    // Two seconds of sound: if play waited for the end, the clip would still be playing when it is destroyed,
    // and CTest's timeout catches a play that hangs on a machine without audio.
    const QString file = path(QStringLiteral("long.wav"));
    QVERIFY(writeTone(file, SF_FORMAT_IMA_ADPCM, 22050, 2, 44100));
    RealSoundDevice device;
    auto clip = device.open(file);
    QVERIFY(clip);
    QVERIFY_THROWS_NO_EXCEPTION(clip->play());
    QCoreApplication::processEvents();
    QVERIFY_THROWS_NO_EXCEPTION(clip->play()); // restarts
    QCoreApplication::processEvents();
    clip.reset(); // closes while it plays
    auto again = device.open(file);
    QVERIFY_THROWS_NO_EXCEPTION(again->play());
}

void tst_Sound::realDeviceRefusesBrokenFile() {
    const QString text = path(QStringLiteral("text.wav"));
    QVERIFY(writeBytes(text, "plain text"));
    RealSoundDevice device;
    QCOMPARE(errorOf([&] { device.open(text); }),
             QStringLiteral("Cannot open file \"%1\". The file is not a WAV sound (no RIFF header).").arg(text));
}

void tst_Sound::convertsFormats_data() {
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("sampleFormat");
    QTest::addColumn<QList<double>>("expected"); // output samples as fractions of full scale

    // Input: two stereo frames (0.5, -0.25) and (-1.0, 0.75).
    QTest::newRow("int16 stereo") << 2 << int(QAudioFormat::Int16) << QList<double>{0.5, -0.25, -1.0, 0.75};
    QTest::newRow("to mono") << 1 << int(QAudioFormat::Int16) << QList<double>{0.125, -0.125};
    QTest::newRow("to four channels") << 4 << int(QAudioFormat::Int16)
                                      << QList<double>{0.5, -0.25, 0.0, 0.0, -1.0, 0.75, 0.0, 0.0};
    QTest::newRow("float") << 2 << int(QAudioFormat::Float) << QList<double>{0.5, -0.25, -1.0, 0.75};
    QTest::newRow("int32") << 2 << int(QAudioFormat::Int32) << QList<double>{0.5, -0.25, -1.0, 0.75};
    QTest::newRow("uint8") << 2 << int(QAudioFormat::UInt8) << QList<double>{0.5, -0.25, -1.0, 0.75};
}

void tst_Sound::convertsFormats() {
    QFETCH(int, channels);
    QFETCH(int, sampleFormat);
    QFETCH(QList<double>, expected);
    const WavDecoder::Sound sound = makeSound(8000, 2, {16384, -8192, -32768, 24576});
    QAudioFormat target;
    target.setSampleRate(8000);
    target.setChannelCount(channels);
    target.setSampleFormat(QAudioFormat::SampleFormat(sampleFormat));

    const QByteArray out = SampleConverter::convert(sound, target);
    QCOMPARE(out.size(), SampleConverter::convertedSize(sound, target));
    QCOMPARE(out.size(), expected.size() * target.bytesPerSample());
    QList<double> actual;
    switch (target.sampleFormat()) {
    case QAudioFormat::Int16:
        for (qint16 v : valuesOf<qint16>(out))
            actual.append(v / 32768.0);
        break;
    case QAudioFormat::Int32:
        for (qint32 v : valuesOf<qint32>(out))
            actual.append(v / 2147483648.0);
        break;
    case QAudioFormat::Float:
        for (float v : valuesOf<float>(out))
            actual.append(v);
        break;
    default:
        for (quint8 v : valuesOf<quint8>(out))
            actual.append((v - 128) / 128.0);
        break;
    }
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype i = 0; i < actual.size(); ++i)
        QVERIFY2(std::abs(actual[i] - expected[i]) < 0.01,
                 qPrintable(QStringLiteral("sample %1: %2, expected %3").arg(i).arg(actual[i]).arg(expected[i])));
}

void tst_Sound::resamplesByInterpolation() {
    const WavDecoder::Sound sound = makeSound(8000, 1, {0, 1000, 2000, -2000});
    QAudioFormat target;
    target.setChannelCount(1);
    target.setSampleFormat(QAudioFormat::Int16);

    target.setSampleRate(16000);
    QCOMPARE(valuesOf<qint16>(SampleConverter::convert(sound, target)),
             (std::vector<qint16>{0, 500, 1000, 1500, 2000, 0, -2000, -2000}));
    target.setSampleRate(4000);
    QCOMPARE(valuesOf<qint16>(SampleConverter::convert(sound, target)), (std::vector<qint16>{0, 2000}));
    QCOMPARE(SampleConverter::convertedSize(makeSound(8000, 1, {}), target), 0);
}

QTEST_GUILESS_MAIN(tst_Sound)
#include "tst_sound.moc"
