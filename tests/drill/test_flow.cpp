// A run: its start and the count of its ten questions.

#include "flow.h"

#include <QtTest>

class TestFlow : public QObject {
    Q_OBJECT

  private slots:
    void startRunBeginsAtQuestionOne();
    void advancingCountsTenQuestions_data();
    void advancingCountsTenQuestions();
};

void TestFlow::startRunBeginsAtQuestionOne() {
    // What a finished run leaves behind.
    drill::DrillState state;
    state.QuestionNo = 11;
    state.Score = 70;
    state.QuestionScored = true;

    drill::StartRun(state);

    QCOMPARE(state.QuestionNo, std::int16_t(1));
    QCOMPARE(state.Score, 0);
    QVERIFY(!state.QuestionScored);
}

// Pressing the next button a number of times from the first question.
void TestFlow::advancingCountsTenQuestions_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("questionNo");
    QTest::addColumn<bool>("runOver");

    QTest::newRow("once: question 2") << 1 << 2 << false;
    QTest::newRow("five times: question 6") << 5 << 6 << false;
    QTest::newRow("nine times: question 10 on screen") << 9 << 10 << false;
    QTest::newRow("ten times: leaving question 10 ends the run") << 10 << 11 << true;
    QTest::newRow("once more after the end: still over") << 11 << 11 << true;
}

void TestFlow::advancingCountsTenQuestions() {
    QFETCH(int, presses);
    QFETCH(int, questionNo);
    QFETCH(bool, runOver);

    drill::DrillState state;
    drill::StartRun(state);
    state.Score = 40;
    bool over = false;
    for (int press = 1; press <= presses; ++press) {
        over = drill::AdvanceQuestion(state);
    }

    QCOMPARE(over, runOver);
    QCOMPARE(state.QuestionNo, std::int16_t(questionNo));
    QCOMPARE(state.Score, 40);
}

QTEST_GUILESS_MAIN(TestFlow)
#include "test_flow.moc"
