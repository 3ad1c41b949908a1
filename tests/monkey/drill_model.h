#pragma once

#include <QString>
#include <QStringList>

#include <set>

class Form1;
struct FormView;

// What the monkey knows of one drill from what it did: which question is on
// screen, which entries it sent to the enter button for it, and which
// questions have earned their points.
struct DrillModel {
    bool questionOnScreen = false; // from the first question to the end of the run
    bool ended = false;            // the window asked for the program to end
    int questionNo = 1;
    std::set<int> scoredQuestions;
    QStringList judgedEntries; // of the question on screen

    void NextQuestion() {
        ++questionNo;
        judgedEntries.clear();
    }
};

// True for an entry of nothing but blanks, tabs, line feeds and ideographic
// spaces: pressing the enter button with it changes nothing.
bool IsBlank(const QString& entry);

// The rules that hold after every event while a question is on screen, or
// the first one broken, in words; empty when all hold.
QString BrokenRule(const Form1& form, const FormView& view, const DrillModel& model);
