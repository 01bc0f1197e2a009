// SPDX-License-Identifier: MIT
#pragma once

#include "app/Screen.h"
#include "screens/ComponentCatalogue.h"

#include <QList>
#include <QVector>

#include <array>

class GroupBox;
class Image;
class Panel;
class RichEdit;

// The component library screen: the library's components and base classes, section by section. A section
// button captions the grid of 21 component buttons with the section's entries; a component button marks its
// entry and shows its article; three stand-alone topics show theirs outside any section.
class TForm59 final : public Screen {
    Q_OBJECT
public:
    TForm59();

    void FormCreate();
    void leaveCleanup() override;

    // One body each for the nine section buttons, the 21 component buttons and the stand-alone topics,
    // driven by the catalogue.
    void sectionClick(int section);  // 1..9
    void entryClick(int position);   // 1..21
    void standaloneClick(int topic); // 0..2

    void Panel77Click() { sectionClick(1); }
    void Panel78Click() { sectionClick(2); }
    void Panel79Click() { sectionClick(3); }
    void Panel80Click() { sectionClick(4); }
    void Panel81Click() { sectionClick(5); }
    void Panel82Click() { sectionClick(6); }
    void Panel83Click() { sectionClick(7); }
    void Panel84Click() { sectionClick(8); }
    void Panel85Click() { sectionClick(9); }

    void Panel2Click() { entryClick(1); }
    void Panel3Click() { entryClick(2); }
    void Panel4Click() { entryClick(3); }
    void Panel9Click() { entryClick(4); }
    void Panel10Click() { entryClick(5); }
    void Panel11Click() { entryClick(6); }
    void Panel12Click() { entryClick(7); }
    void Panel13Click() { entryClick(8); }
    void Panel14Click() { entryClick(9); }
    void Panel15Click() { entryClick(10); }
    void Panel16Click() { entryClick(11); }
    void Panel17Click() { entryClick(12); }
    void Panel18Click() { entryClick(13); }
    void Panel19Click() { entryClick(14); }
    void Panel20Click() { entryClick(15); }
    void Panel21Click() { entryClick(16); }
    void Panel22Click() { entryClick(17); }
    void Panel23Click() { entryClick(18); }
    void Panel24Click() { entryClick(19); }
    void Panel25Click() { entryClick(20); }
    void Panel26Click() { entryClick(21); }

    void Panel30Click() { standaloneClick(0); }
    void Panel31Click() { standaloneClick(1); }
    void Panel32Click() { standaloneClick(2); }
    // "Рисунок": the speed button figure, while the SpeedButton entry of ADDITIONAL is the chosen one.
    void Panel33Click();

    // Section flags by section - 1; entry flags of a section (1..9) by grid position - 1.
    const std::array<unsigned char, ComponentCatalogue::SectionCount>& sectionFlags() const { return m_sectionFlags; }
    const QVector<unsigned char>& entryFlags(int section) const { return m_entryFlags[size_t(section - 1)]; }

    Panel* sectionButton(int section) const { return m_sectionButtons.value(section - 1); }
    Panel* componentButton(int position) const { return m_componentButtons.value(position - 1); }
    Panel* standaloneButton(int topic) const { return m_standaloneButtons.value(topic); }
    Panel* figureButton(int index) const { return m_figureButtons.value(index); } // Panel33..Panel36

    GroupBox* GroupBox1 = nullptr;
    GroupBox* GroupBox2 = nullptr;
    Panel* Panel27 = nullptr; // section title
    Panel* Panel28 = nullptr; // entry name
    Panel* Panel29 = nullptr; // kind
    RichEdit* RichEdit1 = nullptr;
    Image* Image1 = nullptr;

private:
    void colourSectionButtons(int chosen);   // 0: none chosen
    void colourComponentButtons(int chosen); // 0: none chosen

    std::array<unsigned char, ComponentCatalogue::SectionCount> m_sectionFlags{};
    std::array<QVector<unsigned char>, ComponentCatalogue::SectionCount> m_entryFlags;
    QList<Panel*> m_sectionButtons;
    QList<Panel*> m_componentButtons;
    QList<Panel*> m_standaloneButtons;
    QList<Panel*> m_figureButtons;
};

extern TForm59* Form59;
