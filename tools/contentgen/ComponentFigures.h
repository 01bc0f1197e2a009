// SPDX-License-Identifier: MIT
#pragma once

class Sketch;

// The figure of the component library: a form at design time with a panel of speed buttons, beside the
// object inspector showing the chosen button's properties.
class ComponentFigures final {
public:
    ComponentFigures() = delete;

    static void speedButtons(Sketch& sketch);
};
