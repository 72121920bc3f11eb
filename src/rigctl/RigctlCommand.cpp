#include "rigctl/RigctlCommand.h"

namespace talix::rigctl {

namespace {

// Arguments as Hamlib's rigctl sends them; set_mode's passband may be left out.
constexpr CommandRow kCommands[] = {
    {CommandId::GetFreq, 'f', "get_freq", 0, 0},
    {CommandId::SetFreq, 'F', "set_freq", 1, 1},
    {CommandId::GetMode, 'm', "get_mode", 0, 0},
    {CommandId::SetMode, 'M', "set_mode", 1, 2},
    {CommandId::GetVfo, 'v', "get_vfo", 0, 0},
    {CommandId::SetVfo, 'V', "set_vfo", 1, 1},
    {CommandId::GetLevel, 'l', "get_level", 1, 1},
    {CommandId::SetLevel, 'L', "set_level", 2, 2},
    {CommandId::GetPtt, 't', "get_ptt", 0, 0},
    {CommandId::SetPtt, 'T', "set_ptt", 1, 1},
    {CommandId::GetSplitVfo, 's', "get_split_vfo", 0, 0},
    {CommandId::SetSplitVfo, 'S', "set_split_vfo", 2, 2},
    {CommandId::GetPowerstat, 0, "get_powerstat", 0, 0},
    {CommandId::SetPowerstat, 0, "set_powerstat", 1, 1},
    {CommandId::GetLockMode, 0, "get_lock_mode", 0, 0},
    {CommandId::CheckVfo, 0, "chk_vfo", 0, 0},
    {CommandId::DumpState, 0, "dump_state", 0, 0},
    {CommandId::Quit, 'q', "quit", 0, 0},
    {CommandId::Quit, 'Q', "quit", 0, 0},
};

} // namespace

const CommandRow* commandByLetter(char letter) {
    if (letter == 0)
        return nullptr;
    for (const CommandRow& c : kCommands)
        if (c.letter == letter)
            return &c;
    return nullptr;
}

const CommandRow* commandByName(std::string_view longName) {
    for (const CommandRow& c : kCommands)
        if (c.longName == longName)
            return &c;
    return nullptr;
}

} // namespace talix::rigctl
