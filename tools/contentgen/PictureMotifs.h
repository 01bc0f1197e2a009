// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>

class QPainter;

// The pictures that image components of the exercise forms show: small drawings in the manner of the clip
// art the exercises load (arrows, a clock, a box, a cylinder, a rocket, coins, a road sign, a car, a walker,
// a face, a bulb, a calculator), the exercises' own bitmaps, video clip and GIF pictures, and a landscape for
// anything else.
class PictureMotifs final {
public:
    PictureMotifs() = delete;

    enum class Motif {
        Landscape,
        Arrows,
        Clock,
        Box,
        Cylinder,
        Rocket,
        Coins,
        StopSign,
        Car,
        Walker,
        Eraser,
        Face,
        Bulb,
        Calculator,
        Background, // the cartoon's backgraund.bmp
        Airplane,   // the cartoon's aplane.bmp
        Clip,       // a frame of cool.avi
        Gif,        // the first picture of the GIF player's folder
    };

    // The motif of an image component, from the exercise's resource files ("ARROWS.WMF", "3 FILES WMF") and
    // the component's name; the n-th image of a form gets the n-th picture of a set of files.
    static Motif choose(const QString& resourceFiles, int imageIndex);
    // A metafile has no background of its own: drawn transparent, the form shows around the drawing.
    static void draw(QPainter& painter, const QRect& area, Motif motif, bool transparent = false);
};
