// SPDX-License-Identifier: MIT
#include "controls/Fonts.h"

#include <QStringList>

namespace Fonts {

QFont make(const QString& family, int pixelSize, bool bold)
{
    QFont font(family);
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
    const QStringList serif{QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"), QStringLiteral("DejaVu Serif")};
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
