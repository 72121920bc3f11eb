#pragma once

#include <QLabel>
#include <QWidget>

namespace talix::app {

// A secondary form whose contents are still to come: its designed size, fill and heading, so that
// it can be shown and closed like the finished forms.
class TFormShell : public QWidget {
    Q_OBJECT
public:
    struct Design {
        const char* instance; // "F_Setup"
        QSize size;
        QColor fill;
        const char* heading;
        bool stayOnTop;
    };

    TFormShell(const Design& design, QWidget* parent);

    QLabel* Label1;
};

} // namespace talix::app
