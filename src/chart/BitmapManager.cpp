#include "chart/BitmapManager.h"

#include "chart/ImageUtil.h"
#include "domain/Folders.h"

TBitmapManager* bitmapManager = nullptr;

const std::array<const char*, 14>& TBitmapManager::fileNames() {
    static constexpr std::array<const char*, 14> names = {
        "plane_parts.png",     "plane_qu.png",    "plane_today.png",    "plane_total.png",    "plane_table.png",
        "plane_maxprofit.png", "plane_pair.png",  "plane_barafter.png", "plane_timestep.png", "plane_bgmask.png",
        "plane_correct.png",   "plane_wrong.png", "plane_even.png",     "plane_prompt.png"};
    return names;
}

TBitmapManager::TBitmapManager() {
    TBitmap32* targets[] = {&partsImage,     &questionImage, &todayImage,    &totalImage,    &tableImage,
                            &maxProfitImage, &pairImage,     &barAfterImage, &timeStepImage, &bgMaskImage,
                            &correctImage,   &wrongImage,    &evenImage,     &promptImage};
    for (size_t i = 0; i < fileNames().size(); ++i) {
        targets[i]->setDrawMode(TDrawMode::dmBlend);
        loadPngImage(*targets[i], getImageFolder() + fileNames()[i]);
    }
}

namespace {
// Copies the tile of the parts sheet from column `left` to `right` (exclusive), rows 18·index to
// 18·index + 17, onto a transparent bitmap one pixel wider and taller.
void copyLabel(const TBitmap32& partsImage, TBitmap32& bitmap, int left, int right, int index) {
    bitmap.setDrawMode(TDrawMode::dmBlend);
    bitmap.setSize(right - left + 1, 18);
    bitmap.clear(0);
    TBitmap32 parts;
    parts.assign(partsImage);
    parts.setDrawMode(TDrawMode::dmBlend);
    const int top = 18 * index;
    bitmap.draw({0, 0, right - left, 17}, {left, top, right, top + 17}, parts);
}
} // namespace

void TBitmapManager::getPairLabel(TBitmap32& bitmap, TPair pair) const {
    copyLabel(partsImage, bitmap, 0, 99, pair.getSerial());
}

void TBitmapManager::getTimeStepLabel(TBitmap32& bitmap, TTimeStep timeStep) const {
    copyLabel(partsImage, bitmap, 99, 218, timeStep.getSerial());
}
