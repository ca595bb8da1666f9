#include "bench/harness.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace bench {

double MedianMicroseconds(const std::function<void()>& work, int repetitions,
                          const std::function<void()>& cleanup) {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    for (int i = 0; i < 3; ++i) {
        work();
        if (cleanup) cleanup();
    }
    std::vector<double> samples;
    samples.reserve(static_cast<size_t>(repetitions));
    for (int i = 0; i < repetitions; ++i) {
        LARGE_INTEGER start{}, end{};
        QueryPerformanceCounter(&start);
        work();
        QueryPerformanceCounter(&end);
        if (cleanup) cleanup();
        samples.push_back(static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 /
                          static_cast<double>(frequency.QuadPart));
    }
    std::nth_element(samples.begin(), samples.begin() + static_cast<long>(samples.size() / 2), samples.end());
    return samples[samples.size() / 2];
}

void PrintTable(const std::vector<Row>& rows) {
    int width = 6;
    for (const Row& row : rows) width = std::max(width, static_cast<int>(row.figure.size()));
    std::printf("%-*s %12s %12s %8s  %s\n", width, "figure", "us", "baseline us", "ratio", "goal");
    for (const Row& row : rows) {
        const double ratio = row.baselineMicroseconds > 0 ? row.microseconds / row.baselineMicroseconds : 0;
        std::printf("%-*s %12.2f %12.2f %8.3f  %s\n", width, row.figure.c_str(), row.microseconds,
                    row.baselineMicroseconds, ratio, row.goal.c_str());
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
