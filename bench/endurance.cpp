// Endurance: 100,000 questions made and judged by the real drill window in
// one process, on the offscreen platform, each followed by the repaint a
// pupil would see. The resident set size is read at the start, after 1,000
// questions and at the end; after the first thousand it must stay flat.
#include "form_driver.h"
#include "table_row.h"

#include <QApplication>

#include <fstream>
#include <string>

namespace {

constexpr int kWarmQuestions = 1'000;
constexpr int kQuestions = 100'000;
constexpr double kGrowthLimitKib = 1024;

// The current resident set size in KiB.
double ResidentKib() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FormDriver driver;
    Form1& form = driver.Form();

    const double startKib = ResidentKib();
    double warmKib = 0;
    for (int question = 1; question <= kQuestions; ++question) {
        driver.NextQuestion();
        // Every third answer is wrong, so the answer message is shown too.
        driver.Text7->setText(question % 3 == 0 ? FormDriver::WrongEntry() : driver.CorrectEntry());
        form.Command3_Click();
        FormDriver::Settle();
        if (question == kWarmQuestions) {
            warmKib = ResidentKib();
        }
    }
    const double endKib = ResidentKib();

    const double growthKib = endKib - warmKib;
    PrintRow({"Endurance: RSS after 100,000 questions made and judged (one process)",
              Mebibytes(endKib),
              "after 1,000: " + Mebibytes(warmKib) + " (start " + Mebibytes(startKib) + ")",
              Format("%+.2f MiB since question 1,000", growthKib / 1024), "<= +1 MiB",
              MetBelow(growthKib, kGrowthLimitKib)});
    return 0;
}
