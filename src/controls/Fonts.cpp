// SPDX-License-Identifier: MIT
#include "controls/Fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace Fonts {

namespace {

// The installed family that stands for a Windows family: the family itself when installed, else its first
// installed substitute. Asking for it by name spares the font machinery a failed lookup and a separate list of
// fallback fonts for every Windows name that maps onto the same installed font.
QString installedFamily(const QString& family)
{
    static QHash<QString, QString> known;
    const auto found = known.constFind(family);
    if (found != known.constEnd())
        return *found;
    // The installed families by name (QFontDatabase::hasFamily would ask fontconfig to resolve aliases too).
    const QStringList installed = QFontDatabase::families();
    const auto isInstalled = [&installed](const QString& name) {
        return installed.contains(name, Qt::CaseInsensitive);
    };
    QString result = family;
    if (!isInstalled(family)) {
        for (const QString& substitute : QFont::substitutes(family)) {
            if (isInstalled(substitute)) {
                result = substitute;
                break;
            }
        }
    }
    known.insert(family, result);
    return result;
}

} // namespace

QFont make(const QString& family, int pixelSize, bool bold)
{
    QFont font(installedFamily(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont sansSerif8(bool bold)
{
    return make(QStringLiteral("MS Sans Serif"), 11, bold);
}

QFont arial10(bool bold)
{
    return make(QStringLiteral("Arial"), 13, bold);
}

void installSubstitutions()
{
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")};
    const QStringList serif{QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                            QStringLiteral("DejaVu Serif")};
    const QStringList mono{QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                           QStringLiteral("DejaVu Sans Mono")};
    for (const char* name : {"MS Sans Serif", "Arial", "Tahoma", "Verdana", "MS Shell Dlg", "MS Shell Dlg 2",
                             "Microsoft Sans Serif", "Helvetica", "Arial Narrow"})
        QFont::insertSubstitutions(QString::fromLatin1(name), sans);
    for (const char* name : {"Times New Roman", "Times", "Georgia", "Book Antiqua"})
        QFont::insertSubstitutions(QString::fromLatin1(name), serif);
    for (const char* name : {"Courier New", "Courier", "Lucida Console", "Fixedsys", "Terminal"})
        QFont::insertSubstitutions(QString::fromLatin1(name), mono);
}

} // namespace Fonts
