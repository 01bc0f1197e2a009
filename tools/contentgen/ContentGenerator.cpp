// SPDX-License-Identifier: MIT
#include "ContentGenerator.h"

#include "ArticleConverter.h"
#include "ContentTables.h"
#include "ExerciseFigures.h"
#include "LogoAnimations.h"
#include "LogoPainter.h"
#include "ResourceFiles.h"
#include "Sketch.h"
#include "ToneWriter.h"
#include "WindowsCyrillic.h"

#include "platform/Error.h"
#include "screens/ExerciseTables.h"

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

// A content path of the tables ("doc\\upr\\upr1\\upr01.rtf") as the output tree takes it.
QString treePath(const char* contentPath)
{
    return QString::fromUtf8(contentPath).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// UTF-8 source text as a Windows text file: Windows-1251 with CR LF line ends. Characters the code page lacks
// become '?' and are listed in `unmapped`.
QByteArray windowsText(const QString& text, QString* unmapped)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QByteArray bytes;
    bytes.reserve(lines.size() + lines.size() / 16);
    for (const char32_t character : lines.toUcs4()) {
        if (character == U'\n') {
            bytes.append("\r\n");
            continue;
        }
        const int byte = WindowsCyrillic::fromUnicode(character);
        if (byte < 0) {
            bytes.append('?');
            unmapped->append(QString::fromUcs4(&character, 1));
        } else {
            bytes.append(char(byte));
        }
    }
    return bytes;
}

// A unit that stands in for a listing nobody has written yet.
QByteArray placeholderUnit(const ExerciseTables::Exercise& exercise)
{
    const QString text = QStringLiteral("unit Unit1;\n"
                                        "\n"
                                        "{ %1 }\n"
                                        "{ Листинг этого упражнения ещё не написан: здесь только заготовка модуля. }\n"
                                        "\n"
                                        "interface\n"
                                        "\n"
                                        "uses\n"
                                        "  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs;\n"
                                        "\n"
                                        "type\n"
                                        "  TForm1 = class(TForm)\n"
                                        "  private\n"
                                        "    { Private declarations }\n"
                                        "  public\n"
                                        "    { Public declarations }\n"
                                        "  end;\n"
                                        "\n"
                                        "var\n"
                                        "  Form1: TForm1;\n"
                                        "\n"
                                        "implementation\n"
                                        "\n"
                                        "{$R *.dfm}\n"
                                        "\n"
                                        "end.\n")
                             .arg(QString::fromUtf8(exercise.title));
    QString unmapped;
    return windowsText(text, &unmapped);
}

} // namespace

ContentGenerator::ContentGenerator(QString outputFolder, QString articlesFolder, QString listingsFolder,
                                   QString standinProgram)
    : m_tree(std::move(outputFolder))
    , m_articlesFolder(QDir::cleanPath(std::move(articlesFolder)))
    , m_listingsFolder(QDir::cleanPath(std::move(listingsFolder)))
    , m_standinProgram(std::move(standinProgram)) {}

void ContentGenerator::run() {
    writeLogos();
    writeAnimations();
    writeSounds();
    writeFigures();
    writeArticles();
    writeExerciseFigures();
    writeListings();
    writeProgramStandins();
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
        const QString text = readSource(folder.filePath(source), source);

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

QString ContentGenerator::readSource(const QString& path, const QString& nameInWarnings)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error::cannotOpen(QDir::toNativeSeparators(file.fileName()), file.errorString());
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(file.readAll());
    if (decoder.hasError())
        m_warnings.append(QStringLiteral("%1: not valid UTF-8").arg(nameInWarnings));
    return text;
}

void ContentGenerator::writeExerciseFigures()
{
    ExerciseFigures figures(m_listingsFolder, m_articlesFolder);
    for (const ExerciseTables::ExerciseFigure& row : ExerciseTables::figures()) {
        const QString path = treePath(row.picture);
        m_tree.write(path, encodeImage(figures.draw(row), path));
    }
    m_warnings.append(figures.warnings());
    m_missingForms = figures.missingForms();
}

void ContentGenerator::writeListings()
{
    // Every source file goes to the same place in the tree, as Windows text.
    QSet<QString> written;
    if (QDir(m_listingsFolder).exists()) {
        const QDir folder(m_listingsFolder);
        QStringList sources;
        QDirIterator it(m_listingsFolder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            sources.append(folder.relativeFilePath(it.next()));
        sources.sort();
        for (const QString& source : sources) {
            const QString text = readSource(folder.filePath(source), QStringLiteral("listings/") + source);
            QString unmapped;
            m_tree.write(source, windowsText(text, &unmapped));
            if (!unmapped.isEmpty())
                m_warnings.append(QStringLiteral("listings/%1: characters outside Windows-1251 written as '?': %2")
                                      .arg(source, unmapped));
            written.insert(source.toLower());
        }
    }

    for (const ExerciseTables::Exercise& exercise : ExerciseTables::exercises()) {
        if (!exercise.listing)
            continue;
        const QString path = treePath(exercise.listing);
        if (written.contains(path.toLower()))
            continue;
        m_tree.write(path, placeholderUnit(exercise));
        m_placeholderListings.append(path);
    }
}

void ContentGenerator::writeProgramStandins()
{
    QFile standin(m_standinProgram);
    if (!standin.open(QIODevice::ReadOnly)) {
        m_warnings.append(QStringLiteral("the stand-in program %1 cannot be read (%2); no program files written")
                              .arg(QDir::toNativeSeparators(m_standinProgram), standin.errorString()));
        return;
    }
    const QByteArray program = standin.readAll();
    QStringList paths;
    for (const ExerciseTables::Exercise& exercise : ExerciseTables::exercises())
        paths.append(treePath(exercise.program));
    for (const ExerciseTables::Demonstration& demonstration : ExerciseTables::demonstrations())
        paths.append(treePath(demonstration.program));
    for (const QString& path : paths) {
        m_tree.write(path, program);
        const QFileDevice::Permissions executable = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                                    QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                    QFileDevice::ExeOther;
        if (!QFile::setPermissions(m_tree.filePath(path), executable))
            throw Error::cannotOpen(QDir::toNativeSeparators(m_tree.filePath(path)),
                                    QStringLiteral("The execute permission cannot be set"));
    }
}
