#include "soak/support/SoakSettings.h"

namespace talix::testing {

namespace {
constexpr int kShortRunSeconds = 24;
constexpr const char* kFaults = "mix,drop=6,pause=3";
} // namespace

std::chrono::seconds soakDuration() {
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("TALIX_SOAK_SECONDS", &ok);
    return std::chrono::seconds(ok && seconds > 0 ? seconds : kShortRunSeconds);
}

QString soakFaults() {
    const QString faults = qEnvironmentVariable("TALIX_SOAK_FAULTS");
    return faults.isEmpty() ? QString(kFaults) : faults;
}

uint32_t soakSeed() {
    bool ok = false;
    const uint32_t seed = qEnvironmentVariable("TALIX_SOAK_SEED").toUInt(&ok);
    return ok ? seed : 1;
}

int64_t epochMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace talix::testing
