#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// How many kB the resident set grows while `work` runs once, in a child so that no earlier
// run's peak hides it.
template <typename Work> long peakGrowthKb(Work work) {
    int channel[2];
    if (::pipe(channel) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        rusage before{}, after{};
        ::getrusage(RUSAGE_SELF, &before);
        work();
        ::getrusage(RUSAGE_SELF, &after);
        const long growth = after.ru_maxrss - before.ru_maxrss;
        (void)!::write(channel[1], &growth, sizeof growth);
        ::_exit(0);
    }
    long growth = -1;
    (void)!::read(channel[0], &growth, sizeof growth);
    ::waitpid(child, nullptr, 0);
    ::close(channel[0]);
    ::close(channel[1]);
    return growth;
}
