// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// File names as the Windows-made course and the pupil's folders spell them: found without regard to letter
// case on a file system that has it.
namespace CaseInsensitive {

// The entry of folder that name stands for: the exact spelling when it exists (a dangling link included),
// otherwise the first entry in sorted order, a stable choice, that equals it without regard to case; empty
// when there is none.
QString entryIn(const QString& folder, const QString& name);

} // namespace CaseInsensitive
