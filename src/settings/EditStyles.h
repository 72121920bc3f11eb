#pragma once

#include <QLineEdit>
#include <optional>

namespace talix::settings {

// The looks of the edit boxes, by the names the board's field selections use. 1 and 2 are the
// readout box and its highlighted form (the DAB list's status field follows the main window's
// selection with them); 3 and 4 are a settings field and the selected settings field.
enum class EditStyle { Edit1Style1, Edit1Style2, Edit1Style3, Edit1Style4 };

const char* styleName(EditStyle style);

// Gives the edit the look and records the style's name in the edit's "StyleLookup" property.
void applyEditStyle(QLineEdit* edit, EditStyle style);

// The style last applied to the edit, if any.
std::optional<EditStyle> editStyleOf(const QLineEdit* edit);

} // namespace talix::settings
