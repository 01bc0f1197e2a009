// SPDX-License-Identifier: MIT
#pragma once

class Sketch;

// The four reference diagrams of the language articles.
class LanguageFigures final {
public:
    LanguageFigures() = delete;

    static void classHierarchy(Sketch& sketch);
    static void libraryBaseClasses(Sketch& sketch);
    static void dataTypes(Sketch& sketch);
    static void statements(Sketch& sketch);
};
