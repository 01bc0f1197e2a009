// SPDX-License-Identifier: MIT
#pragma once

#include "platform/ProcessStarter.h"

// Starts programs on this machine. A Windows executable (its first two bytes are "MZ") runs through `wine` when
// `wine` is on the PATH and is left alone otherwise; any other file runs directly when it has its execute bit
// (a native program, or a script with its interpreter line). Always detached, in the current directory.
class RealProcessStarter final : public ProcessStarter {
public:
    void start(const QString& programFile) override;
};
