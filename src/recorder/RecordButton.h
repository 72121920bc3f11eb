#pragma once

#include "session/RecordingPort.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace talix::recorder {

// B_Rec and E_File on the main window: a tap on "Rec" starts or stops the recording; the
// recording shows its texts in E_File, keeps B_Rec pressed (Tag 1) while it runs and B_Recorder
// disabled meanwhile (enabled again unless the DAB list is shown).
class RecordButton : public QObject, public session::RecordingDisplay {
    Q_OBJECT
public:
    struct Controls {
        QPushButton* B_Rec = nullptr;
        QLineEdit* E_File = nullptr;
        QPushButton* B_Recorder = nullptr;
        QWidget* dab = nullptr; // F_DAB
    };

    RecordButton(Controls controls, session::RecordingPort& recordings);
    ~RecordButton() override;

    void B_RecClick();

    // session::RecordingDisplay
    void showFileText(const QString& text) override;
    void showRecording(bool running) override;

private:
    QPointer<QPushButton> m_rec;
    QPointer<QLineEdit> m_file;
    QPointer<QPushButton> m_recorder;
    QPointer<QWidget> m_dab;
    session::RecordingPort& m_recordings;
};

} // namespace talix::recorder
