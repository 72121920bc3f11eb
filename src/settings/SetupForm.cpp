#include "settings/SetupForm.h"

#include "base/Palette.h"
#include "settings/SetupItems.h"

namespace talix::settings {

namespace {

const auto kDesign =
    SettingsFormDesign::of(board::Form::Setup, QSize{729, 1180}, kRed, QPoint(4, 4));

// Rows every 70 units from y = 80; captions 385 wide at x = 32, edits 265 x 44 at x = 424.
constexpr int kRowTop = 80;
constexpr int kRowPitch = 70;
constexpr int kCaptionX = 32;
constexpr int kCaptionWidth = 385;
constexpr int kEditX = 424;
constexpr int kEditWidth = 265;

struct SetupRow {
    const char* labelName;
    const char* caption;
    const char* initialText;
};

constexpr std::array<SetupRow, board::kSetupItems> kRows{{
    {"Label2", "Scrollwheel Automatic Threshold:", "Auto 10"},
    {"Label4", "Level Units:", " dBm"},
    {"Label3", "RF Gain Control:", "Manual"},
    {"Label5", "FM-W Deemphasis:", "Off"},
    {"Label6", "Audio Lowpass:", "15"},
    {"Label7", "Audio Highpass:", "20"},
    {"Label8", "Impedance 0 ... 71 MHz:", "50"},
    {"Label9", "Resolution Audio:", "20"},
    {"Label10", "RF Filter Bandpass:", "Automatic"},
    {"Label11", "Loudspeaker:", "Internal + External"},
    {"Label13", "Frequency Auto Activ:", "10 s"},
    {"Label12", "Spectrum Display Rate", "10 s"},
    {"Label14", "Spectrum Priority", "10 s"},
    {"Label15", "Touch Action", "Tune + Track Frequency"},
}};

constexpr std::array<const char*, board::kSetupItems> kEditNames{
    "Edit0", "Edit1", "Edit2", "Edit3",  "Edit4",  "Edit5",  "Edit6",
    "Edit7", "Edit8", "Edit9", "Edit10", "Edit11", "Edit12", "Edit13"};

FieldRow rowOf(int item) {
    const SetupRow& r = kRows[size_t(item)];
    const int y = kRowTop + kRowPitch * item;
    QRect label(kCaptionX, y, kCaptionWidth, kFormRowHeight);
    QRect edit(kEditX, y, kEditWidth, kFormRowHeight);
    if (item == 0) {
        // The longest caption starts further left and has a narrower edit beside it.
        edit = QRect(512, y, 177, kFormRowHeight);
        label = QRect(24, y, edit.left() - 24, kFormRowHeight);
    } else if (item == board::number(board::SetupItem::TouchAction)) {
        edit = QRect(344, y, 345, kFormRowHeight);
    }
    return {item, r.labelName, r.caption, label, kEditNames[size_t(item)], edit, r.initialText};
}

} // namespace

TF_Setup::TF_Setup(SettingsHost& host, QWidget* mainWindow, const QLocale& locale)
    : SettingsForm(kDesign, host, mainWindow), m_locale(locale) {
    Rectangle1 = addRectangle("Rectangle1", {16, 48, 697, 1001}, kAzure);
    Label1 = addTitle("Label1", "Setup", {16, 2, 300, 44}, kYellow);
    for (int item = 0; item < board::kSetupItems; ++item)
        Edits[size_t(item)] = addRow(rowOf(item));
    B_Update = addButton("B_Update", "Software Update", {72, 1080, 266, 65});
    connect(B_Update, &QPushButton::clicked, this, &TF_Setup::B_UpdateClick);
    B_Exit = addCloseButton("B_Exit", "Close", kExitTag, {400, 1080, 266, 65});
    FormCreate(Edits[0]);
}

void TF_Setup::applyValue(int item, uint32_t v) {
    const SetupItemInputs in{Edits[1]->text(), m_locale};
    applyEffect(item, applySetupItem(item, v, m_host.receiverState(), in));
}

void TF_Setup::B_UpdateClick() {
    m_host.showUpdateForm(); // sends nothing
}

} // namespace talix::settings
