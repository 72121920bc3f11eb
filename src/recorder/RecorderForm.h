#pragma once

#include "base/DriveMap.h"
#include "link/CommandPort.h"
#include "recorder/RecordingList.h"
#include "recorder/SeekBar.h"
#include "session/PlaybackPort.h"
#include "session/RecordingPort.h"
#include "sync/FormSlots.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace talix::recorder {

// F_Recorder: lists the recordings of C:\WAV, plays one with the live audio paused, deletes one
// (on a double click) and exports one to F:\WAV. The board shows and closes it (slot 13 of
// FormSlots) and scrolls its list; "Close" asks the board to close it.
class TF_Recorder : public QDialog, public sync::SlotForm {
    Q_OBJECT
public:
    struct Context {
        // Required, and outliving the form.
        link::CommandPort* commands = nullptr;
        session::PlaybackPort* playback = nullptr;
        session::RecordingPort* recordings = nullptr;
        DriveMap drives;
        std::function<void(int wheelDelta)> wheel; // the tuning knob's wheel handler
        QLocale locale = QLocale::system();
        int progressMs = 100; // Timer1, and how often a copy's progress is shown
    };

    explicit TF_Recorder(Context context, QWidget* parent = nullptr);
    ~TF_Recorder() override;

    // sync::SlotForm
    sync::ApplyResult ApplyItem(int item, std::span<const uint32_t> words) override;
    void selectField(int) override {}
    void showForm() override { show(); }
    void closeForm() override { close(); }

    void B_PlayClick();
    void B_StopClick();
    void B_DeleteDblClick();
    void B_ExportClick();
    void B_ExitClick();

    const RecordingList& list() const { return m_list; }
    bool copying() const { return m_copying; }

    QLabel* Label1 = nullptr;
    QListWidget* LV_Files = nullptr;
    QPushButton* B_Play = nullptr;
    QPushButton* B_Stop = nullptr;
    QPushButton* B_Delete = nullptr;
    QPushButton* B_Export = nullptr;
    QPushButton* B_Exit = nullptr;
    SeekBar* TB_Play = nullptr;
    QLabel* L_Bytes = nullptr;
    QLabel* L_Progress = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override; // FormShow
    void hideEvent(QHideEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Timer1Timer();
    void TB_PlayMouseMove(int value);
    void showList();
    void scrollToTopLine();
    void setIdleControls();
    void setBusyControls();
    void showCopyProgress();
    void copyEnded(session::FileExport::State state);
    QString wavFolder() const;
    QString fileName(int n) const;

    Context m_context;
    session::PlaybackPort& m_playback;
    session::RecordingPort& m_recordings;
    RecordingList m_list;
    QTimer m_copyTimer;
    bool m_copying = false;
};

} // namespace talix::recorder
