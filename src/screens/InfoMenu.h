// SPDX-License-Identifier: MIT
#pragma once

#include "app/Screen.h"

class BitBtn;
class Image;

// The mode menu: five large buttons lead to the five modes of work.
class TForm2 final : public Screen {
    Q_OBJECT
public:
    TForm2();

    void FormCreate();
    void BitBtn1Click() { goTo(Role::Form36); }
    void BitBtn9Click() { goTo(Role::Form37); }
    void BitBtn6Click() { goTo(Role::Form5); }
    void BitBtn7Click() { goTo(Role::Form38); }
    void BitBtn8Click() { goTo(Role::Form59); }

    BitBtn* BitBtn1 = nullptr;
    BitBtn* BitBtn9 = nullptr;
    BitBtn* BitBtn6 = nullptr;
    BitBtn* BitBtn7 = nullptr;
    BitBtn* BitBtn8 = nullptr;
    Image* Image1 = nullptr;
};

extern TForm2* Form2;
