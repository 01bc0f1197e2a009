// SPDX-License-Identifier: MIT
#pragma once

#include "app/Screen.h"

class RichEdit;

// The component library screen: the library's components and base classes, section by section.
class TForm59 final : public Screen {
    Q_OBJECT
public:
    TForm59();

    void FormCreate();
    void leaveCleanup() override;

    RichEdit* RichEdit1 = nullptr;
};

extern TForm59* Form59;
