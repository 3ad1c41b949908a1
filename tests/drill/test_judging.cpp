// Judging an entry: the compared value and the box that shows the entry by
// kind and pattern, marks, points and the answer message.

#include "drawn_question.h"
#include "flow.h"
#include "judging.h"
#include "number_text.h"
#include "quantity_names.h"

#include <QtTest>

namespace {

constexpr int kCurrent = 1;
constexpr int kVoltage = 2;
constexpr int kResistance = 3;

const QString kCorrect = "○";
const QString kWrong = "×";

// The question of most rows: R1 60, R2 90, R 150, I 0.3, E1 18, E2 27, E 45,
// on question 4 of a run with 20 points so far.
drill::DrillState QuestionOf(int kind, int pattern) {
    drill::DrillState state = DrawnQuestion(kind, 60, 90, 3, pattern);
    state.QuestionNo = 4;
    state.Score = 20;
    return state;
}

QString BoxName(const drill::Judgement& judgement) {
    return judgement.entryBox ? NameOf(*judgement.entryBox) : "none";
}

} // namespace

class TestJudging : public QObject {
    Q_OBJECT

  private slots:
    void comparesWithTheSoughtQuantity_data();
    void comparesWithTheSoughtQuantity();
    void entryRoundsToSinglePrecision_data();
    void entryRoundsToSinglePrecision();
    void wholeVoltsAreCorrect_data();
    void wholeVoltsAreCorrect();
    void blankEntryIsNotJudged_data();
    void blankEntryIsNotJudged();
    void entryWithoutFittingNumberIsWrong_data();
    void entryWithoutFittingNumberIsWrong();
    void questionEarnsItsPointsOnce_data();
    void questionEarnsItsPointsOnce();
    void runScoresAtMostAHundred();
};

void TestJudging::comparesWithTheSoughtQuantity_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("pattern");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<QString>("entryBox"); // the quantity whose box shows the entry
    QTest::addColumn<QString>("message");  // after a wrong answer

    // The entry goes into the box of the sought quantity, and into none where
    // the total resistance is sought.
    struct Family {
        const char* name;
        int kind;
        int firstPattern;
        int lastPattern;
        const char* correctEntry;
        const char* wrongEntry; // the value of another quantity of the question
        const char* entryBox;
        const char* message;
    };
    const Family families[] = {
        {"current, I sought", kCurrent, 1, 5, " 0. 3", " 1 8", "I", "正解は 0.3"},
        {"voltage, E sought", kVoltage, 1, 3, " 4 5", " 1 8", "E", "正解は 45"},
        {"voltage, E1 sought", kVoltage, 4, 5, " 1 8", " 4 5", "E1", "正解は 18"},
        {"resistance, R sought", kResistance, 1, 3, " 1 5 0", " 6 0", "none", "正解は 150"},
        {"resistance, R1 sought", kResistance, 4, 5, " 6 0", " 1 5 0", "R1", "正解は 60"},
    };
    for (const Family& f : families) {
        for (int pattern = f.firstPattern; pattern <= f.lastPattern; ++pattern) {
            QTest::addRow("%s, pattern %d: right", f.name, pattern)
                << f.kind << pattern << f.correctEntry << true << f.entryBox << "";
            QTest::addRow("%s, pattern %d: wrong", f.name, pattern)
                << f.kind << pattern << f.wrongEntry << false << f.entryBox << f.message;
        }
    }
}

void TestJudging::comparesWithTheSoughtQuantity() {
    QFETCH(int, kind);
    QFETCH(int, pattern);
    QFETCH(QString, entry);
    QFETCH(bool, correct);
    QFETCH(QString, entryBox);
    QFETCH(QString, message);

    const drill::Judgement judgement = drill::Judge(QuestionOf(kind, pattern), entry.toStdString());

    QVERIFY(judgement.judged);
    QCOMPARE(judgement.correct, correct);
    QCOMPARE(BoxName(judgement), entryBox);
    QCOMPARE(judgement.markCell, 4);
    QCOMPARE(QString::fromStdString(judgement.mark), correct ? kCorrect : kWrong);
    QCOMPARE(judgement.score, correct ? 30 : 20);
    QCOMPARE(judgement.message.has_value(), !correct);
    if (judgement.message) {
        QCOMPARE(QString::fromStdString(*judgement.message), message);
    }
}

// The entry is read as a double and rounded to single precision before it is
// compared with I = 0.3.
void TestJudging::entryRoundsToSinglePrecision_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("correct");

    QTest::newRow("typed") << "0.3" << true;
    QTest::newRow("no zero before the point") << ".3" << true;
    QTest::newRow("keypad, point first") << " . 3" << true;
    QTest::newRow("trailing zero") << "0.30" << true;
    QTest::newRow("full width") << "０．３" << true;
    QTest::newRow("within half a float step") << "0.30000001" << true;
    QTest::newRow("a float step away") << "0.30000004" << false;
    QTest::newRow("next hundredth") << "0.31" << false;
    QTest::newRow("ten times too much") << "3" << false;
    QTest::newRow("negative") << "-0.3" << false;
}

void TestJudging::entryRoundsToSinglePrecision() {
    QFETCH(QString, entry);
    QFETCH(bool, correct);

    QCOMPARE(drill::Judge(QuestionOf(kCurrent, 1), entry.toStdString()).correct, correct);
}

// Whole volts as a pupil works them out are correct, also where the
// single-precision product of current and resistance is not a whole number.
void TestJudging::wholeVoltsAreCorrect_data() {
    QTest::addColumn<int>("r1");
    QTest::addColumn<int>("r2");
    QTest::addColumn<int>("tenths");
    QTest::addColumn<int>("pattern");
    QTest::addColumn<QString>("entry");

    QTest::newRow("0.3 A x 50 ohm, E1 sought") << 50 << 10 << 3 << 4 << "15";
    QTest::newRow("0.6 A x 50 ohm, E1 sought") << 50 << 40 << 6 << 5 << "30";
    QTest::newRow("0.3 A x 90 ohm, E1 sought") << 90 << 10 << 3 << 4 << "27";
    QTest::newRow("0.6 A x 90 ohm, E1 sought") << 90 << 20 << 6 << 5 << "54";
    QTest::newRow("0.3 A x 100 ohm, E sought") << 40 << 60 << 3 << 1 << "30";
    QTest::newRow("0.6 A x 100 ohm, E sought") << 50 << 50 << 6 << 2 << "60";
    QTest::newRow("0.3 A x 170 ohm, E sought") << 80 << 90 << 3 << 3 << "51";
    QTest::newRow("0.6 A x 170 ohm, E sought") << 90 << 80 << 6 << 1 << "102";
    QTest::newRow("0.3 A x 180 ohm, E sought") << 90 << 90 << 3 << 2 << "54";
    QTest::newRow("0.6 A x 180 ohm, E sought") << 90 << 90 << 6 << 3 << "108";
}

void TestJudging::wholeVoltsAreCorrect() {
    QFETCH(int, r1);
    QFETCH(int, r2);
    QFETCH(int, tenths);
    QFETCH(int, pattern);
    QFETCH(QString, entry);

    const drill::DrillState state = DrawnQuestion(kVoltage, r1, r2, tenths, pattern);
    QVERIFY(drill::Judge(state, entry.toStdString()).correct);
}

// An entry of nothing but blanks is no answer: the press changes nothing.
void TestJudging::blankEntryIsNotJudged_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("scoredBefore");

    QTest::newRow("empty") << "" << false;
    QTest::newRow("empty after a correct answer") << "" << true;
    QTest::newRow("blank") << " " << false;
    QTest::newRow("tab") << "\t" << false;
    QTest::newRow("line feed") << "\n" << false;
    QTest::newRow("ideographic space") << "\u3000" << false;
    QTest::newRow("all of them") << " \t\n\u3000 " << true;
}

void TestJudging::blankEntryIsNotJudged() {
    QFETCH(QString, entry);
    QFETCH(bool, scoredBefore);

    drill::DrillState state = QuestionOf(kResistance, 4);
    state.QuestionScored = scoredBefore;
    const drill::Judgement judgement = drill::Judge(state, entry.toStdString());

    QVERIFY(!judgement.judged);
    QVERIFY(!judgement.entryBox);
    QVERIFY(judgement.mark.empty());
    QVERIFY(!judgement.message);
    drill::Apply(state, judgement);
    QCOMPARE(state.Score, 20);
    QCOMPARE(state.QuestionScored, scoredBefore);
}

// Any other entry is judged; one without a number reads 0, and a number
// beyond the range of a float can equal no answer.
void TestJudging::entryWithoutFittingNumberIsWrong_data() {
    QTest::addColumn<QByteArray>("entry");

    QTest::newRow("letters") << QByteArray("abc");
    QTest::newRow("question mark") << QByteArray("？");
    QTest::newRow("point only") << QByteArray(".");
    QTest::newRow("minus only") << QByteArray("-");
    QTest::newRow("carriage return") << QByteArray("\r");
    QTest::newRow("zero") << QByteArray(" 0");
    QTest::newRow("invalid byte") << QByteArray("\xff");
    QTest::newRow("the answer after a letter") << QByteArray("a60");
    QTest::newRow("largest float") << QByteArray("340282346638528859811704183484516925440");
    QTest::newRow("just beyond a float") << QByteArray("340282356779733661637539395458142568448");
    QTest::newRow("beyond a double") << "1" + QByteArray(400, '0');
    QTest::newRow("beyond a double, negative") << "-1" + QByteArray(400, '0');
    QTest::newRow("a megabyte of digits") << QByteArray(1 << 20, '6');
}

void TestJudging::entryWithoutFittingNumberIsWrong() {
    QFETCH(QByteArray, entry);

    drill::DrillState state = QuestionOf(kResistance, 4);
    const drill::Judgement judgement = drill::Judge(state, entry.toStdString());

    QVERIFY(judgement.judged);
    QVERIFY(!judgement.correct);
    QCOMPARE(BoxName(judgement), "R1");
    QCOMPARE(QString::fromStdString(judgement.mark), kWrong);
    QCOMPARE(QString::fromStdString(judgement.message.value_or("")), "正解は 60");
    drill::Apply(state, judgement);
    QCOMPARE(state.Score, 20);
}

// Judging one question again and again: the mark follows the latest
// judgement, the question earns its 10 points at most once and a wrong
// answer takes none away. "" is a press with an empty entry (no mark).
void TestJudging::questionEarnsItsPointsOnce_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<QList<int>>("scores");

    QTest::newRow("right twice") << QStringList{" 6 0", " 6 0"} << QStringList{kCorrect, kCorrect}
                                 << QList<int>{30, 30};
    QTest::newRow("wrong, then right")
        << QStringList{" 1 5 0", " 6 0"} << QStringList{kWrong, kCorrect} << QList<int>{20, 30};
    QTest::newRow("right, then wrong")
        << QStringList{" 6 0", " 1 5 0"} << QStringList{kCorrect, kWrong} << QList<int>{30, 30};
    QTest::newRow("right, wrong, right")
        << QStringList{" 6 0", " 1 5 0", "60"} << QStringList{kCorrect, kWrong, kCorrect}
        << QList<int>{30, 30, 30};
    QTest::newRow("right, then an empty press")
        << QStringList{" 6 0", ""} << QStringList{kCorrect, ""} << QList<int>{30, 30};
    QTest::newRow("wrong twice") << QStringList{" 1 5 0", "abc"} << QStringList{kWrong, kWrong}
                                 << QList<int>{20, 20};
}

void TestJudging::questionEarnsItsPointsOnce() {
    QFETCH(QStringList, entries);
    QFETCH(QStringList, marks);
    QFETCH(QList<int>, scores);

    drill::DrillState state = QuestionOf(kResistance, 4);
    for (qsizetype press = 0; press < entries.size(); ++press) {
        const drill::Judgement judgement = drill::Judge(state, entries[press].toStdString());
        drill::Apply(state, judgement);
        QCOMPARE(QString::fromStdString(judgement.mark), marks[press]);
        QCOMPARE(state.Score, scores[press]);
    }
}

// A whole run, every question answered right three times: 100 points.
void TestJudging::runScoresAtMostAHundred() {
    drill::MixingRandom random(2024);
    const FixedClock clock;
    drill::DrillState state;
    drill::StartRun(state);
    do {
        drill::DrawQuestion(state, random, clock);
        const float sought = drill::ValueOf(state, drill::LayoutOf(state).sought);
        for (int press = 0; press < 3; ++press) {
            const drill::Judgement judgement = drill::Judge(state, drill::SignedNumberText(sought));
            QVERIFY(judgement.correct);
            drill::Apply(state, judgement);
            QVERIFY(state.Score <= 10 * state.QuestionNo);
        }
    } while (!drill::AdvanceQuestion(state));
    QCOMPARE(state.Score, 100);
}

QTEST_GUILESS_MAIN(TestJudging)
#include "test_judging.moc"
