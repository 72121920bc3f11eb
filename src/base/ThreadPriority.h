#pragma once

namespace talix {

enum class ThreadPriority { Normal, AboveNormal, Highest, TimeCritical };

// Raises the calling thread as far as the process may; failing to raise is not an error. With
// TALIX_NORMAL_PRIORITY set in the environment nothing is raised: test programs share a small
// machine, and one raised above the others would starve them.
void raiseCurrentThread(ThreadPriority priority);
// Sets the calling thread to exactly this level (Normal is nice 0), lowering it where it was
// higher: on Linux a new thread starts at its creator's level, so every thread body sets its own
// first. With TALIX_NORMAL_PRIORITY every level is Normal, still set. A level the process may not
// take is left as it was.
void setCurrentThreadPriority(ThreadPriority priority);
// The high priority class of the process. On Linux nice values belong to threads, so this
// raises the calling thread, and only threads created after it inherit the level; failure is
// ignored.
void raiseProcess();

// The calling thread's kernel id, as setpriority and /proc know it.
long currentThreadId();

} // namespace talix
