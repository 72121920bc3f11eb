#include "memory/MemoryForm.h"

#include "base/BoardWords.h"
#include "base/Palette.h"
#include "controls/FormActivation.h"
#include "base/Tags.h"
#include "display/Fonts.h"
#include "display/FormPlace.h"
#include "display/WidgetColours.h"
#include "link/CommandRecords.h"
#include "memory/MemoryLayout.h"
#include "memory/MemoryLine.h"
#include "memory/MemoryLineText.h"
#include "memory/MemoryLineZone.h"

#include <QMouseEvent>

namespace talix::memory {

namespace {

// Fixed above the main window without a title bar, as the settings forms: the client area is the
// whole window.
constexpr Qt::WindowFlags kFormFlags =
    Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
constexpr QSize kClient{1440, 829};

// Line1 and Line2 red, Line3 yellow: the zone boundaries over all lines.
void addZoneLine(QWidget* form, const char* name, double offset, QColor colour) {
    auto* line = new QWidget(form);
    line->setObjectName(name);
    line->setGeometry(memoryLineBox(0).x() + int(offset), 24, 2, 779);
    display::setFillColour(line, colour);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
}

} // namespace

TF_Memory::TF_Memory(link::CommandPort& commands, std::function<void()> closeDab,
                     QWidget* mainWindow)
    : QWidget(mainWindow, kFormFlags), m_commands(commands), m_closeDab(std::move(closeDab)),
      m_mainWindow(mainWindow) {
    setObjectName(board::formName(board::Form::Memory));
    setFixedSize(kClient);
    display::setFillColour(this, QColor::fromRgba(kTeal));

    LMemory = new QLabel("Memory / Direct Input", this);
    LMemory->setObjectName("LMemory");
    LMemory->setGeometry(16, 2, 401, 47);
    QFont heading = display::pinnedFont(display::FontFace::UiRegular, 38);
    heading.setWeight(QFont::DemiBold);
    LMemory->setFont(heading);
    display::setTextColour(LMemory, QColor::fromRgba(kYellow));

    for (const MemoryButton& b : memoryButtons()) {
        auto* button = new QPushButton(QString::fromUtf8(b.text), this);
        button->setObjectName(b.name);
        setTag(button, b.tag);
        button->setGeometry(b.box);
        button->setFont(display::pinnedFont(display::FontFace::UiRegular, b.fontPixels));
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, button] { B_OKClick(button); });
    }

    for (int tag = 0; tag < kMemoryLines; ++tag) {
        auto* line = new MemoryLine(this, tag);
        connect(line, &MemoryLine::pressed, this,
                [this, tag](double x) { Edit0MouseDown(tag, x); });
        m_lines[size_t(tag)] = line;
    }
    addZoneLine(this, "Line1", kChannelZoneLeft, QColor::fromRgba(kRed));
    addZoneLine(this, "Line2", kShortFieldLeft, QColor::fromRgba(kRed));
    addZoneLine(this, "Line3", kLongFieldLeft, QColor::fromRgba(kYellow));
}

MemoryLine* TF_Memory::line(int tag) const {
    return tag >= 0 && tag < kMemoryLines ? m_lines[size_t(tag)] : nullptr;
}

QPushButton* TF_Memory::button(const char* name) const {
    return findChild<QPushButton*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

// A memory line from the board: its text, and the highlight goes unless it is that line.
sync::ApplyResult TF_Memory::ApplyItem(int item, std::span<const uint32_t> words) {
    MemoryLine* edit = line(item);
    if (edit == nullptr)
        return sync::ApplyResult::Applied;
    edit->setText(memoryLineText(words));
    m_highlight.lineWritten(item);
    paintHighlight();
    return sync::ApplyResult::Applied;
}

// Shown by the board at the centre of the main window, without a highlighted line, and active so
// that the board hears of it.
void TF_Memory::showForm() {
    if (!isVisible()) {
        m_highlight.formShown();
        paintHighlight();
        if (m_mainWindow)
            move(display::centredOn(m_mainWindow, size()));
    }
    show();
    raise();
    activateWindow();
}

void TF_Memory::changeEvent(QEvent* event) {
    controls::announceActivation(*this, *event, m_commands);
    QWidget::changeEvent(event);
}

// A press just above or below a line counts for the line.
void TF_Memory::mousePressEvent(QMouseEvent* event) {
    const int tag = memoryLineAt(event->position());
    if (tag >= 0 && event->button() == Qt::LeftButton)
        Edit0MouseDown(tag, event->position().x() - memoryLineBox(tag).x());
    event->accept();
}

void TF_Memory::Edit0MouseDown(int tag, double x) {
    const LineZone z = lineZone(x, tag);
    if (m_commands.QueueCommand(link::commands::memoryFieldSelect(tag, z.zone, z.lineByte),
                                link::LimitRule::Notify) != link::QueueResult::Queued)
        return;
    m_highlight.linePressed(tag);
    paintHighlight();
}

void TF_Memory::B_OKClick(QObject* sender) {
    const int tag = tagOf(sender);
    if (m_commands.QueueCommand(link::commands::button(tag), link::LimitRule::Notify) !=
        link::QueueResult::Queued)
        return;
    if ((tag >> 8 & 0xFF) == board::number(board::MemoryFunction::DiscoverDab) && m_closeDab)
        m_closeDab();
}

void TF_Memory::paintHighlight() {
    for (int tag = 0; tag < kMemoryLines; ++tag)
        m_lines[size_t(tag)]->setFontColour(m_highlight.colourOf(tag));
}

void TF_Memory::wheelEvent(QWheelEvent* event) {
    controls::forwardWheel(event, m_wheel);
}

} // namespace talix::memory
