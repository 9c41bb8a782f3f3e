#include "domain/Folders.h"

#include "platform/SpecialFolders.h"

#include <filesystem>

namespace {
std::string& programFolderOverride() {
    static std::string folder;
    return folder;
}
std::string withSeparator(std::string path) {
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    return path;
}
} // namespace

std::string getProgramFolder() {
    const std::string& over = programFolderOverride();
    return withSeparator(over.empty() ? getExecutableFolder() : over);
}

void setProgramFolder(const std::string& folder) {
    programFolderOverride() = folder.empty() ? std::string() : std::filesystem::absolute(folder).string();
}

std::string getEtcFolder() {
    return getProgramFolder() + "etc/";
}
std::string getHistoricalDataFolder() {
    return getProgramFolder() + "historicaldata/";
}
std::string getImageFolder() {
    return getProgramFolder() + "image/";
}
std::string getSoundFolder() {
    return getProgramFolder() + "sound/";
}
std::string getHelpFolder() {
    return getProgramFolder() + "help/";
}

std::string getDataFolder() {
    return getSpecialFolderPath(csidlCommonAppData) + "/dellmoor/quorvane/";
}
std::string getOhlcFolder() {
    return getDataFolder() + "ohlc/";
}
std::string getValueListFolder() {
    return getDataFolder() + "valueList/";
}
std::string getUserFolder() {
    return getDataFolder() + "user/";
}

std::string getPairInfoFileName() {
    return getEtcFolder() + "pairinfo.txt";
}
std::string getConversionRateFileName() {
    return getEtcFolder() + "conversionrate.txt";
}
std::string getScoreFileName() {
    return getUserFolder() + "score.txt";
}
std::string getConfigFileName() {
    return getUserFolder() + "config.txt";
}

void createDataFolders() {
    for (const std::string& folder : {getDataFolder(), getOhlcFolder(), getValueListFolder(), getUserFolder()}) {
        std::error_code ec;
        if (!std::filesystem::is_directory(folder, ec)) {
            std::filesystem::create_directories(folder, ec);
        }
    }
}
