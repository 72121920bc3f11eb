#include "settings/WiFiForm.h"

#include "base/Palette.h"
#include "display/Fonts.h"
#include "link/CommandRecords.h"
#include "settings/WiFiItems.h"

#include <QWheelEvent>

namespace talix::settings {

namespace {

const auto kDesign = SettingsFormDesign::of(board::Form::WiFi, QSize{455, 736}, kFirebrick);

constexpr int kAntennaPixels = 36;

FieldRow rowOf(int item, const char* labelName, const char* caption, const char* editName, int y,
               bool selectable) {
    return {item,     labelName,
            caption,  {40, y, 150, kFormRowHeight},
            editName, {192, y, 225, kFormRowHeight},
            "0",      selectable};
}

} // namespace

TF_WiFi::TF_WiFi(SettingsHost& host, QWidget* mainWindow)
    : SettingsForm(kDesign, host, mainWindow) {
    Rectangle3 = addRectangle("Rectangle3", {14, 54, 427, 99}, kAzure);
    Rectangle1 = addRectangle("Rectangle1", {14, 176, 427, 401}, kAzure);
    Label1 = addTitle("Label1", "WiFi Configuration", {16, 2, 430, 50}, kYellow);

    RBAnt = new ExternalAntennaButton(QStringLiteral("External Antenna"), this);
    RBAnt->setObjectName("RBAnt");
    RBAnt->setGeometry(56, 80, 370, 50);
    RBAnt->setFont(display::pinnedFont(display::FontFace::UiRegular, kAntennaPixels));
    RBAnt->setFocusPolicy(Qt::NoFocus);
    RBAnt->setAutoExclusive(false);
    // The mark in proportion to the large caption, so that it reads at arm's length.
    RBAnt->setStyleSheet("QRadioButton::indicator { width: 30px; height: 30px; }");
    connect(RBAnt, &QAbstractButton::clicked, this, &TF_WiFi::RBAntClick);

    using board::WiFiItem;
    Edits[0] =
        addRow(rowOf(board::number(WiFiItem::Channel), "Label5", "Channel:", "Edit1", 208, true));
    Edits[1] = addRow(rowOf(board::number(WiFiItem::Ssid), "Label3", "SSID:", "Edit2", 296, false));
    Edits[2] =
        addRow(rowOf(board::number(WiFiItem::Passkey), "Label4", "Passkey:", "Edit3", 384, false));

    B_Set = addButton("B_Set", "Set + Close", {120, 479, 217, 65});
    B_Set->setEnabled(false);
    connect(B_Set, &QPushButton::clicked, this, &TF_WiFi::B_SetClick);
    B_Close = addCloseButton("B_Close", "Close", kCloseTag, {95, 623, 265, 65});
    FormCreate(Edits[0], false);
}

void TF_WiFi::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

void TF_WiFi::showForm() {
    m_editing = false;
    SettingsForm::showForm();
}

// Any value the board reports after the user selected the channel makes the new configuration
// ready to be set.
void TF_WiFi::applyValue(int item, uint32_t v) {
    applyEffect(item, applyWiFiItem(item, v));
    if (m_editing)
        B_Set->setEnabled(true);
}

bool TF_WiFi::Edit0Enter(QObject* sender) {
    const bool queued = SettingsForm::Edit0Enter(sender);
    if (queued)
        m_editing = true;
    return queued;
}

// The board switches the antenna and reports it in the status word, which then checks RBAnt.
void TF_WiFi::RBAntClick() {
    queueNotify(link::commands::setting178(m_host.receiverState().ExternalAntenna ? 0 : 1));
}

void TF_WiFi::B_SetClick() {
    if (!queueNotify(link::commands::wifiSet()))
        return;
    m_host.restartLinkDisplay();
    B_Set->setEnabled(false);
    m_editing = false;
}

} // namespace talix::settings
