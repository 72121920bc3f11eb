#pragma once

#include "display/spectrum/SpectrumTouchPanel.h"
#include "display/spectrum/WaterfallImage.h"

namespace talix::display {

// Panel3: the waterfall. Copies the waterfall picture; SpectrumScreen asks it to repaint when the
// picture advances.
class WaterfallPanel : public SpectrumTouchPanel {
    Q_OBJECT
public:
    WaterfallPanel(const WaterfallImage& image, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const WaterfallImage& m_image;
};

} // namespace talix::display
