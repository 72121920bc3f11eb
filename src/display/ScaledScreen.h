#pragma once

#include <QGraphicsView>
#include <QPointer>
#include <vector>

class QGraphicsItem;
class QGraphicsProxyWidget;
class QGraphicsScene;

namespace talix::display {

// Shows a window drawn for the fixed layout smaller than its layout size, together with every form
// it opens. Qt 6.4 cannot draw widgets below a scale factor of 1, so the window is embedded in a
// graphics scene that this view draws scaled; Qt embeds the window's child windows (the forms)
// beside it when they are shown, and touches reach them in layout coordinates. A modal form
// blocks the others here as it would as a window of its own, and a press holds the pointer for
// the widget it began on even when no widget takes it, as on the screen.
class ScaledScreen : public QGraphicsView {
public:
    // `window` is a top-level widget; it stays owned by its owner and must outlive this view or be
    // destroyed while the view still exists.
    ScaledScreen(QWidget* window, double scale);
    ~ScaledScreen() override;
    ScaledScreen(const ScaledScreen&) = delete;
    ScaledScreen& operator=(const ScaledScreen&) = delete;

    // The point of the view's viewport that shows `layoutPoint` of the embedded window.
    QPoint viewportPointOf(QPointF layoutPoint) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QGraphicsProxyWidget* proxy);
    void formShown(QWidget* form, QGraphicsProxyWidget* proxy);
    void formHidden(QWidget* form);

    QGraphicsScene* m_scene;
    QGraphicsItem* m_pressKeeper;
    QPointer<QGraphicsProxyWidget> m_window;
    qreal m_topZ = 0;
    std::vector<QPointer<QWidget>> m_modalForms; // shown modal forms, the latest last
};

} // namespace talix::display
