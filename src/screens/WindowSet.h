// SPDX-License-Identifier: MIT
#pragma once

class Application;

// Creates the program's twelve windows in their fixed order, each followed by its creation handler, and
// sets the global references (Form1 ... Form59, AboutBox ... AboutBox3).
void createWindowSet(Application& app);
