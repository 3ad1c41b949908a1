// The drill window as a screen reader finds it through Qt's accessibility:
// the names, values and roles of the controls, the circuit figure's
// description, and the events that announce a judgement.

#include "form1.h"
#include "scripted.h"
#include "spoken_text.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <memory>
#include <vector>

namespace {

// One accessibility event as a screen reader receives it: what happened, to
// which control, and the control's name at that moment.
struct ReceivedEvent {
    QAccessible::Event type;
    QString control;
    QString name;
};

std::vector<ReceivedEvent>& Received() {
    static std::vector<ReceivedEvent> events;
    return events;
}

void Receive(QAccessibleEvent* event) {
    QAccessibleInterface* source = event->accessibleInterface();
    Received().push_back({event->type(),
                          event->object() ? event->object()->objectName() : QString(),
                          source ? source->text(QAccessible::Name) : QString()});
}

bool WasReceived(QAccessible::Event type, const QString& control, const QString& name) {
    for (const ReceivedEvent& event : Received()) {
        if (event.type == type && event.control == control && event.name == name) {
            return true;
        }
    }
    return false;
}

QString Listing() {
    QStringList lines;
    for (const ReceivedEvent& event : Received()) {
        lines << QStringLiteral("%1 %2 \"%3\"").arg(event.type).arg(event.control, event.name);
    }
    return lines.join('\n');
}

// The real window on a scripted question, shown, with question 1 made.
struct ShownForm {
    explicit ShownForm(std::vector<double> script)
        : random(std::move(script)), form(random, clock) {
        form.show();
        QCoreApplication::processEvents();
    }
    QAccessibleInterface* Interface(const QString& control) const {
        QObject* found = control == QLatin1String("Form1")
                             ? static_cast<QObject*>(const_cast<Form1*>(&form))
                             : form.findChild<QObject*>(control);
        return found ? QAccessible::queryAccessibleInterface(found) : nullptr;
    }
    void Click(const QString& button) const {
        QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
    }
    // Presses keypad digits and the point: "60" presses "６" then "０".
    void Press(const char* keys) const {
        for (const char* key = keys; *key != '\0'; ++key) {
            Click(QStringLiteral("Command2(%1)").arg(*key == '.' ? 11 : *key - '0'));
        }
    }

    ScriptedRandom random;
    FixedClock clock;
    Form1 form;
};

// Resistance, pattern 4: R1 = 60 and R2 = 90 at 0.2 A, R1 asked.
std::vector<double> ResistanceQuestion() {
    return QuestionScript(3, 60, 90, 2, 4);
}

// Current, pattern 1: R1 = 30 and E1 = 15 given, I = 0.5 asked.
std::vector<double> CurrentQuestion() {
    return QuestionScript(1, 30, 60, 5, 1);
}

} // namespace

class WindowAccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QAccessible::installUpdateHandler(&Receive);
        // Switched on as a screen reader switches it on through the platform;
        // until then Qt sends no accessibility events at all.
        QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform != nullptr);
        platform->setActive(true);
        QVERIFY(QAccessible::isActive());
    }
    void init() { Received().clear(); }
    void cleanupTestCase() { QAccessible::installUpdateHandler(nullptr); }

    // What a screen reader says for each control of a current question with
    // R1 = 30 and E1 = 15 given.
    void controlSaysNameAndValue_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");

        const auto row = [](const char* control, QAccessible::Role role, const QString& name,
                            const QString& value = QString()) {
            QTest::newRow(control) << QString::fromUtf8(control) << role << name << value;
        };
        using R = QAccessible::Role;
        row("Form1", R::Window, QStringLiteral("オームの法則（直列）"));
        row("Label1", R::StaticText, QStringLiteral("電流・電圧・抵抗の練習"));
        row("Label10", R::StaticText, QStringLiteral("電流を求めよう"));
        row("Text5", R::EditableText, QStringLiteral("Ｒ１（Ω）"), QStringLiteral("30"));
        row("Text4", R::EditableText, QStringLiteral("Ｅ１（Ｖ）"), QStringLiteral("15"));
        row("Text6", R::EditableText, QStringLiteral("Ｉ（Ａ）"), QStringLiteral("？"));
        row("Text7", R::EditableText, QStringLiteral("解答欄"), QString());
        row("Text12", R::EditableText, QStringLiteral("得点"), QStringLiteral("0"));
        row("Command1", R::Button, QStringLiteral("終了"));
        row("Command3", R::Button, QStringLiteral("入力"));
        row("Command5", R::Button, QStringLiteral("次の問題"));
        row("Command2(0)", R::Button, QStringLiteral("０"));
        row("Command2(7)", R::Button, QStringLiteral("７"));
        row("Command2(11)", R::Button, QStringLiteral("小数点"));
        row("Command2(10)", R::Button, QStringLiteral("クリア"));
        row("Text1(1)", R::EditableText, QStringLiteral("第1問"), QStringLiteral("1"));
        row("Text1(10)", R::EditableText, QStringLiteral("第10問"), QStringLiteral("10"));
        row("Text2(1)", R::EditableText, QStringLiteral("第1問 未解答"), QString());
        row("Text2(10)", R::EditableText, QStringLiteral("第10問 未解答"), QString());
    }
    void controlSaysNameAndValue() {
        QFETCH(QString, control);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, name);
        QFETCH(QString, value);
        ShownForm shown(CurrentQuestion());
        QAccessibleInterface* iface = shown.Interface(control);
        QVERIFY(iface != nullptr);
        QCOMPARE(iface->role(), role);
        QCOMPARE(iface->text(QAccessible::Name), name);
        QCOMPARE(iface->text(QAccessible::Value), value);
    }

    // A label of a quantity or of the score is known as the label of its box.
    void labelIsTheLabelOfItsBox_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("box");
        QTest::newRow("R1") << "Label2"
                            << "Text5";
        QTest::newRow("R2") << "Label5"
                            << "Text8";
        QTest::newRow("E1") << "Label4"
                            << "Text4";
        QTest::newRow("E2") << "Label6"
                            << "Text9";
        QTest::newRow("E") << "Label7"
                           << "Text10";
        QTest::newRow("I") << "Label3"
                           << "Text6";
        QTest::newRow("score") << "Label8"
                               << "Text12";
    }
    void labelIsTheLabelOfItsBox() {
        QFETCH(QString, label);
        QFETCH(QString, box);
        ShownForm shown(CurrentQuestion());
        bool labelled = false;
        for (const auto& [other, relation] : shown.Interface(box)->relations(QAccessible::Label)) {
            labelled = labelled || other->object()->objectName() == label;
        }
        QVERIFY(labelled);
    }

    // Walking the tree as a screen reader does, every control it can reach
    // and that is on the screen has a name.
    void everyShownControlHasAName() {
        ShownForm shown(CurrentQuestion());
        QAccessibleInterface* window = shown.Interface(QStringLiteral("Form1"));
        QVERIFY(window->childCount() > 0);
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface* child = window->child(i);
            QVERIFY(child != nullptr);
            QCOMPARE(window->indexOfChild(child), i);
            QCOMPARE(child->parent(), window);
            if (!child->state().invisible) {
                QVERIFY2(!child->text(QAccessible::Name).isEmpty(),
                         qPrintable(child->object()->objectName()));
            }
        }
    }

    void figureDescribesCircuitAndQuestion_data() {
        QTest::addColumn<std::vector<double>>("script");
        QTest::addColumn<QString>("description");
        QTest::newRow("current from R1 and E1")
            << CurrentQuestion()
            << QStringLiteral("抵抗Ｒ１と抵抗Ｒ２を電池につないだ直列回路。"
                              "Ｒ１ 30 Ω、Ｅ１ 15 Ｖ、電流を求めよう（Ｉ）");
        QTest::newRow("R1 from E1 and I")
            << ResistanceQuestion()
            << QStringLiteral("抵抗Ｒ１と抵抗Ｒ２を電池につないだ直列回路。"
                              "Ｅ１ 12 Ｖ、Ｉ 0.2 Ａ、抵抗を求めよう（Ｒ１）");
    }
    void figureDescribesCircuitAndQuestion() {
        QFETCH(std::vector<double>, script);
        QFETCH(QString, description);
        ShownForm shown(script);
        QAccessibleInterface* window = shown.Interface(QStringLiteral("Form1"));
        QAccessibleInterface* figure = window->child(0);
        QCOMPARE(figure->role(), QAccessible::Graphic);
        QCOMPARE(figure->text(QAccessible::Name), QStringLiteral("回路図"));
        QCOMPARE(figure->text(QAccessible::Description), description);
        QCOMPARE(figure->parent(), window);
        // The figure's area: from the left wire at x = 50 to the right wire,
        // from the resistors' peaks at y = 70 to the long plate's foot.
        const QRect area(shown.form.mapFromGlobal(figure->rect().topLeft()), figure->rect().size());
        QVERIFY2(area.contains(QRect(50, 70, 500, 266)), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                        .arg(area.x())
                                                                        .arg(area.y())
                                                                        .arg(area.width())
                                                                        .arg(area.height())));
        QVERIFY(QRect(45, 65, 520, 285).contains(area));
        // A point on the figure with no control over it finds the figure; a
        // value box over the figure is found before it.
        QCOMPARE(window->childAt(shown.form.mapToGlobal(QPoint(52, 200)).x(),
                                 shown.form.mapToGlobal(QPoint(52, 200)).y()),
                 figure);
        QCOMPARE(window->childAt(shown.form.mapToGlobal(QPoint(200, 148)).x(),
                                 shown.form.mapToGlobal(QPoint(200, 148)).y()),
                 shown.Interface(QStringLiteral("Text5")));
    }

    // The next question changes the figure's description, and screen
    // readers are told.
    void nextQuestionRedescribesFigure() {
        std::vector<double> script = CurrentQuestion();
        const std::vector<double> second = ResistanceQuestion();
        script.insert(script.end(), second.begin(), second.end());
        ShownForm shown(script);
        Received().clear();
        shown.Click(QStringLiteral("Command5"));
        QVERIFY2(WasReceived(QAccessible::DescriptionChanged, QStringLiteral("CircuitFigure"),
                             QStringLiteral("回路図")),
                 qPrintable(Listing()));
        QCOMPARE(shown.Interface(QStringLiteral("CircuitFigure"))->text(QAccessible::Description),
                 QStringLiteral("抵抗Ｒ１と抵抗Ｒ２を電池につないだ直列回路。"
                                "Ｅ１ 12 Ｖ、Ｉ 0.2 Ａ、抵抗を求めよう（Ｒ１）"));
    }

    // A judgement is announced where a screen reader hears it: a correct one
    // on the mark cell, a wrong one on the answer message with the correct
    // value. Entries are keypad presses, one judgement per entry.
    void judgementIsAnnounced_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("markName");
        QTest::addColumn<QString>("announcedOn");
        QTest::addColumn<QString>("announced");
        QTest::newRow("correct") << QStringList{"60"} << QStringLiteral("第1問 正解")
                                 << QStringLiteral("Text2(1)") << QStringLiteral("第1問 正解");
        QTest::newRow("wrong, the total entered")
            << QStringList{"150"} << QStringLiteral("第1問 不正解") << QStringLiteral("Label9")
            << QStringLiteral("不正解、正解は 60");
        QTest::newRow("wrong after correct")
            << QStringList{"60", "6"} << QStringLiteral("第1問 不正解") << QStringLiteral("Label9")
            << QStringLiteral("不正解、正解は 60");
        QTest::newRow("correct after wrong")
            << QStringList{"6", "60"} << QStringLiteral("第1問 正解") << QStringLiteral("Text2(1)")
            << QStringLiteral("第1問 正解");
    }
    void judgementIsAnnounced() {
        QFETCH(QStringList, entries);
        QFETCH(QString, markName);
        QFETCH(QString, announcedOn);
        QFETCH(QString, announced);
        ShownForm shown(ResistanceQuestion());
        for (const QString& entry : entries) {
            Received().clear();
            shown.Press(entry.toLatin1().constData());
            shown.Click(QStringLiteral("Command3"));
        }
        QCOMPARE(shown.Interface(QStringLiteral("Text2(1)"))->text(QAccessible::Name), markName);
        QVERIFY2(WasReceived(QAccessible::NameChanged, QStringLiteral("Text2(1)"), markName),
                 qPrintable(Listing()));
        QVERIFY2(WasReceived(QAccessible::Alert, announcedOn, announced), qPrintable(Listing()));
    }

    // The mark cell's value is the sign itself; its name carries the words.
    void markCellValueIsTheSign() {
        ShownForm shown(ResistanceQuestion());
        shown.Press("60");
        shown.Click(QStringLiteral("Command3"));
        QCOMPARE(shown.Interface(QStringLiteral("Text2(1)"))->text(QAccessible::Value),
                 QStringLiteral("○"));
    }

    // After the next button the message is hidden from screen readers too,
    // and the next question's mark cell says it is unanswered.
    void nextQuestionHidesMessage() {
        std::vector<double> script = ResistanceQuestion();
        const std::vector<double> second = CurrentQuestion();
        script.insert(script.end(), second.begin(), second.end());
        ShownForm shown(script);
        shown.Press("150");
        shown.Click(QStringLiteral("Command3"));
        QVERIFY(!shown.Interface(QStringLiteral("Label9"))->state().invisible);
        Received().clear();
        shown.Click(QStringLiteral("Command5"));
        QVERIFY(shown.Interface(QStringLiteral("Label9"))->state().invisible);
        QVERIFY2(WasReceived(QAccessible::ObjectHide, QStringLiteral("Label9"),
                             QStringLiteral("不正解、正解は 60")),
                 qPrintable(Listing()));
        QCOMPARE(shown.Interface(QStringLiteral("Text2(2)"))->text(QAccessible::Name),
                 QStringLiteral("第2問 未解答"));
    }
};

QTEST_MAIN(WindowAccessibilityTest)
#include "test_window_accessibility.moc"
