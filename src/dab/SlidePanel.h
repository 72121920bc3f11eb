#pragma once

#include <QByteArray>
#include <QImage>
#include <QWidget>

namespace talix::dab {

// RMOT: the slide-show picture in a white outline, tiled over its area as a fill bitmap. A double
// tap zooms it by 1.54 (growing from its top-left corner) and a second one returns it to scale 1.
class SlidePanel : public QWidget {
    Q_OBJECT
public:
    SlidePanel(QWidget* form, QRect box);

    // A complete picture file (JPEG or PNG); the shown picture stays when it does not decode or is
    // larger than any slide.
    void showPicture(const QByteArray& file);
    const QImage& picture() const { return m_picture; }
    double scale() const { return m_scale; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void RMOTDblClick();

    QRect m_box; // at scale 1
    QImage m_picture;
    double m_scale = 1.0;
};

} // namespace talix::dab
