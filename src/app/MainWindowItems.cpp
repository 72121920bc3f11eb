#include "app/MainWindowItems.h"

#include "app/ControlChanges.h"
#include "app/Forms.h"
#include "app/MainWindow.h"
#include "app/ReceiverViews.h"
#include "app/SlotFormShell.h"
#include "audio/AudioFormat.h"
#include "base/MessageHook.h"
#include "base/Tags.h"
#include "controls/ArmedBars.h"
#include "controls/FieldHighlight.h"
#include "controls/MainControls.h"
#include "display/SpectrumLine.h"
#include "display/SpectrumScreen.h"
#include "host/DirectControls.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>
#include <span>

namespace talix::app {

namespace {

using sync::MainControl;

constexpr const char* kStartScript = "TALIX\\Start.bat";
constexpr float kDefaultGridOffset = 1.5f;
constexpr int kTouchLocked = 1;         // B_Touch's Tag while the screen is locked
constexpr int kFrequencyEntryItem = 19; // the board's pseudo-field: tune mode on
constexpr int kTxFrequencyItem = 24;
constexpr int kFirstDabMainField = 13; // main-window fields that the DAB list shares its look with
constexpr int kLastDabMainField = 16;
constexpr QRgb kCircleSelected = 0xFFFFFACD;
constexpr QRgb kPitchSelected = 0xFFFFFF00;
constexpr QRgb kCircleWhite = 0xFFFFFFFF;
constexpr int kPanel4Tag = 33;
constexpr int kPanel6Tag = 35;

template <typename T> T* child(QWidget* form, const char* name) {
    return form ? form->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

void setFill(QWidget* shape, QRgb argb) {
    if (shape)
        shape->setProperty("Fill", uint(argb));
    if (shape)
        shape->update();
}

// The forms that take values from the board, by their TFormSlots index.
std::array<std::pair<int, QWidget**>, 8> slotForms() {
    using sync::TFormSlots;
    return {{{TFormSlots::Setup, &F_Setup},
             {TFormSlots::System, &F_System},
             {TFormSlots::Undo, &F_Undo},
             {TFormSlots::Microphone, &F_Mike},
             {TFormSlots::Memory, &F_Memory},
             {TFormSlots::WiFi, &F_WiFi},
             {TFormSlots::Recorder, &F_Recorder},
             {TFormSlots::DAB, &F_DAB}}};
}

} // namespace

MainWindowItems::MainWindowItems(TFMain& main, const QLocale& locale)
    : m_main(main), m_dispatcher(*this, m_slots, locale) {
#define TALIX_FIND_CONTROL(name)                                                                   \
    m_controls[MainControl::name] = main.findChild<QWidget*>(#name, Qt::FindDirectChildrenOnly);
    TALIX_MAIN_CONTROLS(TALIX_FIND_CONTROL)
#undef TALIX_FIND_CONTROL
    m_selectedField = main.controls()->EFreq1;
    attachConsumers();
}

// The playback ring and the spectrum of the main window take the frame's audio and spectrum line.
void MainWindowItems::attachConsumers() {
    audio::PlaybackRing& ring = m_main.playbackRing();
    consumers.playbackOpen = [&ring] { return ring.PlaybackOpen(); };
    consumers.queuePlayback = [&ring](const uint8_t* block) {
        ring.QueueBlock(std::span<const uint8_t, audio::kBlockBytes>(block, audio::kBlockBytes));
    };
    consumers.setPlaybackVolume = [&ring](uint8_t volume) { ring.SetPlaybackVolume(volume); };

    display::SpectrumScreen* spectrum = m_main.spectrum();
    if (spectrum == nullptr)
        return;
    consumers.drawSpectrumLine = [this, spectrum](const uint8_t* line) {
        spectrum->DrawSpectrumLine(std::span<const uint8_t, display::kSpectrumLineBytes>(
                                       line, display::kSpectrumLineBytes),
                                   spectrumSettings());
    };
    consumers.rebuildGrid = [this, spectrum] {
        spectrum->RebuildGrid(spectrumSettings());
        // The frequency scales follow the grid's new offset.
        markField(kPanel4Tag, 2);
        markField(kPanel6Tag, 2);
    };
    consumers.rebuildMarkerPath = [this, spectrum] {
        spectrum->RebuildMarkerPath(spectrumSettings());
    };
    consumers.placeThresholdLine = [this, spectrum] {
        spectrum->PlaceThresholdLine(spectrumSettings());
    };
    consumers.gridOffset = [spectrum] { return spectrum->gridOffset(); };
}

display::SpectrumSettings MainWindowItems::spectrumSettings() const {
    const controls::MainControls& c = *m_main.controls();
    return spectrumSettingsOf(m_dispatcher.state(), c.TBWFH->value(), c.TBWFL->value());
}

MainWindowItems::~MainWindowItems() {
    for (int k = 0; k < sync::TFormSlots::kSlots; ++k)
        m_slots.clear(k);
}

void MainWindowItems::fillFormSlots() {
    for (auto [index, form] : slotForms()) {
        if (*form == nullptr) {
            m_slots.clear(index);
        } else if (auto* own = dynamic_cast<sync::TSlotForm*>(*form)) {
            m_slots.set(index, own);
        } else {
            m_shells.push_back(std::make_unique<SlotFormShell>(**form));
            m_slots.set(index, m_shells.back().get());
        }
    }
}

QWidget* MainWindowItems::control(MainControl c) const {
    const auto it = m_controls.find(c);
    return it == m_controls.end() ? nullptr : it->second.data();
}

// Hand-overs of every frame.

bool MainWindowItems::recorderPlaying() const {
    return consumers.recorderPlaying && consumers.recorderPlaying();
}

bool MainWindowItems::recording() const {
    return tagOf(m_main.controls()->B_Rec) != 0;
}

void MainWindowItems::appendRecording(const uint8_t* audio) {
    if (consumers.appendRecording)
        consumers.appendRecording(audio);
}

bool MainWindowItems::playbackOpen() const {
    return consumers.playbackOpen && consumers.playbackOpen();
}

void MainWindowItems::queuePlayback(const uint8_t* audio) {
    if (consumers.queuePlayback)
        consumers.queuePlayback(audio);
}

void MainWindowItems::spectrumLine(const uint8_t* line) {
    if (consumers.drawSpectrumLine)
        consumers.drawSpectrumLine(line);
}

void MainWindowItems::statusWord(uint32_t status) {
    if (consumers.statusWord)
        consumers.statusWord(status);
}

// Link quality and the antenna.

void MainWindowItems::showLinkQuality(const sync::LinkQualityReport& report) {
    m_linkReport = report;
    m_main.controls()->LWiFi->setText(report.text);
    setFill(child<QWidget>(F_Update, "C_WLAN"), report.circleArgb);
    if (auto* label = child<QLabel>(F_Update, "L_WLAN"))
        label->setText(report.stateText);
}

void MainWindowItems::setLinkBarValue(int percent) {
    m_main.controls()->PBWiFi->setValue(percent);
}

void MainWindowItems::setLinkBarShowsPlayback(bool playback) {
    QProgressBar* bar = m_main.controls()->PBWiFi;
    bar->setProperty("StyleLookup", playback ? "ProgressBar1Style1" : "progressbarstyle");
    bar->style()->unpolish(bar);
    bar->style()->polish(bar);
}

bool MainWindowItems::externalAntennaChecked() const {
    if (auto* rb = child<QAbstractButton>(F_WiFi, "RBAnt"))
        return rb->isChecked();
    return m_externalAntenna;
}

void MainWindowItems::setExternalAntenna(bool checked, uint32_t lwifiArgb) {
    m_externalAntenna = checked;
    if (auto* rb = child<QAbstractButton>(F_WiFi, "RBAnt"))
        rb->setChecked(checked);
    setFontColour(m_main.controls()->LWiFi, lwifiArgb);
}

// The walk.

void MainWindowItems::markField(int tag, int mark) {
    if (tag >= 0 && tag < kFieldTableSize && m_main.TFieldTable[size_t(tag)])
        setTagFloat(m_main.TFieldTable[size_t(tag)], mark);
}

void MainWindowItems::requestPaint() {
    m_main.PaintEvent.set();
}

sync::ApplyResult MainWindowItems::applyItemEffect(const sync::ItemEffect& e,
                                                   const sync::ReceiverState& state) {
    for (const sync::ControlChange& change : e.changes)
        applyControlChange(control(change.control), change);
    if (e.rebuildGrid && consumers.rebuildGrid)
        consumers.rebuildGrid();
    if (e.placeThresholdLine && consumers.placeThresholdLine)
        consumers.placeThresholdLine();
    if (e.markerPathChanged && consumers.rebuildMarkerPath)
        consumers.rebuildMarkerPath();
    if (e.playbackVolume && playbackOpen() && consumers.setPlaybackVolume)
        consumers.setPlaybackVolume(*e.playbackVolume);
    if (e.brightnessReport)
        m_main.applyBrightnessReport(*e.brightnessReport);
    if (e.rotator)
        applyRotator(*e.rotator);
    if (e.slideProgress)
        setSlideProgress(*e.slideProgress);
    if (e.slideComplete && showSlide(state) == sync::ApplyResult::Failed)
        return sync::ApplyResult::Failed;
    // Last: the message is modal, and frames handled meanwhile see everything above applied.
    if (e.modalMessage)
        showMessage(*e.modalMessage);
    return sync::ApplyResult::Applied;
}

// FieldSelect for the main window: SelectedField moves to the edit with the item's Tag, and the
// frequency entry (item 19) switches tune mode on.
bool MainWindowItems::selectMainField(int item) {
    controls::MainControls& c = *m_main.controls();
    const bool dabShared = item >= kFirstDabMainField && item <= kLastDabMainField;
    controls::setEditStyle(child<QWidget>(F_DAB, "Edit0"),
                           dabShared ? "Edit1Style1" : "Edit1Style2");
    if (item == kFrequencyEntryItem) {
        setTagFloat(m_selectedField, 2);
        m_selectedField = c.EFreq1;
        c.B_Tune->setCheckable(true);
        c.B_Tune->setChecked(true);
        setTagFloat(c.EFreq1, 2);
        return true;
    }
    if (m_selectedField == nullptr)
        m_selectedField = c.EFreq1;
    if (item != kTxFrequencyItem)
        c.B_Tune->setCheckable(false); // tune mode off
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
        c.LSYNCSB->setVisible(found->objectName() == QLatin1String("EDemod"));
    found->setFocus();
    setTagFloat(found, 2);
    return true;
}

void MainWindowItems::selectDabField() {
    controls::setEditStyle(m_selectedField, "Edit1Style1");
    controls::setEditStyle(child<QWidget>(F_DAB, "Edit0"), "Edit1Style2");
}

void MainWindowItems::paintRotatorCircles(bool selected) {
    setFill(child<QWidget>(F_KAP, "S_Pitch1"), selected ? kCircleSelected : kCircleWhite);
    setFill(child<QWidget>(F_KAP, "S_Pitch"), selected ? kPitchSelected : kCircleWhite);
}

void MainWindowItems::sendRotatorValue(uint8_t value) {
    if (consumers.rotatorValue)
        consumers.rotatorValue(value);
}

void MainWindowItems::setMainControlsEnabled(bool enabled) {
    host::setDirectControlsEnabled(m_main, enabled);
}

// While the touch lock is on, the lock alone decides which controls take touches: a form the board
// shows or closes must not open the locked screen.
bool MainWindowItems::touchLocked() const {
    return tagOf(m_main.controls()->B_Touch) == kTouchLocked;
}

void MainWindowItems::disableMainControls(bool onlyRecorder) {
    if (touchLocked())
        return;
    controls::MainControls& c = *m_main.controls();
    if (onlyRecorder) {
        c.B_Recorder->setEnabled(false);
        return;
    }
    setMainControlsEnabled(false);
    // The volume bars and OFF stay usable while the board shows a form, and so does the knob.
    c.B_OFF->setEnabled(true);
    c.SBLSP->setEnabled(true);
    c.SBKH->setEnabled(true);
    c.S_Geber->setEnabled(true);
}

void MainWindowItems::enableMainControls() {
    if (touchLocked())
        return;
    setMainControlsEnabled(true);
}

void MainWindowItems::focusSelectedField(bool focus) {
    if (m_selectedField == nullptr)
        return;
    if (focus)
        m_selectedField->setFocus();
    else
        m_selectedField->clearFocus();
}

std::optional<QString> MainWindowItems::startScriptFirstLine() {
    QFile script(m_main.drives().path('C', kStartScript));
    if (!script.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray line = script.readLine(4096);
    return QString::fromLocal8Bit(line).remove('\r').remove('\n');
}

void MainWindowItems::setIdentification(const QString& text) {
    m_main.controls()->LWLANDevice->setText(text);
}

bool MainWindowItems::updateFormVisible() const {
    return F_Update != nullptr && F_Update->isVisible();
}

// Under CommandLock, so that the acknowledgement never interleaves with a command on the wire; a
// link that is down takes nothing, and that is ignored.
void MainWindowItems::writeAck(const uint8_t* record, size_t size) {
    if (link::LinkPort* port = m_main.linkPort())
        port->write(record, size);
}

bool MainWindowItems::tuneButtonPressed() const {
    return m_main.controls()->B_Tune->isChecked();
}

int MainWindowItems::sliderPosition(MainControl slider) const {
    auto* bar = qobject_cast<QAbstractSlider*>(control(slider));
    return bar ? bar->value() : 0;
}

float MainWindowItems::gridOffset() const {
    return consumers.gridOffset ? consumers.gridOffset() : kDefaultGridOffset;
}

// Items 55 to 57 on the rotator form, and what the main window keeps of them.
void MainWindowItems::applyRotator(const sync::RotatorReport& r) {
    if (r.kind == sync::RotatorReport::Present) {
        RotatorOn = r.position != 0;
        if (r.position != 0)
            DialPosition = r.position;
    }
    if (auto* l = child<QLabel>(F_KAP, "LConnect"); l && !r.connectText.isEmpty())
        l->setText(r.connectText);
    if (auto* l = child<QLabel>(F_KAP, "L_Current"); l && !r.currentText.isEmpty())
        l->setText(r.currentText);
    if (auto* l = child<QLabel>(F_KAP, "L_Ver"); l && !r.versionText.isEmpty())
        l->setText(r.versionText);
    if (r.kind == sync::RotatorReport::Present) {
        if (auto* b = child<QAbstractButton>(F_KAP, "B_Off")) {
            b->setCheckable(RotatorOn);
            b->setChecked(RotatorOn);
        }
    }
    if (consumers.rotatorReport)
        consumers.rotatorReport(r);
}

void MainWindowItems::setSlideProgress(int percent) {
    if (auto* bar = child<QProgressBar>(F_DAB, "PB_SL"))
        bar->setValue(percent);
}

// A complete slide: a picture file (JPEG, PNG) for RMOT. One that does not decode is a failure
// of the walk, and the stream stays as it is until the next announcement.
sync::ApplyResult MainWindowItems::showSlide(const sync::ReceiverState& state) {
    QImage picture;
    if (!picture.loadFromData(state.SlideStream))
        return sync::ApplyResult::Failed;
    m_slide = picture;
    if (consumers.showSlide)
        consumers.showSlide(m_slide);
    setSlideProgress(0);
    return sync::ApplyResult::Applied;
}

} // namespace talix::app
