#include "form1.h"

#include "accessibility.h"
#include "circuit_figure.h"
#include "control_table.h"
#include "flow.h"
#include "judging.h"
#include "keypad.h"
#include "number_text.h"
#include "question.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <climits>

namespace {

using control_table::Colour;
using control_table::ControlSpec;
using control_table::Kind;

constexpr QColor kDisabledBoxText(48, 48, 48);

QColor ColourOf(Colour colour, const QPalette& platform) {
    switch (colour) {
    case Colour::ButtonText:
        return platform.color(QPalette::Active, QPalette::ButtonText);
    case Colour::HighlightText:
        return platform.color(QPalette::Active, QPalette::HighlightedText);
    case Colour::DarkBlue:
        return QColor(0, 0, 192);
    case Colour::Yellow:
        return QColor(255, 255, 0);
    case Colour::Default:
        break;
    }
    return {};
}

// Every control gets its text only once it has its font: a control given a
// text first lays it out at once in the toolkit's default face, and loading
// that face costs start-up a search through the system's fonts.
QWidget* CreateControl(const ControlSpec& row, QWidget* parent) {
    const QFont font = control_table::MakeFont(row.font);
    QWidget* control = nullptr;
    switch (row.kind) {
    case Kind::Label: {
        auto* label = new QLabel(parent);
        label->setFont(font);
        label->setText(row.text);
        label->setAlignment(row.alignment);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(false);
        if (row.bordered) {
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
            label->setLineWidth(1);
        }
        // A label fills its rectangle with its back colour and never grows
        // to fit its caption.
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, ColourOf(row.back, QGuiApplication::palette()));
        palette.setColor(QPalette::WindowText, ColourOf(row.fore, QGuiApplication::palette()));
        label->setPalette(palette);
        control = label;
        break;
    }
    case Kind::TextBox: {
        auto* box = new QLineEdit(parent);
        box->setFont(font);
        // No limit on the length of a text: a pasted page stays whole.
        box->setMaxLength(INT_MAX);
        box->setAlignment(row.alignment);
        box->setText(row.text);
        if (!row.enabled) {
            // The given values, the question numbers and the marks are read at
            // a glance: a disabled box keeps the platform's greyed ground but
            // shows its text dark rather than in the faint disabled grey.
            QPalette palette = box->palette();
            palette.setColor(QPalette::Disabled, QPalette::Text, kDisabledBoxText);
            box->setPalette(palette);
        }
        control = box;
        break;
    }
    case Kind::Button: {
        auto* button = new QPushButton(parent);
        button->setFont(font);
        button->setText(row.text);
        button->setAutoDefault(false);
        button->setDefault(false);
        control = button;
        break;
    }
    }
    control->setObjectName(row.name);
    control->setGeometry(row.geometry);
    control->setEnabled(row.enabled);
    control->setVisible(row.visible);
    return control;
}

template <typename Control> Control* Named(const QWidget* form, const QString& name) {
    return form->findChild<Control*>(name, Qt::FindDirectChildrenOnly);
}

} // namespace

Form1::Form1(drill::RandomSource& random, const drill::Clock& clock, QWidget* parent)
    : QWidget(parent), random_(random), clock_(clock) {
    accessibility::InstallFactory();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(control_table::kTitle);
    setFont(control_table::MakeFont(control_table::kWindowFont));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window,
                     QGuiApplication::palette().color(QPalette::Active, QPalette::ButtonText));
    setPalette(palette);
    setAutoFillBackground(true);
    resize(control_table::kClientSize);

    CreateControls();
    DescribeForScreenReaders();
    BindHandlers();
    SetTabOrder();
    Form_Load();
    CentreOnScreen();
    Command1->setFocus();
}

void Form1::CreateControls() {
    for (const ControlSpec& row : control_table::Controls()) {
        CreateControl(row, this);
    }
    Label1 = Named<QLabel>(this, "Label1");
    Label2 = Named<QLabel>(this, "Label2");
    Label3 = Named<QLabel>(this, "Label3");
    Label4 = Named<QLabel>(this, "Label4");
    Label5 = Named<QLabel>(this, "Label5");
    Label6 = Named<QLabel>(this, "Label6");
    Label7 = Named<QLabel>(this, "Label7");
    Label8 = Named<QLabel>(this, "Label8");
    Label9 = Named<QLabel>(this, "Label9");
    Label10 = Named<QLabel>(this, "Label10");
    Text4 = Named<QLineEdit>(this, "Text4");
    Text5 = Named<QLineEdit>(this, "Text5");
    Text6 = Named<QLineEdit>(this, "Text6");
    Text7 = Named<QLineEdit>(this, "Text7");
    Text8 = Named<QLineEdit>(this, "Text8");
    Text9 = Named<QLineEdit>(this, "Text9");
    Text10 = Named<QLineEdit>(this, "Text10");
    Text11 = Named<QLineEdit>(this, "Text11");
    Text12 = Named<QLineEdit>(this, "Text12");
    for (int i = Text1.first; i <= Text1.last; ++i) {
        Text1.Set(i, Named<QLineEdit>(this, control_table::ElementName("Text1", i)));
        Text2.Set(i, Named<QLineEdit>(this, control_table::ElementName("Text2", i)));
    }
    Command1 = Named<QPushButton>(this, "Command1");
    for (int index = Command2.first; index <= Command2.last; ++index) {
        Command2.Set(index,
                     Named<QPushButton>(this, control_table::ElementName("Command2", index)));
    }
    Command3 = Named<QPushButton>(this, "Command3");
    Command5 = Named<QPushButton>(this, "Command5");

    // The label and value box that show each quantity, in the order of
    // drill::kPairedQuantities: R1, R2, E1, E2, E, I.
    pairs_ = {{{Label2, Text5},
               {Label5, Text8},
               {Label4, Text4},
               {Label6, Text9},
               {Label7, Text10},
               {Label3, Text6}}};

    // The score can take the focus and be read, but only a correct answer
    // changes it.
    Text12->setReadOnly(true);
}

void Form1::DescribeForScreenReaders() {
    accessibility::DescribeControls(*this);
    for (const drill::Quantity quantity : drill::kPairedQuantities) {
        accessibility::DescribePair(*PairOf(quantity).label, *PairOf(quantity).box, quantity);
    }
}

void Form1::BindHandlers() {
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    for (int index = Command2.first; index <= Command2.last; ++index) {
        connect(Command2(index), &QPushButton::clicked, this,
                [this, index] { Command2_Click(index); });
    }
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
}

void Form1::SetTabOrder() {
    // Exit, the keypad in index order, enter, the entry, next, the score.
    QList<QWidget*> order{Command1};
    for (int index = Command2.first; index <= Command2.last; ++index) {
        order.append(Command2(index));
    }
    order << Command3 << Text7 << Command5 << Text12;
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void Form1::CentreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // The client area is centred; move() would place the frame's corner
    // there and push the client area off centre by the border and title bar.
    QRect client(QPoint(), control_table::kClientSize);
    client.moveCenter(screen->availableGeometry().center());
    setGeometry(client);
}

void Form1::Form_Load() {
    for (int i = Text1.first; i <= Text1.last; ++i) {
        Text1(i)->move(control_table::ProgressCellPlace(i));
        Text1(i)->setText(QString::fromStdString(drill::PlainNumberText(i)));
        Text2(i)->move(control_table::MarkCellPlace(i));
    }
    drill::StartRun(state_);
    Text12->setText(QString::fromStdString(drill::PlainNumberText(state_.Score)));
    random_.Reseed(drill::SecondsOf(clock_.TimeOfDay()));
}

void Form1::Form_Activate() {
    NewQuestion();
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The first question is made once, right after the window is first shown,
    // whether or not a window manager ever activates the window.
    if (!activated_) {
        activated_ = true;
        QMetaObject::invokeMethod(this, &Form1::Form_Activate, Qt::QueuedConnection);
    }
}

void Form1::NewQuestion() {
    circuit_figure::Draw(surface_);
    update();
    drill::DrawQuestion(state_, random_, clock_);
    switch (drill::KindOf(state_)) {
    case drill::AskedKind::Current:
        AskCurrent();
        break;
    case drill::AskedKind::Voltage:
        AskVoltage();
        break;
    case drill::AskedKind::Resistance:
        AskResistance();
        break;
    }
    accessibility::DescribeQuestion(*this, state_);
}

// The three kinds differ only in their rows of the layout table.
void Form1::AskCurrent() {
    ShowQuestion(drill::LayOut(state_));
}
void Form1::AskVoltage() {
    ShowQuestion(drill::LayOut(state_));
}
void Form1::AskResistance() {
    ShowQuestion(drill::LayOut(state_));
}

void Form1::ShowQuestion(const drill::LaidOutQuestion& question) {
    Label10->setText(QString::fromStdString(question.title));
    for (const drill::Quantity quantity : drill::kPairedQuantities) {
        const drill::PairView& pair = question.pairs[drill::PairIndex(quantity)];
        PairOf(quantity).label->setVisible(pair.visible);
        PairOf(quantity).box->setVisible(pair.visible);
        if (pair.text) {
            PairOf(quantity).box->setText(QString::fromStdString(*pair.text));
        }
    }
}

void Form1::Command1_Click() {
    EndProgram();
}

void Form1::Command2_Click(int Index) {
    Text7->setText(QString::fromStdString(drill::PressKey(Text7->text().toStdString(), Index)));
}

void Form1::Command3_Click() {
    const QString entry = Text7->text();
    const drill::Judgement judgement = drill::Judge(state_, entry.toStdString());
    if (!judgement.judged) {
        return;
    }
    if (judgement.entryBox) {
        PairOf(*judgement.entryBox).box->setText(entry);
    }
    drill::Apply(state_, judgement);
    if (QLineEdit* markCell = Text2(judgement.markCell)) {
        markCell->setText(QString::fromStdString(judgement.mark));
    }
    if (judgement.correct) {
        Text12->setText(QString::fromStdString(drill::PlainNumberText(state_.Score)));
    }
    if (judgement.message) {
        Label9->setText(QString::fromStdString(*judgement.message));
        Label9->show();
    }
    Text7->clear();
    if (QLineEdit* markCell = Text2(judgement.markCell)) {
        accessibility::AnnounceJudgement(*markCell, *Label9, judgement.correct);
    }
}

void Form1::Command5_Click() {
    Text4->clear();
    Text7->clear();
    const bool runOver = drill::AdvanceQuestion(state_);
    Label9->hide();
    if (runOver) {
        EndProgram();
        return;
    }
    surface_.Cls();
    update();
    NewQuestion();
}

void Form1::EndProgram() {
    if (ended_) {
        return;
    }
    ended_ = true;
    hide();
    emit programEnded();
}

void Form1::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    EndProgram();
}

void Form1::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    surface_.Paint(painter);
}

const Form1::QuantityPair& Form1::PairOf(drill::Quantity quantity) const {
    return pairs_.at(drill::PairIndex(quantity));
}
