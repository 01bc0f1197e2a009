// SPDX-License-Identifier: MIT
// contentgen OUTDIR [ARTICLES [LISTINGS]]: writes the sample content tree of the course into OUTDIR. Without
// LISTINGS the listings folder beside ARTICLES is read.

#include "ContentGenerator.h"

#include "platform/Error.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Drawing text needs a GUI application, but the generator runs on build machines without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 2 || arguments.size() > 4) {
        std::fprintf(stderr, "usage: contentgen OUTDIR [ARTICLES_FOLDER [LISTINGS_FOLDER]]\n");
        return 2;
    }
    try {
        const QString articles = arguments.size() > 2 ? arguments[2] : QStringLiteral(VEDARIUM_ARTICLES_DIR);
        const QString listings = arguments.size() > 3   ? arguments[3]
                                 : arguments.size() > 2 ? QDir(articles).filePath(QStringLiteral("../listings"))
                                                        : QStringLiteral(VEDARIUM_LISTINGS_DIR);
        ContentGenerator generator(arguments[1], articles, listings, QStringLiteral(VEDARIUM_STANDIN));
        generator.run();
        for (const QString& warning : generator.warnings())
            std::fprintf(stderr, "contentgen: warning: %s\n", qPrintable(warning));
        // Missing sources are expected while the course is being written: named, but not warned about.
        for (const QString& listing : generator.placeholderListings())
            std::printf("contentgen: placeholder listing %s (no source yet)\n", qPrintable(listing));
        for (const QString& form : generator.missingForms())
            std::printf("contentgen: stand-in form for the figures of %s (no source yet)\n", qPrintable(form));
        std::printf("contentgen: %d files written (%d placeholder articles, %d placeholder listings)\n",
                    generator.filesWritten(), generator.placeholders(), int(generator.placeholderListings().size()));
        return 0;
    } catch (const Error& error) {
        std::fprintf(stderr, "contentgen: %s\n", error.what());
        return 1;
    }
}
