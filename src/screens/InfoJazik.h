// SPDX-License-Identifier: MIT
#pragma once

#include "screens/ArticleScreen.h"

// The language articles screen: twelve articles on the language, and four reference diagrams that open
// whatever topic is chosen.
class TForm37 final : public ArticleScreen {
    Q_OBJECT
public:
    TForm37();
};

extern TForm37* Form37;
