#include "monkey.h"

#include "circuit_figure.h"
#include "form1.h"
#include "layout.h"
#include "monkey_texts.h"
#include "number_text.h"
#include "scripted.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace {

constexpr int kLogLength = 30;
constexpr int kEventsPerRepaint = 16;
const QString kCorrect = QStringLiteral("○");
const QString kWrong = QStringLiteral("×");

QString Quoted(const QString& text) {
    QString shown =
        text.size() > 30 ? text.left(30) + QStringLiteral("…(%1 chars)").arg(text.size()) : text;
    QString escaped;
    for (const QChar c : shown) {
        escaped +=
            c.isPrint() ? QString(c) : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    }
    return "'" + escaped + "'";
}

std::array<QString, 11> Marks(const FormView& view) {
    std::array<QString, 11> marks;
    for (int i = 1; i <= 10; ++i) {
        marks[i] = view.markCells[i]->text();
    }
    return marks;
}

} // namespace

Monkey::Monkey(std::uint64_t seed)
    : seed_(seed), random_(seed), drawRandom_(seed),
      clock_(std::make_unique<FixedClock>(
          QStringLiteral("12:34:%1").arg(seed % 60, 2, 10, QChar(u'0')).toStdString())) {}

Monkey::~Monkey() = default;

const std::vector<Monkey::Action>& Monkey::Actions() {
    static const std::vector<Action> actions = {
        {"keypad", 24, &Monkey::PressKey},
        {"keypad by space", 3, &Monkey::PressKeyBySpace},
        {"answer right", 8, &Monkey::AnswerRight},
        {"answer wrong", 4, &Monkey::AnswerWrong},
        {"type", 5, &Monkey::Type},
        {"compose", 4, &Monkey::Compose},
        {"paste", 3, &Monkey::Paste},
        {"edit key", 4, &Monkey::EditKey},
        {"return in entry", 2, &Monkey::ReturnInEntry},
        {"enter", 10, &Monkey::Enter},
        {"next", 24, &Monkey::Next},
        {"resize", 1, &Monkey::Resize},
        {"hide and show", 1, &Monkey::HideAndShow},
        {"tab", 2, &Monkey::Tab},
    };
    return actions;
}

int Monkey::Pick(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
}

std::optional<QString> Monkey::RunDrill(int eventBudget) {
    form_ = std::make_unique<Form1>(drawRandom_, *clock_);
    QObject::connect(form_.get(), &Form1::programEnded, [this] { model_.ended = true; });
    view_ = std::make_unique<FormView>(*form_);
    if (!view_->complete) {
        return QStringLiteral("a control of the window was not found");
    }
    for (const QWidget* control : form_->findChildren<QWidget*>()) {
        placesAtStart_.insert(control, control->geometry());
    }

    form_->show();
    for (int i = 0; i < 100 && form_->State().Kind == 0; ++i) {
        QCoreApplication::processEvents();
    }
    if (form_->State().Kind == 0) {
        Fail(QStringLiteral("no question after the window was shown"));
    }
    model_.questionOnScreen = true;
    Settle(QStringLiteral("first question"));

    // A rare exit or close, so that most drills run through ten questions.
    const int endEarlyAt = Pick(0, 40) == 0 ? Pick(1, eventBudget) : -1;
    int pressesAfterBudget = 0;
    while (!model_.ended && !broken_) {
        if (events_ == endEarlyAt) {
            Reachable(view_->exitButton) && Pick(0, 1) == 0 ? Exit() : Close();
        } else if (events_ < eventBudget) {
            int total = 0;
            for (const Action& action : Actions()) {
                total += action.weight;
            }
            int roll = Pick(0, total - 1);
            for (const Action& action : Actions()) {
                if (roll < action.weight) {
                    (this->*action.run)();
                    break;
                }
                roll -= action.weight;
            }
        } else {
            // Out of events: restore the window and move on to the end.
            form_->resize(QSize(792, 573));
            form_->show();
            ClickNext();
            if (++pressesAfterBudget > 10) {
                Fail(QStringLiteral("ten presses of the next button did not end the run"));
            }
        }
    }
    form_.reset();
    QCoreApplication::processEvents();
    return broken_;
}

void Monkey::Settle(const QString& event) {
    ++events_;
    log_.append(event);
    if (log_.size() > kLogLength) {
        log_.removeFirst();
    }
    // The handlers run to their end inside the event; what they post is
    // mostly repainting, which is let through every few events (and always
    // around hiding, showing and resizing) to keep thousands of drills quick.
    if (events_ % kEventsPerRepaint == 0 || !form_->isVisible() || form_->size() != lastSize_) {
        lastSize_ = form_->size();
        QCoreApplication::processEvents();
    }
    if (!broken_) {
        const QString rule = BrokenRule(*form_, *view_, model_);
        if (!rule.isEmpty()) {
            Fail(rule);
        }
    }
}

void Monkey::Fail(const QString& rule) {
    if (broken_) {
        return;
    }
    broken_ =
        QStringLiteral("%1\n  after %2 events of the drill with MONKEY_SEED=%3; the last:\n    %4")
            .arg(rule)
            .arg(events_)
            .arg(seed_)
            .arg(log_.join(QStringLiteral("\n    ")));
}

bool Monkey::Reachable(const QWidget* control) const {
    return form_->isVisible() && form_->rect().contains(control->geometry().center());
}

QString Monkey::SoughtValueText() const {
    const drill::DrillState& state = form_->State();
    return QString::fromStdString(
        drill::PlainNumberText(drill::ValueOf(state, drill::LayoutOf(state).sought)));
}

// A click by the mouse repaints the button as it goes down and up, which
// costs more than the handler it triggers; so one click in eight comes from
// the mouse and the others from the button's own click(), which emits the
// same signals.
void Monkey::Click(QPushButton* button, bool bySpace) {
    if (bySpace) {
        QTest::keyClick(button, Qt::Key_Space);
    } else if (Pick(0, 7) == 0) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        button->click();
    }
}

// A keypad press appends " d" or "." to the entry, or empties it.
void Monkey::PressKeypad(int index, bool bySpace) {
    QPushButton* key = view_->keypad[index];
    if (!Reachable(key)) {
        return;
    }
    const QString before = view_->entry->text();
    Click(key, bySpace);
    Settle(QStringLiteral("keypad %1%2").arg(index).arg(bySpace ? " by space" : ""));
    const QString expected = index == 10   ? QString()
                             : index == 11 ? before + "."
                                           : before + " " + QString::number(index);
    const QString after = view_->entry->text();
    if (after != expected) {
        qsizetype differ = 0;
        while (differ < after.size() && differ < expected.size() &&
               after[differ] == expected[differ]) {
            ++differ;
        }
        Fail(QStringLiteral("keypad %1 turned %2 into %3 (from character %4: %5)")
                 .arg(index)
                 .arg(Quoted(before), Quoted(after))
                 .arg(differ)
                 .arg(Quoted(after.mid(differ, 8))));
    }
}

void Monkey::PressKey() {
    PressKeypad(Pick(0, 11), false);
}

void Monkey::PressKeyBySpace() {
    PressKeypad(Pick(0, 11), true);
}

// The enter button: a blank entry changes nothing; any other entry is
// copied into the sought box, marked ○ or ×, and emptied; a × shows the
// correct value.
std::optional<QString> Monkey::ClickEnter() {
    if (!Reachable(view_->enterButton)) {
        return std::nullopt;
    }
    const QString entry = view_->entry->text();
    const auto marksBefore = Marks(*view_);
    const int question = model_.questionNo;
    Click(view_->enterButton);
    if (IsBlank(entry)) {
        Settle("enter blank " + Quoted(entry));
        if (view_->entry->text() != entry || Marks(*view_) != marksBefore) {
            Fail(QStringLiteral("a blank entry was judged"));
        }
        return std::nullopt;
    }
    model_.judgedEntries.append(entry);
    const QString mark = view_->markCells[question]->text();
    if (mark == kCorrect) {
        model_.scoredQuestions.insert(question);
    }
    Settle("enter " + Quoted(entry));
    if (mark != kCorrect && mark != kWrong) {
        Fail("an entry was judged without a mark: " + Quoted(mark));
    }
    for (int i = 1; i <= 10; ++i) {
        if (i != question && view_->markCells[i]->text() != marksBefore[i]) {
            Fail(QStringLiteral("judging question %1 changed the mark of %2").arg(question).arg(i));
        }
    }
    if (!view_->entry->text().isEmpty()) {
        Fail("the entry box still reads " + Quoted(view_->entry->text()) + " after judging");
    }
    const drill::Quantity sought = drill::LayoutOf(form_->State()).sought;
    if (sought != drill::Quantity::R) {
        for (const FormView::Pair& pair : view_->pairs) {
            if (pair.quantity == sought && pair.box->text() != entry) {
                Fail("the sought box reads " + Quoted(pair.box->text()) + ", not the entry");
            }
        }
    }
    if (mark == kWrong) {
        const QString message = QStringLiteral("正解は ") + SoughtValueText();
        if (view_->message->isHidden() || view_->message->text() != message) {
            Fail("after a wrong answer the message reads " + Quoted(view_->message->text()) +
                 (view_->message->isHidden() ? " (hidden)" : ""));
        }
    }
    return mark;
}

void Monkey::Enter() {
    ClickEnter();
}

// A deliberate answer needs the whole keypad and the enter button in view.
bool Monkey::KeypadReachable() const {
    return Reachable(view_->enterButton) &&
           std::all_of(view_->keypad.begin(), view_->keypad.end(),
                       [this](const QPushButton* key) { return Reachable(key); });
}

void Monkey::AnswerRight() {
    if (!KeypadReachable()) {
        return;
    }
    PressKeypad(10, false);
    const QString value = SoughtValueText();
    for (const QChar c : value) {
        PressKeypad(c == u'.' ? 11 : c.digitValue(), false);
    }
    const auto mark = ClickEnter();
    if (mark && *mark != kCorrect) {
        Fail("the correct answer " + value + " was marked " + *mark);
    }
}

void Monkey::AnswerWrong() {
    if (!KeypadReachable()) {
        return;
    }
    PressKeypad(10, false);
    const drill::DrillState& state = form_->State();
    const float value = drill::ValueOf(state, drill::LayoutOf(state).sought);
    const QString wrong = QString::fromStdString(drill::PlainNumberText(value + 1));
    TypeText(wrong);
    const auto mark = ClickEnter();
    if (mark && *mark != kWrong) {
        Fail("the wrong answer " + wrong + " was marked " + *mark);
    }
}

void Monkey::TypeText(const QString& text) {
    QTest::keyClicks(view_->entry, text);
    Settle("type " + Quoted(text));
}

void Monkey::Type() {
    TypeText(monkey_texts::Typed(random_));
}

void Monkey::Compose() {
    const QString text = monkey_texts::Composed(random_);
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(view_->entry, &event);
    Settle("compose " + Quoted(text));
}

void Monkey::PasteText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keySequence(view_->entry, QKeySequence::Paste);
    Settle("paste " + Quoted(text));
}

void Monkey::Paste() {
    // One paste in two hundred is a page of about 100 KB.
    if (Pick(0, 199) == 0) {
        ++hugePastes_;
        const QString page = monkey_texts::HugePaste(random_);
        view_->entry->clear();
        PasteText(page);
        if (view_->entry->text().size() < page.size() / 2) {
            Fail(QStringLiteral("a paste of %1 characters left %2 in the entry box")
                     .arg(page.size())
                     .arg(view_->entry->text().size()));
        }
        return;
    }
    PasteText(monkey_texts::Pasted(random_));
}

void Monkey::EditKey() {
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* name;
    };
    static const Key keys[] = {
        {Qt::Key_Backspace, Qt::NoModifier, "backspace"},
        {Qt::Key_Delete, Qt::NoModifier, "delete"},
        {Qt::Key_Home, Qt::NoModifier, "home"},
        {Qt::Key_End, Qt::NoModifier, "end"},
        {Qt::Key_Left, Qt::NoModifier, "left"},
        {Qt::Key_Home, Qt::ShiftModifier, "shift+home"},
        {Qt::Key_A, Qt::ControlModifier, "ctrl+a"},
        {Qt::Key_Z, Qt::ControlModifier, "ctrl+z"},
        {Qt::Key_X, Qt::ControlModifier, "ctrl+x"},
        {Qt::Key_Escape, Qt::NoModifier, "escape"},
    };
    const Key& key = keys[Pick(0, std::size(keys) - 1)];
    QTest::keyClick(view_->entry, key.key, key.modifiers);
    Settle(QString::fromLatin1(key.name));
}

// The Enter key in the entry box is not the enter button: nothing is judged.
void Monkey::ReturnInEntry() {
    const QString entry = view_->entry->text();
    const auto marks = Marks(*view_);
    QTest::keyClick(view_->entry, Qt::Key_Return);
    Settle(QStringLiteral("return key"));
    if (view_->entry->text() != entry || Marks(*view_) != marks) {
        Fail(QStringLiteral("the return key judged the entry"));
    }
}

// The next button empties the entry and hides the message; after question
// 10 it ends the run.
void Monkey::ClickNext() {
    if (!Reachable(view_->nextButton)) {
        return;
    }
    const bool last = model_.questionNo == 10;
    Click(view_->nextButton);
    if (!last) {
        model_.NextQuestion();
    }
    Settle(QStringLiteral("next"));
    if (last != model_.ended) {
        Fail(last ? QStringLiteral("the run did not end after question 10")
                  : QStringLiteral("the run ended before question 10"));
    } else if (!last && (!view_->entry->text().isEmpty() || !view_->message->isHidden())) {
        Fail(QStringLiteral("the next question kept the entry or the message"));
    }
}

void Monkey::Next() {
    ClickNext();
}

// Resizing moves and resizes no control.
void Monkey::Resize() {
    const QSize size(Pick(300, 1400), Pick(250, 1000));
    form_->resize(size);
    Settle(QStringLiteral("resize to %1x%2").arg(size.width()).arg(size.height()));
    for (auto place = placesAtStart_.cbegin(); place != placesAtStart_.cend(); ++place) {
        if (place.key()->geometry() != place.value()) {
            Fail(place.key()->objectName() + " moved when the window was resized");
        }
    }
}

// Hidden and shown again, the window shows the figure on its surface.
void Monkey::HideAndShow() {
    form_->hide();
    Settle(QStringLiteral("hide"));
    form_->show();
    QCoreApplication::processEvents();
    Settle(QStringLiteral("show"));
    const QImage picture = form_->grab().toImage();
    const QRgb cyan = circuit_figure::kLightCyan.rgb();
    for (const QPoint wire : {QPoint(52, 200), QPoint(552, 200)}) {
        if (picture.rect().contains(wire) && picture.pixel(wire) != cyan) {
            Fail(QStringLiteral("the figure is not painted at (%1, %2)")
                     .arg(wire.x())
                     .arg(wire.y()));
        }
    }
}

void Monkey::Exit() {
    if (!Reachable(view_->exitButton)) {
        return;
    }
    Click(view_->exitButton);
    Settle(QStringLiteral("exit"));
    if (!model_.ended) {
        Fail(QStringLiteral("the exit button did not end the program"));
    }
}

void Monkey::Close() {
    form_->close();
    Settle(QStringLiteral("close"));
    if (!model_.ended) {
        Fail(QStringLiteral("closing the window did not end the program"));
    }
}

void Monkey::Tab() {
    QTest::keyClick(form_.get(), Qt::Key_Tab);
    Settle(QStringLiteral("tab"));
}
