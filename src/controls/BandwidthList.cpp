#include "controls/BandwidthList.h"

#include "base/Tags.h"
#include "controls/BandwidthLabels.h"
#include "controls/PickChoices.h"
#include "controls/PickListCells.h"

namespace talix::controls {

namespace {
constexpr QSize kClient{1737, 218};
constexpr int kCellWidth = 209, kCellHeight = 97, kColumnPitch = 216;
constexpr int kCellTop[] = {8, 112};
constexpr int kLabelTop[] = {24, 128};
constexpr int kLabelHeight = 57;
constexpr int kFontPixels = 48;
const QColor kLightBlue(0xAD, 0xD8, 0xE6);
// The layout's texts are those of the modes without a list of their own.
constexpr int kLayoutMode = 0;
} // namespace

TF_BWs::TF_BWs(link::CommandPort& commands, const sync::ReceiverState& state, QWidget* parent)
    : PickListForm({"F_BWs", kClient, QColor(0, 0, 0), true}, commands, parent), m_state(state) {
    const auto texts = bandwidthLabels(kLayoutMode, false);
    for (int column = 0; column < kBandwidthColumns; ++column) {
        for (int row = 0; row < 2; ++row) {
            const int x = 8 + kColumnPitch * column;
            const QRect cell{x, kCellTop[row], kCellWidth, kCellHeight};
            const QRect label{x, kLabelTop[row], kCellWidth, kLabelHeight};
            const int position = bandwidthPosition(column, row);
            if (position == kBandwidthPositions) {
                unitCell = addCell(cell, kLightBlue, 0, false);
                Label16 = cellLabel(this, "Hz", label, kFontPixels, kLightBlue);
                Label16->setObjectName("Label16");
                continue;
            }
            addCell(cell, kLightBlue, position);
            auto* l = cellLabel(
                this,
                QString::fromLatin1(texts[position].data(), qsizetype(texts[position].size())),
                label, kFontPixels, kLightBlue);
            l->setObjectName(QStringLiteral("LBW%1").arg(position + 1));
            LBW[position] = l;
        }
    }
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
