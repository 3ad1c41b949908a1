// The floor for start-up: a bare toolkit window of the drill window's size
// that paints once. Built with the same flags as the drill, and timed with
// the same probe.
#include "startup_probe.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class BareWindow final : public QWidget {
  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    BareWindow window;
    window.resize(792, 573);
    startup_probe::ReportFirstPaint(window, [] { return true; });
    window.show();
    return QApplication::exec();
}
