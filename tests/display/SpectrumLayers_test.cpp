#include "display/spectrum/SpectrumLayers.h"
#include "display/spectrum/TraceInk.h"
#include "display/spectrum/VisibleCover.h"

#include <QLinearGradient>
#include <QPainter>
#include <gtest/gtest.h>

using namespace talix::display;
using Layer = SpectrumLayers::Layer;

namespace {

constexpr int kWidth = 1026;
constexpr int kHeight = 322;

// A gradient background with a frame, and marks over it: a half-transparent line across row 100,
// one down column 300 and a block, so that rows have plain pixels, crossings and none at all.
struct Scene {
    QImage background{kWidth, kHeight, QImage::Format_RGB32};
    QImage overlay{kWidth, kHeight, QImage::Format_ARGB32_Premultiplied};
    std::vector<QRect> cover;

    explicit Scene(int markOpacityPercent) {
        QPainter b(&background);
        QLinearGradient g(0, 0, 0, kHeight);
        g.setColorAt(0, QColor(0, 25, 103));
        g.setColorAt(1, Qt::black);
        b.fillRect(background.rect(), g);
        b.setPen(QPen(Qt::yellow, 0));
        b.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
        b.end();
        overlay.fill(Qt::transparent);
        QPainter o(&overlay);
        o.setOpacity(markOpacityPercent / 100.0);
        o.fillRect(QRect(1, 100, kWidth - 2, 1), Qt::yellow);
        o.fillRect(QRect(300, 1, 1, kHeight - 2), Qt::red);
        o.fillRect(QRect(600, 40, 200, 120), QColor(65, 105, 225));
        o.end();
        cover = visibleCover(overlay);
    }

    SpectrumLayers::Sources sources(int outsideBright, int insideBright) const {
        return {.background = &background,
                .overlay = &overlay,
                .overlayCover = &cover,
                .outsideBright = outsideBright,
                .insideBright = insideBright};
    }

    // The layer drawn straight: its ink over the whole panel, the marks on top.
    QImage drawn(Layer layer, int outsideBright, int insideBright) const {
        QImage img = background.copy();
        QPainter p(&img);
        const std::vector<QRect> all{img.rect()}, none;
        std::vector<QRect> banded;
        if (layer == Layer::OutsideFill)
            inkTracePart(p, all, none, kOutsideColour, outsideBright, banded);
        if (layer == Layer::InsideFill)
            inkTracePart(p, all, none, kInsideColour, insideBright, banded);
        if (layer == Layer::OutsideOutline || layer == Layer::InsideFillOnOutsideOutline)
            inkTracePart(p, none, all, kOutsideColour, 0, banded);
        if (layer == Layer::InsideOutline)
            inkTracePart(p, none, all, kInsideColour, 0, banded);
        if (layer == Layer::InsideFillOnOutsideOutline)
            inkTracePart(p, all, none, kInsideColour, insideBright, banded);
        p.drawImage(0, 0, overlay);
        return img;
    }
};

// Every pixel of `layer` as the layers give it against the layer drawn straight; the first
// difference, if any.
std::string firstDifference(const SpectrumLayers& layers, const QImage& expected, Layer layer) {
    for (int row = 0; row < kHeight; ++row)
        for (int x = 0; x < kWidth; ++x)
            if (layers.pixel(layer, x, row) != expected.pixel(x, row))
                return "layer " + std::to_string(int(layer)) + " at " + std::to_string(x) + "," +
                       std::to_string(row);
    return {};
}

// The layer made only on demand comes first here and after a reset: it must not depend on the
// others being made before it, nor keep anything of the marks it was made with.
TEST(SpectrumLayers, EveryLayerGivesThePixelsOfItsDrawingInAnyOrderAndAfterAReset) {
    const Scene first(60);
    SpectrumLayers layers;
    layers.reset(first.sources(40, 60));
    layers.prepare(Layer::InsideFillOnOutsideOutline);
    layers.prepare(Layer::Background);
    for (int l = 0; l < Layer::kLayerCount; ++l)
        EXPECT_EQ(firstDifference(layers, first.drawn(Layer(l), 40, 60), Layer(l)), "");

    const Scene second(100);
    layers.reset(second.sources(70, 20));
    layers.prepare(Layer::OutsideFill);
    layers.prepare(Layer::InsideFillOnOutsideOutline);
    for (int l = 0; l < Layer::kLayerCount; ++l)
        EXPECT_EQ(firstDifference(layers, second.drawn(Layer(l), 70, 20), Layer(l)), "");
}

} // namespace
