#pragma once

#include "base/DriveMap.h"
#include "sync/LinkQuality.h"
#include "update/LinkCircle.h"
#include "update/UpdateFiles.h"
#include "update/UpdateTransfer.h"

#include <QButtonGroup>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>
#include <optional>
#include <span>

namespace talix::update {

// F_Update: updates this program, the board's firmware or its WiFi CPU's firmware from a stick in
// drive D: or E:. The Setup form opens it modally; "Close" always leaves it, also in the middle
// of a transfer, which then stops and greets the board back.
class TF_Update : public QDialog, private UpdateTransferHost {
    Q_OBJECT
public:
    struct Context {
        DriveMap drives;
        std::function<bool()> linkConnected;
        // The number of the link's present connection.
        std::function<uint64_t()> linkConnection;
        // Hands a record to the link, ahead of the queued commands, if the link is still on the
        // given connection; never waits for a write.
        std::function<bool(std::span<const uint8_t>, uint64_t onConnection)> send;
        QLocale locale = QLocale::system();
    };

    explicit TF_Update(Context context, QWidget* parent = nullptr);
    ~TF_Update() override;

    // A reply word from the board, handed over on the user interface thread; it is acted on once
    // the receive thread has moved on.
    void updateReply(uint32_t replyWord);
    // Every link measurement, shown or not: C_WLAN and L_WLAN.
    void showLinkQuality(const sync::LinkQualityReport& report);

    void RB_UserClick() { selectTarget(UpdateTarget::UserInterface); }
    void RB_NimbrelClick() { selectTarget(UpdateTarget::Firmware); }
    void RB_WiFiClick() { selectTarget(UpdateTarget::WiFi); }
    void B_StartClick();
    void B_CloseClick();

    const UpdateTransfer& transfer() const { return m_transfer; }

    QLabel* Label1;
    QWidget* Rectangle1;
    QGroupBox* GB_Update;
    QRadioButton* RB_User;
    QRadioButton* RB_Nimbrel;
    QRadioButton* RB_WiFi;
    QLineEdit* E_User;
    QLineEdit* E_Nimbrel;
    QLineEdit* E_WiFi;
    QProgressBar* PB_Sent;
    QLabel* L_Send;
    QLabel* L_Bytes;
    LinkCircle* C_WLAN;
    QLabel* L_WLAN;
    QPushButton* B_Start;
    QPushButton* B_Close;
    QTimer* Timer;  // the reply timer
    QTimer* Timer2; // the clearing tick

    static const QString kNoFile;

protected:
    void showEvent(QShowEvent* event) override; // FormShow
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TargetControls {
        QRadioButton* radio;
        QLineEdit* edit;
    };
    void selectTarget(UpdateTarget target);
    TargetControls controlsOf(UpdateTarget target) const;
    void clearRadios(QRadioButton* except);
    void installThisProgram();

    // UpdateTransferHost
    bool linkConnected() override;
    bool send(std::span<const uint8_t> record) override;
    void startReplyTimer(int ms) override;
    void stopReplyTimer() override;
    void startClearingTick() override;
    void stopClearingTick() override;
    void setSendCaption(const QString& text) override;
    void setBytes(int64_t number) override;
    void setProgress(int percent) override;
    void setStartEnabled(bool enabled) override;
    void setTargetsEnabled(bool enabled) override;
    void showMessage(const QString& text) override;

    Context m_context;
    UpdateTransfer m_transfer{*this};
    std::optional<UpdateFile> m_source; // the file of the last successful search
    uint64_t m_connection = 0;          // the one a transfer runs on
};

} // namespace talix::update
