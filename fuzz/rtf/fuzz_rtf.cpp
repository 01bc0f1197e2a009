// SPDX-License-Identifier: MIT
// libFuzzer entry point for the RTF reader: any bytes, read into a document and turned back into text.
#include "richtext/RtfReader.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

namespace {

// Fonts and images need a GUI application; the offscreen platform needs no display. A driver with its own
// application keeps it; otherwise one is made for the process and left to the end (libFuzzer exits without
// unwinding main, and Qt's own globals are gone by the time static destructors would run).
void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_rtf";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    Q_UNUSED(app)
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ensureApplication();
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument doc;
    doc.setUndoRedoEnabled(false);
    RtfReader::read(bytes, &doc);
    // Walking the result touches every block, table cell and picture the reader made.
    const QString text = RtfReader::documentText(doc);
    return text.size() >= 0 ? 0 : 1;
}
