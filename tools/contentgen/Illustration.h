// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

// The pictures embedded in articles. The description says what the picture shows; its key words choose a
// drawing (a window of the environment, a diagram, a colour model, a table of characters, the course's own
// article screen), which is drawn at its natural size, shrunk smoothly into the picture and captioned with
// the description.
class Illustration final {
public:
    Illustration() = delete;

    static QImage draw(int width, int height, const QString& description);
};
