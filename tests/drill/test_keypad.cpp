// The keypad: what each press does to the entry, and the grid of its keys.

#include "exact.h"
#include "keypad.h"
#include "number_text.h"

#include <QtTest>

#include <climits>

namespace {

constexpr int kPoint = drill::kPointKey;
constexpr int kClear = drill::kClearKey;

QString Press(const QString& entry, int index) {
    return QString::fromStdString(drill::PressKey(entry.toStdString(), index));
}

} // namespace

class TestKeypad : public QObject {
    Q_OBJECT

  private slots:
    void eachDigitAppendsBlankAndDigit_data();
    void eachDigitAppendsBlankAndDigit();
    void pressesComposeTheEntry_data();
    void pressesComposeTheEntry();
    void otherIndexLeavesTheEntry_data();
    void otherIndexLeavesTheEntry();
    void keysFormTheGrid_data();
    void keysFormTheGrid();
};

void TestKeypad::eachDigitAppendsBlankAndDigit_data() {
    QTest::addColumn<int>("index");

    for (int digit = 0; digit <= 9; ++digit) {
        QTest::addRow("digit %d", digit) << digit;
    }
}

void TestKeypad::eachDigitAppendsBlankAndDigit() {
    QFETCH(int, index);

    const QString digit = QString::number(index);
    QCOMPARE(Press("", index), " " + digit);
    QCOMPARE(Press(" 4.", index), " 4. " + digit);
}

// Presses from a starting entry (empty, or typed by hand): the entry they
// leave and the number it reads as.
void TestKeypad::pressesComposeTheEntry_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QList<int>>("presses");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<double>("read");

    QTest::newRow("digits and a point") << "" << QList<int>{1, 2, kPoint, 5} << " 1 2. 5" << 12.5;
    QTest::newRow("second point ends the number")
        << "" << QList<int>{1, kPoint, kPoint, 5} << " 1.. 5" << 1.0;
    QTest::newRow("point before any digit") << "" << QList<int>{kPoint, 5} << ". 5" << 0.5;
    QTest::newRow("point alone") << "" << QList<int>{kPoint} << "." << 0.0;
    QTest::newRow("leading zero") << "" << QList<int>{0, 6, 0} << " 0 6 0" << 60.0;
    QTest::newRow("typed digit then keypad digit") << "3" << QList<int>{5} << "3 5" << 35.0;
    QTest::newRow("appended after typed text") << "1 5" << QList<int>{0} << "1 5 0" << 150.0;
    QTest::newRow("clear empties the keypad entry") << "" << QList<int>{1, 2, kClear} << "" << 0.0;
    QTest::newRow("clear empties typed text") << "abc" << QList<int>{kClear} << "" << 0.0;
    QTest::newRow("clear on an empty entry") << "" << QList<int>{kClear} << "" << 0.0;
    QTest::newRow("digits after clear") << "9" << QList<int>{kClear, 4, 5} << " 4 5" << 45.0;
}

void TestKeypad::pressesComposeTheEntry() {
    QFETCH(QString, start);
    QFETCH(QList<int>, presses);
    QFETCH(QString, entry);
    QFETCH(double, read);

    QString text = start;
    for (const int index : presses) {
        text = Press(text, index);
    }
    QCOMPARE(text, entry);
    QCOMPARE(Exact(drill::ReadLeadingNumber(text.toStdString())), Exact(read));
}

void TestKeypad::otherIndexLeavesTheEntry_data() {
    QTest::addColumn<int>("index");

    QTest::newRow("just below 0") << -1;
    QTest::newRow("just above 11") << 12;
    QTest::newRow("smallest int") << INT_MIN;
    QTest::newRow("largest int") << INT_MAX;
}

void TestKeypad::otherIndexLeavesTheEntry() {
    QFETCH(int, index);

    QCOMPARE(Press(" 1 2", index), " 1 2");
    QCOMPARE(Press("", index), "");
}

// The digits 1 to 9 sit like a calculator's, at row (9 - d) / 3 and column
// (d - 1) % 3; the bottom row holds 0, the point and clear.
void TestKeypad::keysFormTheGrid_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");

    const char* const digitCaptions[] = {"０", "１", "２", "３", "４",
                                         "５", "６", "７", "８", "９"};
    for (int digit = 1; digit <= 9; ++digit) {
        QTest::addRow("digit %d", digit)
            << digit << digitCaptions[digit] << (9 - digit) / 3 << (digit - 1) % 3;
    }
    QTest::newRow("digit 0") << 0 << digitCaptions[0] << 3 << 0;
    QTest::newRow("point") << kPoint << "・" << 3 << 1;
    QTest::newRow("clear") << kClear << "クリア" << 3 << 2;
}

void TestKeypad::keysFormTheGrid() {
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(int, row);
    QFETCH(int, column);

    const drill::KeypadKey& key = drill::KeyOf(index);
    QCOMPARE(QString::fromUtf8(key.caption), caption);
    QCOMPARE(key.row, row);
    QCOMPARE(key.column, column);
}

QTEST_GUILESS_MAIN(TestKeypad)
#include "test_keypad.moc"
