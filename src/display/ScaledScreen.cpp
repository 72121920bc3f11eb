#include "display/ScaledScreen.h"

#include <QApplication>
#include <QEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <algorithm>

namespace talix::display {

namespace {
// On the screen a press that no widget takes still sends the moves and the release to the widget
// it began on; in a scene only a proxy that takes the press gets them. So every press reaches its
// proxy as usual and is then taken.
class PressKeeper : public QGraphicsItem {
public:
    QRectF boundingRect() const override { return {}; }
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}

protected:
    bool sceneEventFilter(QGraphicsItem* watched, QEvent* event) override {
        const auto type = event->type();
        if (m_delivering ||
            (type != QEvent::GraphicsSceneMousePress && type != QEvent::GraphicsSceneMouseDoubleClick))
            return false;
        m_delivering = true;
        scene()->sendEvent(watched, event);
        m_delivering = false;
        event->accept();
        return true;
    }

private:
    bool m_delivering = false;
};
} // namespace

ScaledScreen::ScaledScreen(QWidget* window, double scale)
    : m_scene(new QGraphicsScene(this)), m_pressKeeper(new PressKeeper) {
    setObjectName("ScaledScreen");
    setWindowTitle(window->windowTitle());
    setWindowIcon(window->windowIcon());
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBackgroundBrush(Qt::black);
    // Without antialiasing the edges of a repainted part are whole pixels: an antialiased edge
    // would let what lies below a form show through it.
    setRenderHints(QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    // Readouts and panels repaint small parts many times a second: only those parts are redrawn.
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    setAlignment(Qt::AlignCenter);

    m_scene->addItem(m_pressKeeper);
    m_window = m_scene->addWidget(window, window->windowFlags());
    watch(m_window);
    m_scene->setSceneRect(QRectF(QPointF(0, 0), QSizeF(window->size())));
    setScene(m_scene);
    QGraphicsView::scale(scale, scale);
    const QSize shown = (QSizeF(window->size()) * scale).toSize();
    resize(shown);
    setMinimumSize(shown);
    qApp->installEventFilter(this);
}

ScaledScreen::~ScaledScreen() {
    qApp->removeEventFilter(this);
    // The scene would delete the window with its proxy.
    if (m_window)
        m_window->setWidget(nullptr);
}

QPoint ScaledScreen::viewportPointOf(QPointF layoutPoint) const {
    return mapFromScene(layoutPoint);
}

void ScaledScreen::watch(QGraphicsProxyWidget* proxy) {
    proxy->removeSceneEventFilter(m_pressKeeper);
    proxy->installSceneEventFilter(m_pressKeeper);
}

// A form's proxy exists once Qt shows the form in the scene. A form shown or raised goes above the
// others, as a window would, but below the modal forms shown.
bool ScaledScreen::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (!watched->isWidgetType() ||
        (type != QEvent::Show && type != QEvent::ZOrderChange && type != QEvent::Hide))
        return QGraphicsView::eventFilter(watched, event);
    auto* form = static_cast<QWidget*>(watched);
    if (type == QEvent::Hide) {
        formHidden(form);
        return QGraphicsView::eventFilter(watched, event);
    }
    QGraphicsProxyWidget* proxy = form->graphicsProxyWidget();
    if (proxy && proxy != m_window && proxy->scene() == m_scene && form->isWindow()) {
        proxy->setZValue(++m_topZ);
        if (type == QEvent::Show)
            formShown(form, proxy);
        for (const QPointer<QWidget>& modal : m_modalForms)
            if (modal && modal != form && modal->graphicsProxyWidget())
                modal->graphicsProxyWidget()->setZValue(++m_topZ);
    }
    return QGraphicsView::eventFilter(watched, event);
}

// A modal form blocks every other panel of the scene, an earlier modal form too: only the latest
// one is modal, as the latest modal window is on the screen.
void ScaledScreen::formShown(QWidget* form, QGraphicsProxyWidget* proxy) {
    watch(proxy);
    // Drawn as on the handheld's screen, without a window manager: no title bar or frame to
    // drag the form away by.
    proxy->setWindowFlags(proxy->windowFlags() | Qt::FramelessWindowHint);
    if (!form->isModal()) {
        proxy->setPanelModality(QGraphicsItem::NonModal);
        return;
    }
    for (const QPointer<QWidget>& earlier : m_modalForms)
        if (earlier && earlier->graphicsProxyWidget())
            earlier->graphicsProxyWidget()->setPanelModality(QGraphicsItem::NonModal);
    m_modalForms.erase(std::remove(m_modalForms.begin(), m_modalForms.end(), form),
                       m_modalForms.end());
    m_modalForms.emplace_back(form);
    proxy->setPanelModality(QGraphicsItem::SceneModal);
}

void ScaledScreen::formHidden(QWidget* form) {
    const auto at = std::find(m_modalForms.begin(), m_modalForms.end(), form);
    if (at == m_modalForms.end())
        return;
    m_modalForms.erase(at);
    if (QGraphicsProxyWidget* proxy = form->graphicsProxyWidget())
        proxy->setPanelModality(QGraphicsItem::NonModal);
    while (!m_modalForms.empty() && !m_modalForms.back())
        m_modalForms.pop_back();
    if (!m_modalForms.empty())
        if (QGraphicsProxyWidget* proxy = m_modalForms.back()->graphicsProxyWidget())
            proxy->setPanelModality(QGraphicsItem::SceneModal);
}

} // namespace talix::display
