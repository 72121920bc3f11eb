#include "app/MainWindowView.h"

#include "app/ControlTargets.h"
#include "app/MainWindow.h"
#include "app/ReceiverViews.h"
#include "base/BoardWords.h"
#include "base/MessageHook.h"
#include "base/Tags.h"
#include "controls/DirectControls.h"
#include "controls/FieldHighlight.h"
#include "controls/MainControls.h"
#include "display/MeterBars.h"
#include "display/readouts/ReadoutPainter.h"
#include "display/spectrum/SpectrumLine.h"
#include "display/spectrum/SpectrumScreen.h"
#include "session/Session.h"
#include "settings/WiFiForm.h"
#include "update/UpdateForm.h"

#include <QAbstractSlider>
#include <QProgressBar>
#include <span>

namespace talix::app {

namespace {

using sync::MainControl;

using board::Field;
// The main-window fields that the DAB list's entry field shares its look with.
constexpr int kFirstDabMainField = board::number(Field::ETime);
constexpr int kLastDabMainField = board::number(Field::EGridB);

} // namespace

MainWindowView::MainWindowView(TFMain& main, Sources session, update::TF_Update* updateForm,
                               display::ReadoutPainter& readouts,
                               std::function<void(uint32_t)> brightnessReport)
    : m_main(main), m_session(std::move(session)), m_readouts(readouts),
      m_brightnessReport(std::move(brightnessReport)), m_updateForm(updateForm), m_targets(main) {
    m_selectedField = main.controls()->EFreq1;
}

display::SpectrumSettings MainWindowView::spectrumSettings() const {
    return spectrumSettingsOf(m_session.state);
}

void MainWindowView::linkLostDisplay() {
    m_main.controls()->LWiFi->setText("0%");
    m_main.controls()->PBWiFi->setValue(0);
}

void MainWindowView::paintReadouts() {
    m_readouts.paintPass();
}

void MainWindowView::spectrumLine(const uint8_t* line) {
    m_main.spectrum()->DrawSpectrumLine(
        std::span<const uint8_t, display::kSpectrumLineBytes>(line, display::kSpectrumLineBytes),
        spectrumSettings());
}

void MainWindowView::rebuildGrid() {
    m_main.spectrum()->RebuildGrid(spectrumSettings());
    markField(board::number(Field::Panel4), 2);
    markField(board::number(Field::Panel6), 2);
}

void MainWindowView::placeThresholdLine() {
    m_main.spectrum()->PlaceThresholdLine(spectrumSettings());
}

// Link quality and the antenna.

void MainWindowView::showLinkQuality(const sync::LinkQualityReport& report) {
    m_linkReport = report;
    m_main.controls()->LWiFi->setText(report.text);
    if (m_updateForm != nullptr)
        m_updateForm->showLinkQuality(report);
}

void MainWindowView::setLinkBarValue(int percent) {
    m_main.controls()->PBWiFi->setValue(percent);
}

// "ProgressBar1Style1" (red) while the bar shows the playback queue, "progressbarstyle" (blue)
// while it shows the link quality.
void MainWindowView::setLinkBarShowsPlayback(bool playback) {
    display::setBarStyle(m_main.controls()->PBWiFi,
                         playback ? display::BarStyle::Red : display::BarStyle::Blue);
}

// The receiver state holds whether the external antenna is in use; RBAnt of the WiFi form shows it.
QAbstractButton* MainWindowView::antennaButton() const {
    auto* wifi =
        dynamic_cast<settings::TF_WiFi*>(m_session.forms.at(board::number(board::Form::WiFi)));
    return wifi ? wifi->RBAnt : nullptr;
}

void MainWindowView::setExternalAntenna(bool checked, uint32_t lwifiArgb) {
    if (QAbstractButton* button = antennaButton())
        button->setChecked(checked);
    setFontColour(m_main.controls()->LWiFi, lwifiArgb);
}

// The walk.

void MainWindowView::markField(int tag, int mark) {
    if (tag >= 0 && tag < display::kFieldTableSize && m_main.TFieldTable[size_t(tag)])
        setTagFloat(m_main.TFieldTable[size_t(tag)], mark);
}

sync::ApplyResult MainWindowView::applyItemEffect(const sync::ItemEffect& e,
                                                  const sync::ReceiverState&) {
    for (const sync::ControlChange& change : e.changes)
        m_targets.apply(change);
    if (e.rebuildGrid)
        rebuildGrid();
    if (e.placeThresholdLine)
        placeThresholdLine();
    if (e.markerPathChanged)
        m_main.spectrum()->RebuildMarkerPath(spectrumSettings());
    if (e.brightnessReport)
        m_brightnessReport(*e.brightnessReport);
    // Last: the message is modal, and frames handled meanwhile see everything above applied.
    if (e.modalMessage)
        showMessage(*e.modalMessage);
    return sync::ApplyResult::Applied;
}

void MainWindowView::setDabEntryFieldSelected(bool selected) {
    if (sync::SlotForm* dab = m_session.forms.at(board::number(board::Form::DAB)))
        dab->setEntryFieldSelected(selected);
}

void MainWindowView::showTuneMode(bool offered, bool on) {
    QPushButton* tune = m_main.controls()->B_Tune;
    tune->setCheckable(offered);
    tune->setChecked(on);
}

// FieldSelect for the main window: SelectedField moves to the edit with the item's Tag.
bool MainWindowView::selectMainField(int item) {
    controls::MainControls& c = *m_main.controls();
    setDabEntryFieldSelected(item >= kFirstDabMainField && item <= kLastDabMainField);
    if (item == board::number(Field::FrequencyEntry)) {
        setTagFloat(m_selectedField, 2);
        m_selectedField = c.EFreq1;
        setTagFloat(c.EFreq1, 2);
        return true;
    }
    if (m_selectedField == nullptr)
        m_selectedField = c.EFreq1;
    QLineEdit* found = nullptr;
    for (QObject* o : m_main.children()) {
        auto* edit = qobject_cast<QLineEdit*>(o);
        if (edit != nullptr && !edit->isWindow() && tagOf(edit) == item) {
            found = edit;
            break;
        }
    }
    if (found == nullptr)
        return false;
    setTagFloat(m_selectedField, 2);
    m_selectedField = found;
    if (c.LSYNCSB)
        c.LSYNCSB->setVisible(item == board::number(Field::EDemod));
    found->setFocus();
    setTagFloat(found, 2);
    return true;
}

void MainWindowView::selectDabField() {
    controls::setEditStyle(m_selectedField, "Edit1Style1");
    setDabEntryFieldSelected(false);
}

// The rotator form shows them; it takes the rotator's words through the session's rotator link.
void MainWindowView::paintRotatorCircles(bool selected) {
    m_session.rotator.paintCircles(selected);
}

// While the touch lock is on, the lock alone decides which controls take touches: a form the board
// shows or closes must not open the locked screen.
bool MainWindowView::touchLocked() const {
    return m_session.touchLocked();
}

void MainWindowView::disableMainControls(bool onlyRecorder) {
    if (touchLocked())
        return;
    controls::MainControls& c = *m_main.controls();
    if (onlyRecorder) {
        c.B_Recorder->setEnabled(false);
        return;
    }
    controls::setDirectControlsEnabled(m_main, false);
    // The volume bars and OFF stay usable while the board shows a form, and so does the knob.
    c.B_OFF->setEnabled(true);
    c.SBLSP->setEnabled(true);
    c.SBKH->setEnabled(true);
    c.S_Geber->setEnabled(true);
}

void MainWindowView::enableMainControls() {
    if (touchLocked())
        return;
    controls::setDirectControlsEnabled(m_main, true);
}

void MainWindowView::focusSelectedField(bool focus) {
    if (m_selectedField == nullptr)
        return;
    if (focus)
        m_selectedField->setFocus();
    else
        m_selectedField->clearFocus();
}

void MainWindowView::setIdentification(const QString& text) {
    m_main.controls()->LWLANDevice->setText(text);
}

} // namespace talix::app
