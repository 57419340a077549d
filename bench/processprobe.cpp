#include "processprobe.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QThread>

#include <cstdio>
#include <ctime>
#include <memory>

#include <sys/resource.h>
#include <unistd.h>

namespace processprobe {
namespace {

double nsToMs(qint64 ns) {
    return double(ns) / 1e6;
}

qint64 clockNs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The process's start in clock ticks after boot, field 22 of /proc/self/stat.
double startedMsAfterBoot() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.readAll();
    // The command name (field 2) may hold spaces; the fields after it follow its last ')'.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 19 ? fields[19].toDouble() * 1000.0 / double(sysconf(_SC_CLK_TCK)) : 0;
}

// Notes the first paint, then reports the first moment after it that the loop is about to wait.
class IdleWatch : public QObject {
public:
    explicit IdleWatch(std::function<void()> done)
        : QObject(QCoreApplication::instance())
        , m_done(std::move(done)) {
        QCoreApplication::instance()->installEventFilter(this);
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
                [this] {
                    if (!m_painted || !m_done)
                        return;
                    const auto done = std::move(m_done);
                    m_done = nullptr;
                    done();
                });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            m_painted = true;
        return false;
    }

private:
    std::function<void()> m_done;
    bool m_painted = false;
};

} // namespace

double msSinceLaunch() {
    const QByteArray launched = qgetenv("VELLUMARK_LAUNCH_NS");
    if (!launched.isEmpty())
        return nsToMs(clockNs(CLOCK_REALTIME) - launched.toLongLong());
    return nsToMs(clockNs(CLOCK_BOOTTIME)) - startedMsAfterBoot();
}

double threadCpuMs() {
    return nsToMs(clockNs(CLOCK_THREAD_CPUTIME_ID));
}

double processCpuMs() {
    return nsToMs(clockNs(CLOCK_PROCESS_CPUTIME_ID));
}

qint64 statusKb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray name = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) { // a /proc file has no size
        if (line.startsWith(name))
            return line.mid(name.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

void phase(const char* name) {
    static const bool enabled = qEnvironmentVariableIsSet("VELLUMARK_PHASES");
    if (enabled)
        std::printf("phase %-24s %8.2f ms  (GUI thread CPU %.2f ms)\n", name, msSinceLaunch(),
                    threadCpuMs());
}

void whenIdleAfterFirstPaint(std::function<void()> done) {
    new IdleWatch(std::move(done)); // the application owns it
}

void printStartUp() {
    const double idle = msSinceLaunch();
    std::printf("idle_ms=%.2f\ngui_cpu_ms=%.2f\nprocess_cpu_ms=%.2f\n", idle, threadCpuMs(),
                processCpuMs());
    std::fflush(stdout);
}

void printMemory() {
    std::printf("rss_kb=%lld\nhwm_kb=%lld\n", statusKb("VmRSS"), statusKb("VmHWM"));
    // For a look at where the memory is: the mappings as they stand, copied where asked.
    if (const QString copy = qEnvironmentVariable("VELLUMARK_SMAPS"); !copy.isEmpty()) {
        QFile from(QStringLiteral("/proc/self/smaps"));
        QFile to(copy);
        if (from.open(QIODevice::ReadOnly) && to.open(QIODevice::WriteOnly))
            to.write(from.readAll());
    }
    std::fflush(stdout);
}

} // namespace processprobe
