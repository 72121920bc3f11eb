#include "base/ThreadPriority.h"

#include <cerrno>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace {

int threadNice() {
    errno = 0;
    return ::getpriority(PRIO_PROCESS, static_cast<id_t>(::syscall(SYS_gettid)));
}

// CTest runs every test program with TALIX_NORMAL_PRIORITY set, so that no test program raised
// to the program's priorities starves the others on a small machine.
TEST(ThreadPriority, TestProgramsKeepTheirThreadsAtNormalPriority) {
    ASSERT_NE(std::getenv("TALIX_NORMAL_PRIORITY"), nullptr);
    int before = 0;
    int after = 0;
    std::thread([&] {
        before = threadNice();
        talix::raiseCurrentThread(talix::ThreadPriority::TimeCritical);
        after = threadNice();
    }).join();
    EXPECT_EQ(after, before);
}

// Whether this process may lower a thread's nice value again (CAP_SYS_NICE or a nice limit).
bool mayLowerNiceValues() {
    bool may = false;
    std::thread([&] {
        const auto tid = static_cast<id_t>(talix::currentThreadId());
        may = ::setpriority(PRIO_PROCESS, tid, 5) == 0 && ::setpriority(PRIO_PROCESS, tid, 0) == 0;
    }).join();
    return may;
}

// A thread starts at its creator's level; setting a level undoes that. In test programs every
// level is nice 0, and it is still set.
TEST(ThreadPriority, SettingALevelUndoesTheOneInherited) {
    if (!mayLowerNiceValues())
        GTEST_SKIP() << "this process may not lower a nice value";
    using talix::ThreadPriority;
    for (const ThreadPriority p : {ThreadPriority::Normal, ThreadPriority::AboveNormal,
                                   ThreadPriority::Highest, ThreadPriority::TimeCritical}) {
        int inherited = 0;
        int after = 0;
        std::thread([&] {
            ::setpriority(PRIO_PROCESS, static_cast<id_t>(talix::currentThreadId()), 5);
            std::thread([&] {
                inherited = threadNice();
                talix::setCurrentThreadPriority(p);
                after = threadNice();
            }).join();
        }).join();
        EXPECT_EQ(inherited, 5) << int(p);
        EXPECT_EQ(after, 0) << int(p);
    }
}

} // namespace
