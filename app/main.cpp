#include "form1.h"
#include "program_identity.h"
#include "random_source.h"
#include "startup_probe.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    program_identity::Apply();

    drill::MixingRandom random;
    drill::SystemClock clock;
    Form1 form(random, clock);
    QObject::connect(&form, &Form1::programEnded, &app, &QApplication::quit, Qt::QueuedConnection);
    startup_probe::ReportFirstPaint(form, [&form] { return form.State().Kind != 0; });
    form.show();
    return QApplication::exec();
}
