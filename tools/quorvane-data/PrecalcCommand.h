#pragma once
// The subcommand of quorvane-data that pre-calculates pairs without a window: precalc.
#include <string>
#include <vector>

int runPrecalc(const std::vector<std::string>& args);
