#include "settings/MikeForm.h"

#include "base/Palette.h"
#include "base/Tags.h"
#include "display/Fonts.h"
#include "display/WidgetColours.h"
#include "link/CommandRecords.h"
#include "settings/MikeItems.h"

#include <QWheelEvent>
#include <algorithm>

namespace talix::settings {

namespace {

using board::MikeItem;

const auto kDesign =
    SettingsFormDesign::of(board::Form::Microphone, QSize{1690, 520}, kMediumSeaGreen);

constexpr int kScalePixels = 24;

// Items 1 to 9: four rows in two columns, then the highpass above the equaliser.
enum class Place { Left, Right, Equaliser };

struct MikeRow {
    const char* labelName;
    const char* caption;
    Place place;
    int row;
};

constexpr std::array<MikeRow, 9> kRows{{
    {"Label2", "Mike Bias (V):", Place::Left, 0},
    {"Label4", "Mike Volume (%):", Place::Left, 1},
    {"Label3", "ALC Effect (%):", Place::Left, 2},
    {"Label5", "Monitoring (%):", Place::Left, 3},
    {"Label6", "Squelch (dB):", Place::Right, 0},
    {"Label7", "VOX Hold (ms):", Place::Right, 1},
    {"Label8", "VOX Level (%):", Place::Right, 2},
    {"Label9", "Bandwidth (Hz):", Place::Right, 3},
    {"Label10", "Highpass (Hz):", Place::Equaliser, 0},
}};

constexpr std::array<const char*, 9> kEditNames{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5",
                                                "Edit6", "Edit7", "Edit8", "Edit9"};

// The equaliser: six bars 90 apart, their band captions under them, the dB scale at the left and
// tick lines at +12, 0 and -12 dB between the bars.
constexpr int kBarTop = 130;
constexpr int kBarLeft = 1038;
constexpr int kBarPitch = 90;
constexpr QSize kBarSize(20, 315);
constexpr std::array<const char*, board::kEqualiserBars> kBarNames{"TB1", "TB2", "TB3",
                                                                   "TB4", "TB5", "TB6"};
constexpr std::array<const char*, board::kEqualiserBars> kBands{"150",  "300",  "600",
                                                                "1,2k", "2,4k", "4,8kHz"};
struct ScaleCaption {
    const char* text;
    int y;
};
constexpr std::array<ScaleCaption, 4> kScale{{{"+12", 112}, {"0", 264}, {"-12", 408}, {"dB", 440}}};
constexpr std::array<int, 3> kTickY{120, 272, 416};
constexpr int kTickLeft = 1000;
constexpr int kTickLength = 30;

FieldRow rowOf(int item) {
    constexpr std::array<int, 4> kRowY{80, 152, 224, 296};
    const MikeRow& r = kRows[size_t(item - 1)];
    QRect label, edit;
    switch (r.place) {
    case Place::Left:
        label = {32, kRowY[size_t(r.row)], 297, kFormRowHeight};
        edit = {336, label.y(), 113, kFormRowHeight};
        break;
    case Place::Right:
        label = {520, kRowY[size_t(r.row)], 249, kFormRowHeight};
        edit = {776, label.y(), 113, kFormRowHeight};
        break;
    case Place::Equaliser:
        label = {1016, 38, 336, kFormRowHeight};
        edit = {1360, 40, 121, kFormRowHeight};
        break;
    }
    return {item, r.labelName, r.caption, label, kEditNames[size_t(item - 1)], edit, "80"};
}

} // namespace

TF_Mike::TF_Mike(SettingsHost& host, QWidget* mainWindow, const QLocale& locale)
    : SettingsForm(kDesign, host, mainWindow), m_locale(locale) {
    Rectangle1 = addRectangle("Rectangle1", {16, 56, 897, 313}, kBeige);
    Rectangle2 = addRectangle("Rectangle2", {928, 16, 640, 489}, kBeige);
    addRectangle("Line1", {488, 72, 1, 280}, kBlack);
    addRectangle("Line2", {944, 88, 608, 1}, kBlack);
    Label1 = addTitle("Label1", "Microphone", {16, 2, 400, 50}, kYellow);
    for (int item = 1; item <= 9; ++item)
        Edits[size_t(item - 1)] = addRow(rowOf(item));
    Edits[0]->setText(QStringLiteral("0"));
    addEqualiser();
    B_Exit = addCloseButton("B_Exit", "Close", kExitTag, {368, 410, 209, 65});
    FormCreate(Edits[0]);
}

void TF_Mike::addEqualiser() {
    const QFont scaleFont = display::pinnedFont(display::FontFace::UiRegular, kScalePixels);
    for (const ScaleCaption& c : kScale) {
        auto* l = new QLabel(QString::fromLatin1(c.text), this);
        l->setGeometry(944, c.y - 12, 52, 32);
        l->setFont(scaleFont);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        display::setTextColour(l, Qt::black);
    }
    for (int bar = 0; bar < board::kEqualiserBars; ++bar)
        for (int y : kTickY)
            addRectangle("Tick", {kTickLeft + kBarPitch * bar, y, kTickLength, 1}, kBlack);
    for (size_t i = 0; i < TB.size(); ++i) {
        auto* bar = new QSlider(Qt::Vertical, this);
        bar->setObjectName(QString::fromLatin1(kBarNames[i]));
        setTag(bar, board::number(MikeItem::Equaliser1) + int(i));
        bar->setRange(0, EqualiserEcho::kTop);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->setValue(EqualiserEcho::kTop);
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setGeometry(QRect(QPoint(kBarLeft + kBarPitch * int(i), kBarTop), kBarSize));
        bar->installEventFilter(this);
        connect(bar, &QSlider::valueChanged, this, [this, i](int value) { TB1Tracking(i, value); });
        TB[i] = bar;

        auto* band = new QLabel(QString::fromLatin1(kBands[i]), this);
        band->setGeometry(bar->x() + bar->width() / 2 - 45, 456, 90, 32);
        band->setFont(scaleFont);
        band->setAlignment(Qt::AlignCenter);
        display::setTextColour(band, Qt::black);
    }
}

void TF_Mike::applyValue(int item, uint32_t v) {
    const int first = board::number(MikeItem::Equaliser1);
    if (item >= first && item < first + board::kEqualiserBars) {
        const auto bar = size_t(item - first);
        if (const std::optional<int> t = m_echo[bar].reported(v, TB[bar]->value()))
            TB[bar]->setValue(*t);
        return;
    }
    applyEffect(item, applyMikeItem(item, v, m_host.receiverState(), m_locale));
    if (const std::optional<bool> enabled = equaliserEnabledBy(item, v))
        for (QSlider* bar : TB)
            bar->setEnabled(*enabled);
}

// TB1Tracking: the user's changes go to the board (dropped silently when the queue is full); the
// change that follows the board's own move is its echo.
void TF_Mike::TB1Tracking(size_t bar, int value) {
    if (const std::optional<uint32_t> n = m_echo[bar].tracked(value))
        queueDrop(link::commands::setValue(tagOf(TB[bar]), formIndex(), *n));
}

// The wheel over a bar turns the tuning knob, as over the rest of the form; it never moves the
// bar.
bool TF_Mike::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && std::find(TB.begin(), TB.end(), watched) != TB.end()) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    return SettingsForm::eventFilter(watched, event);
}

} // namespace talix::settings
