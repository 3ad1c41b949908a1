#pragma once

#include <cstdint>
#include <string>

namespace drill {

// Where the drill's random numbers come from. Passed in, so that a test can
// script every draw.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A number u with 0 <= u < 1.
    virtual double Next() = 0;
    // Stirs a number into the generator.
    virtual void Reseed(double seed) = 0;
};

// The time of day as text, ending in the two digits of the seconds
// ("13:05:42"). Passed in, so that a test can pick the second.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::string TimeOfDay() const = 0;
};

// A uniform generator (SplitMix64) whose first state comes from the system's
// entropy source. Reseeding mixes the seed into the current state rather than
// replacing it, so two questions made within the same clock second still
// differ.
class MixingRandom final : public RandomSource {
  public:
    MixingRandom();
    explicit MixingRandom(std::uint64_t state) : state_(state) {}
    double Next() override;
    void Reseed(double seed) override;

  private:
    std::uint64_t NextBits();
    std::uint64_t state_;
};

// The machine's local time of day.
class SystemClock final : public Clock {
  public:
    std::string TimeOfDay() const override;
};

// The seconds at the end of a time-of-day text, 0 to 59: the number its last
// two characters read as.
double SecondsOf(const std::string& timeOfDay);

} // namespace drill
