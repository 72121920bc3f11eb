// The spectrum and the waterfall on the main window.
#include "app/MainWindow.h"
#include "display/spectrum/SpectrumPanel.h"
#include "display/spectrum/SpectrumScreen.h"
#include "display/spectrum/WaterfallPanel.h"

#include <gtest/gtest.h>

using namespace talix;
using namespace talix::app;

TEST(SpectrumPlacement, PanelsSitAtTheirPlacesOnTheMainWindow) {
    TFMain main([] {}, true);
    ASSERT_NE(main.spectrum(), nullptr);
    auto* panel2 = main.findChild<QWidget*>("Panel2", Qt::FindDirectChildrenOnly);
    auto* panel3 = main.findChild<QWidget*>("Panel3", Qt::FindDirectChildrenOnly);
    ASSERT_NE(panel2, nullptr);
    ASSERT_NE(panel3, nullptr);
    EXPECT_EQ(panel2, main.spectrum()->spectrumPanel());
    EXPECT_EQ(panel3, main.spectrum()->waterfallPanel());
    EXPECT_EQ(panel2->geometry(), QRect(80, 38, 1026, 322));
    EXPECT_EQ(panel3->geometry(), QRect(80, 366, 1026, 322));
}
