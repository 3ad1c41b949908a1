#pragma once

#include "drill_state.h"
#include "random_source.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// How the fuzzer's bytes become one press of the enter button:
//
//   byte 0       the question number, 1 + byte % 10
//   byte 1       bit 0: the question has already earned its points;
//                the other bits: how many earlier questions earned theirs
//   bytes 2, 3   the seconds at the end of the clock's time of day, as
//                raw bytes (any bytes, not only digits)
//   bytes 4..11  the random numbers of the question's draw, one byte each,
//                u = (byte + 0.5) / 256
//   the rest     the text of the entry box, as UTF-8 or not
//
// A shorter input leaves the missing header bytes zero; a draw that runs
// out of bytes gets 0.5 for every further number.
namespace fuzz_input {

inline constexpr std::size_t kDrawBytes = 8;
inline constexpr std::size_t kHeaderSize = 4 + kDrawBytes;

// Hands out the draw bytes as random numbers. When they run out it answers
// 0.5, which ends every redraw loop of a question's draw.
class ByteRandom final : public drill::RandomSource {
  public:
    explicit ByteRandom(std::string_view bytes) : bytes_(bytes) {}
    double Next() override {
        if (next_ >= bytes_.size()) {
            return 0.5;
        }
        return (static_cast<unsigned char>(bytes_[next_++]) + 0.5) / 256.0;
    }
    void Reseed(double seed) override { lastSeed_ = seed; }
    double LastSeed() const { return lastSeed_; }

  private:
    std::string_view bytes_;
    std::size_t next_ = 0;
    double lastSeed_ = 0;
};

// A clock whose time of day ends in two arbitrary bytes.
class ByteClock final : public drill::Clock {
  public:
    explicit ByteClock(std::string seconds) : seconds_(std::move(seconds)) {}
    std::string TimeOfDay() const override { return "12:34:" + seconds_; }

  private:
    std::string seconds_;
};

struct Input {
    std::uint8_t questionNo;   // 1 to 10
    bool questionScored;       // this question's points are already in
    std::uint8_t scoredBefore; // earlier questions that earned points
    std::string seconds;       // two bytes
    std::string_view draw;     // the draw bytes
    std::string_view entry;
};

inline Input Split(const std::uint8_t* data, std::size_t size) {
    std::uint8_t header[kHeaderSize] = {};
    for (std::size_t i = 0; i < kHeaderSize && i < size; ++i) {
        header[i] = data[i];
    }
    const std::size_t headerSize = size < kHeaderSize ? size : kHeaderSize;
    Input input{};
    input.questionNo = static_cast<std::uint8_t>(1 + header[0] % 10);
    input.questionScored = (header[1] & 1) != 0;
    input.scoredBefore = static_cast<std::uint8_t>((header[1] >> 1) % input.questionNo);
    input.seconds = std::string(reinterpret_cast<const char*>(header + 2), 2);
    input.draw =
        std::string_view(reinterpret_cast<const char*>(data) + (headerSize > 4 ? 4 : headerSize),
                         headerSize > 4 ? headerSize - 4 : 0);
    input.entry =
        std::string_view(reinterpret_cast<const char*>(data) + headerSize, size - headerSize);
    return input;
}

} // namespace fuzz_input
