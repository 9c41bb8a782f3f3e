#pragma once
// A 32-bit ARGB bitmap with the drawing the program needs: a draw mode, clears, opaque and blended
// rectangle fills, one-pixel lines, copies of a whole bitmap or a part of it (at a point or stretched,
// nearest neighbour), and text without anti-aliasing. Nothing is ever written outside the bitmap.
#include <QImage>
#include <QString>
#include <cstdint>

using TColor32 = std::uint32_t; // alpha in the top byte, then red, green, blue

constexpr TColor32 color32(int r, int g, int b, int a = 255) {
    return static_cast<TColor32>(a) << 24 | static_cast<TColor32>(r) << 16 | static_cast<TColor32>(g) << 8 |
           static_cast<TColor32>(b);
}
// A Windows colour value (0x00BBGGRR) as an opaque 32-bit colour.
constexpr TColor32 winColorToColor32(std::uint32_t c) {
    return 0xFF000000u | (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}

enum class TDrawMode { dmOpaque, dmBlend };

// A rectangle whose right and bottom edges are exclusive.
struct TRect32 {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

class TBitmap32 {
public:
    TBitmap32() = default;
    TBitmap32(int width, int height);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    bool empty() const { return image_.isNull(); }
    TRect32 boundsRect() const { return {0, 0, width(), height()}; }
    // Resizes; the content is kept when the size does not change, otherwise cleared to transparent.
    void setSize(int width, int height);

    TDrawMode drawMode() const { return drawMode_; }
    void setDrawMode(TDrawMode mode) { drawMode_ = mode; }

    void clear(TColor32 color);
    TColor32 pixel(int x, int y) const;
    void setPixel(int x, int y, TColor32 color);
    // Pixels replaced.
    void fillRect(const TRect32& rect, TColor32 color);
    // The colour blended over what is there.
    void fillRectBlend(const TRect32& rect, TColor32 color);
    // A one-pixel line, pixels replaced; the end point is drawn only when `includeEnd`.
    void line(int x1, int y1, int x2, int y2, TColor32 color, bool includeEnd);

    // Draws `source` (or its part `sourceRect`) onto this bitmap at (x, y), or stretched into `destRect`.
    // The pixels are blended when the source's draw mode is blending, replaced otherwise.
    void draw(int x, int y, const TBitmap32& source);
    void draw(int x, int y, const TRect32& sourceRect, const TBitmap32& source);
    void draw(const TRect32& destRect, const TRect32& sourceRect, const TBitmap32& source);

    // Text: font by name and size in points (at 96 dots per inch), drawn without anti-aliasing with its
    // top-left corner at (x, y).
    void setFont(const QString& name, int pointSize);
    void textOut(int x, int y, const QString& text, TColor32 color);
    int textWidth(const QString& text) const;
    int textHeight(const QString& text) const;

    // Copies size, pixels and draw mode.
    void assign(const TBitmap32& other);

    const QImage& image() const { return image_; }
    QImage& image() { return image_; }

private:
    QImage image_;
    TDrawMode drawMode_ = TDrawMode::dmOpaque;
    QString fontName_ = QStringLiteral("ＭＳ ゴシック");
    int fontSize_ = 10;
};

// The source colour blended over the destination (non-premultiplied "over").
TColor32 blendColor32(TColor32 source, TColor32 dest);
