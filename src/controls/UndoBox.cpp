#include "controls/UndoBox.h"

#include "base/BoardWords.h"
#include "base/Palette.h"
#include "base/Tags.h"
#include "controls/FieldHighlight.h"
#include "controls/PickCell.h"
#include "controls/PickListForm.h"
#include "controls/UndoText.h"
#include "display/FormPlace.h"
#include "display/WidgetColours.h"
#include "link/CommandRecords.h"

namespace talix::controls {

namespace {
const FormDesign kDesign{
    board::formName(board::Form::Undo), {600, 359}, QColor::fromRgba(kDeepPink), true};
constexpr int kButtonFontPixels = 32;
constexpr const char* kSelectedFieldLook = "Edit1Style4";
// The look of the selected settings field, for as long as no application-wide style sheet gives
// one.
constexpr const char* kSelectedFieldSheet =
    "QLineEdit[StyleLookup=\"Edit1Style4\"] { background: #FFFFE0; color: black; "
    "border: 2px solid #FF8C00; }";

QPushButton* button(QWidget* form, const char* name, const char* text, int tag, QRect box) {
    auto* b = new QPushButton(text, form);
    b->setObjectName(name);
    setTag(b, tag);
    b->setGeometry(box);
    b->setFont(pickListFont(kButtonFontPixels));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}
} // namespace

TF_Undo::TF_Undo(link::CommandPort& commands, sync::ReceiverState& state, QWidget* parent)
    : QDialog(parent, formFlags(kDesign)), m_commands(commands), m_state(state) {
    applyFormDesign(this, kDesign);
    setStyleSheet(kSelectedFieldSheet);

    Label1 = new QLabel("Undo", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(16, 2, 169, 41);
    Label1->setFont(pickListFont(38, true));
    display::setTextColour(Label1, QColor::fromRgba(kYellow));

    Rectangle1 = new QWidget(this);
    Rectangle1->setObjectName("Rectangle1");
    Rectangle1->setGeometry(17, 52, 568, 125);
    display::setFillColour(Rectangle1, QColor::fromRgba(kCornsilk));

    Label4 = new QLabel("Undo back to level:", this);
    Label4->setObjectName("Label4");
    Label4->setFont(pickListFont(32));
    Label4->move(40, 88);
    Label4->adjustSize();
    Label4->resize(Label4->width(), 43);

    // The field only shows the board's text: no caret, the default cursor, taps go through.
    Edit0 = new QLineEdit(this);
    Edit0->setObjectName("Edit0");
    Edit0->setGeometry(367, 88, 194, 44);
    Edit0->setReadOnly(true);
    Edit0->setFont(pickListFont(32));
    Edit0->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    setEditStyle(Edit0, kSelectedFieldLook);
    Edit0->setFocusPolicy(Qt::NoFocus);
    Edit0->setCursor(Qt::ArrowCursor);
    Edit0->setContextMenuPolicy(Qt::NoContextMenu);
    Edit0->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The form's current field, as the settings forms keep theirs.
    setCurrentField(this, Edit0);

    B_OK = button(this, "B_OK", "OK", board::buttonTag(board::Form::Undo, board::ButtonCode::Close),
                  {82, 236, 191, 65});
    Button1 =
        button(this, "Button1", "Cancel",
               board::buttonTag(board::Form::Undo, board::ButtonCode::Cancel), {330, 236, 191, 65});
    for (QPushButton* b : {B_OK, Button1})
        connect(b, &QPushButton::clicked, this, [this, b] { B_OKClick(b); });
}

void TF_Undo::ApplyItem(int index, uint32_t value) {
    m_state.UndoCount = undoCount(value);
    if (index != 0)
        return;
    Edit0->setText(QString::fromStdString(undoText(value)));
}

sync::ApplyResult TF_Undo::ApplyItem(int item, std::span<const uint32_t> words) {
    if (!words.empty())
        ApplyItem(item, words.front());
    return sync::ApplyResult::Applied;
}

void TF_Undo::selectField(int tag) {
    selectFormField(this, tag);
}

void TF_Undo::B_OKClick(QObject* sender) {
    if (m_commands.QueueCommand(link::commands::button(tagOf(sender)), link::LimitRule::Notify) !=
        link::QueueResult::Queued)
        return;
    // With nothing left to undo the box closes itself; otherwise the board closes it.
    if (m_state.UndoCount == 0)
        close();
}

void TF_Undo::wheelEvent(QWheelEvent* event) {
    forwardWheel(event, m_wheel);
}

// Centred on the main window.
void TF_Undo::showForm() {
    if (QWidget* main = parentWidget())
        move(display::centredOn(main, size()));
    show();
}

} // namespace talix::controls
