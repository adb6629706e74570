#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <utility>
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

// The medians of reference and ours in milliseconds, measured in turns after one warm-up run of
// each, so both meet the same state of the machine; forbered runs untimed before every run.
template <class Forbered, class Reference, class Vores>
std::pair<double, double> sammenlignMs(Forbered forbered, Reference reference, Vores vores, int rounds)
{
    std::vector<double> tider[2];
    for (int i = 0; i <= rounds; ++i) {
        for (int hvem = 0; hvem < 2; ++hvem) {
            forbered();
            QElapsedTimer timer;
            timer.start();
            if (hvem == 0)
                reference();
            else
                vores();
            if (i > 0)
                tider[hvem].push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    for (auto& t : tider)
        std::sort(t.begin(), t.end());
    return {tider[0][tider[0].size() / 2], tider[1][tider[1].size() / 2]};
}
