#include "MainWindowFixture.h"

#include "Pointer.h"
#include "base/Tags.h"
#include "display/readouts/ReadoutControls.h"

#include <QPushButton>

namespace talix::controls::testing {

namespace {

struct ButtonPlace {
    const char* name;
    int tag;
    const char* text;
    QRect box;
    bool staysPressed;
};

constexpr ButtonPlace kButtons[] = {
    {"B_Zero", 0, "→ Zero", {552, 736, 156, 84}, false},
    {"B_Tune", 12, "Tune", {709, 736, 108, 84}, false},
    {"B_Stereo", 23, "Stereo", {1153, 736, 137, 84}, false},
    {"B_Filter", 21, "Average", {1291, 736, 174, 84}, false},
    {"B_Setup", 2829, "Setup", {1305, 496, 204, 80}, false},
    {"B_System", 3085, "System", {1510, 496, 204, 80}, false},
    {"B_Mike", 3597, "Microphone", {1715, 496, 204, 80}, false},
    {"B_WiFi", 4365, "WiFi", {1305, 576, 204, 80}, false},
    {"B_Memory", 4621, "Mem/Direct", {1510, 576, 204, 80}, false},
    {"B_Recorder", 4877, "Recorder", {1715, 576, 204, 80}, false},
    {"B_Lock", 34, "TX Lock", {536, 864, 97, 88}, false},
    {"EUndo", 3341, "0", {1548, 120, 93, 81}, true},
    {"B_KAP", 0, "KAP", {1039, 736, 113, 84}, false},
};

QWidget* plain(QWidget* parent, const char* name, QRect box) {
    auto* w = new QWidget(parent);
    w->setObjectName(name);
    w->setGeometry(box);
    return w;
}

QScrollBar* volumeBar(QWidget* parent, const char* name, int tag, QRect box, int start) {
    auto* b = new QScrollBar(Qt::Horizontal, parent);
    b->setObjectName(name);
    setTag(b, tag);
    b->setGeometry(box);
    b->setRange(0, 300 - 45);
    b->setPageStep(45);
    b->setValue(start);
    return b;
}

QSlider* trackBar(QWidget* parent, const char* name, int tag, QRect box, int min, int max,
                  int start) {
    auto* b = new QSlider(Qt::Vertical, parent);
    b->setObjectName(name);
    setTag(b, tag);
    b->setGeometry(box);
    b->setRange(min, max);
    b->setValue(start);
    return b;
}

// The designed controls this handler layer reads, by name, Tag and place.
void buildControls(QWidget* w) {
    display::createReadoutControls(w);
    for (const auto& b : kButtons) {
        auto* button = new QPushButton(QString::fromUtf8(b.text), w);
        button->setObjectName(b.name);
        setTag(button, b.tag);
        button->setGeometry(b.box);
        button->setCheckable(b.staysPressed);
        button->setFocusPolicy(Qt::NoFocus);
    }
    plain(w, "S_Geber", {1560, 847, 348, 348});
    plain(w, "Panel2", {80, 38, 1026, 322});
    plain(w, "Panel3", {80, 366, 1026, 322});
    plain(w, "Panel9", {1616, 752, 297, 65});
    volumeBar(w, "SBKH", 20, {10, 1094, 720, 80}, 0);
    volumeBar(w, "SBLSP", 21, {762, 1094, 720, 80}, 250);
    setTag(plain(w, "SBKHN", {0, 1080, 97, 105}), 20);
    setTag(plain(w, "SBLSPN", {752, 1080, 97, 105}), 21);
    trackBar(w, "TBWFH", 35, {1145, 448, 19, 238}, 1, 160, 70);
    trackBar(w, "TBWFL", 36, {1240, 448, 19, 238}, 0, 159, 5);
    trackBar(w, "TB_Att", 26, {1745, 170, 19, 266}, 0, 35, 6);
}

} // namespace

MainWindowFixture::MainWindowFixture() : window(std::make_unique<QWidget>()) {
    window->setObjectName("FMain");
    window->setFixedSize(1920, 1200);
    buildControls(window.get());
    demods = new TF_Demods(probe.queue, window.get());
    bandwidths = new TF_BWs(probe.queue, state, window.get());
    steps = new TF_Steps(probe.queue, window.get());

    MainWindowHandlers::Context c;
    c.mainWindow = window.get();
    c.queue = &probe.queue;
    c.state = &state;
    c.knobMoved = [this] { ++knobMarks; };
    c.frequencySelected = [this] { return frequencySelected; };
    c.memoryKeypadOwnsTouches = [this] { return memoryOwnsTouches; };
    c.demods = demods;
    c.bandwidths = bandwidths;
    c.steps = steps;
    c.showRotator = [this] { ++rotatorShown; };
    handlers = std::make_unique<MainWindowHandlers>(c);
    // As the program's main window does: it takes the focus itself when it appears, so the first
    // touch on a readout enters that readout.
    window->setFocusPolicy(Qt::StrongFocus);
    const double scale = qEnvironmentVariable("TALIX_TEST_SCALE", "1").toDouble();
    if (scale > 0 && scale < 1) {
        screen = std::make_unique<display::ScaledScreen>(window.get(), scale);
        showAndExpose(screen.get());
    } else {
        showAndExpose(window.get());
    }
    window->activateWindow();
    window->setFocus(Qt::ActiveWindowFocusReason);
}

MainWindowFixture::~MainWindowFixture() = default;

} // namespace talix::controls::testing
