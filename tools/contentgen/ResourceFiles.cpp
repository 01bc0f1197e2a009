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

// The video clip: the frames of ResourcePictures::coolFrame, 160 x 120 at 15 frames a second, three seconds
// that loop.
QByteArray coolClip()
{
    // A palette of a 6 x 6 x 6 colour cube and a ramp of greys.
    QList<QRgb> palette;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.append(qRgb(r * 51, g * 51, b * 51));
    for (int i = 1; i <= 40; ++i)
        palette.append(qRgb(i * 6, i * 6, i * 6));

    AviWriter avi(QSize(160, 120), 15, palette);
    for (int frame = 0; frame < ResourcePictures::kCoolFrames; ++frame)
        avi.addFrame(ResourcePictures::coolFrame(frame));
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

QStringList ResourceFiles::names()
{
    QStringList out;
    for (const FileRow& row : kFiles)
        out.append(QString::fromUtf8(row.path).mid(6));
    for (const EffectRow& row : kSounds)
        out.append(QString::fromUtf8(row.path).mid(6));
    for (int number = 1; number <= ResourcePictures::kButtonCount; ++number)
        out.append(QStringLiteral("buttons/") + buttonName(number));
    for (int number = 1; number <= GifClips::kCount; ++number)
        out.append(QStringLiteral("gif/") + gifName(number));
    for (int number = 1; number <= ResourcePictures::kAnimationFrames; ++number)
        out.append(QStringLiteral("visual/") + visualName(number));
    for (const char* archive : kArchives)
        out.append(QStringLiteral("source/") + QString::fromLatin1(archive));
    return out;
}

QByteArray ResourceFiles::bytes(const QString& name)
{
    for (const FileRow& row : kFiles)
        if (QString::fromUtf8(row.path).mid(6).compare(name, Qt::CaseInsensitive) == 0)
            return row.make();
    for (int number = 1; number <= ResourcePictures::kButtonCount; ++number)
        if (name.compare(QStringLiteral("buttons/") + buttonName(number), Qt::CaseInsensitive) == 0)
            return bitmap(ResourcePictures::button(number));
    for (int number = 1; number <= GifClips::kCount; ++number)
        if (name.compare(QStringLiteral("gif/") + gifName(number), Qt::CaseInsensitive) == 0)
            return GifClips::clip(number);
    for (int number = 1; number <= ResourcePictures::kAnimationFrames; ++number)
        if (name.compare(QStringLiteral("visual/") + visualName(number), Qt::CaseInsensitive) == 0)
            return bitmap(ResourcePictures::butterfly(number));
    return QByteArray();
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
