#include "chart/BitmapManager.h"

#include "chart/ImageUtil.h"
#include "domain/Folders.h"

TBitmapManager* bitmapManager = nullptr;

const std::array<const char*, 14>& TBitmapManager::fileNames() {
    static constexpr std::array<const char*, 14> names = {
        "plane_parts.png",   "plane_qu.png",       "plane_today.png",   "plane_total.png", "plane_table.png",
        "plane_maxprofit.png", "plane_pair.png",   "plane_barafter.png", "plane_timestep.png", "plane_bgmask.png",
        "plane_correct.png", "plane_wrong.png",    "plane_even.png",    "plane_prompt.png"};
    return names;
}

TBitmapManager::TBitmapManager() {
    TBitmap32* targets[] = {&partsImage, &questionImage, &todayImage,   &totalImage,   &tableImage,
                            &maxProfitImage, &pairImage, &barAfterImage, &timeStepImage, &bgMaskImage,
                            &correctImage, &wrongImage,  &evenImage,    &promptImage};
    for (size_t i = 0; i < fileNames().size(); ++i) {
        targets[i]->setDrawMode(TDrawMode::dmBlend);
        loadPngImage(*targets[i], getImageFolder() + fileNames()[i]);
    }
}

void TBitmapManager::getPairLabel(TBitmap32& bitmap, TPair pair) const {
    bitmap.setDrawMode(TDrawMode::dmBlend);
    bitmap.setSize(100, 18);
    bitmap.clear(0);
    const int top = 18 * pair.getSerial();
    TBitmap32 parts;
    parts.assign(partsImage);
    parts.setDrawMode(TDrawMode::dmBlend);
    bitmap.draw({0, 0, 99, 17}, {0, top, 99, top + 17}, parts);
}

void TBitmapManager::getTimeStepLabel(TBitmap32& bitmap, TTimeStep timeStep) const {
    bitmap.setDrawMode(TDrawMode::dmBlend);
    bitmap.setSize(120, 18);
    bitmap.clear(0);
    const int top = 18 * timeStep.getSerial();
    TBitmap32 parts;
    parts.assign(partsImage);
    parts.setDrawMode(TDrawMode::dmBlend);
    bitmap.draw({0, 0, 119, 17}, {99, top, 218, top + 17}, parts);
}
