// SPDX-License-Identifier: MIT
#pragma once

#include "screens/ArticleScreen.h"

// The reference screen: ten reference articles on the environment and the language, with their figures.
class TForm38 final : public ArticleScreen {
    Q_OBJECT
public:
    TForm38();
};

extern TForm38* Form38;
