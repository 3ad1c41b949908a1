// The fifteen question layouts: the title, the pairs shown and what their
// boxes show.

#include "drawn_question.h"
#include "layout.h"
#include "number_text.h"
#include "quantity_names.h"

#include <QtTest>

#include <set>

using drill::Quantity;

Q_DECLARE_METATYPE(drill::AskedKind)

namespace {

// The shown pairs in the order R1, R2, E1, E2, E, I, each with the text of its
// box ("R1=20 E1=？"); a box left with its old text shows as "(unchanged)".
QString ShownPairs(const drill::LaidOutQuestion& question) {
    QStringList shown;
    for (const Quantity quantity : drill::kPairedQuantities) {
        const drill::PairView& pair = question.pairs[drill::PairIndex(quantity)];
        if (pair.visible) {
            shown << QStringLiteral("%1=%2").arg(NameOf(quantity),
                                                 pair.text ? QString::fromStdString(*pair.text)
                                                           : QStringLiteral("(unchanged)"));
        }
    }
    return shown.join(' ');
}

// The quantities that Ohm's law and the series rules give from the known
// ones, the known ones included.
std::set<Quantity> Derivable(std::set<Quantity> known) {
    using enum Quantity;
    // Each relation ties three quantities; any two of them give the third.
    const Quantity relations[][3] = {
        {R, R1, R2}, {E, E1, E2}, {E, I, R}, {E1, I, R1}, {E2, I, R2},
    };
    for (bool grew = true; grew;) {
        grew = false;
        for (const auto& relation : relations) {
            int knownCount = 0;
            for (const Quantity q : relation) {
                knownCount += int(known.count(q));
            }
            if (knownCount == 2) {
                known.insert(std::begin(relation), std::end(relation));
                grew = true;
            }
        }
    }
    return known;
}

// The values of every question in these tests, all different, so that a
// value in the wrong box shows: R1 20, R2 70, R 90, I 0.3, E1 6, E2 21, E 27.
drill::DrillState QuestionOf(drill::AskedKind kind, int pattern) {
    return DrawnQuestion(static_cast<int>(kind), 20, 70, 3, pattern);
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

  private slots:
    void walksTheFifteenLayouts_data();
    void walksTheFifteenLayouts();
    void shownBoxesHoldOwnValueOrQuestionMark_data();
    void shownBoxesHoldOwnValueOrQuestionMark();
    void soughtFollowsFromTheGivens_data();
    void soughtFollowsFromTheGivens();

  private:
    static void AddEveryLayout();
};

void TestLayout::walksTheFifteenLayouts_data() {
    QTest::addColumn<drill::AskedKind>("kind");
    QTest::addColumn<int>("pattern");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown");

    using enum drill::AskedKind;
    const QString current = "電流を求めよう";
    const QString voltage = "電圧を求めよう";
    const QString resistance = "抵抗を求めよう";
    QTest::newRow("current 1: R1, E1 given") << Current << 1 << current << "R1=20 E1=6 I=？";
    QTest::newRow("current 2: R1, R2, E given")
        << Current << 2 << current << "R1=20 R2=70 E=27 I=？";
    QTest::newRow("current 3: R2, E2 given") << Current << 3 << current << "R2=70 E2=21 I=？";
    QTest::newRow("current 4: R1, E, E2 given")
        << Current << 4 << current << "R1=20 E2=21 E=27 I=？";
    QTest::newRow("current 5: R2, E1, E given")
        << Current << 5 << current << "R2=70 E1=6 E=27 I=？";
    // Where the total voltage is asked its box shows "？", never the text of
    // an earlier question.
    QTest::newRow("voltage 1: E asked, ？ in its box")
        << Voltage << 1 << voltage << "E1=6 E2=21 E=？";
    QTest::newRow("voltage 2: E asked, ？ in its box")
        << Voltage << 2 << voltage << "R2=70 E1=6 E=？ I=0.3";
    QTest::newRow("voltage 3: E asked, ？ in its box")
        << Voltage << 3 << voltage << "R1=20 R2=70 E=？ I=0.3";
    QTest::newRow("voltage 4: E1 asked") << Voltage << 4 << voltage << "R2=70 E1=？ E=27 I=0.3";
    QTest::newRow("voltage 5: E1 asked") << Voltage << 5 << voltage << "R1=20 R2=70 E1=？ E2=21";
    // The total resistance has no box, so no "？" is shown.
    QTest::newRow("resistance 1: R from R1, R2") << Resistance << 1 << resistance << "R1=20 R2=70";
    QTest::newRow("resistance 2: R from E1, E2, I")
        << Resistance << 2 << resistance << "E1=6 E2=21 I=0.3";
    // The third given is the total voltage, in its own pair; the pair of I
    // stays hidden.
    QTest::newRow("resistance 3: R from E, E1, R1, E in its own pair")
        << Resistance << 3 << resistance << "R1=20 E1=6 E=27";
    QTest::newRow("resistance 4: R1 asked") << Resistance << 4 << resistance << "R1=？ E1=6 I=0.3";
    QTest::newRow("resistance 5: R1 asked")
        << Resistance << 5 << resistance << "R1=？ R2=70 E2=21 E=27";
}

void TestLayout::walksTheFifteenLayouts() {
    QFETCH(drill::AskedKind, kind);
    QFETCH(int, pattern);
    QFETCH(QString, title);
    QFETCH(QString, shown);

    const drill::LaidOutQuestion question = drill::LayOut(QuestionOf(kind, pattern));

    QCOMPARE(QString::fromStdString(question.title), title);
    QCOMPARE(ShownPairs(question), shown);
}

void TestLayout::AddEveryLayout() {
    QTest::addColumn<drill::AskedKind>("kind");
    QTest::addColumn<int>("pattern");

    const std::pair<drill::AskedKind, const char*> kinds[] = {
        {drill::AskedKind::Current, "current"},
        {drill::AskedKind::Voltage, "voltage"},
        {drill::AskedKind::Resistance, "resistance"},
    };
    for (const auto& [kind, name] : kinds) {
        for (int pattern = 1; pattern <= 5; ++pattern) {
            QTest::addRow("%s %d", name, pattern) << kind << pattern;
        }
    }
}

void TestLayout::shownBoxesHoldOwnValueOrQuestionMark_data() {
    AddEveryLayout();
}

// After any layout every shown box holds the value of its own quantity or,
// for the sought quantity, "？"; a shown box never keeps an old text.
void TestLayout::shownBoxesHoldOwnValueOrQuestionMark() {
    QFETCH(drill::AskedKind, kind);
    QFETCH(int, pattern);

    // Extreme and repeated values as well as the usual ones.
    const drill::DrillState states[] = {
        QuestionOf(kind, pattern),
        DrawnQuestion(static_cast<int>(kind), 10, 90, 10, pattern),
        DrawnQuestion(static_cast<int>(kind), 90, 10, 1, pattern),
        DrawnQuestion(static_cast<int>(kind), 50, 50, 6, pattern),
    };
    for (const drill::DrillState& state : states) {
        const Quantity sought = drill::LayoutOf(state).sought;
        const drill::LaidOutQuestion question = drill::LayOut(state);
        if (sought != Quantity::R) {
            QVERIFY2(question.pairs[drill::PairIndex(sought)].visible, NameOf(sought));
        }
        for (const Quantity quantity : drill::kPairedQuantities) {
            const drill::PairView& pair = question.pairs[drill::PairIndex(quantity)];
            if (!pair.visible) {
                continue;
            }
            QVERIFY2(pair.text.has_value(), NameOf(quantity));
            const std::string expected =
                quantity == sought ? drill::kAskedMark
                                   : drill::PlainNumberText(drill::ValueOf(state, quantity));
            QCOMPARE(QString::fromStdString(*pair.text), QString::fromStdString(expected));
        }
    }
}

void TestLayout::soughtFollowsFromTheGivens_data() {
    AddEveryLayout();
}

// The shown values are enough to work out the answer.
void TestLayout::soughtFollowsFromTheGivens() {
    QFETCH(drill::AskedKind, kind);
    QFETCH(int, pattern);

    const drill::DrillState state = QuestionOf(kind, pattern);
    const Quantity sought = drill::LayoutOf(state).sought;
    const drill::LaidOutQuestion question = drill::LayOut(state);
    std::set<Quantity> given;
    for (const Quantity quantity : drill::kPairedQuantities) {
        const drill::PairView& pair = question.pairs[drill::PairIndex(quantity)];
        if (pair.visible && quantity != sought) {
            given.insert(quantity);
        }
    }
    QVERIFY2(Derivable(given).count(sought) == 1, qPrintable(ShownPairs(question)));
}

QTEST_GUILESS_MAIN(TestLayout)
#include "test_layout.moc"
