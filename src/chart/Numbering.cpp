#include "chart/Numbering.h"

#include "chart/ImageUtil.h"

#include <cstdlib>

TNumbering* numbering = nullptr;

TNumbering::TNumbering(const std::string& fileName) {
    strip.setDrawMode(TDrawMode::dmBlend);
    loadPngImage(strip, fileName);
    strip.setDrawMode(TDrawMode::dmBlend);
}

std::string TNumbering::paddedText(std::int32_t value, std::int32_t digits) {
    std::string t = std::to_string(value);
    if (static_cast<std::int64_t>(digits) <= static_cast<std::int64_t>(t.size())) {
        return t;
    }
    const auto zeros = static_cast<size_t>(digits) - t.size();
    if (value >= 0) {
        return std::string(zeros, '0') + t;
    }
    return "-" + std::string(zeros, '0') + t.substr(1);
}

void TNumbering::drawPadded(TBitmap32& bitmap, std::int32_t value, std::int32_t digits, int size, int colorRow) const {
    drawText(bitmap, paddedText(value, digits), size, colorRow);
}

void TNumbering::drawNumber(TBitmap32& bitmap, std::int32_t value, int size, int colorRow) const {
    drawText(bitmap, numberText(value), size, colorRow);
}

void TNumbering::drawText(TBitmap32& bitmap, const std::string& text, int size, int colorRow) const {
    const TGlyphSize g = sizes[std::clamp(size, 0, 2)];
    const int row = 100 * std::clamp(colorRow, 0, 2) + g.rowOffset;
    TBitmap32 picture(static_cast<int>(text.size()) * g.width, g.height);
    picture.setDrawMode(TDrawMode::dmBlend);
    picture.clear(0);
    for (size_t d = 0; d < text.size(); ++d) {
        const int k = text[d] == '-' ? 10 : text[d] - '0';
        picture.draw(static_cast<int>(d) * g.width, 0,
                     {k * g.width, row, k * g.width + g.width - 1, row + g.height - 1}, strip);
    }
    bitmap.assign(picture);
}
