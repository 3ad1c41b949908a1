#pragma once

#include "drill_model.h"
#include "form_view.h"
#include "random_source.h"

#include <QHash>
#include <QRect>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <random>

class Form1;
class QPushButton;
class QWidget;

// Runs one drill on a fresh window with a seeded random sequence of events:
// keypad presses, typing, input-method text, pastes (now and then 100 KB),
// editing keys, enter, next, resizing, hiding and showing, the exit button
// and closing. After every event it checks the rules of drill_model.h and
// what the event itself must have done. The same seed replays the same
// drill.
class Monkey {
  public:
    explicit Monkey(std::uint64_t seed);
    ~Monkey();

    // Plays the drill until the window ends the program; after `eventBudget`
    // events only the next button is pressed. Returns the first broken rule,
    // with the events that led to it, or nothing.
    std::optional<QString> RunDrill(int eventBudget);

    int Events() const { return events_; }
    int HugePastes() const { return hugePastes_; }

  private:
    struct Action {
        const char* name;
        int weight;
        void (Monkey::*run)();
    };
    static const std::vector<Action>& Actions();

    void PressKey();
    void PressKeyBySpace();
    void AnswerRight();
    void AnswerWrong();
    void Type();
    void Compose();
    void Paste();
    void EditKey();
    void ReturnInEntry();
    void Enter();
    void Next();
    void Resize();
    void HideAndShow();
    void Exit();
    void Close();
    void Tab();

    // The steps of the actions, each one event.
    void PressKeypad(int index, bool bySpace);
    // The mark the entry got, or nothing when it was not judged.
    std::optional<QString> ClickEnter();
    void ClickNext();
    void TypeText(const QString& text);
    void PasteText(const QString& text);
    void Click(QPushButton* button, bool bySpace = false);
    bool Reachable(const QWidget* control) const;
    bool KeypadReachable() const;

    // Ends the event: lets the window handle what is posted, then checks.
    void Settle(const QString& event);
    void Fail(const QString& rule);
    int Pick(int low, int high);
    QString SoughtValueText() const;

    std::uint64_t seed_;
    std::mt19937_64 random_;
    drill::MixingRandom drawRandom_;
    std::unique_ptr<drill::Clock> clock_;
    std::unique_ptr<Form1> form_;
    std::unique_ptr<FormView> view_;
    DrillModel model_;
    QHash<const QWidget*, QRect> placesAtStart_;
    QSize lastSize_;
    QStringList log_;
    std::optional<QString> broken_;
    int events_ = 0;
    int hugePastes_ = 0;
};
