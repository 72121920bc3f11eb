#pragma once

#include <QString>

namespace talix::settings {

// The edit looks the board's field selections name, kept in an edit's StyleLookup property
// (controls::setEditStyle). 1 and 2 are the readout box and its highlighted form (the DAB list's
// status field follows the main window's selection with them); 3 and 4 are a settings field and
// the selected settings field.
constexpr const char* kEdit1Style1 = "Edit1Style1";
constexpr const char* kEdit1Style2 = "Edit1Style2";
constexpr const char* kEdit1Style3 = "Edit1Style3";
constexpr const char* kEdit1Style4 = "Edit1Style4";

// The style sheet that gives each look its colours, selecting on StyleLookup; a settings form
// sets it on itself, so that every edit it owns follows its style name.
const QString& styleBook();

} // namespace talix::settings
