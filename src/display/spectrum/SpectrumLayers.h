#pragma once

#include <QImage>
#include <QRect>
#include <array>
#include <cstdint>
#include <vector>

namespace talix::display {

// The spectrum panel as it would look if every pixel showed the same part of the trace: one
// opaque image per kind of pixel, each with the marks already blended on top. Blending is done
// pixel by pixel, so any pixel of the panel equals the same pixel of the layer of its kind, and a
// new line is put together by copying pixels instead of drawing and blending them again.
//
// A new line is put together column by column, a run of rows at a time, so the layers are kept
// column by column: a run is then read from consecutive memory. Five whole layers do not stay in
// the processor's cache either. But nearly every pixel of a row of a layer is alike (the
// background's gradient runs top to bottom, a grid line runs across), so such pixels are read
// from a table of row colours, and only the others (the frame, marks that run down the panel and
// where marks cross) from the layers.
class SpectrumLayers {
public:
    enum Layer : uint8_t {
        Background,
        OutsideFill,
        InsideFill,
        OutsideOutline,
        InsideOutline,
        // Where the inside's fill lies on the outside's outline at a passband edge.
        InsideFillOnOutsideOutline,
        kLayerCount
    };

    // What the layers are made of. The images are the caller's and must outlive the layers'
    // next use; `overlayCover` holds the overlay's visible pixels.
    struct Sources {
        const QImage* background = nullptr;
        const QImage* overlay = nullptr;
        const std::vector<QRect>* overlayCover = nullptr;
        int outsideBright = 0;
        int insideBright = 0;
    };

    // Forgets the layers; they are made again from `sources` when they are prepared.
    void reset(const Sources& sources);
    // Makes `layer` unless it is made. pixel() may then be asked for it.
    void prepare(Layer layer);

    QRgb pixel(Layer layer, int x, int row) const {
        const std::size_t at = std::size_t(x) * m_height + std::size_t(row);
        if (layer < kPlainLayers && (m_plain[at >> 6] >> (at & 63)) & 1u)
            return m_rowColours[layer][std::size_t(row)];
        return m_columns[layer][at];
    }

private:
    // The layers that share the table of row colours; the last is made only when needed.
    static constexpr int kPlainLayers = InsideFillOnOutsideOutline;

    // Draws `layer` with Qt, as the trace is drawn, and keeps it column by column.
    void draw(Layer layer);
    void keepByColumns(Layer layer);
    void findPlainPixels();

    Sources m_sources;
    QImage m_drawing; // where each layer is drawn before it is kept by columns
    std::array<std::vector<QRgb>, kLayerCount> m_columns;
    std::array<bool, kLayerCount> m_made{};
    std::size_t m_height = 0;
    std::array<std::vector<QRgb>, kPlainLayers> m_rowColours;
    // A bit per pixel, column by column: set where every plain layer shows its row colour.
    std::vector<uint64_t> m_plain;
};

} // namespace talix::display
