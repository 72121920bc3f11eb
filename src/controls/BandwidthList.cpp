#include "controls/BandwidthList.h"

#include "base/Palette.h"
#include "base/Tags.h"
#include "controls/BandwidthLabels.h"
#include "controls/PickChoices.h"
#include "controls/PickListCells.h"

namespace talix::controls {

namespace {
constexpr QSize kClient{1737, 218};
constexpr PickGrid kGrid{209, 97, 216, {8, 112}, {24, 128}, 57};
// The layout's texts are those of the modes without a list of their own.
constexpr int kLayoutMode = 0;
} // namespace

TF_BWs::TF_BWs(link::CommandPort& commands, const sync::ReceiverState& state, QWidget* parent)
    : PickListForm({"F_BWs", kClient, QColor(0, 0, 0), true}, commands, parent), m_state(state) {
    const QColor lightBlue = QColor::fromRgba(kLightBlue);
    const auto texts = bandwidthLabels(kLayoutMode, false);
    for (int position = 0; position < kBandwidthPositions; ++position) {
        const int column = position / 2, row = position % 2;
        const std::string text(texts[size_t(position)]);
        auto* l = addLabelledCell(kGrid, {text.c_str(), position, column, row}, lightBlue);
        l->setObjectName(QStringLiteral("LBW%1").arg(position + 1));
        LBW[size_t(position)] = l;
    }
    // The bottom-right cell only names the unit.
    const int unitColumn = kBandwidthPositions / 2, unitRow = kBandwidthPositions % 2;
    unitCell = addCell(kGrid.cell(unitColumn, unitRow), lightBlue, 0, false);
    Label16 =
        cellLabel(this, "Hz", kGrid.label(unitColumn, unitRow), PickGrid::kFontPixels, lightBlue);
    Label16->setObjectName("Label16");
}

void TF_BWs::showEvent(QShowEvent* event) {
    FormShow();
    PickListForm::showEvent(event);
}

void TF_BWs::FormShow() {
    const auto texts = bandwidthLabels(m_state.ModeIndex, m_state.BwListFlag);
    for (int p = 0; p < kBandwidthPositions; ++p)
        LBW[p]->setText(QString::fromLatin1(texts[p].data(), qsizetype(texts[p].size())));
}

void TF_BWs::Rectangle1Click(QObject* sender) {
    choose(bandwidthChoice(tagOf(sender)));
}

} // namespace talix::controls
