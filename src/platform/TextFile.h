#pragma once
// Text-list loading and comma-text splitting as the program's files use them.
#include <string>
#include <string_view>
#include <vector>

// Decodes a text file's bytes: a byte-order mark selects UTF-8, UTF-16 LE or UTF-16 BE; without one the
// bytes are taken as UTF-8. Lines end with CR LF, LF or CR. Returns the lines as UTF-8.
std::vector<std::string> splitTextLines(std::string_view bytes);

// Reads a whole file with splitTextLines. Throws FileError when the file cannot be read.
std::vector<std::string> loadTextLines(const std::string& fileName);

// Splits a comma text: items are separated by commas and, outside double quotes, also by blanks and
// control characters; a quoted item keeps its blanks and "" stands for one quote; a comma at the very
// end yields one more, empty, item. Leading and trailing blanks of the text are ignored.
std::vector<std::string> splitCommaText(std::string_view text);

// Trims leading and trailing blanks and control characters (bytes up to the space).
std::string trimText(std::string_view text);
