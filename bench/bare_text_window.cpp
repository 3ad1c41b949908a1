// The floor for start-up with Japanese text: the bare toolkit window of the
// drill window's size showing one line in the drill's window font. Set beside
// the bare window, it shows what the toolkit's text machinery (the font
// configuration, one face loaded, one line shaped and drawn) costs by itself.
#include "control_table.h"
#include "startup_probe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QString::fromUtf8("電流・電圧・抵抗の練習"));
    window.setFont(control_table::MakeFont(control_table::kWindowFont));
    window.resize(control_table::kClientSize);
    startup_probe::ReportFirstPaint(window, [] { return true; });
    window.show();
    return QApplication::exec();
}
