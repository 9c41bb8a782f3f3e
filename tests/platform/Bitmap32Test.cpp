#include "platform/Bitmap32.h"
#include "platform/ImageView.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {
constexpr TColor32 red = color32(255, 0, 0), blue = color32(0, 0, 255), white = color32(255, 255, 255);

int countColor(const TBitmap32& b, TColor32 c) {
    int n = 0;
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            n += b.pixel(x, y) == c ? 1 : 0;
        }
    }
    return n;
}
} // namespace

TEST(Bitmap32Test, LinesWithAndWithoutTheirEndPoint) {
    TBitmap32 b(8, 8);
    b.clear(0);
    b.line(0, 0, 5, 0, red, false);
    EXPECT_EQ(b.pixel(4, 0), red);
    EXPECT_EQ(b.pixel(5, 0), 0u);
    b.line(0, 2, 5, 2, red, true);
    EXPECT_EQ(b.pixel(5, 2), red);
    b.line(3, 3, 6, 6, blue, true);
    for (int i = 3; i <= 6; ++i) {
        EXPECT_EQ(b.pixel(i, i), blue);
    }
    b.line(7, 0, 7, 7, color32(0, 255, 0, 10), true); // pixels replaced, not blended
    EXPECT_EQ(b.pixel(7, 4), color32(0, 255, 0, 10));
}

TEST(Bitmap32Test, NothingIsWrittenOutsideAndFarCoordinatesAreCheap) {
    TBitmap32 b(50, 40);
    b.clear(0);
    const auto start = std::chrono::steady_clock::now();
    b.line(-1000000000, 5, 1000000000, 5, red, true);
    b.line(-999999, -999999, 999999, 999999, blue, true);
    b.line(2000000000, -2000000000, -2000000000, 2000000000, white, false);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(b.pixel(0, 5), red);
    EXPECT_EQ(b.pixel(49, 5), red);
    EXPECT_EQ(b.pixel(20, 20), blue);
    b.fillRect({-100, -100, 1000000, 3}, red);
    EXPECT_EQ(countColor(b, red), 50 * 3 + 49); // rows 0-2, and row 5 but where the diagonal crossed it
    b.fillRectBlend({-5, 38, 1000, 1000}, color32(0, 0, 0, 255));
    b.setPixel(-1, 0, red);
    b.setPixel(50, 0, red);
    TBitmap32 small(10, 10);
    small.clear(white);
    b.draw(-5, -5, small);
    EXPECT_EQ(b.pixel(4, 4), white);
    EXPECT_EQ(b.pixel(5, 4), 0u);
    b.draw({45, 35, 5000, 5000}, {0, 0, 10, 10}, small);
    EXPECT_EQ(b.pixel(49, 39), white);
    b.textOut(-30000, 30000, QStringLiteral("far away"), white);
}

TEST(Bitmap32Test, BlendingAndStretching) {
    TBitmap32 b(4, 4);
    b.clear(blue);
    b.fillRectBlend({0, 0, 2, 2}, color32(255, 0, 0, 128));
    EXPECT_EQ(b.pixel(0, 0), color32(128, 0, 127));
    EXPECT_EQ(b.pixel(3, 3), blue);

    TBitmap32 source(2, 1);
    source.setPixel(0, 0, red);
    source.setPixel(1, 0, color32(255, 255, 255, 0)); // transparent
    TBitmap32 target(4, 2);
    target.clear(blue);
    source.setDrawMode(TDrawMode::dmBlend);
    target.draw({0, 0, 4, 2}, {0, 0, 2, 1}, source);
    EXPECT_EQ(target.pixel(1, 1), red);
    EXPECT_EQ(target.pixel(2, 0), blue); // blended: the transparent pixel leaves the target
    source.setDrawMode(TDrawMode::dmOpaque);
    target.draw({0, 0, 4, 2}, {0, 0, 2, 1}, source);
    EXPECT_EQ(target.pixel(3, 1), color32(255, 255, 255, 0)); // opaque: replaced
}

TEST(Bitmap32Test, TextIsDrawnWithoutAntiAliasing) {
    TBitmap32 b(120, 40);
    b.clear(0);
    b.setFont(QStringLiteral("ＭＳ ゴシック"), 14);
    b.textOut(2, 2, QStringLiteral("後を予想"), white);
    int set = 0;
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            const TColor32 c = b.pixel(x, y);
            ASSERT_TRUE(c == 0 || c == white) << x << "," << y; // no partially covered pixels
            set += c == white ? 1 : 0;
        }
    }
    EXPECT_GT(set, 40);
    EXPECT_GT(b.textWidth(QStringLiteral("後を予想")), b.textWidth(QStringLiteral("後")));
    EXPECT_GE(b.textHeight(QStringLiteral("後")), 17); // 14 points at 96 dpi
}

TEST(ImageViewTest, LayersAreScaledIntoTheirLocationAndComposited) {
    TImgView32 view;
    view.resize(8, 8);
    TBitmapLayer* bottom = view.addLayer();
    bottom->bitmap.setSize(2, 2);
    bottom->bitmap.clear(red);
    bottom->bitmap.setPixel(1, 1, blue);
    bottom->location = QRectF(0, 0, 8, 8);
    TBitmapLayer* top = view.addLayer();
    top->bitmap.setSize(1, 1);
    top->bitmap.setDrawMode(TDrawMode::dmBlend);
    top->bitmap.clear(color32(255, 255, 255, 0));
    top->location = QRectF(0, 0, 4, 4);
    const QImage shown = view.compose();
    EXPECT_EQ(shown.pixel(5, 5), blue); // nearest neighbour, scaled ×4
    EXPECT_EQ(shown.pixel(3, 3), red);  // a transparent layer on top changes nothing
    top->visible = false;
    top->bitmap.clear(white);
    EXPECT_EQ(view.compose().pixel(1, 1), red);
}
