#include "settings/EditStyles.h"

#include <array>

namespace talix::settings {

namespace {

struct StyleSheet {
    EditStyle style;
    const char* name;
    const char* sheet;
};

// Readout box: black with a 1-pixel pale green outline; highlighted, the outline turns yellow
// and thicker. Settings field: white on a grey hairline; selected, light yellow in a dark orange
// frame.
constexpr std::array<StyleSheet, 4> kSheets{{
    {EditStyle::Edit1Style1, "Edit1Style1",
     "QLineEdit { background: #000000; color: #98FB98; border: 1px solid #98FB98; }"},
    {EditStyle::Edit1Style2, "Edit1Style2",
     "QLineEdit { background: #000000; color: #98FB98; border: 3px solid #FFFF00; }"},
    {EditStyle::Edit1Style3, "Edit1Style3",
     "QLineEdit { background: #FFFFFF; color: #000000; border: 1px solid #808080; }"},
    {EditStyle::Edit1Style4, "Edit1Style4",
     "QLineEdit { background: #FFFFE0; color: #000000; border: 2px solid #FF8C00; }"},
}};

constexpr const char* kStyleProperty = "StyleLookup";

const StyleSheet& sheetOf(EditStyle style) {
    return kSheets[size_t(style)];
}

} // namespace

const char* styleName(EditStyle style) {
    return sheetOf(style).name;
}

void applyEditStyle(QLineEdit* edit, EditStyle style) {
    const StyleSheet& s = sheetOf(style);
    if (edit->property(kStyleProperty).toString() == QLatin1String(s.name))
        return;
    edit->setStyleSheet(QString::fromLatin1(s.sheet));
    edit->setProperty(kStyleProperty, QString::fromLatin1(s.name));
}

std::optional<EditStyle> editStyleOf(const QLineEdit* edit) {
    const QString name = edit->property(kStyleProperty).toString();
    for (const StyleSheet& s : kSheets)
        if (name == QLatin1String(s.name))
            return s.style;
    return std::nullopt;
}

} // namespace talix::settings
