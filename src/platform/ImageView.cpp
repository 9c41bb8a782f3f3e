#include "platform/ImageView.h"

#include <QPainter>

TImgView32::TImgView32(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TBitmapLayer* TImgView32::addLayer() {
    layers_.push_back(std::make_unique<TBitmapLayer>());
    return layers_.back().get();
}

void TImgView32::paintLayers(QPainter& painter) const {
    painter.fillRect(rect(), Qt::black);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const auto& layer : layers_) {
        if (!layer->visible || layer->bitmap.empty() || layer->location.isEmpty()) {
            continue;
        }
        if (layer->bitmap.drawMode() == TDrawMode::dmBlend) {
            painter.drawImage(layer->location, layer->bitmap.image());
        } else {
            painter.drawImage(layer->location, layer->bitmap.image().convertToFormat(QImage::Format_RGB32));
        }
    }
}

QImage TImgView32::compose() const {
    QImage image(size(), QImage::Format_ARGB32);
    QPainter painter(&image);
    paintLayers(painter);
    return image;
}

void TImgView32::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintLayers(painter);
}
