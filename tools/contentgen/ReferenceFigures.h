// SPDX-License-Identifier: MIT
#pragma once

class Sketch;

// The figures of the reference articles: menus, tool bars, palette pages, the environment's dialogs,
// the colour palette and the RGB colour model, and a character table for the articles' own pictures.
class ReferenceFigures final {
public:
    ReferenceFigures() = delete;

    static void mainMenu(Sketch& sketch);
    static void toolBars(Sketch& sketch);
    static void paletteFirstPages(Sketch& sketch);
    static void paletteLastPages(Sketch& sketch);
    static void editorProperties(Sketch& sketch);
    static void repository(Sketch& sketch);
    static void addToRepository(Sketch& sketch);
    static void addBreakpoint(Sketch& sketch);
    static void environmentOptions(Sketch& sketch);
    static void projectOptions(Sketch& sketch);
    static void compilerOptions(Sketch& sketch);
    static void colourPalette(Sketch& sketch);
    static void rgbModel(Sketch& sketch);
    static void characterTable(Sketch& sketch);
};
