#pragma once

#include "form1.h"
#include "scripted.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTest>

#include <initializer_list>
#include <utility>
#include <vector>

// The draws of several questions, one QuestionScript per question, in the
// order the drill makes them.
inline std::vector<double> Questions(std::initializer_list<std::vector<double>> questions) {
    std::vector<double> script;
    for (const std::vector<double>& question : questions) {
        script.insert(script.end(), question.begin(), question.end());
    }
    return script;
}

// The name of the control that has the keyboard focus.
inline QString FocusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QStringLiteral("(none)");
}

// The real window on a scripted random source and a fixed clock. Creating it
// runs Form_Load; Start() shows it as the program does and lets the queued
// first activation make question 1.
class FormHarness {
  public:
    explicit FormHarness(std::vector<double> script = {})
        : random(std::move(script)), form(random, clock) {}

    void Start() {
        form.show();
        QCoreApplication::processEvents();
    }

    // A control by its name, as the window's code names it: "Text7",
    // "Command2(5)". A missing control ends the test program at once, since
    // every later step would read through it.
    template <typename Control> Control* Find(const QString& name) const {
        auto* control = form.findChild<Control*>(name);
        if (control == nullptr) {
            qFatal("Form1 has no control named %s", qPrintable(name));
        }
        return control;
    }
    QLabel* Label(const QString& name) const { return Find<QLabel>(name); }
    QLineEdit* Box(const QString& name) const { return Find<QLineEdit>(name); }
    QPushButton* Button(const QString& name) const { return Find<QPushButton>(name); }
    QPushButton* Key(int index) const { return Button(QStringLiteral("Command2(%1)").arg(index)); }
    QLineEdit* MarkCell(int question) const {
        return Box(QStringLiteral("Text2(%1)").arg(question));
    }

    void Click(QWidget* control) const { QTest::mouseClick(control, Qt::LeftButton); }
    void Click(const QString& buttonName) const { Click(Button(buttonName)); }

    // Presses keypad buttons with the mouse: a digit presses its key, '.' the
    // point and 'c' clear. "60" presses "６" then "０".
    void Press(const char* keys) const {
        for (const char* key = keys; *key != '\0'; ++key) {
            if (*key == '.') {
                Click(Key(11));
            } else if (*key == 'c') {
                Click(Key(10));
            } else {
                Click(Key(*key - '0'));
            }
        }
    }

    ScriptedRandom random;
    FixedClock clock;
    Form1 form;
};
