#include "quorvane-data/Arguments.h"

#include "domain/Folders.h"
#include "domain/Helpers.h"

#include <iostream>

Arguments::Arguments(const std::vector<std::string>& words, const std::set<std::string>& valued,
                     const std::set<std::string>& flags) {
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w.rfind("--", 0) != 0 || w == "--") {
            positional_.push_back(w);
            continue;
        }
        std::string name = w;
        std::string value;
        bool inlineValue = false;
        if (auto eq = w.find('='); eq != std::string::npos) {
            name = w.substr(0, eq);
            value = w.substr(eq + 1);
            inlineValue = true;
        }
        if (valued.count(name) > 0) {
            if (!inlineValue) {
                if (i + 1 >= words.size()) {
                    throw UsageError(name + " needs a value");
                }
                value = words[++i];
            }
            values_[name] = value;
        } else if (flags.count(name) > 0 && !inlineValue) {
            values_[name] = "";
        } else {
            throw UsageError("unknown option " + name);
        }
    }
}

std::string Arguments::value(const std::string& option, const std::string& fallback) const {
    auto it = values_.find(option);
    return it == values_.end() ? fallback : it->second;
}

int Arguments::intValue(const std::string& option, int fallback) const {
    if (!has(option)) {
        return fallback;
    }
    try {
        return parseInt(value(option));
    } catch (const std::invalid_argument&) {
        throw UsageError(option + " needs a whole number, not '" + value(option) + "'");
    }
}

TPair pairNamed(const std::string& name) {
    for (int p = 0; p < TPair::count; ++p) {
        if (TPair(p).getToString() == name) {
            return TPair(p);
        }
    }
    throw UsageError("unknown pair '" + name + "'");
}

bool handleCommonOptions(const Arguments& args, const char* help) {
    if (args.has("--help")) {
        std::cout << help;
        return true;
    }
    if (args.has("--program-dir")) {
        setProgramFolder(args.value("--program-dir"));
    }
    return false;
}
