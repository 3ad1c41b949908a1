#include "judging.h"
#include "question.h"
#include "scripted.h"
#include "spoken_text.h"

#include <QTest>

#include <string>

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The state after the drill draws the question that QuestionScript describes.
drill::DrillState Drawn(int kind, int r1, int r2, int tenths, int pattern) {
    drill::DrillState state;
    ScriptedRandom random(QuestionScript(kind, r1, r2, tenths, pattern));
    FixedClock clock;
    drill::DrawQuestion(state, random, clock);
    return state;
}

} // namespace

Q_DECLARE_METATYPE(drill::DrillState)
Q_DECLARE_METATYPE(drill::Quantity)

class SpokenTextTest : public QObject {
    Q_OBJECT

  private slots:
    void markCellSaysQuestionAndResult_data() {
        QTest::addColumn<int>("questionNo");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("correct mark")
            << 3 << QString::fromUtf8(drill::kCorrectMark) << QStringLiteral("第3問 正解");
        QTest::newRow("wrong mark")
            << 3 << QString::fromUtf8(drill::kWrongMark) << QStringLiteral("第3問 不正解");
        QTest::newRow("no mark yet") << 1 << QString() << QStringLiteral("第1問 未解答");
        QTest::newRow("last question, two digits")
            << 10 << QString::fromUtf8(drill::kCorrectMark) << QStringLiteral("第10問 正解");
    }
    void markCellSaysQuestionAndResult() {
        QFETCH(int, questionNo);
        QFETCH(QString, mark);
        QFETCH(QString, spoken);
        QCOMPARE(Q(drill::MarkCellName(questionNo, mark.toStdString())), spoken);
    }

    void progressCellSaysQuestion_data() {
        QTest::addColumn<int>("questionNo");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("first") << 1 << QStringLiteral("第1問");
        QTest::newRow("last, two digits") << 10 << QStringLiteral("第10問");
    }
    void progressCellSaysQuestion() {
        QFETCH(int, questionNo);
        QFETCH(QString, spoken);
        QCOMPARE(Q(drill::QuestionCellName(questionNo)), spoken);
    }

    void wrongAnswerSaysResultThenMessage_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("whole number")
            << QStringLiteral("正解は 60") << QStringLiteral("不正解、正解は 60");
        QTest::newRow("current below one")
            << QStringLiteral("正解は 0.3") << QStringLiteral("不正解、正解は 0.3");
    }
    void wrongAnswerSaysResultThenMessage() {
        QFETCH(QString, message);
        QFETCH(QString, spoken);
        QCOMPARE(Q(drill::WrongAnswerInWords(message.toStdString())), spoken);
    }

    void valueBoxSaysQuantityAndUnit_data() {
        QTest::addColumn<drill::Quantity>("quantity");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("R1") << drill::Quantity::R1 << QStringLiteral("Ｒ１（Ω）");
        QTest::newRow("R2") << drill::Quantity::R2 << QStringLiteral("Ｒ２（Ω）");
        QTest::newRow("E1") << drill::Quantity::E1 << QStringLiteral("Ｅ１（Ｖ）");
        QTest::newRow("E2") << drill::Quantity::E2 << QStringLiteral("Ｅ２（Ｖ）");
        QTest::newRow("E") << drill::Quantity::E << QStringLiteral("Ｅ（Ｖ）");
        QTest::newRow("I") << drill::Quantity::I << QStringLiteral("Ｉ（Ａ）");
    }
    void valueBoxSaysQuantityAndUnit() {
        QFETCH(drill::Quantity, quantity);
        QFETCH(QString, spoken);
        QCOMPARE(Q(drill::ValueBoxName(quantity)), spoken);
    }

    // The givens in the order the layout writes them, with the values the
    // boxes show, then what is asked.
    void questionSaysGivensThenTask_data() {
        QTest::addColumn<drill::DrillState>("state");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("current, given R1 and E1")
            << Drawn(1, 30, 60, 5, 1)
            << QStringLiteral("Ｒ１ 30 Ω、Ｅ１ 15 Ｖ、電流を求めよう（Ｉ）");
        QTest::newRow("current, given R2, E1 and E")
            << Drawn(1, 30, 60, 5, 5)
            << QStringLiteral("Ｒ２ 60 Ω、Ｅ１ 15 Ｖ、Ｅ 45 Ｖ、電流を求めよう（Ｉ）");
        QTest::newRow("voltage E1, current below one")
            << Drawn(2, 30, 60, 5, 4)
            << QStringLiteral("Ｒ２ 60 Ω、Ｉ 0.5 Ａ、Ｅ 45 Ｖ、電圧を求めよう（Ｅ１）");
        QTest::newRow("total voltage asked")
            << Drawn(2, 30, 60, 5, 1)
            << QStringLiteral("Ｅ１ 15 Ｖ、Ｅ２ 30 Ｖ、電圧を求めよう（全体の電圧Ｅ）");
        QTest::newRow("voltage, current of one ampere")
            << Drawn(2, 20, 40, 10, 3)
            << QStringLiteral("Ｒ１ 20 Ω、Ｒ２ 40 Ω、Ｉ 1 Ａ、電圧を求めよう（全体の電圧Ｅ）");
        QTest::newRow("total resistance asked")
            << Drawn(3, 60, 90, 2, 1)
            << QStringLiteral("Ｒ１ 60 Ω、Ｒ２ 90 Ω、抵抗を求めよう（全体の抵抗Ｒ）");
        QTest::newRow("total resistance from E, E1 and R1")
            << Drawn(3, 60, 90, 2, 3)
            << QStringLiteral("Ｅ 30 Ｖ、Ｅ１ 12 Ｖ、Ｒ１ 60 Ω、抵抗を求めよう（全体の抵抗Ｒ）");
        QTest::newRow("R1 asked") << Drawn(3, 60, 90, 2, 4)
                                  << QStringLiteral(
                                         "Ｅ１ 12 Ｖ、Ｉ 0.2 Ａ、抵抗を求めよう（Ｒ１）");
    }
    void questionSaysGivensThenTask() {
        QFETCH(drill::DrillState, state);
        QFETCH(QString, spoken);
        QCOMPARE(Q(drill::QuestionInWords(state)), spoken);
    }

    void figureSaysCircuitThenQuestion() {
        const drill::DrillState state = Drawn(1, 30, 60, 5, 1);
        QCOMPARE(Q(drill::FigureInWords(state)),
                 QStringLiteral("抵抗Ｒ１と抵抗Ｒ２を電池につないだ直列回路。"
                                "Ｒ１ 30 Ω、Ｅ１ 15 Ｖ、電流を求めよう（Ｉ）"));
    }
};

QTEST_APPLESS_MAIN(SpokenTextTest)
#include "test_spoken_text.moc"
