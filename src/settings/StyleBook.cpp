#include "settings/StyleBook.h"

namespace talix::settings {

// Readout box: black with a 1-pixel pale green outline; highlighted, the outline turns yellow and
// thicker. Settings field: white on a grey hairline; selected, light yellow in a dark orange frame.
const QString& styleBook() {
    static const QString sheet = QStringLiteral(
        "QLineEdit[StyleLookup=\"Edit1Style1\"] { background: #000000; color: #98FB98;"
        " border: 1px solid #98FB98; }\n"
        "QLineEdit[StyleLookup=\"Edit1Style2\"] { background: #000000; color: #98FB98;"
        " border: 3px solid #FFFF00; }\n"
        "QLineEdit[StyleLookup=\"Edit1Style3\"] { background: #FFFFFF; color: #000000;"
        " border: 1px solid #808080; }\n"
        "QLineEdit[StyleLookup=\"Edit1Style4\"] { background: #FFFFE0; color: #000000;"
        " border: 2px solid #FF8C00; }\n");
    return sheet;
}

} // namespace talix::settings
