#include "rigctl/CommandRunner.h"

#include "base/Bandwidths.h"
#include "base/BoardModes.h"
#include "rigctl/DumpState.h"
#include "rigctl/HamlibErrors.h"
#include "rigctl/HamlibNames.h"
#include "rigctl/NumberText.h"

#include <algorithm>
#include <cstdio>

namespace talix::rigctl {

namespace {

Answer one(std::string label, std::string text) {
    return Answer{kOk, {{std::move(label), std::move(text)}}};
}

// The VFO names Hamlib's clients may send; the receiver has one, VFOA, which the current VFO is.
enum class VfoName { Ours, Other, NotAVfo };
VfoName vfoName(std::string_view name) {
    for (std::string_view ours : {"VFOA", "currVFO", "VFO", "Main", "MainA"})
        if (name == ours)
            return VfoName::Ours;
    for (std::string_view other : {"VFOB", "VFOC", "MainB", "MainC", "Sub", "SubA", "SubB", "SubC",
                                   "MEM", "TX", "RX", "None"})
        if (name == other)
            return VfoName::Other;
    return VfoName::NotAVfo;
}

// A frequency in 0.1 Hz as whole hertz, rounded, as rigctld answers: clients read it as an
// integer.
std::string frequencyText(int64_t tenths) {
    return std::to_string((tenths + (tenths < 0 ? -5 : 5)) / 10);
}

} // namespace

CommandRunner::CommandRunner(session::ReceiverPort& receiver) : m_receiver(receiver) {}

Answer CommandRunner::run(const Request& request) {
    const std::vector<std::string>& args = request.args;
    switch (request.command->id) {
    case CommandId::GetFreq:
        return one("Frequency", frequencyText(m_receiver.reading().tunedFreq));
    case CommandId::SetFreq:
        return setFreq(args[0]);
    case CommandId::GetMode:
        return getMode();
    case CommandId::SetMode:
        return setMode(request);
    case CommandId::GetVfo:
        return one("VFO", "VFOA");
    case CommandId::SetVfo:
        switch (vfoName(args[0])) {
        case VfoName::Ours:
            return {};
        case VfoName::Other:
            return Answer::error(kInvalidVfo);
        case VfoName::NotAVfo:
            return Answer::error(kInvalidArgument);
        }
        return Answer::error(kInvalidArgument);
    case CommandId::GetLevel:
        return getLevel(args[0]);
    case CommandId::GetPtt:
        return one("PTT", "0"); // the program never keys a transmitter
    case CommandId::GetSplitVfo:
        return Answer{kOk, {{"Split", "0"}, {"TX VFO", "VFOA"}}};
    case CommandId::SetSplitVfo:
        return setSplit(request);
    case CommandId::GetPowerstat:
        return one("Power Status", m_receiver.reading().linkUp ? "1" : "0");
    case CommandId::GetLockMode:
        return one("Locked", "0");
    case CommandId::CheckVfo:
        return one("ChkVFO", "0"); // commands carry no VFO argument
    case CommandId::DumpState: {
        Answer a;
        for (std::string& line : dumpStateLines())
            a.values.push_back({"", std::move(line)});
        return a;
    }
    case CommandId::Quit:
        return {};
    case CommandId::SetLevel:     // the levels are the board's to set, from its own controls
    case CommandId::SetPtt:       // a receiver: nothing to key
    case CommandId::SetPowerstat: // the board is switched on and off at the handheld
        return Answer::error(kNotAvailable);
    }
    return Answer::error(kNotAvailable);
}

Answer CommandRunner::setFreq(const std::string& hz) {
    const std::optional<int64_t> tenths = parseTenths(hz);
    if (!tenths)
        return Answer::error(kInvalidArgument);
    return sent(m_receiver.tune(*tenths));
}

Answer CommandRunner::getMode() const {
    const session::ReceiverReading r = m_receiver.reading();
    const board::ModeEntry* mode = board::modeEntry(r.modeIndex);
    if (!mode)
        return Answer::error(kNotAvailable); // a mode the board reported that no table knows
    return Answer{kOk,
                  {{"Mode", mode->hamlibName},
                   {"Passband", std::to_string(board::bandwidthHz(r.bandwidth))}}};
}

// The passband is the board's choice for the mode: a width asked for is taken but not applied.
Answer CommandRunner::setMode(const Request& request) {
    if (request.args.size() == 2 && !parseInteger(request.args[1]))
        return Answer::error(kInvalidArgument);
    const int mode = board::modeForHamlibName(request.args[0]);
    if (mode < 0)
        return Answer::error(kInvalidArgument);
    return sent(m_receiver.setMode(mode));
}

Answer CommandRunner::getLevel(const std::string& name) const {
    const session::ReceiverReading r = m_receiver.reading();
    if (name == "STRENGTH") {
        // Tenths of dBm to whole dB over S9, rounded half away from zero.
        const int64_t tenthsOverS9 = int64_t(r.signalLevel) - hamlib::kS9Dbm * 10;
        const int64_t db = (tenthsOverS9 + (tenthsOverS9 < 0 ? -5 : 5)) / 10;
        return one("", std::to_string(db));
    }
    if (name == "AF") {
        // The loudspeaker bar's scale: 254 is the 100 % its label shows. Whole numbers only: the
        // program runs in the user's locale, and a client reads "0,5" as 0.
        constexpr int64_t kFullBar = 254;
        constexpr int64_t kMillionths = 1'000'000;
        const int64_t level =
            (std::min<int64_t>(r.speakerVolume, kFullBar) * kMillionths + kFullBar / 2) / kFullBar;
        char text[32];
        std::snprintf(text, sizeof text, "%lld.%06lld", static_cast<long long>(level / kMillionths),
                      static_cast<long long>(level % kMillionths));
        return one("", text);
    }
    return Answer::error(kNotAvailable);
}

// Split off is what the receiver always is; split on it cannot do.
Answer CommandRunner::setSplit(const Request& request) const {
    const std::optional<int64_t> split = parseInteger(request.args[0]);
    if (!split || vfoName(request.args[1]) == VfoName::NotAVfo)
        return Answer::error(kInvalidArgument);
    return *split == 0 ? Answer{} : Answer::error(kNotAvailable);
}

Answer CommandRunner::sent(session::SendResult result) const {
    switch (result) {
    case session::SendResult::Queued:
        return {};
    case session::SendResult::OutOfBand:
        return Answer::error(kOutOfDomain);
    case session::SendResult::UnknownMode:
        return Answer::error(kInvalidArgument);
    case session::SendResult::QueueFull:
        return Answer::error(kRejected);
    }
    return Answer::error(kRejected);
}

} // namespace talix::rigctl
