// Reading and judging an entry of 1 byte, 1 KiB and 1 MiB with the drill
// logic: the leading-number conversion alone, and the whole judgement of the
// enter button (which reads the number itself). The entry is the keypad's worst case, a number that
// goes on to the last byte (" 1 2 3 …"), so every byte is read. The time must grow linearly with
// the length.
#include "collecting_reporter.h"
#include "drill_state.h"
#include "judging.h"
#include "number_text.h"
#include "table_row.h"

#include <cmath>
#include <string>

namespace {

constexpr double kLimitUs = 20000;

std::string KeypadEntry(std::size_t bytes) {
    std::string entry;
    for (std::size_t i = 0; entry.size() < bytes; ++i) {
        entry += ' ';
        entry += static_cast<char>('1' + i % 9);
    }
    entry.resize(bytes);
    return entry;
}

// A voltage question of pattern 4 asking for E1 = 15 V.
drill::DrillState VoltageQuestion() {
    drill::DrillState state;
    state.R1 = 30;
    state.R2 = 60;
    state.R = 90;
    state.I = 0.5f;
    state.E1 = 15;
    state.E2 = 30;
    state.E = 45;
    state.QuestionNo = 1;
    state.Kind = 2;
    state.Pattern = 4;
    return state;
}

struct EntrySize {
    const char* label;
    std::size_t bytes;
};
constexpr EntrySize kSizes[] = {{"1 B", 1}, {"1 KiB", 1 << 10}, {"1 MiB", 1 << 20}};
constexpr EntrySize kLargest = kSizes[2];

std::string ConversionName(const EntrySize& size) {
    return std::string("ReadLeadingNumber/") + size.label;
}
std::string JudgingName(const EntrySize& size) {
    return std::string("Judge/") + size.label;
}

void Convert(benchmark::State& state, std::size_t bytes) {
    const std::string entry = KeypadEntry(bytes);
    for (auto _ : state) {
        benchmark::DoNotOptimize(drill::ReadLeadingNumber(entry));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

// The whole judgement of the enter button: the number read and compared, the
// mark, the points and the answer message.
void JudgeEntry(benchmark::State& state, std::size_t bytes) {
    const std::string entry = KeypadEntry(bytes);
    const drill::DrillState question = VoltageQuestion();
    for (auto _ : state) {
        benchmark::DoNotOptimize(drill::Judge(question, entry));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

// CPU time, with the wall time beside it: on a machine shared with other
// work the wall time also holds the time the benchmark waited for a core.
std::string Timing(const CollectingReporter& report, const std::string& name) {
    return Duration(report.CpuMicroseconds(name)) + " CPU (" +
           Duration(report.WallMicroseconds(name)) + " wall)";
}

// Time proportional to length^k: k from the 1 KiB and 1 MiB entries.
double GrowthExponent(const CollectingReporter& report, const std::string& kib,
                      const std::string& mib) {
    return std::log(report.CpuMicroseconds(mib) / report.CpuMicroseconds(kib)) / std::log(1024.0);
}

} // namespace

int main(int argc, char* argv[]) {
    benchmark::Initialize(&argc, argv);
    for (const EntrySize& size : kSizes) {
        benchmark::RegisterBenchmark(ConversionName(size).c_str(), Convert, size.bytes)
            ->Unit(benchmark::kMicrosecond)
            ->MinTime(0.2)
            ->Repetitions(5);
        benchmark::RegisterBenchmark(JudgingName(size).c_str(), JudgeEntry, size.bytes)
            ->Unit(benchmark::kMicrosecond)
            ->MinTime(0.2)
            ->Repetitions(5);
    }
    CollectingReporter report;
    benchmark::RunSpecifiedBenchmarks(&report);
    benchmark::Shutdown();

    const double conversionExponent =
        GrowthExponent(report, ConversionName(kSizes[1]), ConversionName(kLargest));
    const double judgingExponent =
        GrowthExponent(report, JudgingName(kSizes[1]), JudgingName(kLargest));
    for (const EntrySize& size : kSizes) {
        const bool largest = size.bytes == kLargest.bytes;
        const double judgingUs = report.CpuMicroseconds(JudgingName(size));
        PrintRow(
            {std::string("Reading and judging a ") + size.label +
                 " keypad entry: conversion; whole judgement",
             Timing(report, ConversionName(size)) + "; " + Timing(report, JudgingName(size)),
             largest ? "1 KiB entry x 1024: judgement " +
                           Duration(report.CpuMicroseconds(JudgingName(kSizes[1])) * 1024)
                     : "-",
             Format("%.1f ns per byte", judgingUs * 1000 / size.bytes) +
                 (largest
                      ? Format("; growth exponent %.2f; %.2f", conversionExponent, judgingExponent)
                      : ""),
             largest ? "<= 20 ms; linear (exponent 1)" : "-",
             largest ? MetBelow(judgingUs, kLimitUs) +
                           (std::max(conversionExponent, judgingExponent) < 1.1 ? ", linear"
                                                                                : ", NOT linear")
                     : "-"});
    }
    return 0;
}
