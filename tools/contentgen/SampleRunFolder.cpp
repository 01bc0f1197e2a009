// SPDX-License-Identifier: MIT
// The sample machine's working folder C:\DELPHIFILES as the interpreter sees it: which files and folders
// exist, what a file list shows, and pictures loaded from its files into images and bitmaps.
#include "SampleRunInternal.h"

#include <QBuffer>
#include <QImageReader>
#include <QRegularExpression>

namespace SampleRunInternal {

// A path inside C:\DELPHIFILES as the folder names it ("gif/001.gif", "" for the folder itself), or
// nothing for a path elsewhere.
std::optional<QString> Interpreter::inFolder(QString path)
{
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    while (path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    static const QString root = QStringLiteral("C:\\DELPHIFILES");
    if (path.compare(root, Qt::CaseInsensitive) == 0)
        return QString();
    if (!path.startsWith(root + QLatin1Char('\\'), Qt::CaseInsensitive))
        return std::nullopt;
    return path.mid(root.size() + 1).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// The name of a file of the working folder as the folder spells it, or nothing.
std::optional<QString> Interpreter::folderFile(const QString& path) const
{
    const std::optional<QString> inside = inFolder(path);
    if (!m_folder || !inside || inside->isEmpty())
        return std::nullopt;
    for (const QString& name : m_folder->names)
        if (name.compare(*inside, Qt::CaseInsensitive) == 0)
            return name;
    return std::nullopt;
}

bool Interpreter::folderExists(const QString& path) const
{
    const std::optional<QString> inside = inFolder(path);
    if (!m_folder || !inside)
        return false;
    if (inside->isEmpty())
        return true;
    for (const QString& name : m_folder->names)
        if (name.startsWith(*inside + QLatin1Char('/'), Qt::CaseInsensitive))
            return true;
    return false;
}

// The files of a folder that match a mask ("*.gif"), sorted by name as a file list shows them.
QStringList Interpreter::folderListing(const QString& path, const QString& mask) const
{
    const std::optional<QString> inside = inFolder(path);
    QStringList out;
    if (!m_folder || !inside)
        return out;
    const QString prefix = inside->isEmpty() ? QString() : *inside + QLatin1Char('/');
    const QRegularExpression pattern(
        QRegularExpression::wildcardToRegularExpression(mask.isEmpty() ? QStringLiteral("*") : mask),
        QRegularExpression::CaseInsensitiveOption);
    for (const QString& name : m_folder->names) {
        const QString rest = name.mid(prefix.size());
        if (name.startsWith(prefix, Qt::CaseInsensitive) && !rest.contains(QLatin1Char('/')) &&
            pattern.match(rest).hasMatch())
            out.append(rest);
    }
    out.sort(Qt::CaseInsensitive);
    return out;
}

// A picture file of the working folder loaded into an image or bitmap: its first frame becomes the
// owner's surface, its class and number of frames are noted for the program to read.
void Interpreter::loadPicture(FormObject& owner, const QString& path)
{
    const std::optional<QString> name = folderFile(path);
    if (!name) {
        raise(QStringLiteral("Cannot open file \"%1\". The system cannot find the file specified").arg(path));
        return;
    }
    QByteArray bytes = m_folder->bytes ? m_folder->bytes(*name) : QByteArray();
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    const int frames = std::max(1, reader.imageCount());
    const QImage picture = reader.read();
    const QString extension = name->section(QLatin1Char('.'), -1).toLower();
    owner.values.insert(QStringLiteral("Picture.ClassName"),
                        extension == QLatin1String("gif")   ? QStringLiteral("TGIFImage")
                        : extension == QLatin1String("ico") ? QStringLiteral("TIcon")
                        : extension == QLatin1String("wmf") || extension == QLatin1String("emf")
                            ? QStringLiteral("TMetafile")
                        : extension == QLatin1String("jpg") ? QStringLiteral("TJPEGImage")
                                                            : QStringLiteral("TBitmap"));
    owner.values.insert(QStringLiteral("Picture.Frames"), QString::number(frames));
    // A metafile the figures cannot decode keeps the picture the exercise's files give the image.
    if (picture.isNull())
        return;
    SampleCanvas loaded(picture.size(), Qt::white);
    loaded.draw(QPoint(0, 0), picture, false);
    m_canvases.insert(owner.name, loaded);
}

} // namespace SampleRunInternal
