#include "bench/harness.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace bench {

namespace {
constexpr int kWarmUps = 3;

double Median(std::vector<double>& samples) {
    std::nth_element(samples.begin(), samples.begin() + static_cast<long>(samples.size() / 2), samples.end());
    return samples[samples.size() / 2];
}

// One timed call, in microseconds; the cleanup runs after the clock has stopped.
double TimeOnce(const Timed& timed) {
    static const double ticksPerMicrosecond = [] {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1e6;
    }();
    LARGE_INTEGER start{}, end{};
    QueryPerformanceCounter(&start);
    timed.work();
    QueryPerformanceCounter(&end);
    if (timed.cleanup) timed.cleanup();
    return static_cast<double>(end.QuadPart - start.QuadPart) / ticksPerMicrosecond;
}
}  // namespace

double MedianMicroseconds(const std::function<void()>& work, int repetitions, const std::function<void()>& cleanup) {
    const Timed timed{work, cleanup};
    for (int i = 0; i < kWarmUps; ++i) TimeOnce(timed);
    std::vector<double> samples;
    samples.reserve(static_cast<size_t>(repetitions));
    for (int i = 0; i < repetitions; ++i) samples.push_back(TimeOnce(timed));
    return Median(samples);
}

PairedMedians PairedMedianMicroseconds(const Timed& work, const Timed& baseline, int repetitions) {
    for (int i = 0; i < kWarmUps; ++i) {
        TimeOnce(baseline);
        TimeOnce(work);
    }
    std::vector<double> workSamples;
    std::vector<double> baselineSamples;
    workSamples.reserve(static_cast<size_t>(repetitions));
    baselineSamples.reserve(static_cast<size_t>(repetitions));
    for (int i = 0; i < repetitions; ++i) {
        baselineSamples.push_back(TimeOnce(baseline));
        workSamples.push_back(TimeOnce(work));
    }
    return PairedMedians{Median(workSamples), Median(baselineSamples)};
}

void PrintTable(const std::vector<Row>& rows) {
    int width = 6;
    for (const Row& row : rows) width = std::max(width, static_cast<int>(row.figure.size()));
    std::printf("%-*s %12s %12s %8s  %s\n", width, "figure", "us", "baseline us", "ratio", "goal");
    for (const Row& row : rows) {
        const double ratio = row.baselineMicroseconds > 0 ? row.microseconds / row.baselineMicroseconds : 0;
        // Shares of the timer's period are small: they get a fourth decimal.
        std::printf(ratio < 0.1 ? "%-*s %12.2f %12.2f %8.4f  %s\n" : "%-*s %12.2f %12.2f %8.3f  %s\n", width,
                    row.figure.c_str(), row.microseconds, row.baselineMicroseconds, ratio, row.goal.c_str());
    }
    std::fflush(stdout);
}

void PrintSizeTable(const std::vector<SizeRow>& rows) {
    std::printf("\n%-62s %12s %12s %12s  %s\n", "size", "KB", "baseline KB", "difference", "goal");
    for (const SizeRow& row : rows) {
        if (row.baselineKilobytes < 0) {
            std::printf("%-62s %12.1f %12s %12s  %s\n", row.figure.c_str(), row.kilobytes, "-", "-", row.goal.c_str());
        } else {
            std::printf("%-62s %12.1f %12.1f %+12.1f  %s\n", row.figure.c_str(), row.kilobytes, row.baselineKilobytes,
                        row.kilobytes - row.baselineKilobytes, row.goal.c_str());
        }
    }
    std::fflush(stdout);
}

}  // namespace bench
