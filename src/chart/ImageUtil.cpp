#include "chart/ImageUtil.h"

#include "platform/FileIo.h"

#include <QImage>
#include <cmath>
#include <cstdio>

namespace {

std::uint32_t bigEndian32(const std::string& b, size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3]));
}

int sample(const std::string& data, size_t at, int bitDepth) {
    // tRNS samples are two bytes; an 8-bit picture uses the low byte, a 16-bit one its high byte.
    const auto hi = static_cast<unsigned char>(data[at]);
    const auto lo = static_cast<unsigned char>(data[at + 1]);
    return bitDepth == 16 ? hi : lo;
}

// The usual values of the Windows system colours (COLOR_SCROLLBAR = 0 … COLOR_MENUBAR = 30).
constexpr std::uint32_t systemColors[] = {
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000, 0x000000, 0x000000, 0xB4B4B4,
    0xFCF7F4, 0xABABAB, 0xFF9933, 0xFFFFFF, 0xF0F0F0, 0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969,
    0xE3E3E3, 0x000000, 0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0};

} // namespace

TPngInfo readPngInfo(const std::string& fileName) {
    const std::string bytes = readWholeFile(fileName);
    static const std::string signature = "\x89PNG\r\n\x1a\n";
    if (bytes.compare(0, signature.size(), signature) != 0 || bytes.size() < 33) {
        throw FileError("\"" + fileName + "\" is not a PNG picture");
    }
    TPngInfo info;
    std::string palette;
    std::string transparency;
    for (size_t at = signature.size(); at + 8 <= bytes.size();) {
        const std::uint32_t length = bigEndian32(bytes, at);
        const std::string type = bytes.substr(at + 4, 4);
        if (at + 12 + length > bytes.size()) {
            throw FileError("\"" + fileName + "\" is a damaged PNG picture");
        }
        const std::string data = bytes.substr(at + 8, length);
        if (type == "IHDR" && length >= 13) {
            info.bitDepth = static_cast<unsigned char>(data[8]);
            info.colorType = static_cast<unsigned char>(data[9]);
        } else if (type == "PLTE") {
            palette = data;
        } else if (type == "tRNS") {
            transparency = data;
        } else if (type == "IEND") {
            break;
        }
        at += 12 + length;
    }
    if (info.colorType == 4 || info.colorType == 6) {
        info.transparency = TPngTransparency::AlphaChannel;
    } else if (!transparency.empty()) {
        if (info.colorType == 0 && transparency.size() >= 2) {
            const int g = sample(transparency, 0, info.bitDepth);
            info.transparency = TPngTransparency::SingleColor;
            info.transparentColor = color32(g, g, g);
        } else if (info.colorType == 2 && transparency.size() >= 6) {
            info.transparency = TPngTransparency::SingleColor;
            info.transparentColor =
                color32(sample(transparency, 0, info.bitDepth), sample(transparency, 2, info.bitDepth),
                        sample(transparency, 4, info.bitDepth));
        } else if (info.colorType == 3) {
            // A palette with only fully transparent or opaque entries has one transparent colour.
            bool partial = false;
            int firstClear = -1;
            for (size_t i = 0; i < transparency.size(); ++i) {
                const auto a = static_cast<unsigned char>(transparency[i]);
                partial = partial || (a != 0 && a != 255);
                if (a == 0 && firstClear < 0) {
                    firstClear = static_cast<int>(i);
                }
            }
            if (partial) {
                info.transparency = TPngTransparency::PartialWithoutAlphaChannel;
            } else if (firstClear >= 0 && static_cast<size_t>(firstClear) * 3 + 2 < palette.size()) {
                const size_t p = static_cast<size_t>(firstClear) * 3;
                info.transparency = TPngTransparency::SingleColor;
                info.transparentColor =
                    color32(static_cast<unsigned char>(palette[p]), static_cast<unsigned char>(palette[p + 1]),
                            static_cast<unsigned char>(palette[p + 2]));
            }
        }
    }
    return info;
}

void loadPngImage(TBitmap32& bitmap, const std::string& fileName) {
    const TPngInfo info = readPngInfo(fileName);
    QImage decoded;
    if (!decoded.load(QString::fromStdString(fileName), "PNG")) {
        throw FileError("\"" + fileName + "\" cannot be decoded as a PNG picture");
    }
    decoded = decoded.convertToFormat(QImage::Format_ARGB32);
    bitmap.setSize(decoded.width(), decoded.height());
    for (int y = 0; y < decoded.height(); ++y) {
        const auto* in = reinterpret_cast<const TColor32*>(decoded.constScanLine(y));
        for (int x = 0; x < decoded.width(); ++x) {
            const TColor32 opaque = in[x] | 0xFF000000u;
            TColor32 out = opaque;
            if (info.transparency == TPngTransparency::AlphaChannel) {
                out = in[x];
            } else if (info.transparency == TPngTransparency::SingleColor && opaque == info.transparentColor) {
                out = opaque & 0x00FFFFFFu;
            }
            bitmap.setPixel(x, y, out);
        }
    }
    const bool blending =
        info.transparency == TPngTransparency::AlphaChannel || info.transparency == TPngTransparency::SingleColor;
    bitmap.setDrawMode(blending ? TDrawMode::dmBlend : TDrawMode::dmOpaque);
}

QString colorToHtml(std::int32_t color) {
    auto value = static_cast<std::uint32_t>(color);
    if (color < 0) {
        const std::uint32_t index = value & 0xFF;
        value = index < std::size(systemColors) ? systemColors[index] : 0;
    }
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%.2X%.2X%.2X", value & 0xFF, value >> 8 & 0xFF, value >> 16 & 0xFF);
    return QString::fromLatin1(buffer);
}

void fillRectBlended(TBitmap32& bitmap, const TRect32& rect, TColor32 color) {
    TBitmap32 tile(10, 10);
    tile.setDrawMode(TDrawMode::dmBlend);
    tile.clear(color);
    bitmap.draw(rect, {0, 0, 10, 10}, tile);
}

void drawCenteredText(TBitmap32& bitmap, const QString& text, int size, int boxLeft, int boxTop, int boxWidth,
                      int boxHeight, TColor32 color) {
    bitmap.setFont(QStringLiteral("ＭＳ ゴシック"), size);
    const int tw = bitmap.textWidth(text);
    const int th = bitmap.textHeight(text);
    const auto x = static_cast<int>(std::nearbyint(boxLeft + boxWidth / 2.0 - tw / 2.0));
    const auto y = static_cast<int>(std::nearbyint(boxTop + boxHeight / 2.0 - th / 2.0));
    bitmap.textOut(x, y, text, color);
}
