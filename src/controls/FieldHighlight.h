#pragma once

#include <QString>

class QWidget;
class QLineEdit;

namespace talix::controls {

// The looks of an edit box, by the style names the forms use: "Edit1Style1" and "Edit1Style2"
// (the main window's and the DAB list's selected and normal frames), "Edit1Style3" (a settings
// field) and "Edit1Style4" (the selected settings field). Kept as the edit's StyleLookup property,
// which the forms' style sheets select on.
void setEditStyle(QWidget* edit, const char* style);
QString editStyleOf(const QWidget* edit);

// A form's current field, its TagObject.
QLineEdit* currentField(const QWidget* form);
void setCurrentField(QWidget* form, QLineEdit* edit);

// The first edit box of `form` whose Tag is `tag`, or nullptr.
QLineEdit* editWithTag(const QWidget* form, int tag);

// The board selected the field `tag` of a settings form: the current field gets the normal look,
// the edit with that Tag the selected look and becomes the current field. Nothing when the form has
// no such edit.
void selectFormField(QWidget* form, int tag);

} // namespace talix::controls
