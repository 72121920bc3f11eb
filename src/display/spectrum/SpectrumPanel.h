#pragma once

#include "display/spectrum/SpectrumPicture.h"
#include "display/spectrum/SpectrumTouchPanel.h"

namespace talix::display {

// Panel2: the spectrum. Paints what the display state holds; SpectrumScreen asks it to repaint.
class SpectrumPanel : public SpectrumTouchPanel {
    Q_OBJECT
public:
    SpectrumPanel(const SpectrumDisplay& display, QWidget* parent);

    // Asks for a repaint of the part of the panel that the display's state changed, and returns
    // that part.
    QRegion showChanges();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const SpectrumDisplay& m_display;
    SpectrumPicture m_picture;
};

} // namespace talix::display
