#pragma once
// Loading pictures with their transparency, and the small drawing routines shared by the chart, the
// result card, the score board and the additional-lines window.
#include "platform/Bitmap32.h"

#include <QString>
#include <cstdint>
#include <string>

// How a PNG file carries transparency, read from its own chunks.
enum class TPngTransparency { None, SingleColor, AlphaChannel, PartialWithoutAlphaChannel };

struct TPngInfo {
    int colorType = 0;
    int bitDepth = 0;
    TPngTransparency transparency = TPngTransparency::None;
    TColor32 transparentColor = 0; // for SingleColor, opaque
};

// Reads the header and transparency chunks. Throws FileError for a file that is not a PNG.
TPngInfo readPngInfo(const std::string& fileName);

// Loads a PNG into `bitmap` (its size, pixels and draw mode): blending when the picture has a single
// transparent colour or an alpha channel, opaque otherwise. Throws FileError.
void loadPngImage(TBitmap32& bitmap, const std::string& fileName);

// A Windows colour (system colours resolved to their usual values) as "#RRGGBB".
QString colorToHtml(std::int32_t color);

// Blends a rectangle (right and bottom exclusive) of one colour onto the bitmap.
void fillRectBlended(TBitmap32& bitmap, const TRect32& rect, TColor32 color);

// Renders a text in "ＭＳ ゴシック" of `size` points centred in the box, without anti-aliasing.
void drawCenteredText(TBitmap32& bitmap, const QString& text, int size, int boxLeft, int boxTop, int boxWidth,
                      int boxHeight, TColor32 color);
