// SPDX-License-Identifier: MIT
#include "ResourceFiles.h"

#include "AviWriter.h"
#include "ClipArt.h"
#include "GifClips.h"
#include "IconWriter.h"
#include "ResourcePictures.h"
#include "ResourceTexts.h"
#include "Sketch.h"
#include "SoundEffects.h"
#include "ToneWriter.h"

#include "platform/Error.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>

namespace {

using Bytes = QByteArray (*)();
using Samples = std::vector<float> (*)();

struct FileRow {
    const char* path;
    Bytes make;
};

struct EffectRow {
    const char* path;
    Samples make;
};

QByteArray bitmap(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // 24 bits a pixel: Qt writes that for an image without alpha.
    if (!image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP"))
        throw Error(QStringLiteral("Cannot encode a bitmap"));
    return bytes;
}

// The video clip: the word COOL shimmering through the colours of the rainbow over a bouncing equaliser,
// 160 x 120 at 15 frames a second, three seconds that loop.
QByteArray coolClip()
{
    constexpr int kFrames = 45;
    constexpr QSize kSize(160, 120);
    // A palette of a 6 x 6 x 6 colour cube and a ramp of greys.
    QList<QRgb> palette;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.append(qRgb(r * 51, g * 51, b * 51));
    for (int i = 1; i <= 40; ++i)
        palette.append(qRgb(i * 6, i * 6, i * 6));

    AviWriter avi(kSize, 15, palette);
    QFont font = Sketch::uiFont(44, true);
    for (int frame = 0; frame < kFrames; ++frame) {
        const double phase = 2.0 * std::numbers::pi * frame / kFrames;
        QImage image(kSize, QImage::Format_RGB32);
        image.fill(qRgb(0, 0, 51));
        QPainter p(&image);
        // Equaliser: twelve bars of lit blocks, green at the bottom, then yellow, then red.
        for (int bar = 0; bar < 12; ++bar) {
            const double level =
                0.55 + 0.25 * std::sin(phase * (1 + bar % 3) + bar * 1.3) + 0.2 * std::sin(phase * 2 + bar * 0.7);
            const int blocks = std::clamp(static_cast<int>(level * 10), 1, 10);
            for (int block = 0; block < blocks; ++block) {
                const QRgb colour = block < 6 ? qRgb(0, 204, 51) : (block < 8 ? qRgb(255, 204, 0) : qRgb(255, 51, 0));
                p.fillRect(QRect(8 + bar * 12, 112 - block * 5, 10, 4), QColor::fromRgb(colour));
            }
        }
        // The word, its colours running along the letters.
        QPainterPath word;
        word.addText(QPointF(22, 52), font, QStringLiteral("COOL"));
        QLinearGradient rainbow(0, 0, 160, 0);
        for (int stop = 0; stop <= 6; ++stop) {
            const double hue = std::fmod(stop / 6.0 + static_cast<double>(frame) / kFrames, 1.0);
            rainbow.setColorAt(stop / 6.0, QColor::fromHsvF(static_cast<float>(hue), 1.0F, 1.0F));
        }
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(255, 255, 255), 2));
        p.setBrush(rainbow);
        p.drawPath(word);
        // A star that sweeps across, once a loop.
        const QPointF star(10 + 140.0 * frame / kFrames, 12);
        p.setPen(QPen(QColor(255, 255, 204), 1));
        p.drawLine(star - QPointF(4, 0), star + QPointF(4, 0));
        p.drawLine(star - QPointF(0, 4), star + QPointF(0, 4));
        p.end();
        avi.addFrame(image);
    }
    return avi.finish();
}

const std::array kFiles = {
    FileRow{"files/ARROWS.WMF", &ClipArt::arrows},
    FileRow{"files/PARAL.BMP", [] { return bitmap(ResourcePictures::parallelepiped()); }},
    FileRow{"files/CLOCK.WMF", &ClipArt::stopwatch},
    FileRow{"files/CILINDR.BMP", [] { return bitmap(ResourcePictures::cylinder()); }},
    FileRow{"files/SHATL.WMF", &ClipArt::shuttle},
    FileRow{"files/CAR.WMF", &ClipArt::car},
    FileRow{"files/WOMEN.WMF", &ClipArt::woman},
    FileRow{"files/STOP.WMF", &ClipArt::stopSign},
    FileRow{"files/MONEY.WMF", &ClipArt::money},
    FileRow{"files/CONFUS.WMF", &ClipArt::confused},
    FileRow{"files/AMIDEA.WMF", &ClipArt::idea},
    FileRow{"files/CALC.WMF", &ClipArt::calculator},
    FileRow{"files/backgraund.bmp", [] { return bitmap(ResourcePictures::landscape()); }},
    FileRow{"files/aplane.bmp", [] { return bitmap(ResourcePictures::airplane()); }},
    FileRow{"files/aplane.ico", [] { return IconWriter::write(ResourcePictures::airplaneIcon()); }},
    FileRow{"files/cool.avi", &coolClip},
    FileRow{"files/TEST1.txt", &ResourceTexts::testQuestions},
    FileRow{"files/LASTIK.BMP", [] { return bitmap(ResourcePictures::eraser()); }},
    FileRow{"files/Ariphm.pas", &ResourceTexts::arithmeticUnit},
    FileRow{"files/TrayIcon.rar", [] { return ResourceTexts::standIn(QStringLiteral("TrayIcon.rar")); }},
    FileRow{"files/gif/GIFImage.dcu", [] { return ResourceTexts::standIn(QStringLiteral("GIFImage.dcu")); }},
};

const std::array kSounds = {
    EffectRow{"files/GunShot.wav", &SoundEffects::gunShot},
    EffectRow{"files/Explode.wav", &SoundEffects::explosion},
    EffectRow{"files/Crack.wav", &SoundEffects::crack},
    EffectRow{"files/gif/Music.wav", &SoundEffects::music},
};

// The source archives of the demonstration programs.
constexpr std::array kArchives = {"Zoom.rar", "MEyes.rar",  "Torus.rar",  "ScrFlip.rar", "Snow.rar",
                                  "Lamp.rar", "SeaWar.rar", "Tetris.rar", "Check.rar"};

} // namespace

QString ResourceFiles::buttonName(int number)
{
    return (number <= 9 ? QStringLiteral("button00") : QStringLiteral("button0")) + QString::number(number) +
           QStringLiteral(".bmp");
}

QString ResourceFiles::gifName(int number)
{
    return (number <= 9 ? QStringLiteral("00") : QStringLiteral("0")) + QString::number(number) +
           QStringLiteral(".gif");
}

QString ResourceFiles::visualName(int number)
{
    return QString::number(number) + QStringLiteral(".bmp");
}

void ResourceFiles::write(OutputTree& tree)
{
    for (const FileRow& row : kFiles)
        tree.write(QString::fromUtf8(row.path), row.make());
    for (const EffectRow& row : kSounds) {
        ToneWriter::write(row.make(), ToneWriter::Encoding::Pcm16, tree.prepare(QString::fromUtf8(row.path)));
        tree.countWritten();
    }
    for (int number = 1; number <= ResourcePictures::kButtonCount; ++number)
        tree.write(QStringLiteral("files/buttons/") + buttonName(number), bitmap(ResourcePictures::button(number)));
    for (int number = 1; number <= GifClips::kCount; ++number)
        tree.write(QStringLiteral("files/gif/") + gifName(number), GifClips::clip(number));
    for (int number = 1; number <= ResourcePictures::kAnimationFrames; ++number)
        tree.write(QStringLiteral("files/visual/") + visualName(number), bitmap(ResourcePictures::butterfly(number)));
    for (const char* archive : kArchives) {
        const QString name = QString::fromLatin1(archive);
        tree.write(QStringLiteral("files/source/") + name, ResourceTexts::standIn(name));
    }
}
