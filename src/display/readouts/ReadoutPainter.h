#pragma once

#include "display/readouts/ReadoutLayout.h"
#include "display/readouts/ReadoutPicture.h"
#include "display/readouts/ReadoutState.h"

#include <QLocale>
#include <QObject>
#include <array>
#include <functional>
#include <optional>

class QWidget;

namespace talix::display {

using FieldTable = std::array<QWidget*, kFieldTableSize>;

// The readouts' paint pass and paint hook. The pass (run on the UI thread at the readout painter
// thread's request) composes every field of TFieldTable whose repaint mark is set from the
// receiver's values, hands the picture to the field's control and clears the mark; each control
// then draws its picture in its own paint event, which this object handles for all of them. A paint
// event that the GUI itself causes (start-up, a form closing over the main window) marks the field
// 2 and wakes the painter; the repaint that a pass asks for does not, so passes never feed
// themselves.
class ReadoutPainter : public QObject {
public:
    struct Sources {
        std::function<ReadoutState()> state;     // the receiver's values, read once per pass
        std::function<QWidget*()> selectedField; // SelectedField, drawn in inverse video
        std::function<void()> requestPaint;      // PaintEvent: another pass is wanted
        std::function<bool()> closing;           // the program is closing: passes stop
    };

    // `table` must outlive this object; its controls are watched from now on.
    ReadoutPainter(const FieldTable& table, Sources sources, QLocale locale = QLocale::system());
    ~ReadoutPainter() override;

    // One paint pass; stops between fields once the program is closing.
    void paintPass();

    // The picture a field's control draws, empty before its first pass.
    const std::optional<ReadoutPicture>& picture(int slot) const { return m_pictures.at(slot); }
    // A pass handed the field a new picture that its control has not painted yet.
    bool repaintPending(int slot) const { return m_passRepaint.at(slot); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int slotOf(const QObject* control) const;
    void expectPassRepaints(const std::array<bool, kFieldTableSize>& handed);
    void paintControl(QWidget* control, int slot);

    const FieldTable& m_table;
    Sources m_sources;
    QLocale m_locale;
    std::array<std::optional<ReadoutPicture>, kFieldTableSize> m_pictures;
    std::array<bool, kFieldTableSize> m_passRepaint{};
};

} // namespace talix::display
