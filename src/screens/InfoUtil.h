// SPDX-License-Identifier: MIT
#pragma once

#include "app/Screen.h"
#include "screens/ChoiceFlags.h"
#include "screens/ExerciseTables.h"

#include <QList>

class Panel;

using ExerciseFlags = ChoiceFlags<ExerciseTables::SlotCount>;

// The exercise catalogue screen: sixty exercises in four groups; choosing one sets the exercise flags and
// opens the exercise workspace, which reads them.
class TForm5 final : public Screen {
    Q_OBJECT
public:
    TForm5();

    void FormCreate();

    // The exercise flags: 120 slots, slot (G-1)*30 + (NN-1) for exercise G:NN; the catalogue is their only
    // writer.
    const ExerciseFlags& exerciseFlags() const { return m_flags; }

    // The click of every exercise button: clear the flags, set the exercise's own, leave for the workspace.
    void chooseExercise(int group, int number);

    // The sixty buttons' click handlers, one per button, all the same body.
    void Panel11Click() { chooseExercise(1, 1); }
    void Panel12Click() { chooseExercise(1, 2); }
    void Panel13Click() { chooseExercise(1, 3); }
    void Panel14Click() { chooseExercise(1, 4); }
    void Panel15Click() { chooseExercise(1, 5); }
    void Panel16Click() { chooseExercise(1, 6); }
    void Panel17Click() { chooseExercise(1, 7); }
    void Panel18Click() { chooseExercise(1, 8); }
    void Panel19Click() { chooseExercise(1, 9); }
    void Panel20Click() { chooseExercise(1, 10); }
    void Panel21Click() { chooseExercise(1, 11); }
    void Panel22Click() { chooseExercise(1, 12); }
    void Panel107Click() { chooseExercise(1, 13); }
    void Panel108Click() { chooseExercise(1, 14); }
    void Panel109Click() { chooseExercise(1, 15); }
    void Panel35Click() { chooseExercise(2, 1); }
    void Panel36Click() { chooseExercise(2, 2); }
    void Panel37Click() { chooseExercise(2, 3); }
    void Panel38Click() { chooseExercise(2, 4); }
    void Panel39Click() { chooseExercise(2, 5); }
    void Panel40Click() { chooseExercise(2, 6); }
    void Panel41Click() { chooseExercise(2, 7); }
    void Panel42Click() { chooseExercise(2, 8); }
    void Panel43Click() { chooseExercise(2, 9); }
    void Panel44Click() { chooseExercise(2, 10); }
    void Panel45Click() { chooseExercise(2, 11); }
    void Panel46Click() { chooseExercise(2, 12); }
    void Panel110Click() { chooseExercise(2, 13); }
    void Panel111Click() { chooseExercise(2, 14); }
    void Panel112Click() { chooseExercise(2, 15); }
    void Panel59Click() { chooseExercise(3, 1); }
    void Panel60Click() { chooseExercise(3, 2); }
    void Panel61Click() { chooseExercise(3, 3); }
    void Panel62Click() { chooseExercise(3, 4); }
    void Panel63Click() { chooseExercise(3, 5); }
    void Panel64Click() { chooseExercise(3, 6); }
    void Panel65Click() { chooseExercise(3, 7); }
    void Panel66Click() { chooseExercise(3, 8); }
    void Panel67Click() { chooseExercise(3, 9); }
    void Panel68Click() { chooseExercise(3, 10); }
    void Panel69Click() { chooseExercise(3, 11); }
    void Panel70Click() { chooseExercise(3, 12); }
    void Panel113Click() { chooseExercise(3, 13); }
    void Panel114Click() { chooseExercise(3, 14); }
    void Panel115Click() { chooseExercise(3, 15); }
    void Panel83Click() { chooseExercise(4, 1); }
    void Panel84Click() { chooseExercise(4, 2); }
    void Panel85Click() { chooseExercise(4, 3); }
    void Panel86Click() { chooseExercise(4, 4); }
    void Panel87Click() { chooseExercise(4, 5); }
    void Panel88Click() { chooseExercise(4, 6); }
    void Panel89Click() { chooseExercise(4, 7); }
    void Panel90Click() { chooseExercise(4, 8); }
    void Panel91Click() { chooseExercise(4, 9); }
    void Panel92Click() { chooseExercise(4, 10); }
    void Panel93Click() { chooseExercise(4, 11); }
    void Panel94Click() { chooseExercise(4, 12); }
    void Panel116Click() { chooseExercise(4, 13); }
    void Panel117Click() { chooseExercise(4, 14); }
    void Panel118Click() { chooseExercise(4, 15); }

    // The four group headers (Panel7..Panel10) and the sixty exercise buttons in slot order.
    Panel* groupHeader(int group) const { return m_headers.value(group - 1); }
    Panel* exerciseButton(int index) const { return m_buttons.value(index); }

private:
    ExerciseFlags m_flags;
    QList<Panel*> m_headers;
    QList<Panel*> m_buttons;
};

extern TForm5* Form5;
