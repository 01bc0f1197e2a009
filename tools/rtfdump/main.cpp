// SPDX-License-Identifier: MIT
// rtfdump FILE [--html]: reads FILE with the program's own RTF reader and prints the document's text (UTF-8;
// table cells separated by tabs, rows by newlines) or, with --html, the document as HTML.
#include "platform/Error.h"
#include "platform/FileReader.h"
#include "richtext/RtfReader.h"

#include <QGuiApplication>
#include <QStringList>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char** argv)
{
    // The tool shows nothing; the offscreen platform gives it fonts without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool html = args.removeAll(QStringLiteral("--html")) > 0;
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: rtfdump FILE [--html]\n");
        return 2;
    }
    try {
        QTextDocument doc;
        doc.setUndoRedoEnabled(false);
        RtfReader::read(readWholeFile(args.first()), &doc);
        const QString out = html ? doc.toHtml() : RtfReader::documentText(doc);
        const QByteArray utf8 = out.toUtf8();
        std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
        std::fputc('\n', stdout);
    } catch (const Error& error) {
        std::fprintf(stderr, "rtfdump: %s\n", error.what());
        return 1;
    }
    return 0;
}
