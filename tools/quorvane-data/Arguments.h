#pragma once
// A small command-line reader: positional words and --options, some of them with a value.
#include "domain/Pair.h"

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Arguments {
public:
    // `valued` names the options that take a value; `flags` those that do not. Anything else is refused.
    Arguments(const std::vector<std::string>& words, const std::set<std::string>& valued,
              const std::set<std::string>& flags);

    const std::vector<std::string>& positional() const { return positional_; }
    bool has(const std::string& option) const { return values_.count(option) > 0; }
    std::string value(const std::string& option, const std::string& fallback = {}) const;
    int intValue(const std::string& option, int fallback) const;

private:
    std::vector<std::string> positional_;
    std::map<std::string, std::string> values_;
};

// The pair of a name such as "USDJPY"; throws UsageError for an unknown name.
TPair pairNamed(const std::string& name);

// Applies --program-dir; prints `help` and returns true when --help was asked.
bool handleCommonOptions(const Arguments& args, const char* help);
