// The live window read back against the layout it is built to: every one of
// its fifty-four controls, the window itself, and the keyboard order.

#include "form_harness.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace {

enum class ControlKind { Label, TextBox, Button };
enum class Face { Proportional, FixedPitch };

// The colours of a label in the standard colour scheme: button text is
// black, highlight text white.
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kDarkBlue(0, 0, 192);
const QColor kYellow(255, 255, 0);

constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

// The faces that may stand for each kind: the ones the window names first,
// then the installed Japanese gothic of the same kind.
QStringList FacesOf(Face face) {
    if (face == Face::Proportional) {
        return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                QStringLiteral("IPA Pゴシック")};
    }
    return {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"),
            QStringLiteral("IPAゴシック")};
}

// One expected control. A null text stands for a wording that is free (the
// credit line); an alignment of 0 for a control whose caption the platform
// centres (buttons); invalid colours for a control in the platform's colours.
struct Expected {
    QString name;
    ControlKind kind;
    QRect geometry;
    QString text;
    int pixelSize;
    bool bold;
    Face face;
    bool enabled = true;
    bool visible = true;
    Qt::Alignment alignment = {};
    QColor back = {};
    QColor fore = {};
    bool bordered = false;
};

// A quantity label: a white caption on black, in the fixed-pitch face.
Expected QuantityLabel(const QString& name, QRect geometry, const char* caption) {
    return {.name = name,
            .kind = ControlKind::Label,
            .geometry = geometry,
            .text = QString::fromUtf8(caption),
            .pixelSize = 19,
            .bold = true,
            .face = Face::FixedPitch,
            .alignment = kTopLeft,
            .back = kBlack,
            .fore = kWhite};
}

// A value box: disabled and centred.
Expected ValueBox(const QString& name, QRect geometry, const char* text) {
    return {.name = name,
            .kind = ControlKind::TextBox,
            .geometry = geometry,
            .text = QString::fromUtf8(text),
            .pixelSize = 16,
            .bold = true,
            .face = Face::Proportional,
            .enabled = false,
            .alignment = kCentred};
}

// A button in the window font unless it has a size of its own.
Expected Button(const QString& name, QRect geometry, const char* caption, int pixelSize = 19) {
    return {.name = name,
            .kind = ControlKind::Button,
            .geometry = geometry,
            .text = QString::fromUtf8(caption),
            .pixelSize = pixelSize,
            .bold = true,
            .face = Face::Proportional};
}

// A progress or mark cell: disabled and centred, in a 21-pixel face.
Expected Cell(const QString& name, QRect geometry, const QString& text, Face face) {
    return {.name = name,
            .kind = ControlKind::TextBox,
            .geometry = geometry,
            .text = text,
            .pixelSize = 21,
            .bold = true,
            .face = face,
            .enabled = false,
            .alignment = kCentred};
}

// The window after Form_Load, before the first question is laid out.
std::vector<Expected> ExpectedControls() {
    // clang-format off
    std::vector<Expected> rows = {
        {.name = "Label1", .kind = ControlKind::Label, .geometry = {8, 0, 345, 41},
         .text = QStringLiteral("電流・電圧・抵抗の練習"), .pixelSize = 32, .bold = true,
         .face = Face::Proportional, .alignment = kTopLeft, .back = kDarkBlue, .fore = kYellow,
         .bordered = true},
        {.name = "Label10", .kind = ControlKind::Label, .geometry = {360, 16, 241, 25},
         .text = QString(""), .pixelSize = 19, .bold = true, .face = Face::Proportional,
         .alignment = kTopLeft, .back = kBlack, .fore = kWhite},
        {.name = "Label8", .kind = ControlKind::Label, .geometry = {592, 72, 161, 25},
         .text = QStringLiteral("得点　　　　　　点"), .pixelSize = 21, .bold = true,
         .face = Face::Proportional, .alignment = kTopLeft, .back = kBlack, .fore = kWhite},
        {.name = "Label9", .kind = ControlKind::Label, .geometry = {592, 152, 169, 25},
         .text = QString(""), .pixelSize = 19, .bold = true, .face = Face::Proportional,
         .visible = false, .alignment = kTopLeft, .back = kBlack, .fore = kYellow},
        QuantityLabel("Label4", {112, 48, 145, 17}, "Ｅ１＝　　　Ｖ"),
        QuantityLabel("Label6", {336, 48, 145, 17}, "Ｅ２＝　　　Ｖ"),
        QuantityLabel("Label2", {112, 144, 145, 17}, "Ｒ１＝　　　Ω"),
        QuantityLabel("Label5", {336, 144, 145, 17}, "Ｒ２＝　　　Ω"),
        QuantityLabel("Label7", {264, 240, 121, 17}, "Ｅ＝　　　Ｖ"),
        QuantityLabel("Label3", {56, 272, 121, 17}, "Ｉ＝　　　Ａ"),
        ValueBox("Text4", {176, 40, 57, 25}, "ｅ１"),
        ValueBox("Text9", {400, 40, 57, 25}, "ｅ２"),
        ValueBox("Text5", {176, 136, 57, 25}, "ｒ１"),
        ValueBox("Text8", {400, 136, 57, 25}, "ｒ２"),
        ValueBox("Text10", {304, 232, 57, 25}, "e"),
        ValueBox("Text6", {96, 264, 57, 28}, ""),
        {.name = "Text12", .kind = ControlKind::TextBox, .geometry = {640, 64, 81, 33},
         .text = QStringLiteral("0"), .pixelSize = 24, .bold = true, .face = Face::Proportional,
         .alignment = kCentred},
        {.name = "Text7", .kind = ControlKind::TextBox, .geometry = {584, 304, 145, 33},
         .text = QString(""), .pixelSize = 19, .bold = true, .face = Face::Proportional,
         .alignment = kRight},
        {.name = "Text11", .kind = ControlKind::TextBox, .geometry = {600, 552, 185, 20},
         .text = QString(), .pixelSize = 11, .bold = false, .face = Face::Proportional,
         .enabled = false, .alignment = kLeft},
        Button("Command1", {688, 8, 97, 33}, "終　了", 16),
        Button("Command2(7)", {584, 336, 49, 33}, "７"),
        Button("Command2(8)", {632, 336, 49, 33}, "８"),
        Button("Command2(9)", {680, 336, 49, 33}, "９"),
        Button("Command2(4)", {584, 368, 49, 33}, "４"),
        Button("Command2(5)", {632, 368, 49, 33}, "５"),
        Button("Command2(6)", {680, 368, 49, 33}, "６"),
        Button("Command2(1)", {584, 400, 49, 33}, "１"),
        Button("Command2(2)", {632, 400, 49, 33}, "２"),
        Button("Command2(3)", {680, 400, 49, 33}, "３"),
        Button("Command2(0)", {584, 432, 49, 33}, "０"),
        Button("Command2(11)", {632, 432, 49, 33}, "・"),
        Button("Command2(10)", {680, 432, 49, 33}, "クリア", 13),
        Button("Command3", {584, 464, 145, 33}, "入　　力"),
        Button("Command5", {736, 464, 57, 33}, "次"),
    };
    // clang-format on
    // Start-up has moved the cells into two rows at a 36-pixel step.
    const int cellLeft[] = {86, 122, 158, 194, 230, 266, 302, 338, 374, 410};
    for (int i = 1; i <= 10; ++i) {
        rows.push_back(Cell(QStringLiteral("Text1(%1)").arg(i), QRect(cellLeft[i - 1], 445, 41, 33),
                            QString::number(i), Face::Proportional));
        rows.push_back(Cell(QStringLiteral("Text2(%1)").arg(i), QRect(cellLeft[i - 1], 477, 41, 33),
                            QString(""), Face::FixedPitch));
    }
    return rows;
}

ControlKind KindOf(const QWidget* control) {
    if (qobject_cast<const QLabel*>(control) != nullptr) {
        return ControlKind::Label;
    }
    if (qobject_cast<const QLineEdit*>(control) != nullptr) {
        return ControlKind::TextBox;
    }
    return ControlKind::Button;
}

QString TextOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (const auto* box = qobject_cast<const QLineEdit*>(control)) {
        return box->text();
    }
    return qobject_cast<const QPushButton*>(control)->text();
}

Qt::Alignment AlignmentOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->alignment();
    }
    if (const auto* box = qobject_cast<const QLineEdit*>(control)) {
        return box->alignment();
    }
    return {};
}

// The Tab order: exit, the keypad by index, enter, the entry, next, score.
QStringList TabOrder() {
    QStringList order{QStringLiteral("Command1")};
    for (int index = 0; index <= 11; ++index) {
        order << QStringLiteral("Command2(%1)").arg(index);
    }
    order << QStringLiteral("Command3") << QStringLiteral("Text7") << QStringLiteral("Command5")
          << QStringLiteral("Text12");
    return order;
}

} // namespace

Q_DECLARE_METATYPE(ControlKind)
Q_DECLARE_METATYPE(Face)

class WindowLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void controlAsCreated_data();
    void controlAsCreated();
    void windowHoldsExactlyTheTableControls();
    void creditLineFitsItsBox();
    void windowTitleSizeAndPlace();
    void resizingMovesNoControl();
    void focusStartsOnExitButton();
    void tabWalksTheKeyboardOrder_data();
    void tabWalksTheKeyboardOrder();
    void noButtonAnswersEnterOrEscape_data();
    void noButtonAnswersEnterOrEscape();
    void disabledBoxTakesNoFocus_data();
    void disabledBoxTakesNoFocus();
    void typingLeavesScoreBoxAlone();
    void entryBoxTakesPastedTextWhole();
};

void WindowLayoutTest::controlAsCreated_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<ControlKind>("kind");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<Face>("face");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<QColor>("fore");
    QTest::addColumn<bool>("bordered");
    for (const Expected& row : ExpectedControls()) {
        QTest::addRow("%s", qPrintable(row.name))
            << row.name << row.kind << row.geometry << row.text << row.pixelSize << row.bold
            << row.face << row.enabled << row.visible << int(row.alignment) << row.back << row.fore
            << row.bordered;
    }
}

// Read back after start-up and before the first question is laid out.
void WindowLayoutTest::controlAsCreated() {
    QFETCH(QString, name);
    QFETCH(ControlKind, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(Face, face);
    QFETCH(bool, enabled);
    QFETCH(bool, visible);
    QFETCH(int, alignment);
    QFETCH(QColor, back);
    QFETCH(QColor, fore);
    QFETCH(bool, bordered);

    FormHarness harness;
    harness.form.show(); // the queued first activation has not run yet
    const QWidget* control = harness.Find<QWidget>(name);

    QCOMPARE(KindOf(control), kind);
    QCOMPARE(control->parentWidget(), &harness.form);
    QCOMPARE(control->geometry(), geometry);
    if (!text.isNull()) {
        QCOMPARE(TextOf(control), text);
    }
    QCOMPARE(control->isEnabled(), enabled);
    QCOMPARE(control->isVisible(), visible);
    if (alignment != 0) {
        QCOMPARE(int(AlignmentOf(control)), alignment);
    }

    const QFont font = control->font();
    QCOMPARE(font.pixelSize(), pixelSize);
    QCOMPARE(font.bold(), bold);
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    // The face actually used is a Japanese gothic of the asked kind.
    const QFontInfo used(font);
    QVERIFY2(FacesOf(face).contains(used.family()), qPrintable(used.family()));
    // Fixed pitch shows in the advances: a narrow and a wide letter take the
    // same room only in the fixed-pitch face.
    const QFontMetrics metrics(font);
    QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')) ==
                 metrics.horizontalAdvance(QLatin1Char('W')),
             face == Face::FixedPitch);
    QCOMPARE(used.pixelSize(), pixelSize);
    QVERIFY(metrics.inFontUcs4(U'電'));

    if (kind == ControlKind::Label) {
        const auto* label = qobject_cast<const QLabel*>(control);
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->palette().color(QPalette::Window), back);
        QCOMPARE(label->palette().color(QPalette::WindowText), fore);
        QCOMPARE(label->frameShape() == QFrame::Box, bordered);
        QVERIFY(!label->wordWrap());
    }
}

void WindowLayoutTest::windowHoldsExactlyTheTableControls() {
    FormHarness harness;
    QStringList expected;
    for (const Expected& row : ExpectedControls()) {
        expected << row.name;
    }
    QStringList live;
    for (const QWidget* child : harness.form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        live << child->objectName();
    }
    expected.sort();
    live.sort();
    QCOMPARE(live, expected);
}

// The credit's wording is free, but it is one line that fits its box.
void WindowLayoutTest::creditLineFitsItsBox() {
    FormHarness harness;
    const QLineEdit* credit = harness.Box(QStringLiteral("Text11"));
    QVERIFY(!credit->text().isEmpty());
    QVERIFY(!credit->text().contains(QLatin1Char('\n')));
    const QRect inside = credit->contentsRect() - credit->textMargins();
    QVERIFY2(QFontMetrics(credit->font()).horizontalAdvance(credit->text()) <= inside.width(),
             qPrintable(credit->text()));
}

void WindowLayoutTest::windowTitleSizeAndPlace() {
    FormHarness harness;
    harness.Start();
    QCOMPARE(harness.form.windowTitle(), QStringLiteral("オームの法則（直列）"));
    QCOMPARE(harness.form.size(), QSize(792, 573));
    QVERIFY(harness.form.isWindow());

    // The program centres the window itself: its client area sits in the
    // middle of the primary screen's free area, to the pixel of rounding.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint offCentre = harness.form.geometry().center() - screen.center();
    QVERIFY2(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1,
             qPrintable(QStringLiteral("window centre is off by %1, %2")
                            .arg(offCentre.x())
                            .arg(offCentre.y())));

    // The background is the button-text colour.
    QCOMPARE(harness.form.palette().color(QPalette::Window), kBlack);
}

void WindowLayoutTest::resizingMovesNoControl() {
    FormHarness harness;
    harness.Start();
    QVERIFY(harness.form.minimumSize() != harness.form.maximumSize());

    std::vector<std::pair<QWidget*, QRect>> before;
    for (QWidget* child : harness.form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        before.emplace_back(child, child->geometry());
    }
    harness.form.resize(1000, 700);
    QCoreApplication::processEvents();
    QCOMPARE(harness.form.size(), QSize(1000, 700));
    harness.form.resize(700, 500);
    QCoreApplication::processEvents();
    QCOMPARE(harness.form.size(), QSize(700, 500));
    for (const auto& [child, geometry] : before) {
        QVERIFY2(child->geometry() == geometry, qPrintable(child->objectName()));
    }
}

void WindowLayoutTest::focusStartsOnExitButton() {
    FormHarness harness;
    harness.Start();
    QVERIFY(QTest::qWaitForWindowActive(&harness.form));
    QCOMPARE(FocusName(), QStringLiteral("Command1"));
}

void WindowLayoutTest::tabWalksTheKeyboardOrder_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QStringList>("visits");
    const QStringList order = TabOrder();
    QStringList backwards(order.rbegin(), order.rend());
    backwards.prepend(backwards.takeLast()); // from Command1 back to Text12 first
    QTest::newRow("Tab, from the exit button round to it again")
        << Qt::Key_Tab << (order + QStringList{order.first()});
    QTest::newRow("Shift+Tab, the same order backwards")
        << Qt::Key_Backtab << (backwards + QStringList{backwards.first()});
}

void WindowLayoutTest::tabWalksTheKeyboardOrder() {
    QFETCH(Qt::Key, key);
    QFETCH(QStringList, visits);
    FormHarness harness;
    harness.Start();
    QVERIFY(QTest::qWaitForWindowActive(&harness.form));
    QCOMPARE(FocusName(), visits.first());
    for (qsizetype step = 1; step < visits.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QVERIFY2(FocusName() == visits[step],
                 qPrintable(QStringLiteral("step %1: focus on %2, expected %3")
                                .arg(step)
                                .arg(FocusName(), visits[step])));
    }
}

void WindowLayoutTest::noButtonAnswersEnterOrEscape_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Enter in the entry box") << Qt::Key_Return;
    QTest::newRow("keypad Enter in the entry box") << Qt::Key_Enter;
    QTest::newRow("Esc in the entry box") << Qt::Key_Escape;
}

// No button is the default or the cancel button: Enter judges nothing and
// Esc ends nothing.
void WindowLayoutTest::noButtonAnswersEnterOrEscape() {
    QFETCH(Qt::Key, key);
    FormHarness harness(QuestionScript(3, 60, 90, 5, 4));
    harness.Start();
    QSignalSpy ended(&harness.form, &Form1::programEnded);
    QLineEdit* entry = harness.Box(QStringLiteral("Text7"));
    entry->setFocus();
    QTest::keyClicks(entry, QStringLiteral("60"));
    QTest::keyClick(entry, key);
    QCOMPARE(entry->text(), QStringLiteral("60"));
    QCOMPARE(harness.MarkCell(1)->text(), QString());
    QCOMPARE(ended.count(), 0);
    QVERIFY(harness.form.isVisible());
    for (const QPushButton* button : harness.form.findChildren<QPushButton*>()) {
        QVERIFY2(!button->isDefault() && !button->autoDefault(), qPrintable(button->objectName()));
    }
}

void WindowLayoutTest::disabledBoxTakesNoFocus_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"Text4", "Text5", "Text6", "Text8", "Text9", "Text10", "Text11",
                             "Text1(1)", "Text1(10)", "Text2(1)", "Text2(10)"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

// Clicking into a value box, a progress or mark cell or the credit line
// leaves the focus where it was, and typing then changes none of them.
void WindowLayoutTest::disabledBoxTakesNoFocus() {
    QFETCH(QString, name);
    FormHarness harness(QuestionScript(1, 30, 60, 5, 2));
    harness.Start();
    QVERIFY(QTest::qWaitForWindowActive(&harness.form));
    QLineEdit* box = harness.Box(name);
    box->show(); // a layout may have hidden a value box; it is still disabled
    const QString before = box->text();
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(FocusName(), QStringLiteral("Command1"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
    QCOMPARE(box->text(), before);
}

// The score box keeps its place in the Tab order and takes the focus, but
// only a correct answer changes what it shows.
void WindowLayoutTest::typingLeavesScoreBoxAlone() {
    FormHarness harness;
    harness.Start();
    QVERIFY(QTest::qWaitForWindowActive(&harness.form));
    QLineEdit* score = harness.Box(QStringLiteral("Text12"));
    QTest::mouseClick(score, Qt::LeftButton);
    QCOMPARE(FocusName(), QStringLiteral("Text12"));
    QTest::keyClick(score, Qt::Key_End);
    QTest::keyClicks(score, QStringLiteral("990"));
    QTest::keyClick(score, Qt::Key_Backspace);
    QTest::keyClick(score, Qt::Key_Home);
    QTest::keyClick(score, Qt::Key_Delete);
    QCOMPARE(score->text(), QStringLiteral("0"));
    QCOMPARE(harness.form.State().Score, 0);
}

// The entry box sets no limit to its text: a 100-KB paste arrives whole.
void WindowLayoutTest::entryBoxTakesPastedTextWhole() {
    FormHarness harness(QuestionScript(1, 30, 60, 5, 2));
    harness.Start();
    QVERIFY(QTest::qWaitForWindowActive(&harness.form));
    const QString page(100 * 1024, QLatin1Char('7'));
    QGuiApplication::clipboard()->setText(page);
    QLineEdit* entry = harness.Box(QStringLiteral("Text7"));
    QTest::mouseClick(entry, Qt::LeftButton);
    QTest::keyClick(entry, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(entry->text().size(), page.size());
    QCOMPARE(entry->text(), page);

    // Judged, it is wrong, and the drill goes on.
    harness.Click(QStringLiteral("Command3"));
    QCOMPARE(harness.MarkCell(1)->text(), QStringLiteral("×"));
    QCOMPARE(entry->text(), QString());
}

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
