#pragma once

#include <QString>

#include <functional>

// What the whole-process figures read inside a process: the time since it was launched, the CPU
// time of the GUI thread and of the whole process, and the resident memory, printed to standard
// output as name=value lines for bench/startup.sh and bench/memory.sh to gather.
namespace processprobe {

// Milliseconds since the script launched the process: VELLUMARK_LAUNCH_NS holds the wall clock
// (nanoseconds since the epoch) the script read just before starting it. Without it, since the
// process began by its own record, to the kernel's tick.
double msSinceLaunch();
double threadCpuMs();
double processCpuMs();
// A field of /proc/self/status in kB ("VmRSS", "VmHWM"); 0 when there is none.
qint64 statusKb(const char* field);

// Runs done once, when the event loop is first about to wait after a widget was painted: the
// moment start-up leaves the GUI thread idle.
void whenIdleAfterFirstPaint(std::function<void()> done);

// With VELLUMARK_PHASES set, prints the time since launch and the GUI thread's CPU time so far,
// to show where start-up goes.
void phase(const char* name);

// Prints the start-up figures (idle_ms, gui_cpu_ms, process_cpu_ms) taken now.
void printStartUp();
// Prints the memory figures (rss_kb, hwm_kb) taken now.
void printMemory();

} // namespace processprobe
