// SPDX-License-Identifier: MIT
#pragma once

#include "controls/Colors.h"

#include <QRect>

#include <span>

// One of the nine sections of the component library: a palette page or a group of classes.
struct CatalogueSection {
    const char* button;       // the section button in the section grid
    const char* caption;      // its caption
    bool classGroup;          // purple when not chosen (a class group), otherwise maroon (a palette page)
    const char* title;        // the section title panel Panel27
    const char* kind;         // the kind panel Panel29
    const char* groupCaption; // the caption of the component grid GroupBox1
    const char* intro;        // content path of the section's intro article
    int entries;              // entries at grid positions 1..entries
    bool focusArticle;        // the focus goes to the article area after the choice (otherwise to "В МЕНЮ")
};

// One entry of a section: the button at its grid position shows the caption; choosing it shows the name
// (and, in the TComponent section, the kind) and loads the article.
struct CatalogueEntry {
    int section;  // 1..9
    int position; // 1..21
    const char* caption;
    const char* name;
    const char* kind; // nullptr outside the TComponent section
    const char* article;
};

// A topic outside the sections: its own button below the component grid and one article.
struct StandaloneTopic {
    const char* button;
    const char* caption;
    QRect place;
    Colors::TColor color;
    const char* title; // Panel27
    const char* kind;  // Panel29
    const char* name;  // Panel28
    const char* article;
};

// The fixed content of the component library screen: its sections, their entries in grid order, and the
// stand-alone topics. Nothing adds, removes or reorders entries at run time.
class ComponentCatalogue final {
public:
    ComponentCatalogue() = delete;

    static constexpr int SectionCount = 9;
    static constexpr int GridSize = 21;

    static std::span<const CatalogueSection> sections();
    // All entries, section by section, each section in grid order.
    static std::span<const CatalogueEntry> entries();
    static std::span<const StandaloneTopic> standaloneTopics();
    // The entries of one section (1..9), in grid order.
    static std::span<const CatalogueEntry> sectionEntries(int section);
    // The entry of a section (1..9) at a grid position (1..21), or nullptr when the section has none there.
    static const CatalogueEntry* entry(int section, int position);
    // The object names of the component buttons, by grid position - 1 (Panel2, Panel3, Panel4, Panel9 ...).
    static std::span<const char* const> gridButtons();
    // The place of the component button at a grid position (1..21) in GroupBox1.
    static QRect gridPlace(int position);
    // The place of the section button of a section (1..9) in GroupBox2.
    static QRect sectionPlace(int section);
};
