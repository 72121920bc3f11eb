#pragma once

#include "base/BoardWords.h"
#include "link/CommandPort.h"
#include "settings/FormItemEffect.h"
#include "settings/SettingsHost.h"
#include "sync/FormSlots.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <optional>
#include <vector>

namespace talix::settings {

// A settings form's frame: its slot, client area, fill and where it appears.
struct SettingsFormDesign {
    const char* instance; // "F_Setup"
    int formIndex;        // its FormSlots entry, also sent in its commands
    QSize client;
    QRgb fill;                      // a palette colour
    std::optional<QPoint> position; // on the main window; nothing: centred on it

    // The design of one of the board's forms: its name and slot from the form table.
    static SettingsFormDesign of(board::Form form, QSize client, QRgb fill,
                                 std::optional<QPoint> position = std::nullopt) {
        return {board::formName(form), board::number(form), client, fill, position};
    }
};

// What every settings form shares: the font of its rows and buttons, of its titles, and the
// height of a row.
constexpr int kFormFontPixels = 32;
constexpr int kFormTitlePixels = 38;
constexpr int kFormRowHeight = 44;

// One row of a settings form: a caption label and a read-only edit, both carrying the item
// number as their Tag.
struct FieldRow {
    int item;
    const char* labelName; // "Label2"
    const char* caption;
    QRect labelBox;
    const char* editName; // "Edit0"
    QRect editBox;
    const char* initialText;
    bool selectable = true; // a tap on the edit or the caption selects the field on the board
};

// The settings-form scheme, shared by the Setup, System, Microphone, WiFi and DAB forms. The form
// is a remote view: the board shows and closes it, selects its fields and reports their values;
// the form reports taps as commands and shows what the board reports.
//
// - A tap on a selectable edit when it takes the input focus, or on its caption label at any
//   time, queues the field-select record (notify rule). A second tap on the edit that already has
//   the input focus sends nothing. The form never highlights a field by itself.
// - selectField (the board's FieldSelect) gives the current field (TagObject) the normal look
//   "Edit1Style3", the edit with the Tag the selected look "Edit1Style4", and makes it current.
// - ApplyItem hands each value word to the form's applyValue, which decodes the item.
// - The form's Close button queues its button record (notify rule); the board then closes it.
// - A wheel turn over the form is handed to the tuning knob's wheel handler.
//
// A form declares its rows in its constructor and finishes with FormCreate. The main window puts
// it into its FormSlots entry (formIndex) when it fills the slots at start-up.
class SettingsForm : public QWidget, public sync::SlotForm { // TSettingsForm
    Q_OBJECT
public:
    SettingsForm(const SettingsFormDesign& design, SettingsHost& host, QWidget* mainWindow);

    // SlotForm.
    sync::ApplyResult ApplyItem(int item, std::span<const uint32_t> words) override;
    void selectField(int tag) override;
    void showForm() override;
    void closeForm() override;

    int formIndex() const { return m_design.formIndex; }
    // The first edit of the form whose Tag is `tag`, or nullptr.
    QLineEdit* editWithTag(int tag) const;
    // TagObject: the edit the board selected last.
    QLineEdit* currentField() const;
    // The edit holding the input focus of the form (the last tapped edit), or nullptr.
    QLineEdit* focusedEdit() const { return m_focused; }
    const std::vector<QLineEdit*>& edits() const { return m_edits; }
    // The caption label of the row with this item number, or nullptr.
    QLabel* captionWithTag(int tag) const;

protected:
    // One value word for the item, as the board reported it.
    virtual void applyValue(int item, uint32_t v) = 0;
    // Shows what an item's value changes: the item's edit, main-window texts, readout marks and
    // spectrum work.
    void applyEffect(int item, const FormItemEffect& effect);

    // Layout. Titles take the form's font at kFormTitlePixels, rows and buttons at kFormFontPixels;
    // colours are palette colours.
    QLabel* addTitle(const char* name, const char* text, QRect box, QRgb colour);
    QWidget* addRectangle(const char* name, QRect box, QRgb fill);
    QLineEdit* addRow(const FieldRow& row);
    // A button that queues its button record [1, Tag low, Tag high] (the Close or OK button).
    QPushButton* addCloseButton(const char* name, const char* text, int tag, QRect box);
    // A button with a handler of the form's own.
    QPushButton* addButton(const char* name, const char* text, QRect box);

    // Scheme step 1, after the layout: every edit shows only the board's text (no caret, the
    // default cursor, no edit menu on a long tap), `current` becomes the current field (with the
    // selected look unless `currentLooksSelected` is false) and all other edits take the normal
    // look.
    void FormCreate(QLineEdit* current, bool currentLooksSelected = true);

    // Edit0Enter: the field-select handler of every selectable edit and caption label. Queues the
    // field-select record for the sender's Tag; returns whether it was queued.
    virtual bool Edit0Enter(QObject* sender);
    // The field-select record for a tap on the control with this Tag: [192, Tag, form index, 0].
    virtual link::Command fieldSelectRecord(int tag) const;
    // Queues with the notify rule: a full queue shows "No WiFi Connection!" and queues nothing.
    bool queueNotify(link::Command record);
    // Queues with the drop rule (a full queue drops the record silently) or with none.
    bool queueDrop(link::Command record);
    bool queueAlways(link::Command record);

    void wheelEvent(QWheelEvent* event) override; // FormMouseWheel
    bool eventFilter(QObject* watched, QEvent* event) override;

    SettingsHost& m_host;

private:
    void B_ExitClick(QObject* sender);
    void place();

    SettingsFormDesign m_design;
    QPointer<QWidget> m_mainWindow;
    bool queue(link::Command record, link::LimitRule rule);

    std::vector<QLineEdit*> m_edits;
    std::vector<QLabel*> m_captions;
    std::vector<QObject*> m_selectors; // selectable edits and their caption labels
    QPointer<QLineEdit> m_focused;
    QPointer<QObject> m_pressedLabel;
};

} // namespace talix::settings
