// SPDX-License-Identifier: MIT
#pragma once

#include "app/Screen.h"

// The exercise catalogue screen: sixty exercises in four groups; choosing one opens the exercise workspace.
class TForm5 final : public Screen {
    Q_OBJECT
public:
    TForm5();

    void FormCreate();
};

extern TForm5* Form5;
