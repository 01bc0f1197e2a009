// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// The text files among the exercise resources: the question file of the test generator, the arithmetic unit
// of the keyboard exercise, and the notes that stand in for the archives and the compiled unit that a
// sample tree cannot contain.
class ResourceTexts final {
public:
    ResourceTexts() = delete;

    // Questions, one a line: the question, a semicolon, the answer in digits. Windows-1251, CR LF.
    static QByteArray testQuestions();
    // A unit of arithmetic routines in Object Pascal. Windows-1251, CR LF.
    static QByteArray arithmeticUnit();
    // A note, in Russian and English, that the file of this name is a stand-in and what the real file holds.
    // UTF-8 with a byte order mark, CR LF, so that any editor shows it right. Throws Error for a name it does
    // not know.
    static QByteArray standIn(const QString& fileName);
};
