#pragma once

#include "random_source.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

// A random source that hands out the numbers a test scripts, in order, and
// records every reseed. When the script runs out it hands out `fallback`.
class ScriptedRandom final : public drill::RandomSource {
  public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<double> script) : script_(script.begin(), script.end()) {}

    void Append(std::initializer_list<double> values) { script_.insert(script_.end(), values); }
    double Next() override {
        ++draws_;
        if (script_.empty()) {
            exhausted_ = true;
            return fallback_;
        }
        const double u = script_.front();
        script_.pop_front();
        return u;
    }
    void Reseed(double seed) override { reseeds_.push_back(seed); }

    int Draws() const { return draws_; }
    std::size_t Remaining() const { return script_.size(); }
    bool Exhausted() const { return exhausted_; }
    const std::vector<double>& Reseeds() const { return reseeds_; }
    void SetFallback(double u) { fallback_ = u; }

  private:
    std::deque<double> script_;
    std::vector<double> reseeds_;
    double fallback_ = 0.5;
    int draws_ = 0;
    bool exhausted_ = false;
};

// A clock that always says the time a test sets.
class FixedClock final : public drill::Clock {
  public:
    explicit FixedClock(std::string timeOfDay = "12:34:56") : time_(std::move(timeOfDay)) {}
    std::string TimeOfDay() const override { return time_; }
    void Set(std::string timeOfDay) { time_ = std::move(timeOfDay); }

  private:
    std::string time_;
};

// The u values that make DrawQuestion produce a given question: the kind
// (1 to 3), R1 and R2 in ohms (10 to 90), the current in tenths of an ampere
// (1 to 10) and the pattern (1 to 5), one draw each.
inline std::vector<double> QuestionScript(int kind, int r1, int r2, int tenths, int pattern) {
    const double kindU[] = {0, 0.2, 0.6, 0.9};
    return {kindU[kind], (r1 / 10 + 0.5) / 10.0, (r2 / 10 + 0.5) / 10.0, (tenths + 0.5) / 11.0,
            (pattern - 1 + 0.5) / 15.0};
}
