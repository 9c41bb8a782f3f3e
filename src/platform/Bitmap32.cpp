#include "platform/Bitmap32.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace {

TRect32 intersect(const TRect32& a, const TRect32& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

QFont fontOf(const QString& name, int pointSize) {
    QFont font(name);
    font.setPixelSize(std::max(1, (pointSize * 96 + 36) / 72)); // points at 96 dots per inch
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// Far coordinates make the products below exceed 64 bits.
__extension__ typedef __int128 Int128;

// The pixel of step i of a line with a major-axis length `major` and a minor-axis length `minor`.
std::int64_t minorOffset(std::int64_t i, std::int64_t major, std::int64_t minor) {
    if (major == 0) {
        return 0;
    }
    return static_cast<std::int64_t>((2 * static_cast<Int128>(minor) * i + major) / (2 * static_cast<Int128>(major)));
}

} // namespace

TColor32 blendColor32(TColor32 source, TColor32 dest) {
    const std::uint32_t sa = source >> 24;
    if (sa == 255) {
        return source;
    }
    if (sa == 0) {
        return dest;
    }
    const std::uint32_t da = dest >> 24;
    // out alpha = sa + da (1 − sa), in 0..255 × 255
    const std::uint32_t outA255 = sa * 255 + da * (255 - sa);
    if (outA255 == 0) {
        return 0;
    }
    auto channel = [&](int shift) {
        const std::uint32_t s = source >> shift & 0xFF;
        const std::uint32_t d = dest >> shift & 0xFF;
        return (s * sa * 255 + d * da * (255 - sa) + outA255 / 2) / outA255;
    };
    const std::uint32_t outA = (outA255 + 127) / 255;
    return outA << 24 | channel(16) << 16 | channel(8) << 8 | channel(0);
}

TBitmap32::TBitmap32(int width, int height) {
    setSize(width, height);
}

void TBitmap32::setSize(int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (!image_.isNull() && image_.width() == width && image_.height() == height) {
        return;
    }
    if (width == 0 || height == 0) {
        image_ = QImage();
        return;
    }
    image_ = QImage(width, height, QImage::Format_ARGB32);
    image_.fill(0);
}

void TBitmap32::clear(TColor32 color) {
    if (!image_.isNull()) {
        image_.fill(color);
    }
}

TColor32 TBitmap32::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height()) {
        return 0;
    }
    return reinterpret_cast<const TColor32*>(image_.constScanLine(y))[x];
}

void TBitmap32::setPixel(int x, int y, TColor32 color) {
    if (x < 0 || y < 0 || x >= width() || y >= height()) {
        return;
    }
    reinterpret_cast<TColor32*>(image_.scanLine(y))[x] = color;
}

void TBitmap32::fillRect(const TRect32& rect, TColor32 color) {
    const TRect32 r = intersect(rect, boundsRect());
    for (int y = r.top; y < r.bottom; ++y) {
        auto* row = reinterpret_cast<TColor32*>(image_.scanLine(y));
        std::fill(row + r.left, row + std::max(r.left, r.right), color);
    }
}

void TBitmap32::fillRectBlend(const TRect32& rect, TColor32 color) {
    const TRect32 r = intersect(rect, boundsRect());
    for (int y = r.top; y < r.bottom; ++y) {
        auto* row = reinterpret_cast<TColor32*>(image_.scanLine(y));
        for (int x = r.left; x < r.right; ++x) {
            row[x] = blendColor32(color, row[x]);
        }
    }
}

void TBitmap32::line(int x1, int y1, int x2, int y2, TColor32 color, bool includeEnd) {
    if (empty()) {
        return;
    }
    // Walk the major axis; each pixel's minor coordinate is computed directly, so only the steps that
    // fall inside the bitmap are visited, however far outside the end points lie.
    const std::int64_t dx = static_cast<std::int64_t>(x2) - x1;
    const std::int64_t dy = static_cast<std::int64_t>(y2) - y1;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t major = xMajor ? std::llabs(dx) : std::llabs(dy);
    const std::int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
    const int majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int minorSign = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const std::int64_t majorStart = xMajor ? x1 : y1;
    const std::int64_t minorStart = xMajor ? y1 : x1;
    const std::int64_t majorLimit = xMajor ? width() : height();
    const std::int64_t steps = major + (includeEnd ? 1 : 0);
    // Steps whose major coordinate lies in [0, majorLimit).
    std::int64_t first = 0;
    std::int64_t last = steps - 1;
    if (majorSign > 0) {
        first = std::max<std::int64_t>(first, -majorStart);
        last = std::min<std::int64_t>(last, majorLimit - 1 - majorStart);
    } else {
        first = std::max<std::int64_t>(first, majorStart - (majorLimit - 1));
        last = std::min<std::int64_t>(last, majorStart);
    }
    for (std::int64_t i = first; i <= last; ++i) {
        const std::int64_t a = majorStart + majorSign * i;
        const std::int64_t b = minorStart + minorSign * minorOffset(i, major, minor);
        const std::int64_t x = xMajor ? a : b;
        const std::int64_t y = xMajor ? b : a;
        if (x >= 0 && y >= 0 && x < width() && y < height()) {
            reinterpret_cast<TColor32*>(image_.scanLine(static_cast<int>(y)))[x] = color;
        }
    }
}

void TBitmap32::draw(int x, int y, const TBitmap32& source) {
    draw(x, y, source.boundsRect(), source);
}

void TBitmap32::draw(int x, int y, const TRect32& sourceRect, const TBitmap32& source) {
    const TRect32 src = intersect(sourceRect, source.boundsRect());
    // Keep the placement of the part that was asked for, even when it was cut at the source's edges.
    const int dx = x + (src.left - sourceRect.left);
    const int dy = y + (src.top - sourceRect.top);
    draw({dx, dy, dx + src.width(), dy + src.height()}, src, source);
}

void TBitmap32::draw(const TRect32& destRect, const TRect32& sourceRect, const TBitmap32& source) {
    if (empty() || source.empty() || destRect.width() <= 0 || destRect.height() <= 0 || sourceRect.width() <= 0 ||
        sourceRect.height() <= 0) {
        return;
    }
    const TRect32 visible = intersect(destRect, boundsRect());
    const bool blend = source.drawMode() == TDrawMode::dmBlend;
    const std::int64_t dw = destRect.width(), dh = destRect.height();
    const std::int64_t sw = sourceRect.width(), sh = sourceRect.height();
    for (int y = visible.top; y < visible.bottom; ++y) {
        const std::int64_t sy = sourceRect.top + ((2 * (y - destRect.top) + 1) * sh) / (2 * dh);
        auto* row = reinterpret_cast<TColor32*>(image_.scanLine(y));
        for (int x = visible.left; x < visible.right; ++x) {
            const std::int64_t sx = sourceRect.left + ((2 * (x - destRect.left) + 1) * sw) / (2 * dw);
            const TColor32 c = source.pixel(static_cast<int>(sx), static_cast<int>(sy));
            row[x] = blend ? blendColor32(c, row[x]) : c;
        }
    }
}

void TBitmap32::setFont(const QString& name, int pointSize) {
    fontName_ = name;
    fontSize_ = pointSize;
}

void TBitmap32::textOut(int x, int y, const QString& text, TColor32 color) {
    if (empty()) {
        return;
    }
    // Text is rendered on its own layer, then its pixels replace or blend with the bitmap's.
    const QFont font = fontOf(fontName_, fontSize_);
    const QFontMetrics metrics(font);
    const int w = std::max(1, metrics.horizontalAdvance(text));
    const int h = std::max(1, metrics.height());
    QImage mask(w, h, QImage::Format_ARGB32);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(QColor(255, 255, 255));
        painter.drawText(0, metrics.ascent(), text);
    }
    for (int my = 0; my < h; ++my) {
        const auto* row = reinterpret_cast<const TColor32*>(mask.constScanLine(my));
        for (int mx = 0; mx < w; ++mx) {
            if ((row[mx] >> 24) >= 128) {
                const int px = x + mx, py = y + my;
                if (px >= 0 && py >= 0 && px < width() && py < height()) {
                    TColor32& target = reinterpret_cast<TColor32*>(image_.scanLine(py))[px];
                    target = (color >> 24) == 255 ? color : blendColor32(color, target);
                }
            }
        }
    }
}

int TBitmap32::textWidth(const QString& text) const {
    return QFontMetrics(fontOf(fontName_, fontSize_)).horizontalAdvance(text);
}

int TBitmap32::textHeight(const QString&) const {
    return QFontMetrics(fontOf(fontName_, fontSize_)).height();
}

void TBitmap32::assign(const TBitmap32& other) {
    image_ = other.image_.copy();
    drawMode_ = other.drawMode_;
    fontName_ = other.fontName_;
    fontSize_ = other.fontSize_;
}
