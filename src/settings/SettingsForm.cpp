#include "settings/SettingsForm.h"

#include "base/Tags.h"
#include "controls/FieldHighlight.h"
#include "controls/WheelForward.h"
#include "display/Fonts.h"
#include "display/FormPlace.h"
#include "display/WidgetColours.h"
#include "link/CommandRecords.h"
#include "settings/StyleBook.h"

#include <QMouseEvent>
#include <algorithm>

namespace talix::settings {

namespace {

// Fixed panels above the main window: no title bar, so that the designed client area is the
// whole window and the tallest form still fits the screen.
constexpr Qt::WindowFlags kFormFlags =
    Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;

QFont formFont(int pixels) {
    return display::pinnedFont(display::FontFace::UiRegular, pixels);
}

// A row's caption and its edit alike: name, Tag, place, the form's font and alignment.
template <class W>
W* placedInRow(W* w, const char* name, int item, QRect box, Qt::Alignment horizontal) {
    w->setObjectName(QString::fromLatin1(name));
    setTag(w, item);
    w->setGeometry(box);
    w->setFont(formFont(kFormFontPixels));
    w->setAlignment(horizontal | Qt::AlignBottom);
    return w;
}

} // namespace

SettingsForm::SettingsForm(const SettingsFormDesign& design, SettingsHost& host,
                           QWidget* mainWindow)
    : QWidget(mainWindow, kFormFlags), m_host(host), m_design(design), m_mainWindow(mainWindow) {
    setObjectName(QString::fromLatin1(design.instance));
    setFixedSize(design.client);
    display::setFillColour(this, QColor::fromRgba(design.fill));
    setStyleSheet(styleBook());
}

sync::ApplyResult SettingsForm::ApplyItem(int item, std::span<const uint32_t> words) {
    if (!words.empty())
        applyValue(item, words[0]);
    return sync::ApplyResult::Applied;
}

void SettingsForm::selectField(int tag) {
    controls::selectFormField(this, tag);
}

void SettingsForm::showForm() {
    // Each showing starts with no edit holding the focus, so the first tap on any edit selects it.
    m_focused = nullptr;
    place();
    show();
}

void SettingsForm::closeForm() {
    close();
}

QLineEdit* SettingsForm::editWithTag(int tag) const {
    return controls::editWithTag(this, tag);
}

QLineEdit* SettingsForm::currentField() const {
    return controls::currentField(this);
}

QLabel* SettingsForm::captionWithTag(int tag) const {
    for (QLabel* l : m_captions)
        if (tagOf(l) == tag)
            return l;
    return nullptr;
}

void SettingsForm::applyEffect(int item, const FormItemEffect& effect) {
    if (effect.editText)
        if (QLineEdit* edit = editWithTag(item))
            edit->setText(*effect.editText);
    if (effect.captionText)
        if (QLabel* caption = captionWithTag(item))
            caption->setText(*effect.captionText);
    for (const MainText& t : effect.mainTexts)
        m_host.applyControlChange({t.control, sync::ControlChange::Text, 0, 0, t.text});
    for (const ReadoutMark& m : effect.marks)
        m_host.markField(m.tag, m.mark);
    if (effect.placeThresholdLine)
        m_host.placeThresholdLine();
    if (effect.rebuildGrid)
        m_host.rebuildGrid();
}

QLabel* SettingsForm::addTitle(const char* name, const char* text, QRect box, QRgb colour) {
    auto* l = new QLabel(QString::fromUtf8(text), this);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(box);
    l->setFont(formFont(kFormTitlePixels));
    display::setTextColour(l, QColor::fromRgba(colour));
    return l;
}

QWidget* SettingsForm::addRectangle(const char* name, QRect box, QRgb fill) {
    auto* r = new QWidget(this);
    r->setObjectName(QString::fromLatin1(name));
    r->setGeometry(box);
    display::setFillColour(r, QColor::fromRgba(fill));
    return r;
}

QLineEdit* SettingsForm::addRow(const FieldRow& row) {
    auto* label = placedInRow(new QLabel(QString::fromUtf8(row.caption), this), row.labelName,
                              row.item, row.labelBox, Qt::AlignLeft);
    display::setTextColour(label, Qt::black);
    m_captions.push_back(label);

    auto* edit = placedInRow(new QLineEdit(QString::fromUtf8(row.initialText), this), row.editName,
                             row.item, row.editBox, Qt::AlignRight);
    edit->setReadOnly(true);
    m_edits.push_back(edit);

    // Taps reach the form's filter; the edit itself never starts a selection or an edit menu.
    edit->installEventFilter(this);
    if (row.selectable) {
        label->installEventFilter(this);
        m_selectors.push_back(edit);
        m_selectors.push_back(label);
    }
    return edit;
}

QPushButton* SettingsForm::addButton(const char* name, const char* text, QRect box) {
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(box);
    b->setFont(formFont(kFormFontPixels));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QPushButton* SettingsForm::addCloseButton(const char* name, const char* text, int tag, QRect box) {
    QPushButton* b = addButton(name, text, box);
    setTag(b, tag);
    connect(b, &QPushButton::clicked, this, [this, b] { B_ExitClick(b); });
    return b;
}

void SettingsForm::FormCreate(QLineEdit* current, bool currentLooksSelected) {
    for (QLineEdit* e : m_edits) {
        // The input focus is the form's own (see eventFilter): no caret ever shows.
        e->setFocusPolicy(Qt::NoFocus);
        e->setCursor(Qt::ArrowCursor);
        e->setContextMenuPolicy(Qt::NoContextMenu);
        const bool selected = e == current && currentLooksSelected;
        controls::setEditStyle(e, selected ? kEdit1Style4 : kEdit1Style3);
    }
    controls::setCurrentField(this, current);
}

bool SettingsForm::Edit0Enter(QObject* sender) {
    return queueNotify(fieldSelectRecord(tagOf(sender)));
}

link::Command SettingsForm::fieldSelectRecord(int tag) const {
    return link::commands::fieldSelect(tag, m_design.formIndex, 0);
}

bool SettingsForm::queueNotify(link::Command record) {
    return queue(std::move(record), link::LimitRule::Notify);
}

bool SettingsForm::queueDrop(link::Command record) {
    return queue(std::move(record), link::LimitRule::Drop);
}

bool SettingsForm::queueAlways(link::Command record) {
    return queue(std::move(record), link::LimitRule::None);
}

bool SettingsForm::queue(link::Command record, link::LimitRule rule) {
    return m_host.commands().QueueCommand(std::move(record), rule) == link::QueueResult::Queued;
}

void SettingsForm::B_ExitClick(QObject* sender) {
    // The board closes the form when it has taken the press.
    queueNotify(link::commands::button(tagOf(sender)));
}

void SettingsForm::wheelEvent(QWheelEvent* event) {
    controls::forwardWheel(event, [this](int delta) { m_host.mouseWheel(delta); });
}

// Edits and caption labels take their taps here. An edit "receives the input focus" when it is
// tapped while another edit (or none) has it; the form keeps that focus itself, so that a window
// activation or a touch that Qt turns into mouse events cannot make a tap count twice or not at
// all. A caption label counts a tap (press and release inside it) every time.
bool SettingsForm::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    const bool selector =
        std::find(m_selectors.begin(), m_selectors.end(), watched) != m_selectors.end();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return edit != nullptr;
        if (edit != nullptr) {
            if (edit != m_focused) {
                m_focused = edit;
                if (selector)
                    Edit0Enter(edit);
            }
            return true;
        }
        if (selector)
            m_pressedLabel = watched;
        return selector;
    case QEvent::MouseButtonRelease:
        if (edit == nullptr && selector && m_pressedLabel == watched) {
            m_pressedLabel = nullptr;
            auto* w = static_cast<QWidget*>(watched);
            if (w->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
                Edit0Enter(watched);
            return true;
        }
        return edit != nullptr || selector;
    case QEvent::MouseMove:
        return edit != nullptr || selector;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void SettingsForm::place() {
    if (!m_mainWindow)
        return;
    move(m_design.position ? m_mainWindow->mapToGlobal(*m_design.position)
                           : display::centredOn(m_mainWindow, size()));
}

} // namespace talix::settings
