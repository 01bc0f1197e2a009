// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>
#include <QString>

class Sketch;

namespace ExerciseTables {
struct Exercise;
}

// The figures of the exercise instructions. One function draws every figure from what the figure table
// says about it, so that the drawings can grow richer without touching the generator.
class ExerciseFigures final {
public:
    ExerciseFigures() = delete;

    // Draws figure `figure` (1..5) of the exercise, captioned `caption`, on a sketch of `size` pixels.
    static void draw(Sketch& sketch, const ExerciseTables::Exercise& exercise, int figure, const QString& caption,
                     QSize size);
};
