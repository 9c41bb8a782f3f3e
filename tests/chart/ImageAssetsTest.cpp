#include "chart/BitmapManager.h"
#include "chart/ImageUtil.h"
#include "chart/Numbering.h"
#include "domain/Folders.h"
#include "platform/FileIo.h"
#include "support/TestSupport.h"

#include <QByteArray>
#include <QImage>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// ---- A small PNG writer, so that every colour type and transparency chunk can be made exactly. ----

std::uint32_t crc32Of(const QByteArray& data) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char ch : data) {
        crc ^= static_cast<unsigned char>(ch);
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void appendBigEndian(QByteArray& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.append(static_cast<char>(v >> shift & 0xFF));
    }
}

void chunk(QByteArray& png, const char* type, const QByteArray& data) {
    appendBigEndian(png, static_cast<std::uint32_t>(data.size()));
    const QByteArray body = QByteArray(type) + data;
    png.append(body);
    appendBigEndian(png, crc32Of(body));
}

// rows: the bytes of each scanline without its filter byte.
QByteArray makePng(int width, int height, int colorType, const std::vector<QByteArray>& rows,
                   const QByteArray& palette = {}, const QByteArray& transparency = {}) {
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    appendBigEndian(header, static_cast<std::uint32_t>(width));
    appendBigEndian(header, static_cast<std::uint32_t>(height));
    header.append(char(8)).append(static_cast<char>(colorType)).append(char(0)).append(char(0)).append(char(0));
    chunk(png, "IHDR", header);
    if (!palette.isEmpty()) {
        chunk(png, "PLTE", palette);
    }
    if (!transparency.isEmpty()) {
        chunk(png, "tRNS", transparency);
    }
    QByteArray raw;
    for (const QByteArray& row : rows) {
        raw.append(char(0)).append(row);
    }
    chunk(png, "IDAT", qCompress(raw).mid(4)); // qCompress prefixes the length to a zlib stream
    chunk(png, "IEND", {});
    return png;
}

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values) {
        b.append(static_cast<char>(v));
    }
    return b;
}

std::string writePng(const std::string& folder, const std::string& name, const QByteArray& png) {
    const std::string path = folder + "/" + name;
    writeTextFile(path, png.toStdString());
    return path;
}

// A strip in which every pixel has its own colour, so that each copied pixel shows where it came from.
TColor32 stripColor(int x, int y) {
    return color32(x % 256, y % 256, (x / 256) * 16 + (y / 256), 255);
}

} // namespace

TEST(ImageAssetsTest, TransparencyModesComeFromThePngItself) {
    FolderSandbox sandbox;
    const std::string dir = sandbox.root();
    // Two pixels: (10, 20, 30) and (200, 100, 50).
    const std::vector<QByteArray> rgb = {bytes({10, 20, 30, 200, 100, 50})};
    struct Case {
        const char* name;
        QByteArray png;
        TDrawMode mode;
        TColor32 first, second;
    };
    const Case cases[] = {
        {"none.png", makePng(2, 1, 2, rgb), TDrawMode::dmOpaque, color32(10, 20, 30), color32(200, 100, 50)},
        {"key.png", makePng(2, 1, 2, rgb, {}, bytes({0, 200, 0, 100, 0, 50})), TDrawMode::dmBlend, color32(10, 20, 30),
         color32(200, 100, 50, 0)},
        {"alpha.png", makePng(2, 1, 6, {bytes({10, 20, 30, 255, 200, 100, 50, 77})}), TDrawMode::dmBlend,
         color32(10, 20, 30), color32(200, 100, 50, 77)},
        {"grey-alpha.png", makePng(2, 1, 4, {bytes({90, 0, 90, 128})}), TDrawMode::dmBlend, color32(90, 90, 90, 0),
         color32(90, 90, 90, 128)},
        {"palette-key.png", makePng(2, 1, 3, {bytes({0, 1})}, bytes({10, 20, 30, 200, 100, 50}), bytes({255, 0})),
         TDrawMode::dmBlend, color32(10, 20, 30), color32(200, 100, 50, 0)},
        {"palette-partial.png", makePng(2, 1, 3, {bytes({0, 1})}, bytes({10, 20, 30, 200, 100, 50}), bytes({255, 77})),
         TDrawMode::dmOpaque, color32(10, 20, 30), color32(200, 100, 50)},
    };
    for (const Case& c : cases) {
        TBitmap32 bitmap;
        loadPngImage(bitmap, writePng(dir, c.name, c.png));
        ASSERT_EQ(bitmap.width(), 2) << c.name;
        EXPECT_EQ(bitmap.drawMode(), c.mode) << c.name;
        EXPECT_EQ(bitmap.pixel(0, 0), c.first) << c.name << std::hex << " " << bitmap.pixel(0, 0);
        EXPECT_EQ(bitmap.pixel(1, 0), c.second) << c.name << std::hex << " " << bitmap.pixel(1, 0);
    }
    TBitmap32 bitmap;
    EXPECT_THROW(loadPngImage(bitmap, writePng(dir, "not.png", "GIF89a")), FileError);
    EXPECT_THROW(loadPngImage(bitmap, dir + "/absent.png"), FileError);
}

TEST(ImageAssetsTest, NumbersAreComposedFromTheStrip) {
    FolderSandbox sandbox;
    QImage strip(330, 300, QImage::Format_ARGB32);
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 330; ++x) {
            strip.setPixel(x, y, stripColor(x, y));
        }
    }
    const std::string file = sandbox.root() + "/numbering.png";
    ASSERT_TRUE(strip.save(QString::fromStdString(file)));
    TNumbering numbering(file);

    const std::pair<std::pair<int, int>, const char*> texts[] = {
        {{5, 3}, "005"}, {{-5, 3}, "-05"}, {{1234, 3}, "1234"}, {{0, 6}, "000000"}, {{-120, 2}, "-120"}};
    for (const auto& [args, text] : texts) {
        EXPECT_EQ(TNumbering::paddedText(args.first, args.second), text);
    }

    TBitmap32 picture;
    numbering.drawNumber(picture, 1234, 1, 2);
    ASSERT_EQ(picture.width(), 76);
    ASSERT_EQ(picture.height(), 28);
    EXPECT_EQ(picture.drawMode(), TDrawMode::dmBlend);
    const int digits[] = {1, 2, 3, 4};
    for (int d = 0; d < 4; ++d) {
        for (int j = 0; j < 27; ++j) {
            for (int i = 0; i < 18; ++i) {
                ASSERT_EQ(picture.pixel(19 * d + i, j), stripColor(19 * digits[d] + i, 219 + j))
                    << d << " " << i << "," << j;
            }
        }
        EXPECT_EQ(picture.pixel(19 * d + 18, 5), 0u); // the cell's last column stays transparent
    }
    EXPECT_EQ(picture.pixel(3, 27), 0u); // and its last row
    numbering.drawNumber(picture, -120, 0, 0);
    EXPECT_EQ(picture.width(), 4 * 13);
    EXPECT_EQ(picture.pixel(0, 0), stripColor(130, 0)); // the minus sign is glyph 10
    numbering.drawPadded(picture, 0, 6, 2, 1);
    EXPECT_EQ(picture.width(), 6 * 30);
    EXPECT_EQ(picture.height(), 45);
    EXPECT_EQ(picture.pixel(30 * 5 + 2, 3), stripColor(2, 100 + 46 + 3));
}

TEST(ImageAssetsTest, LabelTilesAndSmallRoutines) {
    FolderSandbox sandbox;
    // Every picture of the manager, each a copy of one sheet with its own colours.
    QImage sheet(218, 288, QImage::Format_ARGB32);
    for (int y = 0; y < 288; ++y) {
        for (int x = 0; x < 218; ++x) {
            sheet.setPixel(x, y, stripColor(x, y));
        }
    }
    std::filesystem::create_directories(getImageFolder());
    for (const char* name : TBitmapManager::fileNames()) {
        ASSERT_TRUE(sheet.save(QString::fromStdString(getImageFolder() + name)));
    }
    TBitmapManager manager;
    TBitmap32 tile;
    manager.getPairLabel(tile, TPair(3));
    ASSERT_EQ(tile.width(), 100);
    ASSERT_EQ(tile.height(), 18);
    EXPECT_EQ(tile.pixel(0, 0), stripColor(0, 54));
    EXPECT_EQ(tile.pixel(98, 16), stripColor(98, 70));
    EXPECT_EQ(tile.pixel(99, 5), 0u);
    EXPECT_EQ(tile.pixel(5, 17), 0u);
    manager.getTimeStepLabel(tile, TTimeStep(5));
    ASSERT_EQ(tile.width(), 120);
    EXPECT_EQ(tile.pixel(0, 0), stripColor(99, 90));
    EXPECT_EQ(tile.pixel(118, 16), stripColor(217, 106));

    EXPECT_EQ(colorToHtml(0x0000FF), QStringLiteral("#FF0000"));
    EXPECT_EQ(colorToHtml(0xC0DCC0), QStringLiteral("#C0DCC0"));
    EXPECT_EQ(colorToHtml(static_cast<std::int32_t>(0x80000005)), QStringLiteral("#FFFFFF")); // window colour

    TBitmap32 background(20, 10);
    background.clear(color32(0, 0, 255));
    fillRectBlended(background, {5, 2, 15, 8}, color32(255, 0, 0, 128));
    EXPECT_EQ(background.pixel(5, 2), color32(128, 0, 127));
    EXPECT_EQ(background.pixel(14, 7), color32(128, 0, 127));
    EXPECT_EQ(background.pixel(15, 7), color32(0, 0, 255));
    EXPECT_EQ(background.pixel(4, 2), color32(0, 0, 255));

    TBitmap32 prompt(498, 77);
    prompt.clear(0);
    drawCenteredText(prompt, QStringLiteral("20 Bar ( 100 分 ) 後を予想しなさい。"), 14, 24, 28, 450, 21, 0xFFFFFFFF);
    int left = 498, right = -1, top = 77, bottom = -1;
    for (int y = 0; y < 77; ++y) {
        for (int x = 0; x < 498; ++x) {
            if (prompt.pixel(x, y) == 0xFFFFFFFFu) {
                left = std::min(left, x), right = std::max(right, x), top = std::min(top, y),
                bottom = std::max(bottom, y);
            }
        }
    }
    ASSERT_GE(right, 0);
    EXPECT_NEAR((left + right) / 2.0, 24 + 450 / 2.0, 8);
    EXPECT_NEAR((top + bottom) / 2.0, 28 + 21 / 2.0, 4);
}

TEST(ImageAssetsTest, OurArtworkHasTheLayoutsTheProgramReads) {
    setProgramFolder(QUORVANE_TEST_PROGRAM_DIR);
    TBitmapManager manager;
    TNumbering numbering(getImageFolder() + "numbering.png");
    setProgramFolder("");
    EXPECT_GE(numbering.strip.width(), 11 * 30);
    EXPECT_GE(numbering.strip.height(), 300);
    EXPECT_GE(manager.partsImage.width(), 218);
    EXPECT_GE(manager.partsImage.height(), 18 * 16);
    for (const TBitmap32* page :
         {&manager.todayImage, &manager.totalImage, &manager.tableImage, &manager.maxProfitImage, &manager.pairImage,
          &manager.timeStepImage, &manager.barAfterImage}) {
        EXPECT_EQ(page->width(), 770);
        EXPECT_EQ(page->height(), 410);
    }
    for (const TBitmap32* card : {&manager.correctImage, &manager.wrongImage, &manager.evenImage}) {
        EXPECT_EQ(card->drawMode(), TDrawMode::dmBlend); // an overlay with rounded corners
        EXPECT_GE(card->height(), 236 + 20);
    }
    EXPECT_GE(manager.promptImage.width(), 24 + 450);
    EXPECT_GE(manager.promptImage.height(), 28 + 21);
    // Each glyph cell of the strip has ink, and its last column is empty.
    for (int k = 0; k <= 10; ++k) {
        int ink = 0;
        for (int y = 0; y < 19; ++y) {
            for (int x = 0; x < 12; ++x) {
                ink += (numbering.strip.pixel(13 * k + x, y) >> 24) > 128 ? 1 : 0;
            }
            EXPECT_EQ(numbering.strip.pixel(13 * k + 12, y) >> 24, 0u);
        }
        EXPECT_GT(ink, 8) << "glyph " << k;
    }
}
