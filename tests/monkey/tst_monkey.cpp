// Thousands of drills on the real window, each driven by a seeded random
// sequence of events until the window ends the program. A broken rule names
// the seed of its drill; MONKEY_SEED=<seed> replays just that drill, and
// MONKEY_DRILLS=<n> sets how many drills each row plays.

#include "monkey.h"

#include <QTest>

#include <cstdlib>

namespace {

// Events a drill may use before it only presses the next button.
constexpr int kEventBudget = 400;

std::optional<qulonglong> EnvironmentNumber(const char* name) {
    bool ok = false;
    const qulonglong value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? std::optional<qulonglong>(value) : std::nullopt;
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

  private slots:
    void drills_data();
    void drills();
};

void MonkeyTest::drills_data() {
    QTest::addColumn<qulonglong>("firstSeed");
    QTest::addColumn<int>("drillCount");
    if (const auto seed = EnvironmentNumber("MONKEY_SEED")) {
        const int count = static_cast<int>(EnvironmentNumber("MONKEY_DRILLS").value_or(1));
        QTest::addRow("replay of seed %llu", *seed) << *seed << count;
        return;
    }
    const int count = static_cast<int>(EnvironmentNumber("MONKEY_DRILLS").value_or(500));
    for (const qulonglong first : {1ULL, 1000001ULL, 2000001ULL, 3000001ULL}) {
        QTest::addRow("seeds from %llu", first) << first << count;
    }
}

void MonkeyTest::drills() {
    QFETCH(qulonglong, firstSeed);
    QFETCH(int, drillCount);
    long long events = 0;
    int hugePastes = 0;
    for (int drill = 0; drill < drillCount; ++drill) {
        Monkey monkey(firstSeed + static_cast<qulonglong>(drill));
        const std::optional<QString> broken = monkey.RunDrill(kEventBudget);
        events += monkey.Events();
        hugePastes += monkey.HugePastes();
        QVERIFY2(!broken, qPrintable(broken.value_or(QString())));
    }
    qInfo("%d drills, %lld events, %d pastes of 100 KB", drillCount, events, hugePastes);
}

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
