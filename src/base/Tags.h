#pragma once

#include <QObject>
#include <QVariant>

namespace talix {

// Every control the board knows carries a Tag; readouts also carry a repaint mark (TagFloat:
// 0 clean, 1 redraw, 2 redraw in the tenths format). Both are dynamic properties of the widget.
inline int tagOf(const QObject* o) {
    return o ? o->property("Tag").toInt() : 0;
}
inline void setTag(QObject* o, int tag) {
    o->setProperty("Tag", tag);
}
inline int tagFloatOf(const QObject* o) {
    return o ? o->property("TagFloat").toInt() : 0;
}
inline void setTagFloat(QObject* o, int mark) {
    o->setProperty("TagFloat", mark);
}

} // namespace talix
