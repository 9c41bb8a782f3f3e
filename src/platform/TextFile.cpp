#include "platform/TextFile.h"

#include "platform/FileIo.h"

namespace {

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](size_t i) -> char16_t {
        auto b0 = static_cast<unsigned char>(bytes[i]);
        auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char16_t>(bigEndian ? (b0 << 8 | b1) : (b1 << 8 | b0));
    };
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size()) {
            char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        appendUtf8(out, c);
    }
    return out;
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

std::vector<std::string> splitTextLines(std::string_view bytes) {
    std::string decoded;
    if (startsWith(bytes, "\xEF\xBB\xBF")) {
        decoded = bytes.substr(3);
    } else if (startsWith(bytes, "\xFF\xFE")) {
        decoded = utf16ToUtf8(bytes.substr(2), false);
    } else if (startsWith(bytes, "\xFE\xFF")) {
        decoded = utf16ToUtf8(bytes.substr(2), true);
    } else {
        decoded = bytes;
    }
    std::vector<std::string> lines;
    size_t start = 0;
    const size_t n = decoded.size();
    for (size_t i = 0; i < n; ++i) {
        char c = decoded[i];
        if (c != '\r' && c != '\n') {
            continue;
        }
        lines.emplace_back(decoded, start, i - start);
        if (c == '\r' && i + 1 < n && decoded[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < n) {
        lines.emplace_back(decoded, start, n - start);
    }
    return lines;
}

std::vector<std::string> loadTextLines(const std::string& fileName) {
    return splitTextLines(readWholeFile(fileName));
}

std::vector<std::string> splitCommaText(std::string_view text) {
    std::vector<std::string> items;
    size_t p = 0;
    const size_t n = text.size();
    auto skipBlanks = [&] {
        while (p < n && isBlank(text[p]) && text[p] != '\0') {
            ++p;
        }
    };
    skipBlanks();
    while (p < n) {
        std::string item;
        if (text[p] == '"') {
            ++p;
            while (p < n) {
                if (text[p] == '"') {
                    if (p + 1 < n && text[p + 1] == '"') {
                        item += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item += text[p++];
            }
        } else {
            size_t begin = p;
            while (p < n && !isBlank(text[p]) && text[p] != ',') {
                ++p;
            }
            item.assign(text.substr(begin, p - begin));
        }
        items.push_back(std::move(item));
        skipBlanks();
        if (p < n && text[p] == ',') {
            if (p + 1 == n) {
                items.emplace_back();
            }
            ++p;
            skipBlanks();
        }
    }
    return items;
}

std::string trimText(std::string_view text) {
    size_t b = 0;
    size_t e = text.size();
    while (b < e && isBlank(text[b])) {
        ++b;
    }
    while (e > b && isBlank(text[e - 1])) {
        --e;
    }
    return std::string(text.substr(b, e - b));
}
