#pragma once
// A widget that shows a stack of bitmap layers: each visible layer's bitmap is scaled into its location
// (nearest neighbour) and drawn over the ones before it, blended or opaque by the bitmap's draw mode.
#include "platform/Bitmap32.h"

#include <QRectF>
#include <QWidget>
#include <memory>
#include <vector>

class TBitmapLayer {
public:
    TBitmap32 bitmap;
    QRectF location; // in the view's pixels, single precision
    bool visible = true;
};

class TImgView32 : public QWidget {
    Q_OBJECT
public:
    explicit TImgView32(QWidget* parent = nullptr);

    // Adds a layer on top of the others; the view owns it.
    TBitmapLayer* addLayer();
    int layerCount() const { return static_cast<int>(layers_.size()); }
    TBitmapLayer* layer(int index) const { return layers_.at(static_cast<size_t>(index)).get(); }
    // Paints the layers into an image of the view's size (what the screen shows).
    QImage compose() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintLayers(QPainter& painter) const;
    std::vector<std::unique_ptr<TBitmapLayer>> layers_;
};
