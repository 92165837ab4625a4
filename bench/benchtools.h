#pragma once

// Small tools shared by the benchmarks: a stopwatch, medians, the memory the
// process holds, and waiting for a widget to have been painted.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace Bench {

using Clock = std::chrono::steady_clock;

inline double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

inline double median(std::vector<double> values) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2.0;
}

inline double maximum(const std::vector<double>& values) {
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

/// Resident memory of this process, in MB: now (VmRSS) and at its peak
/// (VmHWM), and the part of it that is the process's own (RssAnon): pages of
/// libraries and fonts the system drops and reads back under pressure are
/// not.
struct Memory {
    double rss = 0.0;
    double peak = 0.0;
    double anon = 0.0;
};

inline Memory memory() {
    QFile status(QStringLiteral("/proc/self/status"));
    Memory m;
    if (!status.open(QIODevice::ReadOnly)) return m;
    for (const QByteArray& line : status.readAll().split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() < 2) continue;
        const double mb = parts[1].toDouble() / 1024.0;
        if (parts[0] == "VmRSS:") m.rss = mb;
        if (parts[0] == "VmHWM:") m.peak = mb;
        if (parts[0] == "RssAnon:") m.anon = mb;
    }
    return m;
}

/// Runs the event loop without blocking until `done` holds; false after
/// `timeoutMs` milliseconds.
inline bool processUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
    const Clock::time_point start = Clock::now();
    while (!done()) {
        if (msSince(start) > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return true;
}

/// Notes each paint event a widget receives that `accepts` agrees with. The
/// flag is set as the paint begins; the processEvents() call that delivered
/// it returns only once the whole window has been painted and flushed.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(
        QWidget* widget, std::function<bool()> accepts = [] { return true; })
        : m_widget(widget)
        , m_accepts(std::move(accepts)) {
        widget->installEventFilter(this);
    }
    ~PaintWatch() override {
        if (m_widget) m_widget->removeEventFilter(this);
    }
    bool painted() const { return m_painted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_widget && event->type() == QEvent::Paint && m_accepts()) m_painted = true;
        return false;
    }

private:
    QPointer<QWidget> m_widget;
    std::function<bool()> m_accepts;
    bool m_painted = false;
};

} // namespace Bench
