// Reading the entry as a number and writing numbers as text.

#include "exact.h"
#include "number_text.h"

#include <QtTest>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <string>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr std::size_t kMegabyte = 1 << 20;

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QByteArray Repeated(char c, std::size_t count) {
    return QByteArray(static_cast<qsizetype>(count), c);
}

// A C++ locale whose numbers look German: decimal comma, point grouping.
class CommaNumpunct final : public std::numpunct<char> {
  protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

// The system locales with a decimal comma that a machine may have.
constexpr const char* kCommaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"};

} // namespace

class TestNumberText : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void readsLeadingNumber_data();
    void readsLeadingNumber();
    void readsBadInputWithoutFailing_data();
    void readsBadInputWithoutFailing();
    void readsHugeInput_data();
    void readsHugeInput();
    void blankEntry_data();
    void blankEntry();
    void plainNumberText_data();
    void plainNumberText();
    void plainNumberTextOfWholeNumbers_data();
    void plainNumberTextOfWholeNumbers();
    void signedNumberText_data();
    void signedNumberText();
    void ignoresRegionalSettings_data();
    void ignoresRegionalSettings();

  private:
    std::string savedCLocale_;
    std::locale savedCppLocale_;
};

void TestNumberText::init() {
    savedCLocale_ = std::setlocale(LC_ALL, nullptr);
    savedCppLocale_ = std::locale();
}

void TestNumberText::cleanup() {
    std::setlocale(LC_ALL, savedCLocale_.c_str());
    std::locale::global(savedCppLocale_);
}

void TestNumberText::readsLeadingNumber_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    // What the keypad composes.
    QTest::newRow("keypad digits and point") << QByteArray(" 1 2. 5") << 12.5;
    QTest::newRow("keypad point first") << QByteArray(". 5") << 0.5;
    QTest::newRow("keypad second point ends the number") << QByteArray(" 1.. 5") << 1.0;
    QTest::newRow("keypad leading zero") << QByteArray(" 0 0 7") << 7.0;
    QTest::newRow("typed digit then keypad digit") << QByteArray("3 5") << 35.0;

    // Plain typing.
    QTest::newRow("integer") << QByteArray("150") << 150.0;
    QTest::newRow("decimal") << QByteArray("0.3") << 0.3;
    QTest::newRow("no digit before the point") << QByteArray(".3") << 0.3;
    QTest::newRow("trailing zero") << QByteArray("0.30") << 0.3;
    QTest::newRow("trailing point") << QByteArray("5.") << 5.0;
    QTest::newRow("leading zeros") << QByteArray("007.50") << 7.5;
    QTest::newRow("minus") << QByteArray("-2") << -2.0;
    QTest::newRow("plus") << QByteArray("+4") << 4.0;
    QTest::newRow("plus before a point") << QByteArray("+.5") << 0.5;
    QTest::newRow("letters end the number") << QByteArray("12abc") << 12.0;
    QTest::newRow("a third point ends it too") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("a sign after digits ends it") << QByteArray("5-3") << 5.0;

    // Blanks are skipped wherever they stand, also between sign and digits.
    QTest::newRow("blanks between digits") << QByteArray("1 000") << 1000.0;
    QTest::newRow("blank after the sign") << QByteArray("- 5") << -5.0;
    QTest::newRow("tab and line feed") << QByteArray("\t1\n2\t") << 12.0;
    QTest::newRow("ideographic space") << QByteArray("1\u3000"
                                                     "0\u3000")
                                       << 10.0;

    // What a Japanese input method types reads as its half-width twin.
    QTest::newRow("full-width digits") << QByteArray("１５") << 15.0;
    QTest::newRow("full-width point") << QByteArray("１．５") << 1.5;
    QTest::newRow("full-width minus") << QByteArray("－５") << -5.0;
    QTest::newRow("full-width plus") << QByteArray("＋３") << 3.0;
    QTest::newRow("full and half width mixed") << QByteArray("1５.２") << 15.2;
}

void TestNumberText::readsLeadingNumber() {
    QFETCH(QByteArray, text);
    QFETCH(double, expected);

    QCOMPARE(Exact(drill::ReadLeadingNumber(View(text))), Exact(expected));
}

// Every text reads as some number and never stops the program; these rows
// pin down which number.
void TestNumberText::readsBadInputWithoutFailing_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << QByteArray("") << 0.0;
    QTest::newRow("blanks only") << QByteArray(" \t\n\u3000 ") << 0.0;
    QTest::newRow("point only") << QByteArray(".") << 0.0;
    QTest::newRow("two points") << QByteArray("..") << 0.0;
    QTest::newRow("minus only") << QByteArray("-") << 0.0;
    QTest::newRow("plus only") << QByteArray("+") << 0.0;
    QTest::newRow("two signs") << QByteArray("+-5") << 0.0;
    QTest::newRow("doubled minus") << QByteArray("--5") << 0.0;
    QTest::newRow("letters only") << QByteArray("abc") << 0.0;
    QTest::newRow("full-width question mark") << QByteArray("？") << 0.0;
    QTest::newRow("keypad point caption") << QByteArray("・5") << 0.0;
    QTest::newRow("exponent is not read") << QByteArray("1e5") << 1.0;
    QTest::newRow("capital exponent is not read") << QByteArray("2E3") << 2.0;
    QTest::newRow("hex prefix is not read") << QByteArray("0x10") << 0.0;
    QTest::newRow("NaN") << QByteArray("NaN") << 0.0;
    QTest::newRow("inf") << QByteArray("inf") << 0.0;
    QTest::newRow("minus infinity") << QByteArray("-infinity") << 0.0;
    QTest::newRow("infinity sign") << QByteArray("∞") << 0.0;
    QTest::newRow("decimal comma ends the number") << QByteArray("1,5") << 1.0;
    QTest::newRow("NUL in the middle") << QByteArray("1\0"
                                                     "2",
                                                     3)
                                       << 1.0;
    QTest::newRow("NUL first") << QByteArray("\0"
                                             "5",
                                             2)
                               << 0.0;
    QTest::newRow("emoji first") << QByteArray("😀5") << 0.0;
    QTest::newRow("emoji after digits") << QByteArray("5😀7") << 5.0;
    QTest::newRow("carriage return is no blank") << QByteArray("1\r2") << 1.0;

    // Bytes that are not UTF-8 end the reading where they stand.
    QTest::newRow("invalid byte") << QByteArray("1\xff"
                                                "2")
                                  << 1.0;
    QTest::newRow("lone continuation byte") << QByteArray("1\x80"
                                                          "2")
                                            << 1.0;
    QTest::newRow("truncated sequence at the end") << QByteArray("1\xe3\x80") << 1.0;
    QTest::newRow("truncated sequence before a digit") << QByteArray("1\xe3\x80"
                                                                     "2")
                                                       << 1.0;
    QTest::newRow("overlong blank") << QByteArray("1\xc0\xa0"
                                                  "2")
                                    << 1.0;
    QTest::newRow("overlong digit") << QByteArray("\xc0\xb5") << 0.0;
    QTest::newRow("overlong ideographic space") << QByteArray("1\xf0\x83\x80\x80"
                                                              "2")
                                                << 1.0;
    QTest::newRow("surrogate") << QByteArray("1\xed\xa0\x80"
                                             "2")
                               << 1.0;
    QTest::newRow("beyond the last code point") << QByteArray("1\xf4\x90\x80\x80"
                                                              "2")
                                                << 1.0;
}

void TestNumberText::readsBadInputWithoutFailing() {
    readsLeadingNumber();
}

// Entries far longer than any pupil types.
void TestNumberText::readsHugeInput_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    const QByteArray nines = Repeated('9', kMegabyte);
    const QByteArray zeros = Repeated('0', kMegabyte);
    QTest::newRow("a megabyte of digits is beyond a double") << nines << kInfinity;
    QTest::newRow("negative, beyond a double") << "-" + nines << -kInfinity;
    QTest::newRow("400 digits") << "1" + Repeated('0', 400) << kInfinity;
    QTest::newRow("the largest double")
        << "17976931348623157" + Repeated('0', 292) << std::numeric_limits<double>::max();
    // 1 - 10^-1048576 lies far nearer to 1 than to the double below it.
    QTest::newRow("a megabyte of nines after the point") << "0." + nines << 1.0;
    QTest::newRow("too small to tell from zero") << "0." + zeros + "1" << 0.0;
    QTest::newRow("a megabyte of leading zeros") << zeros + "123" << 123.0;
    QTest::newRow("a megabyte of blanks") << Repeated(' ', kMegabyte) + "7" << 7.0;
    QTest::newRow("a megabyte of points") << Repeated('.', kMegabyte) << 0.0;
}

void TestNumberText::readsHugeInput() {
    readsLeadingNumber();
}

void TestNumberText::blankEntry_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("blank");

    QTest::newRow("empty") << QByteArray("") << true;
    QTest::newRow("blank") << QByteArray(" ") << true;
    QTest::newRow("tab") << QByteArray("\t") << true;
    QTest::newRow("line feed") << QByteArray("\n") << true;
    QTest::newRow("ideographic space") << QByteArray("\u3000") << true;
    QTest::newRow("all four") << QByteArray(" \t\n\u3000") << true;
    QTest::newRow("carriage return") << QByteArray("\r") << false;
    QTest::newRow("keypad digit") << QByteArray(" 0") << false;
    QTest::newRow("point") << QByteArray(".") << false;
    QTest::newRow("letter after blanks") << QByteArray("  a") << false;
    QTest::newRow("NUL") << QByteArray("\0", 1) << false;
    QTest::newRow("invalid byte") << QByteArray("\xff") << false;
    QTest::newRow("overlong blank") << QByteArray("\xc0\xa0") << false;
}

void TestNumberText::blankEntry() {
    QFETCH(QByteArray, text);
    QFETCH(bool, blank);

    QCOMPARE(drill::IsBlankEntry(View(text)), blank);
}

void TestNumberText::plainNumberText_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("negative zero") << -0.0f << "0";
    QTest::newRow("a tenth below 1") << 0.2f << "0.2";
    QTest::newRow("three tenths") << 0.3f << "0.3";
    QTest::newRow("seven tenths") << 0.7f << "0.7";
    QTest::newRow("one") << 1.0f << "1";
    QTest::newRow("whole volts") << 16.0f << "16";
    QTest::newRow("total resistance") << 150.0f << "150";
    QTest::newRow("largest voltage") << 180.0f << "180";
    QTest::newRow("half") << 12.5f << "12.5";
    QTest::newRow("negative") << -2.0f << "-2";
    QTest::newRow("negative fraction") << -0.5f << "-0.5";
    QTest::newRow("a third, seven digits") << 1.0f / 3 << "0.3333333";
    QTest::newRow("two thirds, rounded") << 2.0f / 3 << "0.6666667";
    QTest::newRow("seventh digit carries") << std::nextafter(2.0f, 0.0f) << "2";
    QTest::newRow("seven nines") << 9999999.0f << "9999999";
    QTest::newRow("eight digits keep seven") << 12345678.0f << "12345680";
    QTest::newRow("large, no exponent") << 1e20f << "100000000000000000000";
    QTest::newRow("small, no exponent") << 1e-7f << "0.0000001";
    QTest::newRow("largest float")
        << std::numeric_limits<float>::max() << "340282300000000000000000000000000000000";
    QTest::newRow("smallest float") << std::numeric_limits<float>::denorm_min()
                                    << "0.000000000000000000000000000000000000000000001401298";
}

void TestNumberText::plainNumberText() {
    QFETCH(float, value);
    QFETCH(QString, expected);

    QCOMPARE(QString::fromStdString(drill::PlainNumberText(value)), expected);
}

// The score and the progress cells.
void TestNumberText::plainNumberTextOfWholeNumbers_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0 << "0";
    QTest::newRow("first question") << 1 << "1";
    QTest::newRow("ten") << 10 << "10";
    QTest::newRow("full score") << 100 << "100";
    QTest::newRow("negative") << -10 << "-10";
}

void TestNumberText::plainNumberTextOfWholeNumbers() {
    QFETCH(int, value);
    QFETCH(QString, expected);

    QCOMPARE(QString::fromStdString(drill::PlainNumberText(value)), expected);
}

void TestNumberText::signedNumberText_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("keypad digit") << 7.0f << " 7";
    QTest::newRow("zero") << 0.0f << " 0";
    QTest::newRow("negative zero") << -0.0f << " 0";
    QTest::newRow("resistance") << 60.0f << " 60";
    QTest::newRow("total resistance") << 150.0f << " 150";
    QTest::newRow("current below 1") << 0.3f << " 0.3";
    QTest::newRow("negative") << -2.0f << "-2";
    QTest::newRow("large, no exponent") << 1e10f << " 10000000000";
}

void TestNumberText::signedNumberText() {
    QFETCH(float, value);
    QFETCH(QString, expected);

    QCOMPARE(QString::fromStdString(drill::SignedNumberText(value)), expected);
}

// Under a locale with a decimal comma and point grouping the point still
// reads as the decimal point and numbers are written without grouping.
void TestNumberText::ignoresRegionalSettings_data() {
    QTest::addColumn<QString>("cLocale"); // empty: only the C++ global locale changes
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("read");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("written");

    struct Case {
        const char* name;
        const char* text;
        double read;
        float value;
        const char* written;
    };
    const Case cases[] = {
        {"decimal point", "12.5", 12.5, 12.5f, "12.5"},
        {"keypad entry", " 0. 3", 0.3, 0.3f, "0.3"},
        {"decimal comma ends the number", "1,5", 1.0, 1234567.0f, "1234567"},
        {"full-width point", "３．５", 3.5, 3.5f, "3.5"},
    };
    for (const Case& c : cases) {
        QTest::addRow("C++ comma locale: %s", c.name)
            << QString() << QByteArray(c.text) << c.read << c.value << c.written;
        QTest::addRow("C comma locale: %s", c.name)
            << "comma" << QByteArray(c.text) << c.read << c.value << c.written;
    }
}

void TestNumberText::ignoresRegionalSettings() {
    QFETCH(QString, cLocale);
    QFETCH(QByteArray, text);
    QFETCH(double, read);
    QFETCH(float, value);
    QFETCH(QString, written);

    std::locale::global(std::locale(std::locale::classic(), new CommaNumpunct));
    if (!cLocale.isEmpty()) {
        const char* set = nullptr;
        for (const char* name : kCommaLocales) {
            if ((set = std::setlocale(LC_ALL, name)) != nullptr) {
                break;
            }
        }
        if (set == nullptr) {
            QSKIP("no system locale with a decimal comma is installed");
        }
        QCOMPARE(std::localeconv()->decimal_point, ",");
    }

    QCOMPARE(Exact(drill::ReadLeadingNumber(View(text))), Exact(read));
    QCOMPARE(QString::fromStdString(drill::PlainNumberText(value)), written);
    QCOMPARE(QString::fromStdString(drill::SignedNumberText(value)), " " + written);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "test_number_text.moc"
