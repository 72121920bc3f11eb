#include "app/MainWindow.h"

#include "base/Tags.h"
#include "controls/MainControls.h"
#include "display/spectrum/SpectrumScreen.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QShowEvent>

namespace talix::app {

TFMain::TFMain(std::function<void()> beginClosing, bool framed)
    : QWidget(nullptr), m_beginClosing(std::move(beginClosing)) {
    setObjectName("FMain");
    setWindowTitle("Talix");
    setFixedSize(1920, 1200);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    if (!framed)
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    m_controls = std::make_unique<controls::MainControls>(this);
    m_spectrum = std::make_unique<display::SpectrumScreen>(this);
    fillFieldTable();
}

TFMain::~TFMain() = default;

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
    std::vector<QWidget*> shown = m_controls->scales;
    shown.push_back(m_controls->S_Pitch);
    for (QWidget* w : shown) {
        const int tag = tagOf(w);
        if (tag >= 0 && tag < display::kFieldTableSize)
            TFieldTable[tag] = w;
    }
}

// "OK" to the OFF question: the program ends, the host stays on.
void TFMain::endProgram() {
    m_beginClosing();
    close();
    QCoreApplication::quit();
}

void TFMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The first touch must act, not merely activate the window.
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

} // namespace talix::app
