#pragma once

class QProgressBar;

namespace talix::display {

// The status block's vertical bars: the blue style fills from the bottom with a horizontal
// #FF7BB6ED to #FF0571A2 gradient on a dim grey track with a grey outline; the red style (PBWiFi
// while it shows the playback buffer) uses #FFED7B97 to #FFA20536.
enum class BarStyle { Blue, Red };

void setBarStyle(QProgressBar* bar, BarStyle style);

} // namespace talix::display
