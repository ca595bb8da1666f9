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

struct Row {
    std::string figure;
    double microseconds;
    double baselineMicroseconds;
    std::string goal;  // e.g. "<= 2.0 x", or empty
};

// Prints the table: figure, microseconds, baseline microseconds, ratio, goal.
void PrintTable(const std::vector<Row>& rows);

}  // namespace bench
