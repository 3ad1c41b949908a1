// The production random source and clock, and how a time of day gives the
// seconds that seed the generator.

#include "question.h"
#include "random_source.h"
#include "scripted.h"

#include <QtTest>

#include <set>
#include <tuple>
#include <vector>

namespace {

std::vector<double> Draws(drill::RandomSource& random, int count) {
    std::vector<double> draws;
    for (int i = 0; i < count; ++i) {
        draws.push_back(random.Next());
    }
    return draws;
}

} // namespace

class TestRandomSource : public QObject {
    Q_OBJECT

  private slots:
    void secondsOfTimeOfDay_data();
    void secondsOfTimeOfDay();
    void systemClockEndsInTheSeconds();
    void drawsLieInUnitInterval_data();
    void drawsLieInUnitInterval();
    void reseedMixesIntoTheState_data();
    void reseedMixesIntoTheState();
    void questionsOfOneSecondDiffer();
};

void TestRandomSource::secondsOfTimeOfDay_data() {
    QTest::addColumn<QString>("timeOfDay");
    QTest::addColumn<double>("seconds");

    QTest::newRow("afternoon") << "12:34:56" << 56.0;
    QTest::newRow("leading zero") << "09:05:07" << 7.0;
    QTest::newRow("midnight") << "00:00:00" << 0.0;
    QTest::newRow("last second of the day") << "23:59:59" << 59.0;
    QTest::newRow("hour without leading zero") << "9:05:30" << 30.0;
    QTest::newRow("two characters") << "42" << 42.0;
    QTest::newRow("one character") << "5" << 5.0;
    QTest::newRow("empty") << "" << 0.0;
}

void TestRandomSource::secondsOfTimeOfDay() {
    QFETCH(QString, timeOfDay);
    QFETCH(double, seconds);

    QCOMPARE(drill::SecondsOf(timeOfDay.toStdString()), seconds);
}

void TestRandomSource::systemClockEndsInTheSeconds() {
    const std::string now = drill::SystemClock().TimeOfDay();

    QVERIFY2(
        QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(QString::fromStdString(now)).hasMatch(),
        now.c_str());
    const double seconds = drill::SecondsOf(now);
    QVERIFY(seconds >= 0 && seconds <= 59);
}

void TestRandomSource::drawsLieInUnitInterval_data() {
    QTest::addColumn<bool>("fromEntropy"); // the system's entropy source picks the state
    QTest::addColumn<quint64>("state");
    QTest::addColumn<double>("seed"); // reseeded with this every 1000 draws

    QTest::newRow("entropy start") << true << quint64(0) << 17.0;
    QTest::newRow("zero state, second 0") << false << quint64(0) << 0.0;
    QTest::newRow("all bits set") << false << ~quint64(0) << 59.0;
    QTest::newRow("golden gamma") << false << quint64(0x9e3779b97f4a7c15ULL) << 30.0;
}

void TestRandomSource::drawsLieInUnitInterval() {
    QFETCH(bool, fromEntropy);
    QFETCH(quint64, state);
    QFETCH(double, seed);

    drill::MixingRandom random = fromEntropy ? drill::MixingRandom() : drill::MixingRandom(state);
    double smallest = 1;
    double largest = 0;
    for (int block = 0; block < 100; ++block) {
        random.Reseed(seed);
        for (const double u : Draws(random, 1000)) {
            QVERIFY2(u >= 0 && u < 1, qPrintable(QString::number(u, 'g', 17)));
            smallest = std::min(smallest, u);
            largest = std::max(largest, u);
        }
    }
    // A hundred thousand uniform draws reach well into both ends.
    QVERIFY(smallest < 0.001);
    QVERIFY(largest > 0.999);
}

// Reseeding stirs the seconds into the state instead of replacing it: two
// generators agree only when both their states and their seeds agree.
void TestRandomSource::reseedMixesIntoTheState_data() {
    QTest::addColumn<quint64>("stateA");
    QTest::addColumn<quint64>("stateB");
    QTest::addColumn<double>("seedA");
    QTest::addColumn<double>("seedB");
    QTest::addColumn<bool>("same");

    QTest::newRow("same state, same second") << quint64(7) << quint64(7) << 56.0 << 56.0 << true;
    QTest::newRow("same state, other second") << quint64(7) << quint64(7) << 56.0 << 57.0 << false;
    QTest::newRow("other state, same second") << quint64(7) << quint64(8) << 56.0 << 56.0 << false;
    QTest::newRow("other state, second 0") << quint64(7) << quint64(8) << 0.0 << 0.0 << false;
}

void TestRandomSource::reseedMixesIntoTheState() {
    QFETCH(quint64, stateA);
    QFETCH(quint64, stateB);
    QFETCH(double, seedA);
    QFETCH(double, seedB);
    QFETCH(bool, same);

    drill::MixingRandom a(stateA);
    drill::MixingRandom b(stateB);
    a.Reseed(seedA);
    b.Reseed(seedB);
    QCOMPARE(Draws(a, 8) == Draws(b, 8), same);
}

// The generator is reseeded from the clock for every question; questions
// made within the same second must still vary.
void TestRandomSource::questionsOfOneSecondDiffer() {
    drill::MixingRandom random(12345);
    const FixedClock clock("10:20:30");
    std::set<std::tuple<double, float, float, float, int>> questions;
    constexpr int kQuestions = 100;
    for (int i = 0; i < kQuestions; ++i) {
        drill::DrillState state;
        drill::DrawQuestion(state, random, clock);
        questions.emplace(state.Kind, state.R1, state.R2, state.I, state.Pattern);
    }
    // 12 150 possible questions: a hundred uniform draws give far more than
    // half that many different ones.
    QVERIFY2(questions.size() > kQuestions / 2, qPrintable(QString::number(questions.size())));
}

QTEST_GUILESS_MAIN(TestRandomSource)
#include "test_random_source.moc"
