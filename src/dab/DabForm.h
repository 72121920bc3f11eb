#pragma once

#include "controls/WheelForward.h"
#include "dab/DabListState.h"
#include "link/CommandPort.h"
#include "sync/FormSlots.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QWidget>

namespace talix::dab {

class SlidePanel;

// F_DAB: the DAB service list (slot 15 of FormSlots). The board fills it: up to 256 services, the
// status of the search or of the tuned service, sample and bit rate, the two data services, the
// signal, the dynamic label and the slide show (main-window items 58 and 59). The user picks a
// service by tapping it; only the board scrolls the list.
class TF_DAB : public QWidget, public sync::SlotForm {
    Q_OBJECT
public:
    TF_DAB(link::CommandPort& commands, QWidget* mainWindow);

    void setWheelHandler(controls::WheelHandler handler) { m_wheel = std::move(handler); }

    // sync::SlotForm
    sync::ApplyResult ApplyItem(int item, std::span<const uint32_t> words) override;
    void selectField(int) override {} // its one field follows the main window's selection
    void showForm() override;
    void closeForm() override { close(); }
    void setEntryFieldSelected(bool selected) override;
    void setSlideProgress(int percent) override;
    void showSlide(const QByteArray& picture) override;

    const DabListState& list() const { return m_list; }

    QLineEdit* Edit0 = nullptr; // status
    QLineEdit* Edit1 = nullptr; // sample rate
    QLineEdit* Edit2 = nullptr; // bit rate
    QLineEdit* Edit3 = nullptr; // MOT 1
    QLineEdit* Edit4 = nullptr; // MOT 2
    SlidePanel* RMOT = nullptr;
    QProgressBar* PB_SL = nullptr;
    QProgressBar* PBRSSI = nullptr;
    QLabel* LText = nullptr;
    QListWidget* LV_Prog = nullptr;
    QWidget* RSelect = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void FormShow();
    void Edit0Enter();
    void LV_ProgChange();
    void LV_ProgItemClick(QListWidgetItem* item);
    void LV_ProgScrollViewChange();
    void scrollToTop();

    link::CommandPort& m_commands;
    controls::WheelHandler m_wheel;
    QWidget* m_mainWindow = nullptr;
    DabListState m_list;
    bool m_edit0Entered = false; // Edit0 holds the form's focus: a further tap sends nothing
};

} // namespace talix::dab
