#include "form_view.h"

#include "form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

template <typename Control> Control* Find(const Form1& form, const QString& name) {
    return form.findChild<Control*>(name, Qt::FindDirectChildrenOnly);
}

QString Element(const char* array, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

// The label and value box of each quantity pair.
struct PairName {
    drill::Quantity quantity;
    const char* label;
    const char* box;
};
constexpr std::array<PairName, 6> kPairNames = {{
    {drill::Quantity::R1, "Label2", "Text5"},
    {drill::Quantity::R2, "Label5", "Text8"},
    {drill::Quantity::E1, "Label4", "Text4"},
    {drill::Quantity::E2, "Label6", "Text9"},
    {drill::Quantity::E, "Label7", "Text10"},
    {drill::Quantity::I, "Label3", "Text6"},
}};

} // namespace

FormView::FormView(const Form1& form) {
    complete = true;
    const auto note = [this](const QObject* control) { complete = complete && control; };
    for (std::size_t i = 0; i < kPairNames.size(); ++i) {
        pairs[i] = {kPairNames[i].quantity, Find<QLabel>(form, kPairNames[i].label),
                    Find<QLineEdit>(form, kPairNames[i].box)};
        note(pairs[i].label);
        note(pairs[i].box);
    }
    for (int i = 1; i <= 10; ++i) {
        progressCells[i] = Find<QLineEdit>(form, Element("Text1", i));
        markCells[i] = Find<QLineEdit>(form, Element("Text2", i));
        note(progressCells[i]);
        note(markCells[i]);
    }
    for (int index = 0; index < 12; ++index) {
        keypad[index] = Find<QPushButton>(form, Element("Command2", index));
        note(keypad[index]);
    }
    entry = Find<QLineEdit>(form, "Text7");
    scoreBox = Find<QLineEdit>(form, "Text12");
    title = Find<QLabel>(form, "Label10");
    message = Find<QLabel>(form, "Label9");
    exitButton = Find<QPushButton>(form, "Command1");
    enterButton = Find<QPushButton>(form, "Command3");
    nextButton = Find<QPushButton>(form, "Command5");
    for (const QObject* control :
         {static_cast<QObject*>(entry), static_cast<QObject*>(scoreBox),
          static_cast<QObject*>(title), static_cast<QObject*>(message),
          static_cast<QObject*>(exitButton), static_cast<QObject*>(enterButton),
          static_cast<QObject*>(nextButton)}) {
        note(control);
    }
}
