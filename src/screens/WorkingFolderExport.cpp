// SPDX-License-Identifier: MIT
#include "screens/WorkingFolderExport.h"

#include "app/Application.h"
#include "content/ContentPath.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"

namespace WorkingFolderExport {

namespace {

using enum Routine;

constexpr std::array FileSets = {
    FileSet{1, 3, SingleFile, {"ARROWS.WMF"}},
    FileSet{1, 5, SingleFile, {"PARAL.BMP"}},
    FileSet{1, 6, SingleFile, {"CLOCK.WMF"}},
    FileSet{1, 7, SingleFile, {"CILINDR.BMP"}},
    FileSet{1, 8, SingleFile, {"SHATL.WMF"}},
    FileSet{1, 9, ThreeFiles, {"CAR.WMF", "WOMEN.WMF", "STOP.WMF"}},
    FileSet{1, 10, SingleFile, {"MONEY.WMF"}},
    FileSet{2, 1, SingleFile, {"CONFUS.WMF"}},
    FileSet{2, 3, SingleFile, {"AMIDEA.WMF"}},
    FileSet{2, 5, SingleFile, {"CONFUS.WMF"}},
    FileSet{3, 1, SingleFile, {"CALC.WMF"}},
    FileSet{3, 5, ThreeFiles, {"backgraund.bmp", "aplane.bmp", "aplane.ico"}},
    FileSet{3, 7, SingleFile, {"cool.avi"}},
    FileSet{3, 10, SingleFile, {"TEST1.txt"}},
    FileSet{3, 12, GifSet, {"GIFImage.dcu", "Music.wav"}},
    FileSet{3, 13, SingleFile, {"LASTIK.BMP"}},
    FileSet{3, 14, SingleFile, {"Ariphm.pas"}},
    FileSet{3, 15, ButtonSet, {}},
    FileSet{4, 10, VisualSet, {}},
    FileSet{4, 13, ThreeFiles, {"GunShot.wav", "Explode.wav", "Crack.wav"}},
    FileSet{4, 14, SingleFile, {"TrayIcon.rar"}},
    FileSet{4, 15, SourceArchive, {}},
};
static_assert(FileSets.size() == 22);

// A working-folder subfolder with the name its messages give it.
struct Folder {
    const char* path;
    const char* name; // in the messages
};
constexpr Folder Root{"C:\\DELPHIFILES", "DELPHIFILES"};
constexpr Folder Buttons{"C:\\DELPHIFILES\\buttons", "BUTTONS"};
constexpr Folder Gif{"C:\\DELPHIFILES\\gif", "GIF"};
constexpr Folder Visual{"C:\\DELPHIFILES\\visual", "VISUAL"};
constexpr Folder Source{"C:\\DELPHIFILES\\source", "SOURCE"};

FileNameSlots g_slots;

// One modal box with OK, captioned with the application's title; the routine goes on when it is closed.
void inform(const QString& text)
{
    Dialogs::instance().information(Application::Title, text);
}

// Makes the folder when it is missing (one level: its parent must exist) and says how that went. A failure
// stops nothing: the copies are tried all the same and report their own failures.
void ensureFolder(const Folder& folder)
{
    FileSystem& fileSystem = FileSystem::instance();
    const QString path = QString::fromLatin1(folder.path);
    if (fileSystem.directoryExists(path))
        return;
    const QString name = QString::fromLatin1(folder.name);
    if (fileSystem.createDirectory(path))
        inform(QStringLiteral("Папка %1 успешно создана").arg(name));
    else
        inform(QStringLiteral("При создании папки %1 произошла ошибка").arg(name));
}

// The content path of the source and the drive path of the destination of one file.
bool copy(const char* sourceFolder, const char* destinationFolder, const QString& name)
{
    const QString source = ContentPath::resolve(QString::fromLatin1(sourceFolder) + name);
    return FileSystem::instance().copyFile(source, QString::fromLatin1(destinationFolder) + name);
}

bool exists(const char* destinationFolder, const QString& name)
{
    return FileSystem::instance().fileExists(QString::fromLatin1(destinationFolder) + name);
}

QString created(const QString& name, const char* folder)
{
    return QStringLiteral("Файл  %1 создан в папке %2").arg(name, QString::fromLatin1(folder));
}

QString alreadyThere(const QString& name, const char* folder)
{
    return QStringLiteral("Файл %1 уже существует в папке %2").arg(name, QString::fromLatin1(folder));
}

QString failed(const QString& name)
{
    return QStringLiteral("Ошибка при создании файла ") + name;
}

// One file of a set: copied and reported, or reported as already there when checkExists finds it.
void copyOne(const QString& name, bool checkExists, const char* sourceFolder, const char* destinationFolder,
             const char* folderInMessages)
{
    if (checkExists && exists(destinationFolder, name)) {
        inform(alreadyThere(name, folderInMessages));
        return;
    }
    inform(copy(sourceFolder, destinationFolder, name) ? created(name, folderInMessages) : failed(name));
}

// A file saved alone: kept when the tested folder has it, with messages that name the folder but, on failure,
// not the file.
void copyAlone(const QString& name, const char* sourceFolder, const char* testedFolder, const char* destinationFolder,
               const char* folderInMessages)
{
    if (exists(testedFolder, name)) {
        inform(QStringLiteral("Этот файл уже существует в папке ") + QString::fromLatin1(folderInMessages));
        return;
    }
    inform(copy(sourceFolder, destinationFolder, name) ? created(name, folderInMessages)
                                                       : QStringLiteral("Ошибка при создании файла"));
}

QString number(int n)
{
    return QString::number(n);
}

} // namespace

std::span<const FileSet> fileSets()
{
    return FileSets;
}

const FileSet* fileSetOf(int group, int number)
{
    for (const FileSet& row : FileSets) {
        if (row.group == group && row.number == number)
            return &row;
    }
    return nullptr;
}

QString buttonName(int k)
{
    return (k <= 9 ? QStringLiteral("button00") : QStringLiteral("button0")) + number(k) + QStringLiteral(".bmp");
}

QString gifName(int slot)
{
    const int n = slot - 2;
    return (n <= 9 ? QStringLiteral("00") : QStringLiteral("0")) + number(n) + QStringLiteral(".gif");
}

QString visualName(int k)
{
    return number(k) + QStringLiteral(".bmp");
}

FileNameSlots& fileNameSlots()
{
    return g_slots;
}

void CopySingleFile()
{
    ensureFolder(Root);
    copyAlone(g_slots.singleName, "files\\", "C:\\DELPHIFILES\\", "C:\\DELPHIFILES\\", "DELPHIFILES");
}

void CopyThreeFiles()
{
    ensureFolder(Root);
    for (const QString& name : g_slots.threeNames)
        copyOne(name, true, "files\\", "C:\\DELPHIFILES\\", "DELPHIFILES");
}

void CopyButtonSet()
{
    ensureFolder(Root);
    ensureFolder(Buttons);
    for (const QString& name : g_slots.buttonNames)
        copyOne(name, false, "files\\buttons\\", "C:\\DELPHIFILES\\buttons\\", "DELPHIFILES\\BUTTONS");
}

void CopyGifSet()
{
    ensureFolder(Root);
    ensureFolder(Gif);
    // Only the unit and the music are kept when present; the pictures are written again every time.
    for (size_t i = 0; i < g_slots.gifNames.size(); ++i)
        copyOne(g_slots.gifNames[i], i < 2, "files\\gif\\", "C:\\DELPHIFILES\\gif\\", "DELPHIFILES\\GIF");
}

void CopyVisualSet()
{
    ensureFolder(Root);
    ensureFolder(Visual);
    for (const QString& name : g_slots.visualNames)
        copyOne(name, true, "files\\visual\\", "C:\\DELPHIFILES\\visual\\", "DELPHIFILES\\VISUAL");
}

void CopySourceArchive()
{
    ensureFolder(Root);
    ensureFolder(Source);
    // Tested in capitals: the same folder, found whatever its letter case.
    copyAlone(g_slots.singleName, "files\\source\\", "C:\\DELPHIFILES\\SOURCE\\", "C:\\DELPHIFILES\\source\\",
              "DELPHIFILES\\SOURCE");
}

void save(int group, int number, const char* demonstrationArchive)
{
    const FileSet* row = fileSetOf(group, number);
    if (!row)
        return;
    switch (row->routine) {
    case SingleFile:
        g_slots.singleName = QString::fromLatin1(row->names[0]);
        CopySingleFile();
        break;
    case ThreeFiles:
        for (size_t i = 0; i < 3; ++i)
            g_slots.threeNames[i] = QString::fromLatin1(row->names[i]);
        CopyThreeFiles();
        break;
    case ButtonSet:
        for (int k = 1; k <= 18; ++k)
            g_slots.buttonNames[size_t(k - 1)] = buttonName(k);
        CopyButtonSet();
        break;
    case GifSet:
        g_slots.gifNames[0] = QString::fromLatin1(row->names[0]);
        g_slots.gifNames[1] = QString::fromLatin1(row->names[1]);
        for (int slot = 3; slot <= 22; ++slot)
            g_slots.gifNames[size_t(slot - 1)] = gifName(slot);
        CopyGifSet();
        break;
    case VisualSet:
        for (int k = 1; k <= 20; ++k)
            g_slots.visualNames[size_t(k - 1)] = visualName(k);
        CopyVisualSet();
        break;
    case SourceArchive:
        if (!demonstrationArchive)
            return;
        g_slots.singleName = QString::fromLatin1(demonstrationArchive);
        CopySourceArchive();
        break;
    }
}

} // namespace WorkingFolderExport
