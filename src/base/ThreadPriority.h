#pragma once

namespace talix {

enum class ThreadPriority { Normal, AboveNormal, Highest, TimeCritical };

// Raises the calling thread as far as the process may; failing to raise is not an error. With
// TALIX_NORMAL_PRIORITY set in the environment nothing is raised: test programs share a small
// machine, and one raised above the others would starve them.
void raiseCurrentThread(ThreadPriority priority);
// Raises the whole process (the high priority class); failure is ignored.
void raiseProcess();

} // namespace talix
