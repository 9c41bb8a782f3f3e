#pragma once
// The subcommands of quorvane-data about installed history: demo, import, rates, inspect.
#include <string>
#include <vector>

int runDemo(const std::vector<std::string>& args);
int runImport(const std::vector<std::string>& args);
int runRates(const std::vector<std::string>& args);
int runInspect(const std::vector<std::string>& args);
