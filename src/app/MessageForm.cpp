#include "app/MessageForm.h"

#include "base/Tags.h"
#include "display/FormPlace.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace talix::app {

namespace {
QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, int tag,
                        QRect box) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    setTag(b, tag);
    b->setGeometry(box);
    b->setFocusPolicy(Qt::NoFocus);
    b->setStyleSheet("font-size: 36px;");
    return b;
}
} // namespace

TF_Message::TF_Message(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("F_Message");
    setFixedSize(895, 670);
    setStyleSheet("TF_Message { background: #FFA500; }");
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xFF, 0xA5, 0x00));
    setPalette(p);

    Label1 = new QLabel("Attention!", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(0, 30, 895, 110);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet("color: #DC143C; font-size: 48px;");

    Message = new QLineEdit("No Text", this);
    Message->setObjectName("Message");
    Message->setReadOnly(true);
    Message->setAlignment(Qt::AlignCenter);
    Message->setGeometry(40, 200, 815, 110);
    Message->setStyleSheet("font-size: 36px;");
    Message->setFocusPolicy(Qt::NoFocus); // read only: no caret, no selection

    B_OK = makeButton(this, "B_OK", "OK", 1, {60, 480, 360, 120});
    B_Cancel = makeButton(this, "B_Cancel", "Cancel", 0, {475, 480, 360, 120});
    B_Shutdown = makeButton(this, "B_Shutdown", "Shut down!", 2, {267, 340, 360, 120});
    B_Shutdown->hide();

    // OK and Cancel close with the "close" result, Shut down! with OK; Choice tells them apart.
    for (QPushButton* b : {B_OK, B_Cancel, B_Shutdown})
        connect(b, &QPushButton::clicked, this, [this, b] { B_OKClick(b); });
}

void TF_Message::showEvent(QShowEvent* event) {
    Choice = 0;
    // Over the main window once it is shown (a scaled window draws it scaled too), before that
    // in the middle of the screen.
    if (QWidget* over = parentWidget(); over && over->isVisible())
        move(display::centredOn(over, size()));
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TF_Message::B_OKClick(QPushButton* button) {
    Choice = tagOf(button);
    if (button == B_Shutdown)
        accept();
    else
        reject();
}

int TF_Message::ask(const QString& text, bool offerShutdown) {
    if (m_open) {
        m_waiting.append(text);
        return 0;
    }
    m_open = true;
    Message->setText(text);
    fitMessage();
    B_Shutdown->setVisible(offerShutdown);
    exec();
    B_Shutdown->hide();
    m_open = false;
    const int choice = Choice;
    // After the caller has acted on this answer (which may end the program).
    if (!m_waiting.isEmpty())
        QTimer::singleShot(0, this, &TF_Message::showNextWaiting);
    return choice;
}

// A long message (two lines, for the single-line edit) shrinks until the whole of it shows.
void TF_Message::fitMessage() {
    constexpr int kLargest = 36;
    constexpr int kSmallest = 18;
    const int room = Message->width() - 24;
    QString shown = Message->text();
    shown.replace('\n', ' ').replace('\r', ' ');
    int pixels = kLargest;
    for (; pixels > kSmallest; --pixels) {
        QFont f = Message->font();
        f.setPixelSize(pixels);
        if (QFontMetrics(f).horizontalAdvance(shown) <= room)
            break;
    }
    Message->setStyleSheet(QString("font-size: %1px;").arg(pixels));
}

void TF_Message::showNextWaiting() {
    if (m_open || m_waiting.isEmpty())
        return;
    ask(m_waiting.takeFirst());
}

} // namespace talix::app
