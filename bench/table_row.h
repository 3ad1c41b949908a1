#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

// One row of the benchmark table: what was measured, our figure, the figure
// it is compared against, how the two relate, the target and whether it is
// met. Every benchmark program prints its rows tab-separated on standard
// output; bench/run.sh gathers them into one table.
struct TableRow {
    std::string measure;
    std::string ours;
    std::string against;
    std::string relation;
    std::string target;
    std::string met;
};

inline void PrintRow(const TableRow& row) {
    std::printf("%s\t%s\t%s\t%s\t%s\t%s\n", row.measure.c_str(), row.ours.c_str(),
                row.against.c_str(), row.relation.c_str(), row.target.c_str(), row.met.c_str());
    std::fflush(stdout);
}

// printf into a std::string.
template <typename... Args> std::string Format(const char* format, Args... args) {
    char text[256];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

// "yes", or by how much the figure misses its limit ("no, 12% over").
inline std::string MetBelow(double figure, double limit) {
    if (figure <= limit) {
        return "yes";
    }
    return Format("NO, %.0f%% over", (figure / limit - 1) * 100);
}

// The p-th quantile (0 to 1) of the samples, by nearest rank.
inline double Quantile(std::vector<double> samples, double p) {
    if (samples.empty()) {
        return NAN;
    }
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(std::ceil(p * samples.size()));
    return samples[std::clamp<std::size_t>(rank, 1, samples.size()) - 1];
}

inline double Median(std::vector<double> samples) {
    if (samples.empty()) {
        return NAN;
    }
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    return n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

// Nanoseconds, microseconds or milliseconds, whichever reads better.
inline std::string Duration(double microseconds) {
    if (microseconds < 1) {
        return Format("%.0f ns", microseconds * 1000);
    }
    if (microseconds >= 1000) {
        return Format("%.2f ms", microseconds / 1000);
    }
    if (microseconds >= 10) {
        return Format("%.0f us", microseconds);
    }
    return Format("%.2f us", microseconds);
}

inline std::string Mebibytes(double kibibytes) {
    return Format("%.1f MiB", kibibytes / 1024);
}
