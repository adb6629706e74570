#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <vector>

// The median time of work in milliseconds, over rounds runs after one run that warms the caches.
template <class Work>
double medianMs(Work work, int rounds = 9)
{
    work();
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
