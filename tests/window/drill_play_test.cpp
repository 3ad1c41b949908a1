// Drills played on the real window through clicks and keys, with the
// questions scripted: what each question shows, how an entry is judged and
// scored, how the run moves on and how the program ends.

#include "form_harness.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <map>

Q_DECLARE_METATYPE(std::vector<double>)

namespace {

// The value boxes and the labels they belong to.
const std::map<QString, QString> kLabelOfBox = {
    {QStringLiteral("Text5"), QStringLiteral("Label2")},  // R1
    {QStringLiteral("Text8"), QStringLiteral("Label5")},  // R2
    {QStringLiteral("Text4"), QStringLiteral("Label4")},  // E1
    {QStringLiteral("Text9"), QStringLiteral("Label6")},  // E2
    {QStringLiteral("Text10"), QStringLiteral("Label7")}, // E
    {QStringLiteral("Text6"), QStringLiteral("Label3")},  // I
};

// "Text5=30" -> the box and the text it shows.
std::pair<QString, QString> BoxAndText(const QString& shown) {
    const qsizetype split = shown.indexOf(QLatin1Char('='));
    return {shown.left(split), shown.mid(split + 1)};
}

// Presses a key on whatever has the focus.
void PressOnFocus(Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key);
    }
}

} // namespace

class DrillPlayTest : public QObject {
    Q_OBJECT

  private slots:
    void firstQuestionIsMadeOnceAfterShowing();
    void questionShowsItsPairs_data();
    void questionShowsItsPairs();
    void entryIsJudged_data();
    void entryIsJudged();
    void blankEntryIsNotJudged_data();
    void blankEntryIsNotJudged();
    void correctAnswerScoresOncePerQuestion();
    void nextClearsWhatTheQuestionLeft();
    void wholeDrillPlayedToItsEnd();
    void programEnds_data();
    void programEnds();
    void keyboardAlonePlaysAQuestion();
};

// The first question is made right after the window is first shown, with no
// window manager to activate it, and never again when the window loses and
// regains activation or is hidden and shown.
void DrillPlayTest::firstQuestionIsMadeOnceAfterShowing() {
    FormHarness harness(
        Questions({QuestionScript(2, 30, 60, 5, 4), QuestionScript(3, 60, 90, 5, 4)}));
    QCoreApplication::processEvents();
    QCOMPARE(harness.random.Draws(), 0);
    QCOMPARE(harness.Label(QStringLiteral("Label10"))->text(), QString());

    harness.Start();
    QCOMPARE(harness.random.Draws(), 5);
    QCOMPARE(harness.Label(QStringLiteral("Label10"))->text(), QStringLiteral("電圧を求めよう"));
    QCOMPARE(harness.form.State().E1, 15.0f);

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    harness.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&harness.form));
    harness.form.showMinimized();
    QCoreApplication::processEvents();
    harness.form.showNormal();
    harness.form.hide();
    QCoreApplication::processEvents();
    harness.form.show();
    QCoreApplication::processEvents();

    QCOMPARE(harness.random.Draws(), 5);
    QCOMPARE(harness.form.State().QuestionNo, 1);
    QCOMPARE(harness.form.State().E1, 15.0f);
    QCOMPARE(harness.Label(QStringLiteral("Label10"))->text(), QStringLiteral("電圧を求めよう"));
}

void DrillPlayTest::questionShowsItsPairs_data() {
    QTest::addColumn<std::vector<double>>("question");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("shown"); // every visible box with its text

    const QString current = QStringLiteral("電流を求めよう");
    const QString voltage = QStringLiteral("電圧を求めよう");
    const QString resistance = QStringLiteral("抵抗を求めよう");
    // R1 = 30, R2 = 60, I = 0.5: E1 = 15, E2 = 30, E = 45.
    const auto q = [](int kind, int pattern) { return QuestionScript(kind, 30, 60, 5, pattern); };
    QTest::newRow("current 1: R1, E1 given")
        << q(1, 1) << current << QStringList{"Text6=？", "Text5=30", "Text4=15"};
    QTest::newRow("current 2: R1, R2, E given")
        << q(1, 2) << current << QStringList{"Text6=？", "Text5=30", "Text8=60", "Text10=45"};
    QTest::newRow("current 3: R2, E2 given")
        << q(1, 3) << current << QStringList{"Text6=？", "Text8=60", "Text9=30"};
    QTest::newRow("current 4: R1, E, E2 given")
        << q(1, 4) << current << QStringList{"Text6=？", "Text5=30", "Text10=45", "Text9=30"};
    QTest::newRow("current 5: R2, E1, E given")
        << q(1, 5) << current << QStringList{"Text6=？", "Text8=60", "Text4=15", "Text10=45"};
    QTest::newRow("voltage 1: E asked with ？ in its own box")
        << q(2, 1) << voltage << QStringList{"Text4=15", "Text9=30", "Text10=？"};
    QTest::newRow("voltage 2: E asked with ？ in its own box")
        << q(2, 2) << voltage << QStringList{"Text8=60", "Text6=0.5", "Text4=15", "Text10=？"};
    QTest::newRow("voltage 3: E asked with ？ in its own box")
        << q(2, 3) << voltage << QStringList{"Text5=30", "Text8=60", "Text6=0.5", "Text10=？"};
    QTest::newRow("voltage 4: E1 asked")
        << q(2, 4) << voltage << QStringList{"Text8=60", "Text6=0.5", "Text10=45", "Text4=？"};
    QTest::newRow("voltage 5: E1 asked")
        << q(2, 5) << voltage << QStringList{"Text5=30", "Text8=60", "Text9=30", "Text4=？"};
    QTest::newRow("resistance 1: R asked, no box")
        << q(3, 1) << resistance << QStringList{"Text5=30", "Text8=60"};
    QTest::newRow("resistance 2: R asked, no box")
        << q(3, 2) << resistance << QStringList{"Text4=15", "Text9=30", "Text6=0.5"};
    QTest::newRow("resistance 3: R asked, E given in its own pair")
        << q(3, 3) << resistance << QStringList{"Text10=45", "Text4=15", "Text5=30"};
    QTest::newRow("resistance 4: R1 asked")
        << q(3, 4) << resistance << QStringList{"Text4=15", "Text6=0.5", "Text5=？"};
    QTest::newRow("resistance 5: R1 asked")
        << q(3, 5) << resistance << QStringList{"Text10=45", "Text9=30", "Text8=60", "Text5=？"};
}

// Each layout is shown as the second question, after a question that showed
// other pairs and other values and had an entry judged: exactly the row's
// boxes are visible, each with its label, showing the row's texts.
void DrillPlayTest::questionShowsItsPairs() {
    QFETCH(std::vector<double>, question);
    QFETCH(QString, title);
    QFETCH(QStringList, shown);
    FormHarness harness(Questions({QuestionScript(1, 90, 10, 10, 4), question}));
    harness.Start();
    harness.Press("7");
    harness.Click(QStringLiteral("Command3"));
    harness.Click(QStringLiteral("Command5"));

    QCOMPARE(harness.Label(QStringLiteral("Label10"))->text(), title);
    std::map<QString, QString> expected;
    for (const QString& entry : shown) {
        expected.insert(BoxAndText(entry));
    }
    for (const auto& [boxName, labelName] : kLabelOfBox) {
        const QLineEdit* box = harness.Box(boxName);
        const QLabel* label = harness.Label(labelName);
        const auto wanted = expected.find(boxName);
        const bool visible = wanted != expected.end();
        QVERIFY2(box->isVisible() == visible, qPrintable(boxName));
        QVERIFY2(label->isVisible() == visible, qPrintable(labelName));
        if (visible) {
            QCOMPARE(box->text(), wanted->second);
        }
    }
}

void DrillPlayTest::entryIsJudged_data() {
    QTest::addColumn<std::vector<double>>("question");
    QTest::addColumn<QString>("keys"); // keypad presses: digits, '.' and 'c' (clear)
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("message");   // empty: the answer message stays hidden
    QTest::addColumn<QStringList>("boxes"); // boxes and the texts they show afterwards

    // Resistance, R1 = 60, R2 = 90, I = 0.5: R = 150, E1 = 30, E = 75.
    const auto r = [](int pattern) { return QuestionScript(3, 60, 90, 5, pattern); };
    QTest::newRow("resistance 4: R1 entered, correct, shown in R1's box")
        << r(4) << "60"
        << "○"
        << "10"
        << "" << QStringList{"Text5= 6 0"};
    QTest::newRow("resistance 4: R entered, wrong, R1 shown")
        << r(4) << "150"
        << "×"
        << "0"
        << "正解は 60" << QStringList{"Text5= 1 5 0"};
    QTest::newRow("resistance 1: R entered, correct, copied into no box")
        << r(1) << "150"
        << "○"
        << "10"
        << "" << QStringList{"Text5=60", "Text8=90"};
    QTest::newRow("resistance 1: R1 entered, wrong, R shown")
        << r(1) << "60"
        << "×"
        << "0"
        << "正解は 150" << QStringList{"Text5=60", "Text8=90"};
    QTest::newRow("resistance 2: R entered, correct, hidden R1 box untouched")
        << r(2) << "150"
        << "○"
        << "10"
        << "" << QStringList{"Text5=ｒ１", "Text6=0.5"};
    QTest::newRow("resistance 3: R entered, correct, the given E1, E, R1 unchanged")
        << r(3) << "150"
        << "○"
        << "10"
        << "" << QStringList{"Text5=60", "Text4=30", "Text10=75"};

    // Voltage, R1 = 30, R2 = 60, I = 0.5: E1 = 15, E = 45.
    const auto v = [](int pattern) { return QuestionScript(2, 30, 60, 5, pattern); };
    QTest::newRow("voltage 4: E1 entered, correct, shown in E1's box")
        << v(4) << "15"
        << "○"
        << "10"
        << "" << QStringList{"Text4= 1 5", "Text10=45"};
    QTest::newRow("voltage 4: E entered, wrong, E1 shown")
        << v(4) << "45"
        << "×"
        << "0"
        << "正解は 15" << QStringList{"Text4= 4 5", "Text10=45"};
    QTest::newRow("voltage 1: E entered, correct, shown in E's box, E1 kept")
        << v(1) << "45"
        << "○"
        << "10"
        << "" << QStringList{"Text10= 4 5", "Text4=15"};
    QTest::newRow("voltage 3: E1 entered, wrong, E shown")
        << v(3) << "15"
        << "×"
        << "0"
        << "正解は 45" << QStringList{"Text10= 1 5", "Text6=0.5"};
    QTest::newRow("voltage 5: keypad cleared before the answer") << v(5) << "9c15"
                                                                 << "○"
                                                                 << "10"
                                                                 << "" << QStringList{"Text4= 1 5"};

    // Current, R1 = 50, R2 = 40, I = 0.3.
    const std::vector<double> c = QuestionScript(1, 50, 40, 3, 2);
    QTest::newRow("current: point and 3, correct") << c << ".3"
                                                   << "○"
                                                   << "10"
                                                   << "" << QStringList{"Text6=. 3"};
    QTest::newRow("current: 0.30 with a trailing zero, correct")
        << c << "0.30"
        << "○"
        << "10"
        << "" << QStringList{"Text6= 0. 3 0"};
    QTest::newRow("current: 3, wrong, 0.3 shown") << c << "3"
                                                  << "×"
                                                  << "0"
                                                  << "正解は 0.3" << QStringList{"Text6= 3"};
    QTest::newRow("current: a point alone reads as 0, wrong")
        << c << "."
        << "×"
        << "0"
        << "正解は 0.3" << QStringList{"Text6=."};
}

// The keypad composes the entry and the enter button judges it: the mark of
// question 1, the score box, the answer message and the boxes afterwards.
void DrillPlayTest::entryIsJudged() {
    QFETCH(std::vector<double>, question);
    QFETCH(QString, keys);
    QFETCH(QString, mark);
    QFETCH(QString, score);
    QFETCH(QString, message);
    QFETCH(QStringList, boxes);
    FormHarness harness(question);
    harness.Start();

    harness.Press(qPrintable(keys));
    harness.Click(QStringLiteral("Command3"));

    QCOMPARE(harness.MarkCell(1)->text(), mark);
    QCOMPARE(harness.Box(QStringLiteral("Text12"))->text(), score);
    const QLabel* answer = harness.Label(QStringLiteral("Label9"));
    QCOMPARE(answer->isVisible(), !message.isEmpty());
    if (!message.isEmpty()) {
        QCOMPARE(answer->text(), message);
    }
    for (const QString& entry : boxes) {
        const auto [boxName, text] = BoxAndText(entry);
        QCOMPARE(harness.Box(boxName)->text(), text);
    }
    QCOMPARE(harness.Box(QStringLiteral("Text7"))->text(), QString());
    for (int other = 2; other <= 10; ++other) {
        QCOMPARE(harness.MarkCell(other)->text(), QString());
    }
}

void DrillPlayTest::blankEntryIsNotJudged_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("nothing entered") << "";
    QTest::newRow("blanks typed") << "   ";
}

// An empty entry is no answer: the enter button leaves the mark cell, the
// score, the answer message and the asked box as they were.
void DrillPlayTest::blankEntryIsNotJudged() {
    QFETCH(QString, typed);
    FormHarness harness(QuestionScript(3, 60, 90, 5, 4));
    harness.Start();
    QLineEdit* entry = harness.Box(QStringLiteral("Text7"));
    QTest::mouseClick(entry, Qt::LeftButton);
    QTest::keyClicks(entry, typed);
    harness.Click(QStringLiteral("Command3"));
    QCOMPARE(harness.MarkCell(1)->text(), QString());
    QCOMPARE(harness.Box(QStringLiteral("Text12"))->text(), QStringLiteral("0"));
    QVERIFY(!harness.Label(QStringLiteral("Label9"))->isVisible());
    QCOMPARE(harness.Box(QStringLiteral("Text5"))->text(), QStringLiteral("？"));
}

// Judging a question again re-marks it, but its 10 points come once; a
// later wrong answer takes none away.
void DrillPlayTest::correctAnswerScoresOncePerQuestion() {
    FormHarness harness(
        Questions({QuestionScript(3, 60, 90, 5, 4), QuestionScript(3, 20, 30, 5, 4)}));
    harness.Start();
    QLineEdit* score = harness.Box(QStringLiteral("Text12"));
    const QLabel* answer = harness.Label(QStringLiteral("Label9"));

    harness.Press("60");
    harness.Click(QStringLiteral("Command3"));
    QCOMPARE(harness.MarkCell(1)->text(), QStringLiteral("○"));
    QCOMPARE(score->text(), QStringLiteral("10"));

    harness.Click(QStringLiteral("Command3")); // the entry is empty now
    QCOMPARE(harness.MarkCell(1)->text(), QStringLiteral("○"));
    QCOMPARE(harness.Box(QStringLiteral("Text5"))->text(), QStringLiteral(" 6 0"));

    harness.Press("60");
    harness.Click(QStringLiteral("Command3"));
    QCOMPARE(score->text(), QStringLiteral("10"));

    harness.Press("5");
    harness.Click(QStringLiteral("Command3"));
    QCOMPARE(harness.MarkCell(1)->text(), QStringLiteral("×"));
    QCOMPARE(answer->text(), QStringLiteral("正解は 60"));
    QVERIFY(answer->isVisible());
    QCOMPARE(score->text(), QStringLiteral("10"));

    harness.Press("60");
    harness.Click(QStringLiteral("Command3"));
    QCOMPARE(harness.MarkCell(1)->text(), QStringLiteral("○"));
    QCOMPARE(score->text(), QStringLiteral("10"));
    QVERIFY(answer->isVisible()); // a later correct answer leaves it shown

    // The next question earns its own 10 points.
    harness.Click(QStringLiteral("Command5"));
    QVERIFY(!answer->isVisible());
    harness.Press("20");
    harness.Click(QStringLiteral("Command3"));
    QCOMPARE(harness.MarkCell(2)->text(), QStringLiteral("○"));
    QCOMPARE(score->text(), QStringLiteral("20"));
    QCOMPARE(harness.form.State().Score, 20);
}

// The next button empties the entry and E1's box and hides the answer
// message before the next question is laid out; a layout that does not
// write E1's box leaves it empty.
void DrillPlayTest::nextClearsWhatTheQuestionLeft() {
    FormHarness harness(
        Questions({QuestionScript(3, 60, 90, 5, 4), QuestionScript(3, 20, 30, 5, 1)}));
    harness.Start();
    QCOMPARE(harness.Box(QStringLiteral("Text4"))->text(), QStringLiteral("30"));
    harness.Press("5");
    harness.Click(QStringLiteral("Command3"));
    harness.Press("9");
    QVERIFY(harness.Label(QStringLiteral("Label9"))->isVisible());

    harness.Click(QStringLiteral("Command5"));
    QCOMPARE(harness.Box(QStringLiteral("Text4"))->text(), QString());
    QCOMPARE(harness.Box(QStringLiteral("Text7"))->text(), QString());
    QVERIFY(!harness.Label(QStringLiteral("Label9"))->isVisible());
    QCOMPARE(harness.MarkCell(1)->text(), QStringLiteral("×"));
    QCOMPARE(harness.MarkCell(2)->text(), QString());
}

// Ten questions: some right, some wrong, some passed by. The progress row
// keeps its numbers, each mark lands in its question's cell, the next button
// empties the entry and E1's box and hides the answer message, and the next
// button on the tenth question ends the program.
void DrillPlayTest::wholeDrillPlayedToItsEnd() {
    struct Play {
        std::vector<double> question;
        const char* keys; // nullptr: passed by without an answer
        const char* mark;
    };
    const std::vector<Play> plays = {
        {QuestionScript(3, 60, 90, 5, 4), "60", "○"},   // R1 = 60
        {QuestionScript(3, 60, 90, 5, 1), "60", "×"},   // R = 150
        {QuestionScript(2, 30, 60, 5, 4), "15", "○"},   // E1 = 15
        {QuestionScript(2, 30, 60, 5, 2), nullptr, ""}, // passed by
        {QuestionScript(1, 50, 40, 3, 2), ".3", "○"},   // I = 0.3
        {QuestionScript(1, 10, 10, 10, 1), "2", "×"},   // I = 1
        {QuestionScript(2, 90, 90, 10, 1), "180", "○"}, // E = 180
        {QuestionScript(3, 10, 20, 1, 3), "30", "○"},   // R = 30
        {QuestionScript(1, 20, 20, 2, 5), nullptr, ""}, // passed by
        {QuestionScript(3, 40, 50, 7, 5), "40", "○"},   // R1 = 40
    };
    std::vector<double> script;
    for (const Play& play : plays) {
        script.insert(script.end(), play.question.begin(), play.question.end());
    }
    FormHarness harness(script);
    QSignalSpy ended(&harness.form, &Form1::programEnded);
    harness.Start();

    int correct = 0;
    for (int number = 1; number <= 10; ++number) {
        const Play& play = plays[static_cast<std::size_t>(number - 1)];
        QCOMPARE(harness.form.State().QuestionNo, number);
        if (play.keys != nullptr) {
            harness.Press(play.keys);
            harness.Click(QStringLiteral("Command3"));
        }
        correct += QString::fromUtf8(play.mark) == QStringLiteral("○");
        QCOMPARE(harness.MarkCell(number)->text(), QString::fromUtf8(play.mark));
        QCOMPARE(harness.Box(QStringLiteral("Text12"))->text(), QString::number(10 * correct));

        harness.Press("9"); // left in the entry when next is pressed
        harness.Click(QStringLiteral("Command5"));
        if (number < 10) {
            QCOMPARE(ended.count(), 0);
            QCOMPARE(harness.Box(QStringLiteral("Text7"))->text(), QString());
            QVERIFY(!harness.Label(QStringLiteral("Label9"))->isVisible());
        }
    }
    QCOMPARE(ended.count(), 1);
    QVERIFY(!harness.form.isVisible());
    QCOMPARE(harness.form.State().Score, 60);
    for (int number = 1; number <= 10; ++number) {
        QCOMPARE(harness.Box(QStringLiteral("Text1(%1)").arg(number))->text(),
                 QString::number(number));
        QCOMPARE(harness.MarkCell(number)->text(),
                 QString::fromUtf8(plays[static_cast<std::size_t>(number - 1)].mark));
    }
    QCOMPARE(harness.random.Draws(), 50);
}

void DrillPlayTest::programEnds_data() {
    QTest::addColumn<int>("nextPresses");
    QTest::addColumn<QString>("then"); // "exit", "close" or "" for nothing
    QTest::addColumn<int>("endings");  // how often programEnded is emitted

    QTest::newRow("nine presses of next leave question 10 on screen") << 9 << "" << 0;
    QTest::newRow("the tenth press of next ends the program") << 10 << "" << 1;
    QTest::newRow("exit button in the middle of question 1") << 0 << "exit" << 1;
    QTest::newRow("exit button on question 10") << 9 << "exit" << 1;
    QTest::newRow("window closed on question 4") << 3 << "close" << 1;
    QTest::newRow("window closed after the tenth next ends the program only once")
        << 10 << "close" << 1;
}

void DrillPlayTest::programEnds() {
    QFETCH(int, nextPresses);
    QFETCH(QString, then);
    QFETCH(int, endings);
    FormHarness harness;
    QSignalSpy ended(&harness.form, &Form1::programEnded);
    harness.Start();
    harness.Press("5");

    for (int press = 0; press < nextPresses; ++press) {
        harness.Click(QStringLiteral("Command5"));
    }
    if (then == QLatin1String("exit")) {
        harness.Click(QStringLiteral("Command1"));
    } else if (then == QLatin1String("close")) {
        harness.form.close();
    }

    QCOMPARE(ended.count(), endings);
    QCOMPARE(harness.form.isVisible(), endings == 0);
    if (endings == 0) {
        QCOMPARE(harness.form.State().QuestionNo, std::int16_t(nextPresses + 1));
        QVERIFY(!harness.Label(QStringLiteral("Label10"))->text().isEmpty());
    }
}

// Tab and Space alone: the keypad's "５", the enter button, the next button.
void DrillPlayTest::keyboardAlonePlaysAQuestion() {
    // Voltage pattern 4 with R1 = 10 and I = 0.5 asks for E1 = 5.
    FormHarness harness(
        Questions({QuestionScript(2, 10, 60, 5, 4), QuestionScript(1, 30, 60, 5, 2)}));
    harness.Start();
    QVERIFY(QTest::qWaitForWindowActive(&harness.form));
    QCOMPARE(FocusName(), QStringLiteral("Command1"));

    PressOnFocus(Qt::Key_Tab, 6);
    QCOMPARE(FocusName(), QStringLiteral("Command2(5)"));
    PressOnFocus(Qt::Key_Space);
    QCOMPARE(harness.Box(QStringLiteral("Text7"))->text(), QStringLiteral(" 5"));

    PressOnFocus(Qt::Key_Tab, 7);
    QCOMPARE(FocusName(), QStringLiteral("Command3"));
    PressOnFocus(Qt::Key_Space);
    QCOMPARE(harness.MarkCell(1)->text(), QStringLiteral("○"));
    QCOMPARE(harness.Box(QStringLiteral("Text12"))->text(), QStringLiteral("10"));

    PressOnFocus(Qt::Key_Tab, 2);
    QCOMPARE(FocusName(), QStringLiteral("Command5"));
    PressOnFocus(Qt::Key_Space);
    QCOMPARE(harness.form.State().QuestionNo, 2);
    QCOMPARE(harness.Label(QStringLiteral("Label10"))->text(), QStringLiteral("電流を求めよう"));
}

QTEST_MAIN(DrillPlayTest)
#include "drill_play_test.moc"
