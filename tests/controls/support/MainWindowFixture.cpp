#include "MainWindowFixture.h"

#include "Pointer.h"
#include "base/Tags.h"
#include "display/readouts/ReadoutControls.h"

#include <QPushButton>
#include <string_view>

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

// The designed controls this handler layer serves, with their names, Tags and places.
MainWindowHandlers::Controls buildControls(QWidget* w) {
    MainWindowHandlers::Controls c;
    c.mainWindow = w;
    const display::ReadoutControls readouts = display::createReadoutControls(w);
    c.readouts = readouts.edits;
    c.S_Pitch = readouts.S_Pitch;
    for (const auto& b : kButtons) {
        auto* button = new QPushButton(QString::fromUtf8(b.text), w);
        button->setObjectName(b.name);
        setTag(button, b.tag);
        button->setGeometry(b.box);
        button->setCheckable(b.staysPressed);
        button->setFocusPolicy(Qt::NoFocus);
        if (std::string_view(b.name) == "B_KAP")
            c.B_KAP = button;
        else
            c.buttons.push_back(button);
        if (std::string_view(b.name) == "B_Tune")
            c.B_Tune = button;
    }
    c.S_Geber = plain(w, "S_Geber", {1560, 847, 348, 348});
    c.Panel2 = plain(w, "Panel2", {80, 38, 1026, 322});
    c.Panel3 = plain(w, "Panel3", {80, 366, 1026, 322});
    c.Panel9 = plain(w, "Panel9", {1616, 752, 297, 65});
    c.bars.SBKH = volumeBar(w, "SBKH", 20, {10, 1094, 720, 80}, 0);
    c.bars.SBLSP = volumeBar(w, "SBLSP", 21, {762, 1094, 720, 80}, 250);
    c.bars.SBKHN = plain(w, "SBKHN", {0, 1080, 97, 105});
    c.bars.SBLSPN = plain(w, "SBLSPN", {752, 1080, 97, 105});
    setTag(c.bars.SBKHN, 20);
    setTag(c.bars.SBLSPN, 21);
    c.bars.TBWFH = trackBar(w, "TBWFH", 35, {1145, 448, 19, 238}, 1, 160, 70);
    c.bars.TBWFL = trackBar(w, "TBWFL", 36, {1240, 448, 19, 238}, 0, 159, 5);
    c.bars.TB_Att = trackBar(w, "TB_Att", 26, {1745, 170, 19, 266}, 0, 35, 6);
    return c;
}

} // namespace

MainWindowFixture::MainWindowFixture() : window(std::make_unique<QWidget>()) {
    window->setObjectName("FMain");
    window->setFixedSize(1920, 1200);
    const MainWindowHandlers::Controls controls = buildControls(window.get());
    demods = new TF_Demods(probe.queue, window.get());
    bandwidths = new TF_BWs(probe.queue, state, window.get());
    steps = new TF_Steps(probe.queue, window.get());

    MainWindowHandlers::Context c;
    c.controls = controls;
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
