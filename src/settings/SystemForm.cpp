#include "settings/SystemForm.h"

#include "base/Palette.h"
#include "link/CommandRecords.h"
#include "settings/SystemItems.h"

#include <QCloseEvent>

namespace talix::settings {

namespace {

const auto kDesign = SettingsFormDesign::of(board::Form::System, QSize{1233, 867}, kDarkViolet);

// Rows every 80 units from y = 72 in two columns.
constexpr int kRowTop = 72;
constexpr int kRowPitch = 80;
constexpr int kEditWidth = 153;

struct Column {
    int captionX;
    int captionWidth;
    int editX;
};
constexpr Column kLeft{32, 385, 416};
constexpr Column kRight{656, 369, 1040};

struct SystemRow {
    int item;
    bool right;
    int row;
    const char* labelName;
    const char* caption;
    const char* initialText;
};

constexpr std::array<SystemRow, board::kSystemItems> kRows{{
    {0, false, 0, "Label4", "Oscillator Calibration (Hz):", "-2000"},
    {1, false, 1, "Label2", "Calibration Level (dB):", "0"},
    {2, false, 2, "Label3", "AF Level (%):", "0"},
    {3, false, 3, "Label5", "FM Deviation (kHz):", "0"},
    {4, false, 4, "Label6", "Frequency Left (Hz):", "0"},
    {5, false, 5, "Label7", "Frequency Right (Hz):", "0"},
    {6, false, 6, "Label8", "RX Delay (ms):", "10"},
    {16, false, 7, "Label19", "GPS:", "10"},
    {7, true, 0, "Label9", "PEP (dBm):", "10"},
    {8, true, 1, "Label11", "Delay RF Output (ms):", "10"},
    {9, true, 2, "Label12", "Risetime RF Output (ms):", "10"},
    {10, true, 3, "Label13", "SSB Shift (Hz):", "10"},
    {11, true, 4, "Label14", "Mike Ring:", "10"},
    {12, true, 5, "Label15", "Key Tip:", "10"},
    {13, true, 6, "Label16", "Key Ring:", "10"},
    {14, true, 7, "Label17", "Baudrate:", "10"},
    {15, true, 8, "Label18", "Limiter (%):", "10"},
    {17, true, 9, "Label20", "ZUM8 S/N:", "10"},
}};

constexpr std::array<const char*, board::kSystemItems> kEditNames{
    "Edit0", "Edit1",  "Edit2",  "Edit3",  "Edit4",  "Edit5",  "Edit6",  "Edit7",  "Edit8",
    "Edit9", "Edit10", "Edit11", "Edit12", "Edit13", "Edit14", "Edit15", "Edit16", "Edit17"};

FieldRow fieldRowOf(const SystemRow& r) {
    const Column& c = r.right ? kRight : kLeft;
    const int y = kRowTop + kRowPitch * r.row;
    return {r.item,
            r.labelName,
            r.caption,
            {c.captionX, y, c.captionWidth, kFormRowHeight},
            kEditNames[size_t(r.item)],
            {c.editX, y, kEditWidth, kFormRowHeight},
            r.initialText};
}

} // namespace

TF_System::TF_System(SettingsHost& host, QWidget* mainWindow, const QLocale& locale)
    : SettingsForm(kDesign, host, mainWindow), m_locale(locale) {
    Rectangle1 = addRectangle("Rectangle1", {16, 56, 577, 633}, kCornsilk);
    Rectangle2 = addRectangle("Rectangle2", {632, 56, 585, 793}, kCornsilk);
    Label1 = addTitle("Label1", "System", {16, 2, 400, 50}, kPapayaWhip);
    Label10 = addTitle("Label10", "Transmitter", {632, 2, 400, 50}, kPapayaWhip);
    for (const SystemRow& r : kRows)
        Edits[size_t(r.item)] = addRow(fieldRowOf(r));
    B_OK = addCloseButton("B_OK", "Close", kOkTag, {170, 743, 257, 65});
    FormCreate(Edits[0]);
}

void TF_System::applyValue(int item, uint32_t v) {
    applyEffect(item, applySystemItem(item, v, m_host.receiverState(), m_serial, m_locale));
}

// However the form closes (the board's close word, the greeting's reset), a serial number the
// user changed reaches the board once, whatever the number of waiting records.
void TF_System::closeEvent(QCloseEvent* event) {
    if (const std::optional<uint16_t> changed = m_serial.closing())
        queueAlways(link::commands::setting179(*changed));
    SettingsForm::closeEvent(event);
}

} // namespace talix::settings
