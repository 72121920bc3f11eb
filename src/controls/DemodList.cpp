#include "controls/DemodList.h"

#include "base/Palette.h"
#include "base/Tags.h"
#include "controls/PickChoices.h"
#include "controls/PickListCells.h"
#include "display/WidgetColours.h"

namespace talix::controls {

namespace {
constexpr QSize kClient{1280, 194};
constexpr int kStripHeight = 97;
constexpr PickGrid kGrid{145, 81, 152, {8, 104}, {22, 118}, 49};
constexpr QRect kCaptionBox[] = {{1072, 22, 201, 49}, {1072, 118, 201, 49}};
constexpr int kCaptionFontPixels = 36;

QWidget* strip(QWidget* form, const char* name, QRect box, QColor fill) {
    auto* s = new QWidget(form);
    s->setObjectName(name);
    s->setGeometry(box);
    display::setFillColour(s, fill);
    s->setAttribute(Qt::WA_TransparentForMouseEvents);
    return s;
}
} // namespace

TF_Demods::TF_Demods(link::CommandPort& commands, QWidget* parent)
    : PickListForm({"F_Demods", kClient, QColor::fromRgba(kWhite), true}, commands, parent) {
    RSBSP =
        strip(this, "RSBSP", {0, 0, kClient.width(), kStripHeight}, QColor::fromRgba(kLightPink));
    Rectangle15 = strip(this, "Rectangle15", {0, kStripHeight, kClient.width(), kStripHeight},
                        QColor::fromRgba(kYellow));
    const QColor text = palette().color(QPalette::WindowText);
    for (const auto& c : kDemodCells)
        addLabelledCell(kGrid, c, text);
    cellLabel(this, "Spec-based", kCaptionBox[0], kCaptionFontPixels, text);
    cellLabel(this, "Time-based", kCaptionBox[1], kCaptionFontPixels, text);
}

void TF_Demods::Rectangle1Click(QObject* sender) {
    choose(demodChoice(tagOf(sender)));
}

} // namespace talix::controls
