// SPDX-License-Identifier: MIT
// The working folder export: drive paths, the copy under faults (odd sources and destinations, full disk), the
// routines against a temporary drive folder, and the save button of the workspace. The tests write the source
// files they copy themselves.
#include "TestSupport.h"

#include "controls/BitBtn.h"
#include "controls/Panel.h"
#include "controls/SpeedButton.h"
#include "platform/DrivePath.h"
#include "platform/FailingFileSystem.h"
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

QStringList numbered(const char* format, int count)
{
    QStringList names;
    for (int n = 1; n <= count; ++n)
        names << QString::asprintf(format, n);
    return names;
}

const QStringList Singles = {"ARROWS.WMF", "PARAL.BMP",  "CLOCK.WMF",   "CILINDR.BMP",    "SHATL.WMF",   "CAR.WMF",
                             "WOMEN.WMF",  "STOP.WMF",   "MONEY.WMF",   "CONFUS.WMF",     "AMIDEA.WMF",  "CALC.WMF",
                             "aplane.bmp", "aplane.ico", "cool.avi",    "backgraund.bmp", "TEST1.txt",   "LASTIK.BMP",
                             "Ariphm.pas", "Crack.wav",  "GunShot.wav", "Explode.wav",    "TrayIcon.rar"};
const QStringList Buttons = numbered("button%03d.bmp", 18);
const QStringList GifSet = QStringList{"GIFImage.dcu", "Music.wav"} + numbered("%03d.gif", 20);
const QStringList Visuals = numbered("%d.bmp", 20);
const QStringList Archives = {"Zoom.rar", "MEyes.rar",  "Torus.rar",  "ScrFlip.rar", "Snow.rar",
                              "Lamp.rar", "SeaWar.rar", "Tetris.rar", "Check.rar"};

// The bytes of a source file: its content path and a pattern, of a length that differs by path.
QByteArray sourceBytes(const QString& contentPath, int size = 0)
{
    QByteArray bytes = contentPath.toUtf8() + '\0';
    size = size ? size : 300 + int(qChecksum(bytes) % 3000);
    while (bytes.size() < size)
        bytes.append(char(bytes.size() * 37 + 11));
    return bytes.left(size);
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
    for (const auto& [folder, names] : {std::pair{"files/", Singles},
                                        {"files/buttons/", Buttons},
                                        {"files/gif/", GifSet},
                                        {"files/visual/", Visuals},
                                        {"files/source/", Archives}}) {
        for (const QString& name : names)
            writeFile(root + "/" + folder + name, sourceBytes(folder + name));
    }
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

// One message per name: the format with the name for %1.
QStringList messages(const char* format, const QStringList& names)
{
    QStringList texts;
    for (const QString& name : names)
        texts << QString::fromUtf8(format).arg(name);
    return texts;
}

QStringList prefixed(const QString& prefix, const QStringList& names)
{
    QStringList paths;
    for (const QString& name : names)
        paths << prefix + name;
    return paths;
}

// A tmpfs mounted over a folder while the object lives; mounted() is false where the test may not mount.
class TmpfsMount final {
public:
    TmpfsMount(const QString& folder, const char* options, unsigned long flags = 0)
        : m_folder(QFile::encodeName(folder))
        , m_mounted(::mount("tmpfs", m_folder.constData(), "tmpfs", flags, options) == 0)
    {
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
    bool m_mounted;
};

// A content tree with every source file and an empty drive folder beside it; the content tree is the current
// directory, VEDARIUM_DRIVE_C names the drive folder, the dialogs are scripted and the file system can fail.
class Workbench final {
public:
    Workbench() : m_previousDir(QDir::currentPath())
    {
        QDir().mkpath(drive());
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
        QDir::setCurrent(m_previousDir);
        // A read-only folder must be writable again for the temporary folder to go.
        QDirIterator it(m_dir.path(), QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            ::chmod(QFile::encodeName(it.next()).constData(), 0755);
    }
    Q_DISABLE_COPY_MOVE(Workbench)

    QString top() const { return m_dir.path(); }
    QString content() const { return top() + "/content"; }
    QString drive() const { return top() + "/drive"; }
    QString delphifiles() const { return drive() + "/DELPHIFILES"; }

    ScriptedDialogs dialogs;
    FailingFileSystem fileSystem;
    std::vector<std::unique_ptr<TmpfsMount>> mounts;

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
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

// The boxes shown: information boxes with the program's title and these texts, in order.
void compareBoxes(const ScriptedDialogs& dialogs, const QStringList& expected)
{
    for (const ScriptedDialogs::Box& box : dialogs.boxes()) {
        QCOMPARE(box.kind, QStringLiteral("information"));
        QCOMPARE(box.caption, QStringLiteral("Ведариум DELPHI"));
    }
    QCOMPARE(dialogs.texts(), expected);
}

// The drive holds exactly these files, each a complete copy of its source ("DELPHIFILES/gif/x" and
// "delphifiles/Gif/x" come from "files/gif/x"), except those listed as kept, which still hold "old".
void compareDrive(const QString& drive, const QString& content, QStringList files, const QStringList& kept = {})
{
    files.sort();
    QCOMPARE(filesBelow(drive), files);
    for (const QString& file : files) {
        QStringList parts = file.split('/').mid(1);
        if (parts.size() == 2)
            parts[0] = parts[0].toLower();
        const QByteArray expected = kept.contains(file) ? "old" : readFile(content + "/files/" + parts.join('/'));
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
        QTest::newRow("drive") << "C:\\" << QStringList{} << "";
        QTest::newRow("new names as written")
            << "c:\\DELPHIFILES\\gif\\001.gif" << QStringList{} << "DELPHIFILES/gif/001.gif";
        QTest::newRow("found in another case")
            << "C:\\DELPHIFILES\\SOURCE\\Snow.rar" << QStringList{"delphifiles/Source/snow.RAR"}
            << "delphifiles/Source/snow.RAR";
        QTest::newRow("exact spelling wins")
            << "C:\\DELPHIFILES\\x" << QStringList{"delphifiles/", "DELPHIFILES/"} << "DELPHIFILES/x";
        for (const char* path :
             {"C:\\DELPHIFILES\\..\\..\\etc", "C:\\DELPHIFILES\\.\\x", "C:\\DELPHIFILES\\a/b", "C:\\DELPHIFILES\\C:\\x",
              "C:\\DELPHIFILES\\\\x", "C:\\DELPHIFILES\\", "D:\\x", "DELPHIFILES\\x", "/etc/passwd", "C:\\a\tb"})
            QTest::newRow(path) << path << QStringList{"DELPHIFILES/a/"} << "-";
    }
    void drivePaths()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, present);
        QFETCH(QString, expected);
        Workbench bench;
        for (const QString& entry : present)
            entry.endsWith('/') ? void(QDir().mkpath(bench.drive() + '/' + entry))
                                : writeFile(bench.drive() + '/' + entry, "old");
        QCOMPARE(DrivePath::resolve(path),
                 expected == "-" ? QString() : QDir::cleanPath(bench.drive() + '/' + expected));
        qunsetenv("VEDARIUM_DRIVE_C");
        QCOMPARE(DrivePath::root(), QDir::homePath());
    }

    // What the copy must not do: hang on a pipe, write through a link, replace a folder or an older file with a
    // partial one.
    void copy_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QByteArray>("expected"); // the destination afterwards
        QTest::newRow("over a symbolic link") << "link" << QByteArray("new");
        QTest::newRow("source is a named pipe") << "pipe" << QByteArray("old");
        QTest::newRow("source is a folder") << "folder source" << QByteArray("old");
        QTest::newRow("destination is a folder") << "folder" << QByteArray("<unreadable>");
        QTest::newRow("full disk over an older file") << "full" << QByteArray("old");
    }
    void copy()
    {
        QFETCH(QString, fault);
        QFETCH(QByteArray, expected);
        Workbench bench;
        const QByteArray bytes = sourceBytes("big", int(7 * RealFileSystem::BlockSize / 2));
        QString source = bench.content() + "/big.bin";
        writeFile(source, bytes);
        const QString target = bench.delphifiles() + "/BIG.BIN";
        const QString outside = bench.top() + "/outside";
        writeFile(outside, "outside");
        QDir().mkpath(bench.delphifiles());
        if (fault == "link")
            QVERIFY(QFile::link(outside, target));
        else if (fault == "folder")
            QVERIFY(QDir().mkpath(target));
        else
            writeFile(target, "old");
        if (fault == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(source = bench.top() + "/pipe").constData(), 0600), 0);
        if (fault == "folder source")
            source = bench.content();
        if (fault == "full")
            bench.fileSystem.setFreeSpace(2 * RealFileSystem::BlockSize);

        QCOMPARE(bench.fileSystem.copyFile(source, "C:\\DELPHIFILES\\BIG.BIN"), expected == "new");
        QCOMPARE(readFile(target), expected == "new" ? bytes : expected);
        QCOMPARE(QDir(bench.delphifiles()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"BIG.BIN"});
        QCOMPARE(readFile(outside), QByteArray("outside"));
    }

    // The disk fills up during a save of 3:12 (a unit, a large piece of music, twenty pictures): on a real tmpfs
    // where the test may mount one, under a file size limit (the kernel refuses the write), and in the failing
    // layer. What was reported written is complete, nothing partial is left, and once there is room the next
    // save writes what failed instead of calling it present.
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
        writeFile(bench.content() + "/files/gif/GIFImage.dcu", sourceBytes("dcu", 40 * 1024));
        writeFile(bench.content() + "/files/gif/Music.wav", sourceBytes("wav", 200 * 1024));
        if (disk == "tmpfs") {
            bench.mounts.push_back(std::make_unique<TmpfsMount>(bench.drive(), "size=128k"));
            if (!bench.mounts.back()->mounted())
                QSKIP("no tmpfs can be mounted here; the failing layer stands in");
        }
        rlimit previousLimit{};
        ::getrlimit(RLIMIT_FSIZE, &previousLimit);
        rlimit limit = previousLimit;
        limit.rlim_cur = disk == "limit" ? 100 * 1024 : previousLimit.rlim_cur;
        const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        bench.fileSystem.setFreeSpace(disk == "layer" ? 100 * 1024 : -1);
        Export::save(3, 12, nullptr);
        ::setrlimit(RLIMIT_FSIZE, &previousLimit);
        std::signal(SIGXFSZ, previousSignal);

        const QStringList texts = bench.dialogs.texts();
        QCOMPARE(texts.size(), 24);
        QCOMPARE(texts.mid(2, 2), (QStringList{"Файл  GIFImage.dcu создан в папке DELPHIFILES\\GIF",
                                               "Ошибка при создании файла Music.wav"}));
        QStringList written;
        for (const QString& text : texts.mid(2)) {
            if (text.startsWith("Файл  "))
                written << "DELPHIFILES/gif/" + text.section(' ', 2, 2);
            else
                QVERIFY2(text.startsWith("Ошибка при создании файла "), qPrintable(text));
        }
        compareDrive(bench.drive(), bench.content(), written);

        if (!bench.mounts.empty())
            QVERIFY(bench.mounts.back()->remount("size=4m"));
        bench.fileSystem.setFreeSpace(-1);
        bench.dialogs.clear();
        Export::save(3, 12, nullptr);
        compareBoxes(bench.dialogs, QStringList{"Файл GIFImage.dcu уже существует в папке DELPHIFILES\\GIF"} +
                                        messages("Файл  %1 создан в папке DELPHIFILES\\GIF", GifSet.mid(1)));
        compareDrive(bench.drive(), bench.content(), prefixed("DELPHIFILES/gif/", GifSet));
    }

    // Every exercise with a save button saves its files, and only those have a file set (with 4:15).
    void everyFileSetSaves()
    {
        for (const ExerciseTables::Exercise& row : ExerciseTables::exercises()) {
            const bool last = row.group == 4 && row.number == 15;
            QVERIFY2((Export::fileSetOf(row.group, row.number) != nullptr) == (row.fileLabel || last), row.title);
            if (!row.fileLabel)
                continue;
            Workbench bench;
            Export::save(row.group, row.number, nullptr);
            const QStringList texts = bench.dialogs.texts();
            QVERIFY2(!texts.filter(QStringLiteral("Файл  ")).isEmpty(), row.title);
            QVERIFY2(texts.filter(QStringLiteral("Ошибка")).isEmpty(), qPrintable(texts.join('\n')));
        }
        QCOMPARE(int(Export::fileSets().size()), 22);
    }

    // The routines through the save of an exercise, against a temporary drive folder.
    void saves_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("saves");
        QTest::addColumn<QStringList>("texts"); // of the last save
        QTest::addColumn<QStringList>("files"); // on the drive afterwards
        QTest::addColumn<QStringList>("kept");  // files that still hold "old"
        const QStringList none;
        QTest::newRow("1:09 with one file present")
            << 1 << 9 << ""
            << "WOMEN.WMF" << 1
            << QStringList{"Файл  CAR.WMF создан в папке DELPHIFILES",
                           "Файл WOMEN.WMF уже существует в папке DELPHIFILES",
                           "Файл  STOP.WMF создан в папке DELPHIFILES"}
            << prefixed("DELPHIFILES/", {"CAR.WMF", "STOP.WMF", "WOMEN.WMF"}) << QStringList{"DELPHIFILES/WOMEN.WMF"};
        QTest::newRow("3:15 twice over older pictures")
            << 3 << 15 << ""
            << "old buttons" << 2 << messages("Файл  %1 создан в папке DELPHIFILES\\BUTTONS", Buttons)
            << prefixed("DELPHIFILES/buttons/", Buttons) << none;
        QTest::newRow("3:12 second save")
            << 3 << 12 << ""
            << "" << 2
            << messages("Файл %1 уже существует в папке DELPHIFILES\\GIF", GifSet.mid(0, 2)) +
                   messages("Файл  %1 создан в папке DELPHIFILES\\GIF", GifSet.mid(2))
            << prefixed("DELPHIFILES/gif/", GifSet) << none;
        QTest::newRow("4:10 without its subfolder")
            << 4 << 10 << ""
            << "DELPHIFILES" << 1
            << QStringList{"Папка VISUAL успешно создана"} +
                   messages("Файл  %1 создан в папке DELPHIFILES\\VISUAL", Visuals)
            << prefixed("DELPHIFILES/visual/", Visuals) << none;
        QTest::newRow("4:10 second save")
            << 4 << 10 << ""
            << "" << 2 << messages("Файл %1 уже существует в папке DELPHIFILES\\VISUAL", Visuals)
            << prefixed("DELPHIFILES/visual/", Visuals) << none;
        QTest::newRow("4:15 into hand-made lower-case folders")
            << 4 << 15 << "Check.rar"
            << "delphifiles/source" << 2 << QStringList{"Этот файл уже существует в папке DELPHIFILES\\SOURCE"}
            << QStringList{"delphifiles/source/Check.rar"} << none;
        QTest::newRow("4:15 without a demonstration program") << 4 << 15 << ""
                                                              << "" << 1 << none << none << none;
        QTest::newRow("a file where the folder should be")
            << 3 << 15 << ""
            << "DELPHIFILES file" << 1
            << QStringList{"При создании папки DELPHIFILES произошла ошибка",
                           "При создании папки BUTTONS произошла ошибка"} +
                   messages("Ошибка при создании файла %1", Buttons)
            << QStringList{"DELPHIFILES"} << QStringList{"DELPHIFILES"};
        QTest::newRow("subfolder cannot be created")
            << 3 << 12 << ""
            << "gif uncreatable" << 1
            << QStringList{"Папка DELPHIFILES успешно создана", "При создании папки GIF произошла ошибка"} +
                   messages("Ошибка при создании файла %1", GifSet)
            << none << none;
        QTest::newRow("read-only folder")
            << 4 << 14 << ""
            << "read-only" << 1 << QStringList{"Ошибка при создании файла"} << none << none;
        // The failed copy leaves nothing behind, so the second save tries it again.
        QTest::newRow("missing source, saved twice")
            << 1 << 9 << ""
            << "CAR.WMF missing" << 2
            << QStringList{"Ошибка при создании файла CAR.WMF", "Файл WOMEN.WMF уже существует в папке DELPHIFILES",
                           "Файл STOP.WMF уже существует в папке DELPHIFILES"}
            << prefixed("DELPHIFILES/", {"STOP.WMF", "WOMEN.WMF"}) << none;
        QTest::newRow("missing archive, saved twice")
            << 4 << 15 << "Tetris.rar"
            << "source/Tetris.rar missing" << 2 << QStringList{"Ошибка при создании файла"} << none << none;
        QTest::newRow("disk full after the first file")
            << 1 << 9 << ""
            << "full after CAR.WMF" << 1
            << QStringList{"Папка DELPHIFILES успешно создана", "Файл  CAR.WMF создан в папке DELPHIFILES",
                           "Ошибка при создании файла WOMEN.WMF", "Ошибка при создании файла STOP.WMF"}
            << QStringList{"DELPHIFILES/CAR.WMF"} << none;
    }
    void saves()
    {
        QFETCH(int, group);
        QFETCH(int, number);
        QFETCH(QString, archive);
        QFETCH(QString, before);
        QFETCH(int, saves);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, files);
        QFETCH(QStringList, kept);
        Workbench bench;
        const QString root = bench.delphifiles();
        if (before == "WOMEN.WMF" || before == "DELPHIFILES file")
            writeFile(root + (before == "WOMEN.WMF" ? "/WOMEN.WMF" : ""), "old");
        for (const QString& name : before == "old buttons" ? Buttons : QStringList{})
            writeFile(root + "/buttons/" + name, "old");
        if (before == "DELPHIFILES" || before == "delphifiles/source")
            QDir().mkpath(bench.drive() + '/' + before);
        if (before == "gif uncreatable")
            bench.fileSystem.failCreation("C:\\DELPHIFILES\\gif");
        if (before == "read-only" && !makeReadOnly(bench, root))
            QSKIP("no read-only folder can be made here");
        if (before.endsWith(" missing"))
            QVERIFY(QFile::remove(bench.content() + "/files/" + before.section(' ', 0, 0)));
        if (before == "full after CAR.WMF")
            bench.fileSystem.setFreeSpace(QFileInfo(bench.content() + "/files/CAR.WMF").size() + 100);

        const QByteArray archiveName = archive.toLatin1();
        for (int i = 0; i < saves; ++i) {
            bench.dialogs.clear();
            Export::save(group, number, archive.isEmpty() ? nullptr : archiveName.constData());
        }
        compareBoxes(bench.dialogs, texts);
        compareDrive(bench.drive(), bench.content(), files, kept);
    }

    // Names put into the slots that try to leave the working folder are refused, even where a file of that name
    // lies ready beside the content tree.
    void hostileNames_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"..\\..\\outside.txt", "../../outside.txt", "/tmp/outside.txt", "C:\\outside.txt"})
            QTest::newRow(name) << name;
    }
    void hostileNames()
    {
        QFETCH(QString, name);
        Workbench bench;
        writeFile(bench.top() + "/outside.txt", "outside");
        const QStringList before = filesBelow(bench.top());
        Export::FileNameSlots& slotNames = Export::fileNameSlots();
        slotNames.singleName = name;
        Export::CopySingleFile();
        Export::CopySourceArchive();
        slotNames.threeNames.fill(name);
        Export::CopyThreeFiles();
        slotNames.buttonNames.fill(name);
        Export::CopyButtonSet();
        slotNames.gifNames.fill(name);
        Export::CopyGifSet();
        slotNames.visualNames.fill(name);
        Export::CopyVisualSet();
        const QStringList failures = bench.dialogs.texts().filter("Ошибка при создании файла");
        QCOMPARE(failures.size(), 2 + 3 + 18 + 22 + 20);
        QCOMPARE(bench.dialogs.texts().size(), failures.size() + 5); // and the five folders
        QCOMPARE(filesBelow(bench.top()), before);
    }

    // Through the program: the catalogue chooses the exercise, the demonstration buttons the archive, and the save
    // button is pressed as a pupil would.
    void workspace_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("number");
        QTest::addColumn<QList<int>>("demonstrations"); // pressed in order before the saves; -1 re-activates
        QTest::addColumn<int>("saves");
        QTest::addColumn<QStringList>("texts"); // of all saves
        QTest::addColumn<QStringList>("files");
        const QStringList folders = {"Папка DELPHIFILES успешно создана", "Папка SOURCE успешно создана"};
        QTest::newRow("1:03 twice") << 1 << 3 << QList<int>{} << 2
                                    << QStringList{"Папка DELPHIFILES успешно создана",
                                                   "Файл  ARROWS.WMF создан в папке DELPHIFILES",
                                                   "Этот файл уже существует в папке DELPHIFILES"}
                                    << QStringList{"DELPHIFILES/ARROWS.WMF"};
        QTest::newRow("3:12") << 3 << 12 << QList<int>{} << 1
                              << QStringList{"Папка DELPHIFILES успешно создана", "Папка GIF успешно создана"} +
                                     messages("Файл  %1 создан в папке DELPHIFILES\\GIF", GifSet)
                              << prefixed("DELPHIFILES/gif/", GifSet);
        QTest::newRow("4:15 Zoom, then Tetris")
            << 4 << 15 << QList<int>{0, 7} << 1
            << folders + QStringList{"Файл  Tetris.rar создан в папке DELPHIFILES\\SOURCE"}
            << QStringList{"DELPHIFILES/source/Tetris.rar"};
        QTest::newRow("4:15 Snow twice") << 4 << 15 << QList<int>{4} << 2
                                         << folders +
                                                QStringList{"Файл  Snow.rar создан в папке DELPHIFILES\\SOURCE",
                                                            "Этот файл уже существует в папке DELPHIFILES\\SOURCE"}
                                         << QStringList{"DELPHIFILES/source/Snow.rar"};
        QTest::newRow("4:15 after re-activation")
            << 4 << 15 << QList<int>{5, -1} << 1 << QStringList{} << QStringList{};
        QTest::newRow("4:15 pressed again after re-activation")
            << 4 << 15 << QList<int>{5, -1, 5} << 1
            << folders + QStringList{"Файл  Lamp.rar создан в папке DELPHIFILES\\SOURCE"}
            << QStringList{"DELPHIFILES/source/Lamp.rar"};
    }
    void workspace()
    {
        QFETCH(int, group);
        QFETCH(int, number);
        QFETCH(QList<int>, demonstrations);
        QFETCH(int, saves);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, files);
        AppFixture fixture(m_content->path());
        fixture.start();
        fixture.app().goToScreen(Form5);
        const char* button = ExerciseTables::exerciseAt(ExerciseTables::slotOf(group, number))->button;
        Form5->findChild<Panel*>(QString::fromLatin1(button))->click();
        QCOMPARE(fixture.app().currentScreen(), static_cast<Screen*>(Form35));
        for (int index : demonstrations) {
            if (index >= 0) {
                Form35->demonstrationButton(index)->click();
            } else {
                Form35->aboutItem()->trigger();
                fixture.app().platformActivated(Form35);
            }
        }
        QVERIFY(Form35->SpeedButton2->isVisible());
        fixture.dialogs.clear();
        for (int i = 0; i < saves; ++i)
            Form35->SpeedButton2->click();
        compareBoxes(fixture.dialogs, texts);
        compareDrive(fixture.drive(), m_content->path(), files);
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
        QVERIFY(button && button->actionInterface());
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("СОХРАНИТЬ"));
        fixture.dialogs.clear();
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(fixture.dialogs.texts().last(), QStringLiteral("Файл  ARROWS.WMF создан в папке DELPHIFILES"));
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
