#pragma once
// The subcommand of quorvane-data about the user's record: scores.
#include <string>
#include <vector>

int runScores(const std::vector<std::string>& args);
