// SPDX-License-Identifier: MIT
#pragma once

#include "screens/ArticleScreen.h"

// The environment articles screen: the programming environment's interface, palette, inspector, designer,
// code editor, units, projects, errors and help.
class TForm36 final : public ArticleScreen {
    Q_OBJECT
public:
    TForm36();
};

extern TForm36* Form36;
