// SPDX-License-Identifier: MIT
#include "Diagram.h"

#include "Sketch.h"

#include <algorithm>

namespace {

int leaves(const Diagram::Node& node) {
    if (node.children.isEmpty())
        return 1;
    int count = 0;
    for (const Diagram::Node& child : node.children)
        count += leaves(child);
    return count;
}

int depth(const Diagram::Node& node) {
    int deepest = 0;
    for (const Diagram::Node& child : node.children)
        deepest = std::max(deepest, depth(child));
    return deepest + 1;
}

struct Layout {
    Sketch& sketch;
    QRect area;
    double leafWidth;
    int rowHeight;
    int boxHeight;
    int pixels;
};

// Draws node with its first leaf at slot firstLeaf; returns the node's box.
QRect place(const Layout& layout, const Diagram::Node& node, int level, int firstLeaf) {
    const int span = leaves(node);
    const double centre = layout.area.left() + (firstLeaf + span / 2.0) * layout.leafWidth;
    const int width = static_cast<int>(std::min(span * layout.leafWidth - 8.0, 150.0));
    const QRect box(static_cast<int>(centre) - width / 2, layout.area.top() + level * layout.rowHeight, width,
                    layout.boxHeight);
    int slot = firstLeaf;
    for (const Diagram::Node& child : node.children) {
        const QRect childBox = place(layout, child, level + 1, slot);
        layout.sketch.connect(box, childBox);
        slot += leaves(child);
    }
    const QColor colour = level == 0                ? Diagram::kRootColour
                          : node.children.isEmpty() ? Diagram::kItemColour
                                                    : Diagram::kGroupColour;
    layout.sketch.box(box, node.text, colour, layout.pixels, !node.children.isEmpty());
    return box;
}

} // namespace

void Diagram::layeredTree(Sketch& sketch, const QRect& area, const Node& root, int pixels) {
    const int levels = depth(root);
    const int rowHeight = area.height() / levels;
    const Layout layout{
        sketch, area, static_cast<double>(area.width()) / leaves(root), rowHeight, std::min(rowHeight * 3 / 5, 34),
        pixels};
    place(layout, root, 0, 0);
}

void Diagram::groupedTree(Sketch& sketch, const QRect& area, const QString& root, const QList<Group>& groups,
                          int pixels) {
    const int columns = static_cast<int>(std::max<qsizetype>(1, groups.size()));
    const int columnWidth = area.width() / columns;
    qsizetype longest = 1;
    for (const Group& group : groups)
        longest = std::max(longest, group.items.size());
    const int boxHeight = 30;
    const int rootWidth = std::min(area.width() - 8, 320);
    const QRect rootBox(area.center().x() - rootWidth / 2, area.top(), rootWidth, boxHeight);
    const int groupTop = area.top() + boxHeight + 26;
    const int itemStep =
        std::clamp(static_cast<int>((area.bottom() - groupTop - boxHeight - 8) / longest), 18, boxHeight + 6);
    for (int c = 0; c < groups.size(); ++c) {
        const Group& group = groups[c];
        const QRect groupBox(area.left() + c * columnWidth + 4, groupTop, columnWidth - 12, boxHeight + 4);
        sketch.connect(rootBox, groupBox);
        int y = groupBox.bottom() + 10;
        // Items hang from a line down the left side of the column.
        const int spine = groupBox.left() + 8;
        int lastMiddle = groupBox.bottom();
        for (const QString& item : group.items) {
            const bool sub = item.startsWith(' ');
            const int left = spine + (sub ? 22 : 10);
            const QRect itemBox(left, y, groupBox.right() - left, itemStep - 6);
            sketch.painter().setPen(Qt::black);
            sketch.painter().drawLine(sub ? spine + 14 : spine, itemBox.center().y(), left - 1, itemBox.center().y());
            if (sub)
                sketch.painter().drawLine(spine + 14, itemBox.top() - 6, spine + 14, itemBox.center().y());
            else
                lastMiddle = itemBox.center().y();
            sketch.box(itemBox, item.trimmed(), sub ? kSubItemColour : kItemColour, pixels);
            y += itemStep;
        }
        sketch.painter().setPen(Qt::black);
        sketch.painter().drawLine(spine, groupBox.bottom() + 1, spine, lastMiddle);
        sketch.box(groupBox, group.title, kGroupColour, pixels + 1, true);
    }
    sketch.box(rootBox, root, kRootColour, pixels + 2, true);
}
