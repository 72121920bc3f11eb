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

} // namespace
