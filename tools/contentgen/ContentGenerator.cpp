// SPDX-License-Identifier: MIT
#include "ContentGenerator.h"

#include "ArticleConverter.h"
#include "ContentTables.h"
#include "LogoAnimations.h"
#include "LogoPainter.h"
#include "ResourceFiles.h"
#include "Sketch.h"
#include "ToneWriter.h"

#include "platform/Error.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QStringDecoder>

namespace {

constexpr int kJpegQuality = 90;

QByteArray encodeImage(const QImage& image, const QString& contentPath) {
    const QString extension = contentPath.section(QLatin1Char('.'), -1).toLower();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // BMP figures are 24-bit: Qt writes 24 bits per pixel for an RGB32 image.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const bool written =
        extension == QLatin1String("jpg") ? rgb.save(&buffer, "JPEG", kJpegQuality) : rgb.save(&buffer, "BMP");
    if (!written)
        throw Error(QStringLiteral("Cannot encode the picture %1").arg(contentPath));
    return bytes;
}

} // namespace

ContentGenerator::ContentGenerator(QString outputFolder, QString articlesFolder)
    : m_tree(std::move(outputFolder))
    , m_articlesFolder(QDir::cleanPath(std::move(articlesFolder))) {}

void ContentGenerator::run() {
    writeLogos();
    writeAnimations();
    writeSounds();
    writeFigures();
    writeArticles();
    ResourceFiles::write(m_tree);
}

void ContentGenerator::writeLogos() {
    for (const LogoRow& row : ContentTables::logos()) {
        const QString path = QString::fromUtf8(row.path);
        m_tree.write(path, encodeImage(LogoPainter::paint(row.kind, row.width, row.height), path));
    }
}

void ContentGenerator::writeAnimations() {
    for (const AnimationRow& row : ContentTables::animations())
        m_tree.write(QString::fromUtf8(row.path), LogoAnimations::create(row.kind));
}

void ContentGenerator::writeSounds() {
    for (const SoundRow& row : ContentTables::sounds()) {
        ToneWriter::write(row.kind, m_tree.prepare(QString::fromUtf8(row.path)));
        m_tree.countWritten();
    }
}

void ContentGenerator::writeFigures() {
    for (const FigureRow& row : ContentTables::figures()) {
        QImage image = Sketch::canvas(row.width, row.height);
        {
            Sketch sketch(image);
            row.draw(sketch);
        }
        const QString path = QString::fromUtf8(row.path);
        m_tree.write(path, encodeImage(image, path));
    }
}

void ContentGenerator::writeArticles() {
    const QDir folder(m_articlesFolder);
    if (!folder.exists())
        throw Error::cannotOpen(QDir::toNativeSeparators(m_articlesFolder), QStringLiteral("No such folder"));

    // Table rows by their path in lower case: a source may spell its name differently ("logos.txt").
    QHash<QString, const ArticleRow*> rows;
    for (const ArticleRow& row : ContentTables::articles())
        rows.insert(QString::fromUtf8(row.path).toLower(), &row);

    QStringList sources;
    QDirIterator it(m_articlesFolder, {QStringLiteral("*.txt")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        sources.append(folder.relativeFilePath(it.next()));
    sources.sort();

    QSet<const ArticleRow*> written;
    for (const QString& source : sources) {
        const QString rtfPath = source.left(source.size() - 4) + QStringLiteral(".rtf");
        const ArticleRow* row = rows.value(rtfPath.toLower());
        if (!row)
            m_warnings.append(
                QStringLiteral("%1: no course table names this article; written as %2").arg(source, rtfPath));
        QFile file(folder.filePath(source));
        if (!file.open(QIODevice::ReadOnly))
            throw Error::cannotOpen(QDir::toNativeSeparators(file.fileName()), file.errorString());
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder(file.readAll());
        if (decoder.hasError())
            m_warnings.append(QStringLiteral("%1: not valid UTF-8").arg(source));

        const QString contentPath = row ? QString::fromUtf8(row->path) : rtfPath;
        const QString title = row ? QString::fromUtf8(row->title) : QFileInfo(source).completeBaseName();
        ArticleConverter converter(source, title);
        m_tree.write(contentPath, converter.convert(text));
        m_warnings.append(converter.warnings());
        if (row)
            written.insert(row);
    }

    for (const ArticleRow& row : ContentTables::articles()) {
        if (written.contains(&row))
            continue;
        const QString path = QString::fromUtf8(row.path);
        ArticleConverter converter(path, QString::fromUtf8(row.title));
        m_tree.write(path, converter.placeholder());
        ++m_placeholders;
    }
}
