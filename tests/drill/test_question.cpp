// Drawing a question: the order of the draws, the redraw rules and their
// boundaries, the reseed from the clock and the exact voltages.

#include "drawn_question.h"
#include "exact.h"
#include "question.h"
#include "scripted.h"

#include <QtTest>

#include <cmath>
#include <optional>
#include <utility>

namespace {

// A hair below a fraction of the unit interval: well inside the lower range,
// yet closer to the boundary than any other value a draw is likely to give.
// (One step below, the rounding of u x 3 + 0.5 rather than the fraction
// decides.)
double Below(double boundary) {
    return boundary - 1e-9;
}

const double kLargestDraw = std::nextafter(1.0, 0.0);

// Scripted draws that also note how many numbers were drawn before the
// generator was reseeded.
class RecordingRandom final : public drill::RandomSource {
  public:
    explicit RecordingRandom(std::vector<double> script) : scripted_(std::move(script)) {}
    double Next() override { return scripted_.Next(); }
    void Reseed(double seed) override {
        reseeds_.emplace_back(scripted_.Draws(), seed);
        scripted_.Reseed(seed);
    }

    const ScriptedRandom& Scripted() const { return scripted_; }
    // (draws before the reseed, seed) for every reseed
    const std::vector<std::pair<int, double>>& Reseeds() const { return reseeds_; }

  private:
    ScriptedRandom scripted_;
    std::vector<std::pair<int, double>> reseeds_;
};

// The draws of one question, field by field; every field but the one a row
// is about keeps a plain draw without a redraw.
struct Draws {
    QList<double> kind = {0.6};     // 2
    QList<double> r1 = {0.35};      // 30
    QList<double> r2 = {0.65};      // 60
    QList<double> current = {0.5};  // Int(5.5) = 5 tenths
    QList<double> pattern = {0.25}; // Int(3.75) mod 5 + 1 = 4
};

// What those draws give.
struct Drawn {
    double kind = 2;
    int r1 = 30;
    int r2 = 60;
    int tenths = 5;
    int pattern = 4;
};

void AddRow(const char* name, const Draws& draws, const Drawn& drawn) {
    QTest::newRow(name) << draws.kind << draws.r1 + draws.r2 + draws.current + draws.pattern
                        << drawn.kind << drawn.r1 << drawn.r2 << drawn.tenths << drawn.pattern;
}

} // namespace

class TestQuestion : public QObject {
    Q_OBJECT

  private slots:
    void drawsInOrderWithRedraws_data();
    void drawsInOrderWithRedraws();
    void reseedsWithTheClockSeconds_data();
    void reseedsWithTheClockSeconds();
    void voltagesAreWholeVolts_data();
    void voltagesAreWholeVolts();
};

void TestQuestion::drawsInOrderWithRedraws_data() {
    QTest::addColumn<QList<double>>("kindDraws");
    QTest::addColumn<QList<double>>("drawsAfterReseed");
    QTest::addColumn<double>("kind");
    QTest::addColumn<int>("r1");
    QTest::addColumn<int>("r2");
    QTest::addColumn<int>("tenths");
    QTest::addColumn<int>("pattern");

    AddRow("one draw per field", {}, {});

    // Kind: Int(u x 3 + 0.5), 0 redrawn.
    AddRow("kind 0 at u = 0 is redrawn", {.kind = {0.0, 0.6}}, {});
    AddRow("kind 0 just below 1/6 is redrawn", {.kind = {Below(1.0 / 6), 0.6}}, {});
    AddRow("kind redrawn twice", {.kind = {0.0, 0.1, 0.6}}, {});
    AddRow("kind 1 from 1/6", {.kind = {1.0 / 6}}, {.kind = 1});
    AddRow("kind 1 just below 1/2", {.kind = {Below(0.5)}}, {.kind = 1});
    AddRow("kind 2 from 1/2", {.kind = {0.5}}, {.kind = 2});
    AddRow("kind 2 just below 5/6", {.kind = {Below(5.0 / 6)}}, {.kind = 2});
    AddRow("kind 3 from 5/6", {.kind = {5.0 / 6}}, {.kind = 3});
    AddRow("kind 3 just below 1", {.kind = {kLargestDraw}}, {.kind = 3});

    // R1 and R2: Int(u x 10) x 10, below 10 redrawn.
    AddRow("R1 0 at u = 0 is redrawn", {.r1 = {0.0, 0.35}}, {});
    AddRow("R1 0 just below 0.1 is redrawn", {.r1 = {Below(0.1), 0.35}}, {});
    AddRow("R1 10 from 0.1", {.r1 = {0.1}}, {.r1 = 10});
    AddRow("R1 90 just below 1", {.r1 = {kLargestDraw}}, {.r1 = 90});
    AddRow("R2 0 at u = 0 is redrawn", {.r2 = {0.0, 0.65}}, {});
    AddRow("R2 0 just below 0.1 is redrawn", {.r2 = {Below(0.1), 0.65}}, {});
    AddRow("R2 10 from 0.1", {.r2 = {0.1}}, {.r2 = 10});
    AddRow("R2 90 just below 1", {.r2 = {kLargestDraw}}, {.r2 = 90});
    AddRow("R1 and R2 both redrawn", {.r1 = {0.0, 0.95}, .r2 = {0.05, 0.15}}, {.r1 = 90, .r2 = 10});

    // I: Int(u x 11) / 10, 0 redrawn.
    AddRow("I 0 at u = 0 is redrawn", {.current = {0.0, 0.5}}, {});
    AddRow("I 0 just below 1/11 is redrawn", {.current = {Below(1.0 / 11), 0.5}}, {});
    AddRow("I 0.1 from 1/11", {.current = {1.0 / 11}}, {.tenths = 1});
    AddRow("I 1.0 just below 1", {.current = {kLargestDraw}}, {.tenths = 10});

    // Pattern: (Int(u x 15) mod 5) + 1, never redrawn.
    AddRow("pattern 1 at u = 0", {.pattern = {0.0}}, {.pattern = 1});
    AddRow("pattern 1 just below 1/15", {.pattern = {Below(1.0 / 15)}}, {.pattern = 1});
    AddRow("pattern 2 from 1/15", {.pattern = {1.0 / 15}}, {.pattern = 2});
    AddRow("pattern 5 just below 5/15", {.pattern = {Below(5.0 / 15)}}, {.pattern = 5});
    AddRow("pattern 1 again from 5/15", {.pattern = {5.0 / 15}}, {.pattern = 1});
    AddRow("pattern 3 in the last third", {.pattern = {12.5 / 15}}, {.pattern = 3});
    AddRow("pattern 5 just below 1", {.pattern = {kLargestDraw}}, {.pattern = 5});

    AddRow("every field redrawn",
           {.kind = {0.0, 0.95},
            .r1 = {0.0, 0.15},
            .r2 = {0.09, 0.45},
            .current = {0.0, 0.0, 0.99},
            .pattern = {0.0}},
           {.kind = 3, .r1 = 10, .r2 = 40, .tenths = 10, .pattern = 1});
}

// The kind is drawn (and redrawn) first, then the generator is reseeded from
// the clock, then R1, R2, I and the pattern follow, one number per draw and
// per redraw and not one more.
void TestQuestion::drawsInOrderWithRedraws() {
    QFETCH(QList<double>, kindDraws);
    QFETCH(QList<double>, drawsAfterReseed);
    QFETCH(double, kind);
    QFETCH(int, r1);
    QFETCH(int, r2);
    QFETCH(int, tenths);
    QFETCH(int, pattern);

    const QList<double> script = kindDraws + drawsAfterReseed;
    RecordingRandom random({script.begin(), script.end()});
    const FixedClock clock("12:34:56");
    drill::DrillState state;
    state.QuestionNo = 7;
    state.Score = 30;
    state.QuestionScored = true;
    drill::DrawQuestion(state, random, clock);

    QCOMPARE(random.Reseeds().size(), std::size_t(1));
    QCOMPARE(random.Reseeds().front().first, int(kindDraws.size()));
    QCOMPARE(random.Scripted().Draws(), int(script.size()));
    QVERIFY(!random.Scripted().Exhausted());

    QCOMPARE(state.Kind, kind);
    QCOMPARE(Exact(state.R1), Exact(float(r1)));
    QCOMPARE(Exact(state.R2), Exact(float(r2)));
    QCOMPARE(Exact(state.R), Exact(float(r1 + r2)));
    QCOMPARE(Exact(state.I), Exact(kCurrents[tenths]));
    QCOMPARE(state.Pattern, pattern);
    // A new question: the run's counters stay, the question's points are
    // still to be earned.
    QCOMPARE(state.QuestionNo, std::int16_t(7));
    QCOMPARE(state.Score, 30);
    QVERIFY(!state.QuestionScored);
}

void TestQuestion::reseedsWithTheClockSeconds_data() {
    QTest::addColumn<QString>("timeOfDay");
    QTest::addColumn<double>("seed");

    QTest::newRow("second 56") << "12:34:56" << 56.0;
    QTest::newRow("second 0") << "00:00:00" << 0.0;
    QTest::newRow("second 7") << "08:15:07" << 7.0;
    QTest::newRow("second 59") << "23:59:59" << 59.0;
}

void TestQuestion::reseedsWithTheClockSeconds() {
    QFETCH(QString, timeOfDay);
    QFETCH(double, seed);

    RecordingRandom random(QuestionScript(1, 10, 10, 1, 1));
    const FixedClock clock(timeOfDay.toStdString());
    drill::DrillState state;
    drill::DrawQuestion(state, random, clock);

    QCOMPARE(random.Reseeds().size(), std::size_t(1));
    QCOMPARE(random.Reseeds().front().second, seed);
}

// Every combination of the two resistances and the current.
void TestQuestion::voltagesAreWholeVolts_data() {
    QTest::addColumn<int>("r1");
    QTest::addColumn<int>("r2");
    QTest::addColumn<int>("tenths");

    for (int r1 = 10; r1 <= 90; r1 += 10) {
        for (int r2 = 10; r2 <= 90; r2 += 10) {
            for (int tenths = 1; tenths <= 10; ++tenths) {
                QTest::addRow("R1 %d, R2 %d, I %d/10", r1, r2, tenths) << r1 << r2 << tenths;
            }
        }
    }
}

// The voltages hold exactly the whole number of volts (0.3 A x 50 ohm is 15,
// not the single-precision product just above it), so that the answer a
// pupil works out is the one judged correct.
void TestQuestion::voltagesAreWholeVolts() {
    QFETCH(int, r1);
    QFETCH(int, r2);
    QFETCH(int, tenths);

    const drill::DrillState state = DrawnQuestion(1, r1, r2, tenths, 1);

    QCOMPARE(Exact(state.I), Exact(kCurrents[tenths]));
    const std::pair<float, int> voltages[] = {{state.E1, r1}, {state.E2, r2}, {state.E, r1 + r2}};
    for (const auto& [volts, ohms] : voltages) {
        QCOMPARE(Exact(volts), Exact(std::trunc(volts)));
        // tenths of an ampere x ohms are tenths of a volt; ohms come in tens
        QCOMPARE(Exact(volts), Exact(float(tenths * ohms / 10)));
    }
}

QTEST_GUILESS_MAIN(TestQuestion)
#include "test_question.moc"
