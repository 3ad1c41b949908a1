// A whole drill on the real window in the environment this program is
// started in. The build runs it once per environment: as it comes, without
// the Japanese faces, without a home directory, with a home that cannot be
// written, in the C locale, in a Japanese locale and in a locale whose
// decimal separator is a comma. In each the window opens, works and says
// nothing beyond its own labels.

#include "form1.h"
#include "layout.h"
#include "random_source.h"
#include "scripted.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <clocale>
#include <memory>

namespace {

// How an answer goes into the entry box.
enum class Entry { Keypad, Typed, FullWidth };

// Full-width forms of a plain number, as a Japanese input method commits it.
QString FullWidth(const QString& number) {
    QString out;
    for (const QChar c : number) {
        out += c == u'.' ? QChar(0xFF0E) : QChar(0xFF10 + c.digitValue());
    }
    return out;
}

// The value a question asks for, written without the drill's own number
// text: Qt writes a number the same way in every locale.
QString SoughtText(const drill::DrillState& state) {
    const float value = drill::ValueOf(state, drill::LayoutOf(state).sought);
    return QString::number(static_cast<double>(value), 'g', 6);
}

QString Element(const char* array, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

} // namespace

class EnvironmentTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fontsAreInstalledFaces();
    void wholeDrill_data();
    void wholeDrill();

  private:
    template <typename Control> Control* Find(const QString& name) const {
        return form_->findChild<Control*>(name, Qt::FindDirectChildrenOnly);
    }
    void Answer(const QString& value, Entry entry);

    std::unique_ptr<drill::MixingRandom> random_;
    std::unique_ptr<FixedClock> clock_;
    std::unique_ptr<Form1> form_;
};

void EnvironmentTest::initTestCase() {
    const QByteArray wanted = qgetenv("LC_ALL").isEmpty() ? qgetenv("LANG") : qgetenv("LC_ALL");
    qInfo("LANG=%s LC_ALL=%s HOME=%s FONTCONFIG_FILE=%s", qgetenv("LANG").constData(),
          qgetenv("LC_ALL").constData(),
          qEnvironmentVariableIsSet("HOME") ? qgetenv("HOME").constData() : "(unset)",
          qgetenv("FONTCONFIG_FILE").constData());
    if (!wanted.isEmpty() && std::setlocale(LC_ALL, "") == nullptr) {
        QSKIP(qPrintable(QStringLiteral("the locale %1 is not installed on this machine "
                                        "(scripts/install-deps.sh generates it)")
                             .arg(QString::fromLatin1(wanted))));
    }
}

void EnvironmentTest::init() {
    random_ = std::make_unique<drill::MixingRandom>(20240611);
    clock_ = std::make_unique<FixedClock>("09:41:27");
    form_ = std::make_unique<Form1>(*random_, *clock_);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    QTRY_VERIFY(form_->State().Kind != 0);
}

void EnvironmentTest::cleanup() {
    form_.reset();
}

// Every control is drawn in a face that is installed: the Japanese gothic
// faces where there are any, else a fallback face, without a word to the
// pupil.
void EnvironmentTest::fontsAreInstalledFaces() {
    const QStringList installed = QFontDatabase::families();
    QVERIFY2(!installed.isEmpty(), "no font at all is installed");
    const bool japaneseHidden = qEnvironmentVariableIsSet("OHM_TEST_NO_JAPANESE_FACES");
    if (japaneseHidden) {
        QVERIFY2(QFontDatabase::families(QFontDatabase::Japanese).isEmpty(),
                 "the environment was to hide every Japanese face");
    }
    const bool japaneseInstalled = !QFontDatabase::families(QFontDatabase::Japanese).isEmpty();
    for (const QWidget* control : form_->findChildren<QWidget*>()) {
        const QString family = QFontInfo(control->font()).family();
        QVERIFY2(installed.contains(family),
                 qPrintable(control->objectName() + " is drawn in " + family));
        if (japaneseInstalled) {
            QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese),
                     qPrintable(control->objectName() + " is drawn in " + family +
                                ", which has no Japanese"));
        }
    }
    qInfo("the window font resolves to %s", qPrintable(QFontInfo(form_->font()).family()));
}

void EnvironmentTest::Answer(const QString& value, Entry entry) {
    auto* box = Find<QLineEdit>("Text7");
    switch (entry) {
    case Entry::Keypad:
        for (const QChar c : value) {
            QTest::mouseClick(
                Find<QPushButton>(Element("Command2", c == u'.' ? 11 : c.digitValue())),
                Qt::LeftButton);
        }
        break;
    case Entry::Typed:
        QTest::keyClicks(box, value);
        break;
    case Entry::FullWidth: {
        QInputMethodEvent event;
        event.setCommitString(FullWidth(value));
        QCoreApplication::sendEvent(box, &event);
        break;
    }
    }
    QTest::mouseClick(Find<QPushButton>("Command3"), Qt::LeftButton);
}

void EnvironmentTest::wholeDrill_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("right");
    QTest::addRow("right answers on the keypad") << int(Entry::Keypad) << true;
    QTest::addRow("right answers typed with a point") << int(Entry::Typed) << true;
    QTest::addRow("right answers in full-width forms") << int(Entry::FullWidth) << true;
    QTest::addRow("wrong answers on the keypad") << int(Entry::Keypad) << false;
}

// Ten questions answered, then the next button ends the program; the score
// and the marks say what happened, and no window but the drill's opens.
void EnvironmentTest::wholeDrill() {
    QFETCH(int, entry);
    QFETCH(bool, right);
    QSignalSpy ended(form_.get(), &Form1::programEnded);
    for (int question = 1; question <= 10; ++question) {
        QCOMPARE(form_->State().QuestionNo, question);
        const QString sought = SoughtText(form_->State());
        const QString answer =
            right ? sought : QString::number(static_cast<double>(sought.toDouble() + 1), 'g', 6);
        Answer(answer, static_cast<Entry>(entry));
        QCOMPARE(Find<QLineEdit>(Element("Text2", question))->text(),
                 right ? QStringLiteral("○") : QStringLiteral("×"));
        if (!right) {
            QCOMPARE(Find<QLabel>("Label9")->text(), QStringLiteral("正解は ") + sought);
        }
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (const QWidget* window : windows) {
            QVERIFY2(window == form_.get() || !window->isVisible(),
                     qPrintable("another window opened: " + window->objectName()));
        }
        QTest::mouseClick(Find<QPushButton>("Command5"), Qt::LeftButton);
    }
    QCOMPARE(ended.count(), 1);
    QCOMPARE(Find<QLineEdit>("Text12")->text(),
             right ? QStringLiteral("100") : QStringLiteral("0"));
}

QTEST_MAIN(EnvironmentTest)
#include "tst_environment.moc"
