// The time of each handler of the real drill window, on the offscreen
// platform, and of a repaint of the whole window. Prints its rows of the
// benchmark table on standard output; Google Benchmark's own report goes to
// standard error.
#include "collecting_reporter.h"
#include "control_table.h"
#include "form_driver.h"
#include "judging.h"
#include "per_call_timing.h"
#include "table_row.h"

#include <QApplication>
#include <QImage>

#include <string>

namespace {

constexpr double kHandlerBudgetUs = 1000;
constexpr double kRepaintBudgetUs = 2000;
constexpr double kFrameUs = 1e6 / 60;

// The mark cell of the current question.
QString MarkOfCurrentQuestion(FormDriver& driver) {
    const QString name = control_table::ElementName("Text2", driver.Form().State().QuestionNo);
    return driver.Form().findChild<QLineEdit*>(name, Qt::FindDirectChildrenOnly)->text();
}

// An entry of `bytes` bytes as the keypad writes it: " 1 2 3 …".
QString KeypadEntry(std::size_t bytes) {
    QString entry;
    for (std::size_t i = 0; entry.size() < static_cast<qsizetype>(bytes); ++i) {
        entry += QLatin1Char(' ');
        entry += QLatin1Char(static_cast<char>('1' + i % 9));
    }
    entry.truncate(static_cast<qsizetype>(bytes));
    return entry;
}

struct HandlerCase {
    const char* name;    // Google Benchmark's name
    const char* measure; // the row's description
    double budgetUs;     // the limit on the median, or 0 for a figure shown against a frame
    int iterations;
};

const HandlerCase kNewQuestion{"NewQuestion", "NewQuestion with the figure (via Form_Activate)",
                               kHandlerBudgetUs, 1000};
const HandlerCase kCorrect{"Command3_Click/correct",
                           "Command3_Click, correct answer (enter button)", kHandlerBudgetUs, 1000};
const HandlerCase kWrong{"Command3_Click/wrong", "Command3_Click, wrong answer (enter button)",
                         kHandlerBudgetUs, 1000};
const HandlerCase kKeypad{"Command2_Click", "Command2_Click, keypad, all 12 keys in turn",
                          kHandlerBudgetUs, 1200};
const HandlerCase kNext{"Command5_Click", "Command5_Click (next button: clear, NewQuestion)",
                        kHandlerBudgetUs, 1000};
const HandlerCase kRepaint{"repaint", "Repaint of the whole client area (QWidget::repaint)",
                           kRepaintBudgetUs, 1000};
const HandlerCase kRender{"render", "Render of the whole window into a 792 x 573 QImage",
                          kRepaintBudgetUs, 1000};
const HandlerCase kJudgedToPixels{
    "Command3_Click+paint", "Press to pixels: Command3_Click and the repaint it causes", 0, 1000};
const HandlerCase kNextToPixels{
    "Command5_Click+paint", "Press to pixels: Command5_Click and the repaint it causes", 0, 1000};
// A 1 MiB entry, judged through the window: the handler copies it into the
// answer box, which lays the whole text out. Shown beside the toolkit's own
// cost of taking the same text into the entry box.
const HandlerCase kHugeEntry{"Command3_Click/1MiB",
                             "Command3_Click with a 1 MiB keypad entry (copied to the answer box)",
                             0, 5};
const HandlerCase kHugePaste{"Text7.setText/1MiB", "", 0, 5};

template <typename Setup, typename Act, typename Check>
void Register(const HandlerCase& handler, Setup setup, Act act, Check check) {
    benchmark::RegisterBenchmark(
        handler.name, [=](benchmark::State& state) { TimeEachCall(state, setup, act, check); })
        ->Iterations(handler.iterations)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
}

void RegisterAll(FormDriver& driver) {
    Form1& form = driver.Form();
    const auto always = [] { return true; };

    // Form_Activate makes a question on whatever the surface holds; the next
    // button before it clears the surface, as before every later question.
    Register(
        kNewQuestion, [&] { driver.NextQuestion(), FormDriver::Settle(); },
        [&] { form.Form_Activate(); }, [&] { return form.State().Kind != 0; });

    const auto answerWith = [&](auto entry) {
        return [&driver, entry] {
            driver.NextQuestion();
            driver.Text7->setText(entry(driver));
            FormDriver::Settle();
        };
    };
    const auto correctEntry = [](FormDriver& d) { return d.CorrectEntry(); };
    const auto wrongEntry = [](FormDriver&) { return FormDriver::WrongEntry(); };
    const auto markedCorrect = [&] {
        return MarkOfCurrentQuestion(driver) == QString::fromUtf8(drill::kCorrectMark);
    };
    const auto markedWrong = [&] {
        return MarkOfCurrentQuestion(driver) == QString::fromUtf8(drill::kWrongMark);
    };
    Register(
        kCorrect, answerWith(correctEntry), [&] { form.Command3_Click(); }, markedCorrect);
    Register(
        kWrong, answerWith(wrongEntry), [&] { form.Command3_Click(); }, markedWrong);

    // Twelve keys in turn; the entry is emptied now and then so that it stays
    // as short as a pupil's.
    auto key = std::make_shared<int>(0);
    Register(
        kKeypad,
        [&driver, key] {
            *key = (*key + 1) % 12;
            if (driver.Text7->text().size() > 12) {
                driver.Text7->clear();
            }
            FormDriver::Settle();
        },
        [&form, key] { form.Command2_Click(*key); }, always);

    Register(
        kNext, [&] { driver.KeepRunGoing(), FormDriver::Settle(); }, [&] { form.Command5_Click(); },
        [&] { return form.State().Kind != 0; });

    Register(
        kRepaint, FormDriver::Settle, [&] { form.repaint(); }, always);
    auto image = std::make_shared<QImage>(form.size(), QImage::Format_ARGB32_Premultiplied);
    Register(
        kRender, FormDriver::Settle, [&form, image] { form.render(image.get()); }, always);

    Register(
        kJudgedToPixels, answerWith(correctEntry),
        [&] {
            form.Command3_Click();
            FormDriver::Settle();
        },
        markedCorrect);
    Register(
        kNextToPixels, [&] { driver.KeepRunGoing(), FormDriver::Settle(); },
        [&] {
            form.Command5_Click();
            FormDriver::Settle();
        },
        always);

    const auto hugeEntry = [](FormDriver&) { return KeypadEntry(1 << 20); };
    Register(
        kHugeEntry, answerWith(hugeEntry), [&] { form.Command3_Click(); }, markedWrong);
    const QString huge = KeypadEntry(1 << 20);
    Register(
        kHugePaste, [&] { driver.Text7->clear(), FormDriver::Settle(); },
        [&driver, huge] { driver.Text7->setText(huge); }, always);
}

bool Ran(const CollectingReporter& report, const HandlerCase& handler) {
    if (report.Has(handler.name)) {
        return true;
    }
    PrintRow({handler.measure, "did not run", "", "", "", "NO"});
    return false;
}

void PrintHandlerRow(const CollectingReporter& report, const HandlerCase& handler) {
    if (!Ran(report, handler)) {
        return;
    }
    const double median = report.Counter(handler.name, "median_us");
    const double p99 = report.Counter(handler.name, "p99_us");
    const std::string ours = Duration(median) + " median (p99 " + Duration(p99) + ")";
    if (&handler == &kHugeEntry && Ran(report, kHugePaste)) {
        const double paste = report.Counter(kHugePaste.name, "median_us");
        PrintRow({handler.measure, ours, "the same text set into the entry box: " + Duration(paste),
                  Format("%.2fx", median / paste), "-", "-"});
        return;
    }
    if (handler.budgetUs == 0) {
        PrintRow({handler.measure, ours, "one frame at 60 Hz, 16.7 ms",
                  Format("%.3f of a frame", median / kFrameUs), "-", "-"});
        return;
    }
    PrintRow({handler.measure, ours, "budget " + Duration(handler.budgetUs),
              Format("%.3f of the budget", median / handler.budgetUs),
              "<= " + Duration(handler.budgetUs) + " median", MetBelow(median, handler.budgetUs)});
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    FormDriver driver;
    RegisterAll(driver);
    CollectingReporter report;
    benchmark::RunSpecifiedBenchmarks(&report);
    benchmark::Shutdown();

    for (const HandlerCase* handler :
         {&kNewQuestion, &kCorrect, &kWrong, &kKeypad, &kNext, &kRepaint, &kRender,
          &kJudgedToPixels, &kNextToPixels, &kHugeEntry}) {
        PrintHandlerRow(report, *handler);
    }
    return 0;
}
