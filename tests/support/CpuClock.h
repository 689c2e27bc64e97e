#pragma once
// A clock of the CPU time this test process has used. Bounds that catch a
// quadratic walk or a runaway loop read it instead of the wall clock, so a
// machine busy with other builds does not fail them.

#include <chrono>
#include <ctime>

struct CpuClock {
    using duration = std::chrono::nanoseconds;
    using rep = duration::rep;
    using period = duration::period;
    using time_point = std::chrono::time_point<CpuClock>;
    static constexpr bool is_steady = true;

    static time_point now() {
        timespec spent{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &spent);
        return time_point(std::chrono::seconds(spent.tv_sec) +
                          std::chrono::nanoseconds(spent.tv_nsec));
    }
};
