// SPDX-License-Identifier: MIT
// contentgen OUTDIR [ARTICLES]: writes the sample content tree of the course into OUTDIR.

#include "ContentGenerator.h"

#include "platform/Error.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    // Drawing text needs a GUI application, but the generator runs on build machines without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        std::fprintf(stderr, "usage: contentgen OUTDIR [ARTICLES_FOLDER]\n");
        return 2;
    }
    try {
        ContentGenerator generator(arguments[1],
                                   arguments.size() > 2 ? arguments[2] : QStringLiteral(VEDARIUM_ARTICLES_DIR));
        generator.run();
        for (const QString& warning : generator.warnings())
            std::fprintf(stderr, "contentgen: warning: %s\n", qPrintable(warning));
        std::printf("contentgen: %d files written (%d placeholder articles)\n", generator.filesWritten(),
                    generator.placeholders());
        return 0;
    } catch (const Error& error) {
        std::fprintf(stderr, "contentgen: %s\n", error.what());
        return 1;
    }
}
