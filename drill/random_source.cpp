#include "random_source.h"

#include "number_text.h"

#include <bit>
#include <chrono>
#include <ctime>
#include <random>

namespace drill {

namespace {

// The finaliser of SplitMix64: a bijection that spreads every input bit over
// the whole word.
std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

constexpr std::uint64_t kGoldenGamma = 0x9e3779b97f4a7c15ULL;

} // namespace

MixingRandom::MixingRandom() {
    std::random_device entropy;
    state_ = (std::uint64_t{entropy()} << 32) ^ entropy();
}

std::uint64_t MixingRandom::NextBits() {
    state_ += kGoldenGamma;
    return Mix(state_);
}

double MixingRandom::Next() {
    // The top 53 bits make a double in [0, 1) with every value equally likely.
    return static_cast<double>(NextBits() >> 11) * 0x1.0p-53;
}

void MixingRandom::Reseed(double seed) {
    state_ = Mix(state_ ^ Mix(std::bit_cast<std::uint64_t>(seed) + kGoldenGamma));
}

std::string SystemClock::TimeOfDay() const {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

double SecondsOf(const std::string& timeOfDay) {
    const std::size_t keep = timeOfDay.size() < 2 ? timeOfDay.size() : 2;
    return ReadLeadingNumber(std::string_view(timeOfDay).substr(timeOfDay.size() - keep));
}

} // namespace drill
