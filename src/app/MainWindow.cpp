#include "app/MainWindow.h"

#include "app/HostControls.h"
#include "app/MainWindowView.h"
#include "app/ReceiverViews.h"
#include "audio/OpenResultText.h"
#include "audio/RecordingFiles.h"
#include "base/BoardWords.h"
#include "base/MessageHook.h"
#include "base/Tags.h"
#include "controls/MainControls.h"
#include "controls/MainWindowHandlers.h"
#include "display/MeterBox.h"
#include "display/ReadoutPainter.h"
#include "display/SpectrumScreen.h"
#include "host/HostServices.h"
#include "session/Session.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QShowEvent>

namespace talix::app {

TFMain::TFMain(const Context& context, session::Session& session)
    : QWidget(nullptr), m_context(context), m_session(session) {
    setObjectName("FMain");
    setWindowTitle("Talix");
    setFixedSize(1920, 1200);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    if (!m_context.options.windowed)
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    m_controls = std::make_unique<controls::MainControls>(this);
    m_spectrum = std::make_unique<display::SpectrumScreen>(this);
}

TFMain::~TFMain() {
    FormDestroy();
}

void TFMain::FormCreate(const MainWindowForms& forms) {
    if (m_created)
        return;
    m_created = true;
    fillFieldTable();
    m_host = std::make_unique<HostControls>(
        *this, host::makeHostServices(m_context.options.hostServices),
        HostControls::Timings{m_context.batteryInterval, m_context.touchLockReenable}, forms.dab);
    m_view = std::make_unique<MainWindowView>(*this, m_session, forms.update);
    m_controls->RPegel->setLevelSource([this] { return m_session.state().LevelMarker; });
    m_updateForm = forms.update;
    if (m_updateForm)
        m_updateForm->installEventFilter(this);
    m_readouts = std::make_unique<display::ReadoutPainter>(
        TFieldTable, m_session.PaintEvent, m_session.Closing,
        display::ReadoutPainter::Sources{
            [this] { return readoutStateOf(m_session.state(), m_spectrum->gridOffset()); },
            [this] { return static_cast<QWidget*>(m_view->SelectedField()); }});

    const audio::OpenResult opened = m_session.open(*m_view);
    if (opened != audio::OpenResult::Ok) {
        showMessage(audio::openResultText(opened));
        return;
    }
    // The display device; without it brightness reports reach no display.
    m_host->services().openDisplay();
    m_host->brightness().request.policy = host::kPolicyBoth;
    m_controls->E_File->setText(audio::nextFileText(m_session.recordingSink().NextFileNumber));
    m_session.startThreads();
    createHandlers(forms);
}

// Every touch on the main window becomes a command in the queue; the knob's mark is repainted
// by the painter.
void TFMain::createHandlers(const MainWindowForms& forms) {
    controls::MainWindowHandlers::Context c;
    c.mainWindow = this;
    c.queue = &m_session.commands();
    c.state = &m_session.state();
    c.knobMoved = [this] {
        m_view->markField(board::number(board::Field::S_Pitch), 1);
        m_session.requestPaint();
    };
    c.frequencySelected = [this] { return m_view->SelectedField() == m_controls->EFreq1; };
    c.memoryKeypadOwnsTouches = [this, memory = QPointer<QWidget>(forms.memory)] {
        return memory && memory->isVisible() && m_session.dispatcher() &&
               !m_session.dispatcher()->rotatorSelected();
    };
    c.demods = forms.demods;
    c.bandwidths = forms.bandwidths;
    c.steps = forms.steps;
    c.showRotator = [rotator = QPointer<QWidget>(forms.rotator)] {
        if (rotator)
            rotator->show();
    };
    m_handlers = std::make_unique<controls::MainWindowHandlers>(std::move(c));
}

void TFMain::FormDestroy() {
    if (m_destroyed || !m_created)
        return;
    m_destroyed = true;
    m_session.Closing = true;
    m_handlers.reset();
    m_session.stop();
    m_readouts.reset();
    if (m_updateForm)
        m_updateForm->removeEventFilter(this);
    m_view.reset();
    m_host.reset();
}

// Every edit of the main window with a Tag below 38 sits in the slot of its Tag, then the five
// other readouts at their Tags. Edits also lose their caret and context menu here.
void TFMain::fillFieldTable() {
    TFieldTable.fill(nullptr);
    for (QObject* child : children()) {
        auto* edit = qobject_cast<QLineEdit*>(child);
        if (edit == nullptr)
            continue;
        edit->setReadOnly(true);
        edit->setCursor(Qt::ArrowCursor);
        edit->setContextMenuPolicy(Qt::NoContextMenu);
        const int tag = tagOf(edit);
        if (tag >= 0 && tag < display::kFieldTableSize)
            TFieldTable[tag] = edit;
    }
    for (const char* name : {"S_Pitch", "Panel4", "Panel5", "Panel6", "Panel7"}) {
        if (auto* w = findChild<QWidget*>(name, Qt::FindDirectChildrenOnly)) {
            const int tag = tagOf(w);
            if (tag >= 0 && tag < display::kFieldTableSize)
                TFieldTable[tag] = w;
        }
    }
}

// "OK" to the OFF question: the program ends, the host stays on.
void TFMain::endProgram() {
    m_session.Closing = true;
    close();
    QCoreApplication::quit();
}

void TFMain::applyBrightnessReport(uint32_t valueWord) {
    if (m_host)
        m_host->brightness().applyReport(valueWord);
}

void TFMain::paintReadouts() {
    if (m_readouts)
        m_readouts->paintPass();
}

bool TFMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_updateForm) {
        if (event->type() == QEvent::Show)
            m_session.setUpdateFormVisible(true);
        else if (event->type() == QEvent::Hide)
            m_session.setUpdateFormVisible(false);
    }
    return QWidget::eventFilter(watched, event);
}

void TFMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The first touch must act, not merely activate the window.
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

} // namespace talix::app
