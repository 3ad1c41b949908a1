#pragma once

#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>

// Measuring how long the program takes to show its first question. With the
// environment variable OHM_DRILL_STARTUP_PROBE set, the program prints the
// monotonic clock in nanoseconds once its window has painted while `ready`
// holds, and then ends at once. Without the variable nothing is installed, and the
// program runs as ever.
namespace startup_probe {

inline constexpr char kVariable[] = "OHM_DRILL_STARTUP_PROBE";

class FirstPaintReporter final : public QObject {
  public:
    FirstPaintReporter(QWidget& window, std::function<bool()> ready)
        : QObject(&window), ready_(std::move(ready)) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_ && ready_()) {
            reported_ = true;
            // A queued call runs once this paint pass, children and the flush
            // of the window to the screen included, has finished.
            QMetaObject::invokeMethod(this, &FirstPaintReporter::Report, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    void Report() {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("%lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        // Ends at once, so that what the process is measured for (its time,
        // its peak memory) is start-up alone, not tear-down as well.
        std::_Exit(0);
    }

    std::function<bool()> ready_;
    bool reported_ = false;
};

// Installs the reporter on `window` when the variable is set.
inline void ReportFirstPaint(QWidget& window, std::function<bool()> ready) {
    if (qEnvironmentVariableIsSet(kVariable)) {
        new FirstPaintReporter(window, std::move(ready));
    }
}

} // namespace startup_probe
