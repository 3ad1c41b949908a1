#include "accessibility.h"

#include "circuit_figure.h"
#include "control_table.h"
#include "drawing_surface.h"
#include "keypad.h"
#include "spoken_text.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPicture>
#include <QPushButton>
#include <QWidget>

namespace accessibility {

namespace {

QString Words(const std::string& words) {
    return QString::fromStdString(words);
}

// The controls whose captions do not name them well for the ear: blanks
// spread a caption out ("終　了"), a single character says too little ("次"),
// or a box shows only a value.
struct ControlName {
    const char* control;
    const char* name;
};
constexpr ControlName kControlNames[] = {
    {"Text7", "解答欄"},  {"Text12", "得点"},       {"Text11", "クレジット"}, {"Command1", "終了"},
    {"Command3", "入力"}, {"Command5", "次の問題"}, {"Label9", "判定"},
};

// The part of the window the figure covers: the bounds of its lines.
QRect FigureArea() {
    DrawingSurface surface;
    circuit_figure::Draw(surface);
    QPicture picture;
    QPainter painter(&picture);
    surface.Paint(painter);
    painter.end();
    return picture.boundingRect();
}

CircuitFigure* FigureOf(const QWidget& form) {
    return form.findChild<CircuitFigure*>(QString(), Qt::FindDirectChildrenOnly);
}

// The figure as a screen reader sees it: a graphic with a name and a
// description, and no children.
class FigureInterface final : public QAccessibleObject {
  public:
    explicit FigureInterface(CircuitFigure* figure) : QAccessibleObject(figure) {}

    QWindow* window() const override { return Form()->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(Form());
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return QStringLiteral("回路図");
        case QAccessible::Description:
            return Figure()->Description();
        default:
            return {};
        }
    }
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !Form()->isVisible();
        return state;
    }
    QRect rect() const override {
        const QRect area = Figure()->Area();
        return {Form()->mapToGlobal(area.topLeft()), area.size()};
    }

  private:
    CircuitFigure* Figure() const { return static_cast<CircuitFigure*>(object()); }
    QWidget* Form() const { return static_cast<QWidget*>(object()->parent()); }
};

// The window: its controls as Qt gives them, with the circuit figure, which
// lies beneath them all, as the first child.
class FormInterface final : public QAccessibleWidget {
  public:
    explicit FormInterface(QWidget* form) : QAccessibleWidget(form, QAccessible::Window) {}

    int childCount() const override { return QAccessibleWidget::childCount() + FigureCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < FigureCount()) {
            return index < 0 ? nullptr : Figure();
        }
        return QAccessibleWidget::child(index - FigureCount());
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (FigureCount() > 0 && child == Figure()) {
            return 0;
        }
        const int index = QAccessibleWidget::indexOfChild(child);
        return index < 0 ? index : index + FigureCount();
    }
    // A control over the figure is found before the figure beneath it.
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = childCount() - 1; i >= 0; --i) {
            QAccessibleInterface* candidate = child(i);
            if (candidate != nullptr && !candidate->state().invisible &&
                candidate->rect().contains(x, y)) {
                return candidate;
            }
        }
        return nullptr;
    }

  private:
    int FigureCount() const { return FigureOf(*widget()) != nullptr ? 1 : 0; }
    QAccessibleInterface* Figure() const {
        return QAccessible::queryAccessibleInterface(FigureOf(*widget()));
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String("Form1") && object->isWidgetType()) {
        return new FormInterface(static_cast<QWidget*>(object));
    }
    if (className == QLatin1String(CircuitFigure::staticMetaObject.className())) {
        return new FigureInterface(static_cast<CircuitFigure*>(object));
    }
    return nullptr;
}

void Notify(QObject& source, QAccessible::Event type) {
    QAccessibleEvent event(&source, type);
    QAccessible::updateAccessibility(&event);
}

template <typename Control> Control* Named(const QWidget& form, const QString& name) {
    return form.findChild<Control*>(name, Qt::FindDirectChildrenOnly);
}

} // namespace

CircuitFigure::CircuitFigure(QWidget& form, QRect area)
    : QObject(&form), area_(area), description_(QString::fromUtf8(drill::CircuitInWords())) {
    setObjectName(QStringLiteral("CircuitFigure"));
}

void CircuitFigure::Describe(const QString& description) {
    if (description == description_) {
        return;
    }
    description_ = description;
    Notify(*this, QAccessible::DescriptionChanged);
}

void InstallFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    (void)installed;
}

void DescribeControls(QWidget& form) {
    for (const ControlName& control : kControlNames) {
        if (auto* widget = Named<QWidget>(form, QLatin1String(control.control))) {
            widget->setAccessibleName(QString::fromUtf8(control.name));
        }
    }
    for (int index = 0; index < drill::kKeyCount; ++index) {
        if (auto* key = Named<QPushButton>(form, control_table::ElementName("Command2", index))) {
            key->setAccessibleName(QString::fromUtf8(drill::KeyOf(index).accessibleName));
        }
    }
    if (auto* scoreFrame = Named<QLabel>(form, QStringLiteral("Label8"))) {
        scoreFrame->setBuddy(Named<QLineEdit>(form, QStringLiteral("Text12")));
    }
    for (int i = 1; i <= 10; ++i) {
        if (auto* progressCell = Named<QLineEdit>(form, control_table::ElementName("Text1", i))) {
            progressCell->setAccessibleName(Words(drill::QuestionCellName(i)));
        }
        // A mark cell is named by its question and its result, so a screen
        // reader says "第3問 正解" rather than the sign alone.
        if (auto* markCell = Named<QLineEdit>(form, control_table::ElementName("Text2", i))) {
            const auto nameByMark = [markCell, i](const QString& mark) {
                markCell->setAccessibleName(Words(drill::MarkCellName(i, mark.toStdString())));
            };
            nameByMark(markCell->text());
            QObject::connect(markCell, &QLineEdit::textChanged, markCell, nameByMark);
        }
    }
    if (FigureOf(form) == nullptr) {
        new CircuitFigure(form, FigureArea());
    }
}

void DescribePair(QLabel& label, QLineEdit& box, drill::Quantity quantity) {
    box.setAccessibleName(Words(drill::ValueBoxName(quantity)));
    label.setBuddy(&box);
}

void DescribeQuestion(QWidget& form, const drill::DrillState& state) {
    if (CircuitFigure* figure = FigureOf(form)) {
        figure->Describe(Words(drill::FigureInWords(state)));
    }
}

void AnnounceJudgement(QLineEdit& markCell, QLabel& message, bool correct) {
    if (correct) {
        Notify(markCell, QAccessible::Alert);
        return;
    }
    message.setAccessibleName(Words(drill::WrongAnswerInWords(message.text().toStdString())));
    Notify(message, QAccessible::Alert);
}

} // namespace accessibility
