#include "settings/WiFiItems.h"

#include "base/BoardWords.h"
#include "settings/ItemNumbers.h"

namespace talix::settings {

using board::WiFiItem;

QString networkName(uint32_t v) {
    const char* stem = v < 10 ? "Nimbrel00" : v < 100 ? "Nimbrel0" : "Nimbrel";
    return QString::fromLatin1(stem) + decimal(v);
}

FormItemEffect applyWiFiItem(int item, uint32_t v) {
    FormItemEffect e;
    switch (item) {
    case board::number(WiFiItem::Channel):
    case board::number(WiFiItem::Passkey):
        e.editText = decimal(int32_t(v));
        break;
    case board::number(WiFiItem::Ssid):
        e.editText = networkName(v);
        break;
    default:
        break;
    }
    return e;
}

} // namespace talix::settings
