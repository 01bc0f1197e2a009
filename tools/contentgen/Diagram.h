// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class Sketch;

// Box-and-line diagrams of the language figures: class hierarchies and classifications.
class Diagram final {
public:
    Diagram() = delete;

    struct Node {
        QString text;
        QList<Node> children;
    };

    struct Group {
        QString title;
        // Items indented with leading spaces are drawn as sub-items.
        QStringList items;
    };

    // A tree in layers: every level on its own row, leaves spread evenly over the width, each parent centred
    // over its children.
    static void layeredTree(Sketch& sketch, const QRect& area, const Node& root, int pixels = 11);
    // A classification: the root on top, its groups side by side below, each group's items listed under it.
    static void groupedTree(Sketch& sketch, const QRect& area, const QString& root, const QList<Group>& groups,
                            int pixels = 11);

    static constexpr QColor kRootColour{255, 230, 150};
    static constexpr QColor kGroupColour{200, 228, 255};
    static constexpr QColor kItemColour{255, 255, 255};
    static constexpr QColor kSubItemColour{232, 250, 232};
};
