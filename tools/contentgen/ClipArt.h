// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

// The metafile pictures of the exercises, drawn as vector records (polygons, lines, ellipses, rectangles)
// in flat colours, each the picture its file name promises.
class ClipArt final {
public:
    ClipArt() = delete;

    static QByteArray arrows();     // four coloured block arrows around a centre
    static QByteArray stopwatch();  // a stopwatch: case, crown, dial with minute marks, hands
    static QByteArray shuttle();    // a space shuttle in flight, engines burning
    static QByteArray car();        // a red car seen from the side
    static QByteArray woman();      // a woman walking, a handbag in her hand
    static QByteArray stopSign();   // an octagonal STOP sign on its post
    static QByteArray money();      // banknotes and a stack of coins
    static QByteArray confused();   // a puzzled face with question marks
    static QByteArray idea();       // a glowing light bulb
    static QByteArray calculator(); // a pocket calculator with its display and keys
};
