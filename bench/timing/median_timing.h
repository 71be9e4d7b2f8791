#pragma once

// How the benchmarks time a piece of work: the median of several rounds of many repetitions,
// in microseconds per repetition, wall time beside the thread's own CPU time (the machine is
// shared, so the CPU time is the steadier figure).

#include <time.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench {

struct Timing {
    double wall;
    double cpu;
};

inline double ThreadCpuMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

inline double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// `once(i)` is repetition i of a round, i from 0 to repetitions - 1.
template <typename Once>
Timing MedianMicroseconds(int rounds, int repetitions, Once&& once) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> wall, cpu;
    for (int round = 0; round < rounds; ++round) {
        const auto start = Clock::now();
        const double cpuStart = ThreadCpuMicroseconds();
        for (int i = 0; i < repetitions; ++i) once(i);
        const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
        wall.push_back(spent.count() / repetitions);
        cpu.push_back((ThreadCpuMicroseconds() - cpuStart) / repetitions);
    }
    return {Median(wall), Median(cpu)};
}

}  // namespace bench
