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

// Microseconds per repetition of one round of `once(i)`, i from 0 to repetitions - 1.
template <typename Once>
Timing OneRound(int repetitions, Once& once) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const double cpuStart = ThreadCpuMicroseconds();
    for (int i = 0; i < repetitions; ++i) once(i);
    const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
    return {spent.count() / repetitions, (ThreadCpuMicroseconds() - cpuStart) / repetitions};
}

// `once(i)` is repetition i of a round.
template <typename Once>
Timing MedianMicroseconds(int rounds, int repetitions, Once&& once) {
    std::vector<double> wall, cpu;
    for (int round = 0; round < rounds; ++round) {
        const Timing t = OneRound(repetitions, once);
        wall.push_back(t.wall);
        cpu.push_back(t.cpu);
    }
    return {Median(wall), Median(cpu)};
}

struct SideBySide {
    Timing first, second;
    double cpuRatio;  // the median over the rounds of the second's CPU time over the first's
};

// Two pieces of work timed in turns, round by round: a machine that speeds up or slows down
// meanwhile weighs on both alike, and the ratio of each round's pair is the steady figure.
template <typename First, typename Second>
SideBySide MedianSideBySide(int rounds, int repetitions, First&& first, Second&& second) {
    std::vector<double> wall1, cpu1, wall2, cpu2, ratio;
    for (int round = 0; round < rounds; ++round) {
        const Timing a = OneRound(repetitions, first);
        const Timing b = OneRound(repetitions, second);
        wall1.push_back(a.wall);
        cpu1.push_back(a.cpu);
        wall2.push_back(b.wall);
        cpu2.push_back(b.cpu);
        ratio.push_back(b.cpu / a.cpu);
    }
    return {{Median(wall1), Median(cpu1)}, {Median(wall2), Median(cpu2)}, Median(ratio)};
}

}  // namespace bench
