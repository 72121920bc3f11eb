#include "recorder/RecordButton.h"

#include "base/Tags.h"

namespace talix::recorder {

RecordButton::RecordButton(Controls controls, session::RecordingPort& recordings)
    : m_rec(controls.B_Rec), m_file(controls.E_File), m_recorder(controls.B_Recorder),
      m_dab(controls.dab), m_recordings(recordings) {
    if (m_rec)
        connect(m_rec, &QPushButton::clicked, this, [this] { B_RecClick(); });
    m_recordings.setDisplay(this);
}

RecordButton::~RecordButton() {
    m_recordings.setDisplay(nullptr);
}

void RecordButton::B_RecClick() {
    m_recordings.click();
    // A refused click leaves the button as the recording is, not as the tap toggled it.
    showRecording(m_recordings.running());
}

void RecordButton::showFileText(const QString& text) {
    if (m_file)
        m_file->setText(text);
}

void RecordButton::showRecording(bool running) {
    if (m_rec) {
        m_rec->setChecked(running);
        setTag(m_rec, running ? 1 : 0);
    }
    if (m_recorder) {
        if (running)
            m_recorder->setEnabled(false);
        else if (!(m_dab && m_dab->isVisible()))
            m_recorder->setEnabled(true);
    }
}

} // namespace talix::recorder
