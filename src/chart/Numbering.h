#pragma once
// Numbers composed of the glyphs of the digit strip (numbering.png): three colour rows (0 neutral,
// 1 gains, 2 losses), three sizes, the digits 0–9 and the minus sign.
#include "platform/Bitmap32.h"

#include <QString>
#include <cstdint>
#include <string>

struct TGlyphSize {
    int width, height, rowOffset;
};

class TNumbering {
public:
    static constexpr TGlyphSize sizes[3] = {{13, 20, 0}, {19, 28, 19}, {30, 45, 46}};

    // Loads the strip. Throws FileError.
    explicit TNumbering(const std::string& fileName);

    TBitmap32 strip;

    // Replaces `bitmap` by the picture of `value` zero-padded to `digits` characters (the sign counts).
    void drawPadded(TBitmap32& bitmap, std::int32_t value, std::int32_t digits, int size, int colorRow) const;
    // Replaces `bitmap` by the picture of `value` without leading zeros.
    void drawNumber(TBitmap32& bitmap, std::int32_t value, int size, int colorRow) const;

    // The texts those pictures show.
    static std::string paddedText(std::int32_t value, std::int32_t digits);
    static std::string numberText(std::int32_t value) { return std::to_string(value); }

private:
    void drawText(TBitmap32& bitmap, const std::string& text, int size, int colorRow) const;
};

// The one digit strip of the program.
extern TNumbering* numbering;
