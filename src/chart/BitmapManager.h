#pragma once
// The program's pictures, loaded once from the image folder and shared read-only; and the label tiles of
// the parts sheet.
#include "domain/Pair.h"
#include "domain/TimeStep.h"
#include "platform/Bitmap32.h"

#include <array>
#include <string>

class TBitmapManager {
public:
    // Loads the fourteen pictures. Throws FileError when one is missing or damaged.
    TBitmapManager();

    TBitmap32 partsImage;
    TBitmap32 questionImage;
    TBitmap32 todayImage;
    TBitmap32 totalImage;
    TBitmap32 pairImage;
    TBitmap32 timeStepImage;
    TBitmap32 bgMaskImage;
    TBitmap32 correctImage;
    TBitmap32 evenImage;
    TBitmap32 wrongImage;
    TBitmap32 promptImage;
    TBitmap32 tableImage;
    TBitmap32 maxProfitImage;
    TBitmap32 barAfterImage;

    // A 100 × 18 tile with the label of the pair / a 120 × 18 tile with the label of the time step.
    void getPairLabel(TBitmap32& bitmap, TPair pair) const;
    void getTimeStepLabel(TBitmap32& bitmap, TTimeStep timeStep) const;

    // The picture files in loading order.
    static const std::array<const char*, 14>& fileNames();
};

// The one image manager of the program.
extern TBitmapManager* bitmapManager;
