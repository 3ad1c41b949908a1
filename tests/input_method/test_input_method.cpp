// Answers typed with a Japanese input method: the input method composes text
// (shown underlined, not yet part of the entry) and then commits it into the
// entry box Text7. The committed text, full-width digits and all, is judged
// by the enter button as the drill reads numbers.

#include "form1.h"
#include "scripted.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <vector>

namespace {

// One step of typing. A composing step shows `text` as the composition in
// progress; a committing step ends the composition and inserts `text`. A
// keypad step presses the keypad digit `text` with the mouse.
struct TypingStep {
    enum Kind { Composing, Committing, Keypad } kind;
    QString text;
};

TypingStep Compose(const char* text) {
    return {TypingStep::Composing, QString::fromUtf8(text)};
}
TypingStep Commit(const char* text) {
    return {TypingStep::Committing, QString::fromUtf8(text)};
}
TypingStep Keypad(int digit) {
    return {TypingStep::Keypad, QString::number(digit)};
}

void Send(QLineEdit* entry, const TypingStep& step) {
    const QList<QInputMethodEvent::Attribute> caretAtEnd = {
        {QInputMethodEvent::Cursor, static_cast<int>(step.text.size()), 1, QVariant()}};
    if (step.kind == TypingStep::Composing) {
        QInputMethodEvent composing(step.text, caretAtEnd);
        QCoreApplication::sendEvent(entry, &composing);
    } else {
        QInputMethodEvent committing;
        committing.setCommitString(step.text);
        QCoreApplication::sendEvent(entry, &committing);
    }
}

} // namespace

Q_DECLARE_METATYPE(std::vector<TypingStep>)

class InputMethodTest : public QObject {
    Q_OBJECT

  private slots:
    // The entry box takes input methods; nothing switches them off for it.
    void entryTakesInputMethods() {
        ScriptedRandom random(QuestionScript(3, 60, 90, 2, 4));
        FixedClock clock;
        Form1 form(random, clock);
        auto* entry = form.findChild<QLineEdit*>(QStringLiteral("Text7"));
        QVERIFY(entry->testAttribute(Qt::WA_InputMethodEnabled));
        QVERIFY(entry->inputMethodQuery(Qt::ImEnabled).toBool());
    }

    void typedAnswerIsJudged_data() {
        QTest::addColumn<std::vector<double>>("question");
        QTest::addColumn<QString>("answerBox");
        QTest::addColumn<std::vector<TypingStep>>("typing");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("mark");

        // Resistance, pattern 4: R1 = 60 asked, its box Text5.
        const std::vector<double> r1Asked = QuestionScript(3, 60, 90, 2, 4);
        // Current, pattern 1: I = 0.5 asked, its box Text6.
        const std::vector<double> currentAsked = QuestionScript(1, 30, 60, 5, 1);
        const QString r1Box = QStringLiteral("Text5");
        const QString currentBox = QStringLiteral("Text6");

        QTest::newRow("full-width digits committed at once")
            << r1Asked << r1Box << std::vector{Commit("６０")} << QStringLiteral("６０")
            << QStringLiteral("○");
        QTest::newRow("composed, then committed")
            << r1Asked << r1Box << std::vector{Compose("６"), Compose("６０"), Commit("６０")}
            << QStringLiteral("６０") << QStringLiteral("○");
        QTest::newRow("committed digit by digit")
            << r1Asked << r1Box << std::vector{Commit("６"), Commit("０")} << QStringLiteral("６０")
            << QStringLiteral("○");
        QTest::newRow("composed half-width digits committed")
            << r1Asked << r1Box << std::vector{Compose("6"), Compose("60"), Commit("60")}
            << QStringLiteral("60") << QStringLiteral("○");
        QTest::newRow("ideographic space between digits")
            << r1Asked << r1Box << std::vector{Commit("６　０")} << QStringLiteral("６　０")
            << QStringLiteral("○");
        QTest::newRow("full-width total is wrong")
            << r1Asked << r1Box << std::vector{Commit("１５０")} << QStringLiteral("１５０")
            << QStringLiteral("×");
        QTest::newRow("full-width digits, then a keypad digit")
            << r1Asked << r1Box << std::vector{Commit("６"), Keypad(0)} << QStringLiteral("６ 0")
            << QStringLiteral("○");
        QTest::newRow("kanji numerals read as no number")
            << r1Asked << r1Box << std::vector{Commit("六十")} << QStringLiteral("六十")
            << QStringLiteral("×");
        QTest::newRow("full-width point")
            << currentAsked << currentBox << std::vector{Commit("０．５")}
            << QStringLiteral("０．５") << QStringLiteral("○");
        QTest::newRow("full-width point without a leading zero")
            << currentAsked << currentBox << std::vector{Commit("．５")} << QStringLiteral("．５")
            << QStringLiteral("○");
        QTest::newRow("full-width digits with a unit after them")
            << currentAsked << currentBox << std::vector{Commit("０．５Ａ")}
            << QStringLiteral("０．５Ａ") << QStringLiteral("○");
    }
    void typedAnswerIsJudged() {
        QFETCH(std::vector<double>, question);
        QFETCH(QString, answerBox);
        QFETCH(std::vector<TypingStep>, typing);
        QFETCH(QString, entry);
        QFETCH(QString, mark);

        ScriptedRandom random(question);
        FixedClock clock;
        Form1 form(random, clock);
        form.show();
        QCoreApplication::processEvents();
        auto* text7 = form.findChild<QLineEdit*>(QStringLiteral("Text7"));
        QTest::mouseClick(text7, Qt::LeftButton);
        for (const TypingStep& step : typing) {
            if (step.kind == TypingStep::Keypad) {
                QTest::mouseClick(
                    form.findChild<QPushButton*>(QStringLiteral("Command2(%1)").arg(step.text)),
                    Qt::LeftButton);
            } else {
                Send(text7, step);
            }
        }
        QCOMPARE(text7->text(), entry);

        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
        QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("Text2(1)"))->text(), mark);
        QCOMPARE(form.findChild<QLineEdit*>(answerBox)->text(), entry);
        QCOMPARE(text7->text(), QString());
    }

    // While the input method is still composing, the composition is not yet
    // part of the entry: the box's text is what was committed before it.
    void compositionIsNotYetTheEntry() {
        ScriptedRandom random(QuestionScript(3, 60, 90, 2, 4));
        FixedClock clock;
        Form1 form(random, clock);
        form.show();
        QCoreApplication::processEvents();
        auto* text7 = form.findChild<QLineEdit*>(QStringLiteral("Text7"));
        Send(text7, Commit("６"));
        Send(text7, Compose("０"));
        QCOMPARE(text7->text(), QStringLiteral("６"));
        Send(text7, Commit("０"));
        QCOMPARE(text7->text(), QStringLiteral("６０"));
    }
};

QTEST_MAIN(InputMethodTest)
#include "test_input_method.moc"
