// SPDX-License-Identifier: MIT
// The working folder export: drive paths, the file system layer and its copy under faults (missing or odd
// source, full disk, read-only folder), the six routines against a temporary drive folder, and the save button
// of the workspace. The tests write the source files they copy themselves.
#include "TestSupport.h"

#include "controls/BitBtn.h"
#include "controls/Panel.h"
#include "controls/SpeedButton.h"
#include "platform/DrivePath.h"
#include "platform/FailingFileSystem.h"
#include "platform/RealFileSystem.h"
#include "screens/ExerciseTables.h"
#include "screens/InfoTop03.h"
#include "screens/InfoUtil.h"
#include "screens/WorkingFolderExport.h"

#include <QAccessible>
#include <QDirIterator>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace TestSupport;
namespace Export = WorkingFolderExport;

namespace {

const QStringList SingleFiles = {
    "ARROWS.WMF", "PARAL.BMP",  "CLOCK.WMF",      "CILINDR.BMP", "SHATL.WMF",  "CAR.WMF",     "WOMEN.WMF",   "STOP.WMF",
    "MONEY.WMF",  "CONFUS.WMF", "AMIDEA.WMF",     "CALC.WMF",    "backgraund.bmp", "aplane.bmp", "aplane.ico", "cool.avi",
    "TEST1.txt",  "LASTIK.BMP", "Ariphm.pas",     "GunShot.wav", "Explode.wav", "Crack.wav",  "TrayIcon.rar",
};
const QStringList Archives = {"Zoom.rar", "MEyes.rar",  "Torus.rar",  "ScrFlip.rar", "Snow.rar",
                              "Lamp.rar", "SeaWar.rar", "Tetris.rar", "Check.rar"};

QStringList numbered(const char* format, int from, int to)
{
    QStringList names;
    for (int n = from; n <= to; ++n)
        names << QString::asprintf(format, n);
    return names;
}

const QStringList ButtonFiles = numbered("button%03d.bmp", 1, 18);
const QStringList GifPictures = numbered("%03d.gif", 1, 20);
const QStringList VisualFiles = numbered("%d.bmp", 1, 20);

// The bytes of the source file at a content path: the path and a pattern, of a length that differs by path.
QByteArray sourceBytes(const QString& contentPath, int size = 0)
{
    QByteArray bytes = contentPath.toUtf8();
    if (size == 0) {
        int sum = 0;
        for (char c : bytes)
            sum = sum * 31 + c;
        size = 300 + (sum & 0x7fffffff) % 3000;
    }
    bytes.append('\0');
    while (bytes.size() < size)
        bytes.append(char(bytes.size() * 37 + 11));
    bytes.truncate(size);
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Every file that a save copies, under "files" of the content tree at root.
void writeSources(const QString& root)
{
    const auto write = [&](const QString& folder, const QStringList& names) {
        for (const QString& name : names)
            writeFile(root + QLatin1Char('/') + folder + name, sourceBytes(folder + name));
    };
    write(QStringLiteral("files/"), SingleFiles);
    write(QStringLiteral("files/buttons/"), ButtonFiles);
    write(QStringLiteral("files/gif/"), QStringList{"GIFImage.dcu", "Music.wav"} + GifPictures);
    write(QStringLiteral("files/visual/"), VisualFiles);
    write(QStringLiteral("files/source/"), Archives);
}

// Every file below a folder (hidden ones too), as sorted relative paths.
QStringList filesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

// The content path that a file in the working folder was copied from: "DELPHIFILES/gif/001.gif" and
// "delphifiles/Gif/001.gif" both come from "files/gif/001.gif".
QString sourceOf(const QString& driveFile)
{
    QStringList parts = driveFile.split(QLatin1Char('/'));
    parts.removeFirst();
    if (parts.size() == 2)
        parts[0] = parts[0].toLower();
    return QStringLiteral("files/") + parts.join(QLatin1Char('/'));
}

QString created(const QString& name, const QString& folder)
{
    return QStringLiteral("Файл  ") + name + QStringLiteral(" создан в папке ") + folder;
}

QString alreadyThere(const QString& name, const QString& folder)
{
    return QStringLiteral("Файл ") + name + QStringLiteral(" уже существует в папке ") + folder;
}

QString failed(const QString& name)
{
    return QStringLiteral("Ошибка при создании файла ") + name;
}

template <typename Message>
QStringList each(const QStringList& names, Message message)
{
    QStringList texts;
    for (const QString& name : names)
        texts << message(name);
    return texts;
}

QStringList prefixed(const QString& prefix, const QStringList& names)
{
    return each(names, [&](const QString& name) { return prefix + name; });
}

// A tmpfs mounted over a folder for as long as the object lives; mounted() is false where the test may not
// mount (not root, or no privilege in the container).
class TmpfsMount final {
public:
    TmpfsMount(const QString& folder, const char* options, unsigned long flags = 0)
        : m_folder(QFile::encodeName(folder))
    {
        m_mounted = ::mount("tmpfs", m_folder.constData(), "tmpfs", flags, options) == 0;
    }
    ~TmpfsMount()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    Q_DISABLE_COPY_MOVE(TmpfsMount)

    bool mounted() const { return m_mounted; }
    bool remount(const char* options)
    {
        return ::mount("tmpfs", m_folder.constData(), "tmpfs", MS_REMOUNT, options) == 0;
    }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};

// A content tree with every source file and an empty drive folder beside it, the content tree as the current
// directory, VEDARIUM_DRIVE_C pointing at the drive folder, scripted dialogs and the failing file system.
class Workbench final {
public:
    Workbench()
        : m_previousDir(QDir::currentPath())
        , m_previousDrive(qgetenv("VEDARIUM_DRIVE_C"))
    {
        QDir(top()).mkdir(QStringLiteral("content"));
        QDir(top()).mkdir(QStringLiteral("drive"));
        writeSources(content());
        QDir::setCurrent(content());
        qputenv("VEDARIUM_DRIVE_C", drive().toLocal8Bit());
        Dialogs::install(&dialogs);
        FileSystem::install(&fileSystem);
    }
    ~Workbench()
    {
        mounts.clear();
        FileSystem::install(nullptr);
        Dialogs::install(nullptr);
        qputenv("VEDARIUM_DRIVE_C", m_previousDrive);
        QDir::setCurrent(m_previousDir);
        // A read-only folder must be writable again for the temporary folder to go.
        QDirIterator it(top(), QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            ::chmod(QFile::encodeName(it.next()).constData(), 0755);
    }
    Q_DISABLE_COPY_MOVE(Workbench)

    QString top() const { return m_dir.path(); }
    QString content() const { return top() + QStringLiteral("/content"); }
    QString drive() const { return top() + QStringLiteral("/drive"); }

    ScriptedDialogs dialogs;
    FailingFileSystem fileSystem;
    std::vector<std::unique_ptr<TmpfsMount>> mounts;

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
    QByteArray m_previousDrive;
};

// Makes a folder read-only for this process: by its permissions, or for root (whom permissions do not stop) by
// mounting a read-only tmpfs over it. False when neither is possible here.
bool makeReadOnly(Workbench& bench, const QString& folder)
{
    QDir().mkpath(folder);
    if (::geteuid() != 0)
        return ::chmod(QFile::encodeName(folder).constData(), 0555) == 0;
    bench.mounts.push_back(std::make_unique<TmpfsMount>(folder, "size=64k", MS_RDONLY));
    return bench.mounts.back()->mounted();
}

// Checks the boxes of a save: information boxes with the program's title, with these texts in this order.
void compareBoxes(const ScriptedDialogs& dialogs, const QStringList& expected)
{
    for (const ScriptedDialogs::Box& box : dialogs.boxes()) {
        QCOMPARE(box.kind, QStringLiteral("information"));
        QCOMPARE(box.caption, QStringLiteral("Ведариум DELPHI"));
    }
    QCOMPARE(dialogs.texts(), expected);
}

// Checks that the drive holds exactly these files, each a complete copy of its source except those listed as
// kept, which still hold "old".
void compareDrive(const QString& drive, const QString& content, QStringList files, const QStringList& kept)
{
    files.sort();
    QCOMPARE(filesBelow(drive), files);
    for (const QString& file : files) {
        const QByteArray expected = kept.contains(file) ? QByteArray("old") : readFile(content + '/' + sourceOf(file));
        QVERIFY2(readFile(drive + '/' + file) == expected, qPrintable(file));
    }
}

} // namespace

class TestExport final : public QObject {
    Q_OBJECT

    // The course with the source files written into it, for the tests through the program; they only read it.
    std::unique_ptr<ContentCopy> m_content;

private slots:
    void initTestCase()
    {
        m_content = std::make_unique<ContentCopy>();
        writeSources(m_content->path());
    }
    void drivePaths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("present"); // folders end with '/'
        QTest::addColumn<QString>("expected");    // relative to the drive; "-" when rejected
        QTest::newRow("the drive") << "C:\\" << QStringList{} << "";
        QTest::newRow("lower-case drive letter") << "c:\\DELPHIFILES" << QStringList{} << "DELPHIFILES";
        QTest::newRow("new names keep their spelling")
            << "C:\\DELPHIFILES\\buttons\\button001.bmp" << QStringList{} << "DELPHIFILES/buttons/button001.bmp";
        QTest::newRow("hand-made folders in other cases")
            << "C:\\DELPHIFILES\\SOURCE\\Snow.rar" << QStringList{"delphifiles/Source/"}
            << "delphifiles/Source/Snow.rar";
        QTest::newRow("an existing file in another case")
            << "C:\\DELPHIFILES\\ARROWS.WMF" << QStringList{"DELPHIFILES/arrows.wmf"} << "DELPHIFILES/arrows.wmf";
        QTest::newRow("exact spelling wins")
            << "C:\\DELPHIFILES\\x" << QStringList{"delphifiles/", "DELPHIFILES/", "dELPHIFILES/"}
            << "DELPHIFILES/x";
        QTest::newRow("parent folder") << "C:\\DELPHIFILES\\..\\..\\etc" << QStringList{"DELPHIFILES/"} << "-";
        QTest::newRow("current folder") << "C:\\DELPHIFILES\\.\\x" << QStringList{} << "-";
        QTest::newRow("slash inside a name") << "C:\\DELPHIFILES\\a/b" << QStringList{"DELPHIFILES/a/"} << "-";
        QTest::newRow("drive inside a name") << "C:\\DELPHIFILES\\C:\\x" << QStringList{} << "-";
        QTest::newRow("empty name") << "C:\\DELPHIFILES\\\\x" << QStringList{} << "-";
        QTest::newRow("trailing separator") << "C:\\DELPHIFILES\\" << QStringList{} << "-";
        QTest::newRow("control character") << QString("C:\\DELPHIFILES\\a\nb") << QStringList{} << "-";
        QTest::newRow("another drive") << "D:\\DELPHIFILES" << QStringList{} << "-";
        QTest::newRow("relative") << "DELPHIFILES\\x" << QStringList{} << "-";
        QTest::newRow("absolute") << "/etc/passwd" << QStringList{} << "-";
    }
    void drivePaths()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, present);
        QFETCH(QString, expected);
        Workbench bench;
        for (const QString& entry : present) {
            if (entry.endsWith(QLatin1Char('/')))
                QVERIFY(QDir().mkpath(bench.drive() + '/' + entry));
            else
                writeFile(bench.drive() + '/' + entry, "old");
        }
        const QString resolved = DrivePath::resolve(path);
        if (expected == QLatin1String("-"))
            QCOMPARE(resolved, QString());
        else
            QCOMPARE(resolved, QDir::cleanPath(bench.drive() + '/' + expected));
    }

    void driveIsHomeWithoutTheVariable()
    {
        const QByteArray previous = qgetenv("VEDARIUM_DRIVE_C");
        qputenv("VEDARIUM_DRIVE_C", "");
        QCOMPARE(DrivePath::root(), QDir::homePath());
        QCOMPARE(DrivePath::resolve(QStringLiteral("C:\\DELPHIFILES")).section('/', 0, -2), QDir::homePath());
        qunsetenv("VEDARIUM_DRIVE_C");
        QCOMPARE(DrivePath::root(), QDir::homePath());
        qputenv("VEDARIUM_DRIVE_C", "/some/where/");
        QCOMPARE(DrivePath::root(), QStringLiteral("/some/where"));
        qputenv("VEDARIUM_DRIVE_C", previous);
    }

    void folderOperations()
    {
        Workbench bench;
        RealFileSystem fs;
        // One level only: the parent must exist.
        QVERIFY(!fs.createDirectory(QStringLiteral("C:\\DELPHIFILES\\gif")));
        QVERIFY(!QFileInfo::exists(bench.drive() + "/DELPHIFILES"));
        QVERIFY(!fs.directoryExists(QStringLiteral("C:\\DELPHIFILES")));
        QVERIFY(fs.createDirectory(QStringLiteral("C:\\DELPHIFILES")));
        QVERIFY(fs.directoryExists(QStringLiteral("c:\\delphifiles")));
        QVERIFY(fs.createDirectory(QStringLiteral("C:\\delphifiles\\gif")));
        QCOMPARE(QDir(bench.drive()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"DELPHIFILES"});
        QVERIFY(QFileInfo(bench.drive() + "/DELPHIFILES/gif").isDir());
        // A name that is taken, by a folder or a file, is not created again.
        QVERIFY(!fs.createDirectory(QStringLiteral("C:\\DELPHIFILES")));
        writeFile(bench.drive() + "/DELPHIFILES/visual", "old");
        QVERIFY(!fs.directoryExists(QStringLiteral("C:\\DELPHIFILES\\visual")));
        QVERIFY(!fs.createDirectory(QStringLiteral("C:\\DELPHIFILES\\VISUAL")));
        QVERIFY(fs.fileExists(QStringLiteral("C:\\DELPHIFILES\\Visual")));
        QVERIFY(!fs.fileExists(QStringLiteral("C:\\DELPHIFILES\\gif")));
        // Rejected paths name nothing.
        QVERIFY(!fs.createDirectory(QStringLiteral("C:\\DELPHIFILES\\..\\escaped")));
        QVERIFY(!fs.directoryExists(QStringLiteral("C:\\DELPHIFILES\\..")));
        QVERIFY(!fs.fileExists(QStringLiteral("C:\\DELPHIFILES\\gif\\..\\visual")));
        QVERIFY(!QFileInfo::exists(bench.top() + "/escaped"));
    }

    void copy_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("copied");
        QTest::newRow("several blocks") << "" << true;
        QTest::newRow("over an older file") << "old destination" << true;
        QTest::newRow("over a symbolic link") << "link" << true;
        QTest::newRow("missing source") << "no source" << false;
        QTest::newRow("source is a folder") << "folder source" << false;
        QTest::newRow("source is a named pipe") << "pipe source" << false;
        QTest::newRow("destination is a folder") << "folder destination" << false;
        QTest::newRow("destination folder missing") << "no folder" << false;
        QTest::newRow("full disk") << "full" << false;
        QTest::newRow("full disk over an older file") << "full, old destination" << false;
    }
    void copy()
    {
        QFETCH(QString, fault);
        QFETCH(bool, copied);
        Workbench bench;
        const QString source = bench.content() + "/files/big.bin";
        const QByteArray bytes = sourceBytes(QStringLiteral("big"), int(3.5 * RealFileSystem::BlockSize));
        writeFile(source, bytes);
        const QString folder = bench.drive() + "/DELPHIFILES";
        const QString target = folder + "/BIG.BIN";
        const QString outside = bench.top() + "/outside";
        QDir().mkpath(folder);
        QString from = source;
        if (fault.contains(QLatin1String("old destination")))
            writeFile(target, "old");
        if (fault == QLatin1String("link")) {
            writeFile(outside, "outside");
            QVERIFY(QFile::link(outside, target));
        }
        if (fault == QLatin1String("no source"))
            from = bench.content() + "/files/none.bin";
        if (fault == QLatin1String("folder source"))
            from = bench.content() + "/files";
        if (fault == QLatin1String("pipe source")) {
            from = bench.content() + "/pipe";
            QCOMPARE(::mkfifo(QFile::encodeName(from).constData(), 0600), 0);
        }
        if (fault == QLatin1String("folder destination"))
            QVERIFY(QDir().mkpath(target));
        if (fault == QLatin1String("no folder"))
            QVERIFY(QDir(folder).removeRecursively());
        if (fault.startsWith(QLatin1String("full")))
            bench.fileSystem.setFreeSpace(2 * RealFileSystem::BlockSize + 100);

        QCOMPARE(bench.fileSystem.copyFile(from, QStringLiteral("C:\\DELPHIFILES\\BIG.BIN")), copied);

        const QFileInfo info(target);
        if (copied) {
            QCOMPARE(readFile(target), bytes);
            QVERIFY(!info.isSymLink());
        } else if (fault.contains(QLatin1String("old destination"))) {
            QCOMPARE(readFile(target), QByteArray("old"));
        } else if (fault == QLatin1String("folder destination")) {
            QVERIFY(info.isDir());
        } else {
            QVERIFY(!info.exists());
        }
        // No temporary file is left beside it, and nothing outside the drive changed.
        if (QFileInfo(folder).isDir()) {
            const QStringList left = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            QCOMPARE(left, info.exists() || info.isSymLink() ? QStringList{"BIG.BIN"} : QStringList{});
        }
        if (fault == QLatin1String("link"))
            QCOMPARE(readFile(outside), QByteArray("outside"));
        QCOMPARE(readFile(source), bytes);
    }

    // The disk fills up during a save of 3:12 (a unit, a large piece of music, twenty pictures): on a real tmpfs
    // where the test may mount one, under a file size limit (the kernel refuses the write), and in the failing
    // layer. Whatever was reported written is complete, nothing partial is left, and once there is room the
    // next save writes what failed instead of calling it present.
    void fullDisk_data()
    {
        QTest::addColumn<QString>("disk");
        QTest::newRow("tmpfs") << "tmpfs";
        QTest::newRow("file size limit") << "limit";
        QTest::newRow("failing layer") << "layer";
    }
    void fullDisk()
    {
        QFETCH(QString, disk);
        Workbench bench;
        writeFile(bench.content() + "/files/gif/GIFImage.dcu", sourceBytes(QStringLiteral("dcu"), 40 * 1024));
        writeFile(bench.content() + "/files/gif/Music.wav", sourceBytes(QStringLiteral("wav"), 200 * 1024));
        TmpfsMount* mount = nullptr;
        if (disk == QLatin1String("tmpfs")) {
            bench.mounts.push_back(std::make_unique<TmpfsMount>(bench.drive(), "size=128k"));
            mount = bench.mounts.back().get();
            if (!mount->mounted())
                QSKIP("no tmpfs can be mounted here; the failing layer stands in");
        }
        rlimit previousLimit{};
        ::getrlimit(RLIMIT_FSIZE, &previousLimit);
        const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
        if (disk == QLatin1String("limit")) {
            rlimit limit = previousLimit;
            limit.rlim_cur = 100 * 1024;
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        }
        if (disk == QLatin1String("layer"))
            bench.fileSystem.setFreeSpace(100 * 1024);

        Export::save(3, 12, nullptr);
        ::setrlimit(RLIMIT_FSIZE, &previousLimit);
        std::signal(SIGXFSZ, previousSignal);

        const QStringList texts = bench.dialogs.texts();
        QCOMPARE(texts.mid(0, 3), (QStringList{"Папка DELPHIFILES успешно создана", "Папка GIF успешно создана",
                                               created("GIFImage.dcu", "DELPHIFILES\\GIF")}));
        QCOMPARE(texts.at(3), failed("Music.wav"));
        QCOMPARE(texts.size(), 24);
        QStringList written;
        for (const QString& text : texts.mid(2)) {
            if (text.startsWith(QStringLiteral("Файл  ")))
                written << QStringLiteral("DELPHIFILES/gif/") + text.section(QLatin1Char(' '), 2, 2);
            else
                QVERIFY2(text.startsWith(QStringLiteral("Ошибка при создании файла ")), qPrintable(text));
        }
        compareDrive(bench.drive(), bench.content(), written, {});

        if (mount)
            QVERIFY(mount->remount("size=4m"));
        bench.fileSystem.setFreeSpace(-1);
        bench.dialogs.clear();
        Export::save(3, 12, nullptr);
        compareBoxes(bench.dialogs, QStringList{alreadyThere("GIFImage.dcu", "DELPHIFILES\\GIF"),
                                                created("Music.wav", "DELPHIFILES\\GIF")} +
                                        each(GifPictures, [](const QString& n) { return created(n, "DELPHIFILES\\GIF"); }));
        compareDrive(bench.drive(), bench.content(),
                     prefixed("DELPHIFILES/gif/", QStringList{"GIFImage.dcu", "Music.wav"} + GifPictures), {});
    }

    void numberedNames_data()
    {
        QTest::addColumn<QString>("built");
        QTest::addColumn<QString>("expected");
        QTest::newRow("button 1") << Export::buttonName(1) << "button001.bmp";
        QTest::newRow("button 9") << Export::buttonName(9) << "button009.bmp";
        QTest::newRow("button 10") << Export::buttonName(10) << "button010.bmp";
        QTest::newRow("button 18") << Export::buttonName(18) << "button018.bmp";
        QTest::newRow("GIF slot 3") << Export::gifName(3) << "001.gif";
        QTest::newRow("GIF slot 11") << Export::gifName(11) << "009.gif";
        QTest::newRow("GIF slot 12") << Export::gifName(12) << "010.gif";
        QTest::newRow("GIF slot 22") << Export::gifName(22) << "020.gif";
        QTest::newRow("visual 7") << Export::visualName(7) << "7.bmp";
        QTest::newRow("visual 20") << Export::visualName(20) << "20.bmp";
    }
    void numberedNames()
    {
        QFETCH(QString, built);
        QFETCH(QString, expected);
        QCOMPARE(built, expected);
    }

    // The exercises with a file set are exactly those whose workspace shows a file label, plus 4:15.
    void fileSetsMatchTheSaveControls()
    {
        int withLabel = 0;
        for (const ExerciseTables::Exercise& row : ExerciseTables::exercises()) {
            const bool hasSet = Export::fileSetOf(row.group, row.number) != nullptr;
            const bool last = row.group == 4 && row.number == 15;
            QVERIFY2(hasSet == (row.fileLabel != nullptr || last), row.title);
            withLabel += row.fileLabel ? 1 : 0;
        }
        QCOMPARE(withLabel, 21);
        QCOMPARE(int(Export::fileSets().size()), 22);
        QVERIFY(!Export::fileSetOf(1, 2));
    }

    // The six routines through the save of an exercise, against a temporary drive folder.
    void saves_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("saves");
        QTest::addColumn<QStringList>("messages"); // of the last save
        QTest::addColumn<QStringList>("files");    // on the drive afterwards
        QTest::addColumn<QStringList>("kept");     // files that still hold "old"

        const QString root = QStringLiteral("DELPHIFILES");
        const auto createdIn = [](const QString& folder) {
            return [folder](const QString& name) { return created(name, folder); };
        };
        const auto thereIn = [](const QString& folder) {
            return [folder](const QString& name) { return alreadyThere(name, folder); };
        };
        const QStringList gifSet = QStringList{"GIFImage.dcu", "Music.wav"} + GifPictures;

        QTest::newRow("1:03 first save")
            << 1 << 3 << "" << "" << 1
            << QStringList{"Папка DELPHIFILES успешно создана", "Файл  ARROWS.WMF создан в папке DELPHIFILES"}
            << QStringList{"DELPHIFILES/ARROWS.WMF"} << QStringList{};
        QTest::newRow("1:03 second save") << 1 << 3 << "" << "" << 2
                                          << QStringList{"Этот файл уже существует в папке DELPHIFILES"}
                                          << QStringList{"DELPHIFILES/ARROWS.WMF"} << QStringList{};
        QTest::newRow("1:09 with one file present")
            << 1 << 9 << "" << "WOMEN.WMF present" << 1
            << QStringList{"Файл  CAR.WMF создан в папке DELPHIFILES",
                           "Файл WOMEN.WMF уже существует в папке DELPHIFILES",
                           "Файл  STOP.WMF создан в папке DELPHIFILES"}
            << QStringList{"DELPHIFILES/CAR.WMF", "DELPHIFILES/STOP.WMF", "DELPHIFILES/WOMEN.WMF"}
            << QStringList{"DELPHIFILES/WOMEN.WMF"};
        QTest::newRow("3:05 lower-case names")
            << 3 << 5 << "" << "" << 1
            << QStringList{"Папка DELPHIFILES успешно создана"} +
                   each({"backgraund.bmp", "aplane.bmp", "aplane.ico"}, createdIn(root))
            << prefixed("DELPHIFILES/", {"backgraund.bmp", "aplane.bmp", "aplane.ico"}) << QStringList{};
        QTest::newRow("3:15 first save")
            << 3 << 15 << "" << "" << 1
            << QStringList{"Папка DELPHIFILES успешно создана", "Папка BUTTONS успешно создана"} +
                   each(ButtonFiles, createdIn("DELPHIFILES\\BUTTONS"))
            << prefixed("DELPHIFILES/buttons/", ButtonFiles) << QStringList{};
        QTest::newRow("3:15 second save overwrites")
            << 3 << 15 << "" << "" << 2 << each(ButtonFiles, createdIn("DELPHIFILES\\BUTTONS"))
            << prefixed("DELPHIFILES/buttons/", ButtonFiles) << QStringList{};
        QTest::newRow("3:15 over older pictures")
            << 3 << 15 << "" << "old buttons" << 1 << each(ButtonFiles, createdIn("DELPHIFILES\\BUTTONS"))
            << prefixed("DELPHIFILES/buttons/", ButtonFiles) << QStringList{};
        QTest::newRow("3:12 first save")
            << 3 << 12 << "" << "" << 1
            << QStringList{"Папка DELPHIFILES успешно создана", "Папка GIF успешно создана"} +
                   each(gifSet, createdIn("DELPHIFILES\\GIF"))
            << prefixed("DELPHIFILES/gif/", gifSet) << QStringList{};
        QTest::newRow("3:12 second save")
            << 3 << 12 << "" << "" << 2
            << each({"GIFImage.dcu", "Music.wav"}, thereIn("DELPHIFILES\\GIF")) +
                   each(GifPictures, createdIn("DELPHIFILES\\GIF"))
            << prefixed("DELPHIFILES/gif/", gifSet) << QStringList{};
        QTest::newRow("4:10 without its subfolder")
            << 4 << 10 << "" << "DELPHIFILES present" << 1
            << QStringList{"Папка VISUAL успешно создана"} + each(VisualFiles, createdIn("DELPHIFILES\\VISUAL"))
            << prefixed("DELPHIFILES/visual/", VisualFiles) << QStringList{};
        QTest::newRow("4:10 second save") << 4 << 10 << "" << "" << 2
                                          << each(VisualFiles, thereIn("DELPHIFILES\\VISUAL"))
                                          << prefixed("DELPHIFILES/visual/", VisualFiles) << QStringList{};
        QTest::newRow("4:13 sounds")
            << 4 << 13 << "" << "DELPHIFILES present" << 1
            << each({"GunShot.wav", "Explode.wav", "Crack.wav"}, createdIn(root))
            << prefixed("DELPHIFILES/", {"GunShot.wav", "Explode.wav", "Crack.wav"}) << QStringList{};
        QTest::newRow("4:15 Snow")
            << 4 << 15 << "Snow.rar" << "" << 1
            << QStringList{"Папка DELPHIFILES успешно создана", "Папка SOURCE успешно создана",
                           "Файл  Snow.rar создан в папке DELPHIFILES\\SOURCE"}
            << QStringList{"DELPHIFILES/source/Snow.rar"} << QStringList{};
        QTest::newRow("4:15 Snow twice") << 4 << 15 << "Snow.rar" << "" << 2
                                         << QStringList{"Этот файл уже существует в папке DELPHIFILES\\SOURCE"}
                                         << QStringList{"DELPHIFILES/source/Snow.rar"} << QStringList{};
        QTest::newRow("4:15 without a demonstration program")
            << 4 << 15 << "" << "" << 1 << QStringList{} << QStringList{} << QStringList{};
        QTest::newRow("an exercise without files") << 1 << 2 << "" << "" << 1 << QStringList{} << QStringList{}
                                                   << QStringList{};
        QTest::newRow("hand-made folders in lower case")
            << 4 << 15 << "Check.rar" << "hand-made folders" << 1
            << QStringList{"Файл  Check.rar создан в папке DELPHIFILES\\SOURCE"}
            << QStringList{"delphifiles/source/Check.rar"} << QStringList{};
        QTest::newRow("hand-made folders in mixed case")
            << 3 << 15 << "" << "hand-made folders" << 1 << each(ButtonFiles, createdIn("DELPHIFILES\\BUTTONS"))
            << prefixed("delphifiles/Buttons/", ButtonFiles) << QStringList{};
        QTest::newRow("a file where the folder should be")
            << 1 << 3 << "" << "DELPHIFILES is a file" << 1
            << QStringList{"При создании папки DELPHIFILES произошла ошибка", "Ошибка при создании файла"}
            << QStringList{"DELPHIFILES"} << QStringList{"DELPHIFILES"};
        QTest::newRow("a file where the folder should be, 3:15")
            << 3 << 15 << "" << "DELPHIFILES is a file" << 1
            << QStringList{"При создании папки DELPHIFILES произошла ошибка",
                           "При создании папки BUTTONS произошла ошибка"} +
                   each(ButtonFiles, failed)
            << QStringList{"DELPHIFILES"} << QStringList{"DELPHIFILES"};
        QTest::newRow("subfolder cannot be created")
            << 3 << 12 << "" << "GIF uncreatable" << 1
            << QStringList{"Папка DELPHIFILES успешно создана", "При создании папки GIF произошла ошибка"} +
                   each(gifSet, failed)
            << QStringList{} << QStringList{};
        QTest::newRow("read-only folder")
            << 1 << 9 << "" << "DELPHIFILES read-only" << 1 << each({"CAR.WMF", "WOMEN.WMF", "STOP.WMF"}, failed)
            << QStringList{} << QStringList{};
        QTest::newRow("read-only folder, single file")
            << 4 << 14 << "" << "DELPHIFILES read-only" << 1 << QStringList{"Ошибка при создании файла"}
            << QStringList{} << QStringList{};
        // The failed copy leaves nothing behind, so the second save tries it again.
        QTest::newRow("missing source, saved twice")
            << 1 << 9 << "" << "CAR.WMF source missing" << 2
            << QStringList{"Ошибка при создании файла CAR.WMF", "Файл WOMEN.WMF уже существует в папке DELPHIFILES",
                           "Файл STOP.WMF уже существует в папке DELPHIFILES"}
            << QStringList{"DELPHIFILES/STOP.WMF", "DELPHIFILES/WOMEN.WMF"} << QStringList{};
        QTest::newRow("missing archive, saved twice")
            << 4 << 15 << "Tetris.rar" << "Tetris.rar source missing" << 2 << QStringList{"Ошибка при создании файла"}
            << QStringList{} << QStringList{};
        QTest::newRow("disk full after the first file")
            << 1 << 9 << "" << "full after CAR.WMF" << 1
            << QStringList{"Папка DELPHIFILES успешно создана", "Файл  CAR.WMF создан в папке DELPHIFILES",
                           "Ошибка при создании файла WOMEN.WMF", "Ошибка при создании файла STOP.WMF"}
            << QStringList{"DELPHIFILES/CAR.WMF"} << QStringList{};
    }
    void saves()
    {
        QFETCH(int, group);
        QFETCH(int, number);
        QFETCH(QString, archive);
        QFETCH(QString, before);
        QFETCH(int, saves);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, files);
        QFETCH(QStringList, kept);
        Workbench bench;
        const QString root = bench.drive() + QStringLiteral("/DELPHIFILES");
        if (before == QLatin1String("WOMEN.WMF present"))
            writeFile(root + "/WOMEN.WMF", "old");
        if (before == QLatin1String("old buttons")) {
            for (const QString& name : ButtonFiles)
                writeFile(root + "/buttons/" + name, "old");
        }
        if (before == QLatin1String("DELPHIFILES present"))
            QDir().mkpath(root);
        if (before == QLatin1String("hand-made folders")) {
            QDir().mkpath(bench.drive() + "/delphifiles/source");
            QDir().mkpath(bench.drive() + "/delphifiles/Buttons");
        }
        if (before == QLatin1String("DELPHIFILES is a file"))
            writeFile(root, "old");
        if (before == QLatin1String("GIF uncreatable"))
            bench.fileSystem.failCreation(QStringLiteral("C:\\DELPHIFILES\\gif"));
        if (before == QLatin1String("DELPHIFILES read-only") && !makeReadOnly(bench, root))
            QSKIP("no read-only folder can be made here");
        if (before == QLatin1String("CAR.WMF source missing"))
            QVERIFY(QFile::remove(bench.content() + "/files/CAR.WMF"));
        if (before == QLatin1String("Tetris.rar source missing"))
            QVERIFY(QFile::remove(bench.content() + "/files/source/Tetris.rar"));
        if (before == QLatin1String("full after CAR.WMF"))
            bench.fileSystem.setFreeSpace(QFileInfo(bench.content() + "/files/CAR.WMF").size() + 100);

        const QByteArray archiveName = archive.toLatin1();
        for (int i = 0; i < saves; ++i) {
            bench.dialogs.clear();
            Export::save(group, number, archive.isEmpty() ? nullptr : archiveName.constData());
        }
        compareBoxes(bench.dialogs, messages);
        compareDrive(bench.drive(), bench.content(), files, kept);
    }

    // What the source archive check asks for: the folder in capitals, which finds the lower-case folder.
    void sourceArchiveChecksTheFolderInCapitals()
    {
        Workbench bench;
        Export::save(4, 15, "Lamp.rar");
        QCOMPARE(bench.fileSystem.calls(),
                 (QStringList{"directoryExists C:\\DELPHIFILES", "createDirectory C:\\DELPHIFILES",
                              "directoryExists C:\\DELPHIFILES\\source", "createDirectory C:\\DELPHIFILES\\source",
                              "fileExists C:\\DELPHIFILES\\SOURCE\\Lamp.rar", "copyFile C:\\DELPHIFILES\\source\\Lamp.rar"}));
        QCOMPARE(QDir(bench.drive() + "/DELPHIFILES").entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{"source"});
    }

    // Names put into the slots by hand that try to leave the working folder are refused, even where a file of
    // that name lies ready in the content tree.
    void hostileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent folders") << "..\\..\\outside.txt";
        QTest::newRow("slash") << "../../outside.txt";
        QTest::newRow("absolute") << "/tmp/outside.txt";
        QTest::newRow("another drive") << "C:\\outside.txt";
        QTest::newRow("empty") << "";
    }
    void hostileNames()
    {
        QFETCH(QString, name);
        Workbench bench;
        writeFile(bench.top() + "/outside.txt", "source outside");
        writeFile(bench.content() + "/outside.txt", "source outside");
        const QStringList before = filesBelow(bench.top());
        Export::FileNameSlots& slotNames = Export::fileNameSlots();
        slotNames.singleName = name;
        Export::CopySingleFile();
        Export::CopySourceArchive();
        slotNames.threeNames = {name, name, name};
        Export::CopyThreeFiles();
        slotNames.buttonNames.fill(name);
        Export::CopyButtonSet();
        slotNames.gifNames.fill(name);
        Export::CopyGifSet();
        slotNames.visualNames.fill(name);
        Export::CopyVisualSet();
        QStringList expected = {"Папка DELPHIFILES успешно создана", "Ошибка при создании файла",
                                "Папка SOURCE успешно создана", "Ошибка при создании файла"};
        expected += QStringList(3, failed(name));
        expected += QStringList{"Папка BUTTONS успешно создана"} + QStringList(18, failed(name));
        expected += QStringList{"Папка GIF успешно создана"} + QStringList(22, failed(name));
        expected += QStringList{"Папка VISUAL успешно создана"} + QStringList(20, failed(name));
        compareBoxes(bench.dialogs, expected);
        QCOMPARE(filesBelow(bench.top()), before);
        QCOMPARE(readFile(bench.top() + "/outside.txt"), QByteArray("source outside"));
    }

    // Through the program: the catalogue chooses the exercise, the demonstration buttons choose the archive, the
    // save button (pressed as a pupil would, or through its accessible press action) saves.
    void workspace_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("number");
        QTest::addColumn<QList<int>>("demonstrations"); // pressed in order before the saves
        QTest::addColumn<bool>("reactivate");           // then the about box opened and closed
        QTest::addColumn<QList<int>>("after");          // then these pressed
        QTest::addColumn<int>("saves");
        QTest::addColumn<QStringList>("messages"); // of all saves
        QTest::addColumn<QStringList>("files");
        const QStringList gifSet = QStringList{"GIFImage.dcu", "Music.wav"} + GifPictures;
        QTest::newRow("1:03 twice") << 1 << 3 << QList<int>{} << false << QList<int>{} << 2
                                    << QStringList{"Папка DELPHIFILES успешно создана",
                                                   "Файл  ARROWS.WMF создан в папке DELPHIFILES",
                                                   "Этот файл уже существует в папке DELPHIFILES"}
                                    << QStringList{"DELPHIFILES/ARROWS.WMF"};
        QTest::newRow("3:12") << 3 << 12 << QList<int>{} << false << QList<int>{} << 1
                              << QStringList{"Папка DELPHIFILES успешно создана", "Папка GIF успешно создана"} +
                                     each(gifSet, [](const QString& n) { return created(n, "DELPHIFILES\\GIF"); })
                              << prefixed("DELPHIFILES/gif/", gifSet);
        QTest::newRow("4:15 Zoom, then Tetris")
            << 4 << 15 << QList<int>{0, 7} << false << QList<int>{} << 1
            << QStringList{"Папка DELPHIFILES успешно создана", "Папка SOURCE успешно создана",
                           "Файл  Tetris.rar создан в папке DELPHIFILES\\SOURCE"}
            << QStringList{"DELPHIFILES/source/Tetris.rar"};
        QTest::newRow("4:15 Snow twice") << 4 << 15 << QList<int>{4} << false << QList<int>{} << 2
                                         << QStringList{"Папка DELPHIFILES успешно создана",
                                                        "Папка SOURCE успешно создана",
                                                        "Файл  Snow.rar создан в папке DELPHIFILES\\SOURCE",
                                                        "Этот файл уже существует в папке DELPHIFILES\\SOURCE"}
                                         << QStringList{"DELPHIFILES/source/Snow.rar"};
        QTest::newRow("4:15 after re-activation")
            << 4 << 15 << QList<int>{5} << true << QList<int>{} << 1 << QStringList{} << QStringList{};
        QTest::newRow("4:15 pressed again after re-activation")
            << 4 << 15 << QList<int>{5} << true << QList<int>{5} << 1
            << QStringList{"Папка DELPHIFILES успешно создана", "Папка SOURCE успешно создана",
                           "Файл  Lamp.rar создан в папке DELPHIFILES\\SOURCE"}
            << QStringList{"DELPHIFILES/source/Lamp.rar"};
    }
    void workspace()
    {
        QFETCH(int, group);
        QFETCH(int, number);
        QFETCH(QList<int>, demonstrations);
        QFETCH(bool, reactivate);
        QFETCH(QList<int>, after);
        QFETCH(int, saves);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, files);
        AppFixture fixture(m_content->path());
        fixture.start();
        fixture.app().goToScreen(Form5);
        const char* button = ExerciseTables::exerciseAt(ExerciseTables::slotOf(group, number))->button;
        Form5->findChild<Panel*>(QString::fromLatin1(button))->click();
        QCOMPARE(fixture.app().currentScreen(), static_cast<Screen*>(Form35));
        for (int index : demonstrations)
            Form35->demonstrationButton(index)->click();
        if (reactivate) {
            Form35->aboutItem()->trigger();
            fixture.app().platformActivated(Form35);
        }
        for (int index : after)
            Form35->demonstrationButton(index)->click();
        QVERIFY(Form35->SpeedButton2->isVisible());
        fixture.dialogs.clear();
        for (int i = 0; i < saves; ++i)
            Form35->SpeedButton2->click();
        compareBoxes(fixture.dialogs, messages);
        compareDrive(fixture.drive(), m_content->path(), files, {});
    }

    // The save button is a picture button named by its hint; its press action saves.
    void saveButtonForScreenReaders()
    {
        AppFixture fixture(m_content->path());
        fixture.start();
        fixture.app().goToScreen(Form5);
        Form5->findChild<Panel*>(QString::fromLatin1(ExerciseTables::exerciseAt(ExerciseTables::slotOf(1, 3))->button))
            ->click();
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(Form35->SpeedButton2);
        QVERIFY(button);
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("СОХРАНИТЬ"));
        QVERIFY(!button->state().invisible);
        fixture.dialogs.clear();
        QVERIFY(button->actionInterface());
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(fixture.dialogs.texts().size(), 2);
        QCOMPARE(fixture.dialogs.texts().last(), QStringLiteral("Файл  ARROWS.WMF создан в папке DELPHIFILES"));
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
