// Timing for the benchmark: medians of many repetitions measured with the performance
// counter, reported as ratios to a baseline measured in the same run.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace bench {

// Median duration of one call of work, in microseconds, over the given repetitions (after a
// few warm-up calls that are not counted). cleanup, if given, runs after each call, untimed.
double MedianMicroseconds(const std::function<void()>& work, int repetitions,
                          const std::function<void()>& cleanup = {});

// A piece of work to time and what undoes it afterwards, untimed (may be empty).
struct Timed {
    std::function<void()> work;
    std::function<void()> cleanup;
};

struct PairedMedians {
    double work;
    double baseline;
};

// Medians of work and of its baseline, in microseconds, timed in turns (baseline, work,
// baseline, work, ...) so that whatever else the machine is doing weighs on both alike.
PairedMedians PairedMedianMicroseconds(const Timed& work, const Timed& baseline, int repetitions);

struct Row {
    std::string figure;
    double microseconds;
    double baselineMicroseconds;
    std::string goal;  // e.g. "<= 2.0 x", or empty
};

// Prints the table: figure, microseconds, baseline microseconds, ratio, goal.
void PrintTable(const std::vector<Row>& rows);

// A size in kilobytes (1024 bytes), with a baseline where it is compared with one.
struct SizeRow {
    std::string figure;
    double kilobytes;
    double baselineKilobytes;  // negative: none
    std::string goal;
};

// Prints the sizes: figure, KB, baseline KB, difference from the baseline, goal.
void PrintSizeTable(const std::vector<SizeRow>& rows);

}  // namespace bench
