#pragma once
// Where the program's files live. The program folder (beside the executable) holds what is installed and
// is never written; the data folder holds what the program produces and what belongs to the user.
// Every folder path ends with "/".
#include <string>

std::string getProgramFolder();
// Points the program folder elsewhere (the command-line tool's --program-dir, tests); empty restores it.
void setProgramFolder(const std::string& folder);

std::string getEtcFolder();
std::string getHistoricalDataFolder();
std::string getImageFolder();
std::string getSoundFolder();
std::string getHelpFolder();

std::string getDataFolder();
std::string getOhlcFolder();
std::string getValueListFolder();
std::string getUserFolder();

std::string getPairInfoFileName();
std::string getConversionRateFileName();
std::string getScoreFileName();
std::string getConfigFileName();

// Creates the data folder and its ohlc/, valueList/ and user/ folders where missing. Reports nothing:
// a folder that cannot be made shows up as a file error at the first write.
void createDataFolders();
