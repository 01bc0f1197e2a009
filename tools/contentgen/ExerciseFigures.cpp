// SPDX-License-Identifier: MIT
#include "ExerciseFigures.h"

#include "Sketch.h"

#include "screens/ExerciseTables.h"

void ExerciseFigures::draw(Sketch& sketch, const ExerciseTables::Exercise& exercise, int figure, const QString& caption,
                           QSize size)
{
    Q_UNUSED(figure);
    // For now a window of the exercise's program at design time, with the figure's caption in it.
    const QRect client = sketch.window(QRect(QPoint(0, 0), size), QString::fromUtf8(exercise.title));
    sketch.fill(client, Sketch::kFace);
    sketch.designGrid(client);
    const int strip = std::min(client.height(), 48);
    sketch.caption(QRect(client.left(), client.bottom() - strip + 1, client.width(), strip), caption);
}
