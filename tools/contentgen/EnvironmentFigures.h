// SPDX-License-Identifier: MIT
#pragma once

class Sketch;

// The figures of the environment articles: the environment's windows and program text as a pupil sees
// them. Each draws over the whole sketch, whatever its size.
class EnvironmentFigures final {
public:
    EnvironmentFigures() = delete;

    static void environmentAfterStart(Sketch& sketch);
    static void mainWindow(Sketch& sketch);
    static void componentPalette(Sketch& sketch);
    static void inspectorProperties(Sketch& sketch);
    static void inspectorEvents(Sketch& sketch);
    static void formDesigner(Sketch& sketch);
    static void generatedUnit(Sketch& sketch);
    static void eventHandlers(Sketch& sketch);
    static void unitStructure(Sketch& sketch);
    static void projectFile(Sketch& sketch);
    static void helpContents(Sketch& sketch);
    static void helpOnImage(Sketch& sketch);
};
