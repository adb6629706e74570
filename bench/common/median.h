#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
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

// The times of reference and ours in milliseconds, one pair for each of rounds rounds, measured in
// turns after one warm-up run of each, so both meet the same state of the machine; forbered runs
// untimed before every run.
template <class Forbered, class Reference, class Vores>
std::vector<std::pair<double, double>> runderMs(Forbered forbered, Reference reference, Vores vores, int rounds)
{
    std::vector<std::pair<double, double>> runder;
    for (int i = 0; i <= rounds; ++i) {
        double tider[2];
        for (int hvem = 0; hvem < 2; ++hvem) {
            forbered();
            QElapsedTimer timer;
            timer.start();
            if (hvem == 0)
                reference();
            else
                vores();
            tider[hvem] = timer.nsecsElapsed() / 1e6;
        }
        if (i > 0)
            runder.push_back({tider[0], tider[1]});
    }
    return runder;
}

// The medians of reference's and our times.
inline std::pair<double, double> medianer(const std::vector<std::pair<double, double>>& runder)
{
    std::vector<double> tider[2];
    for (const auto& [reference, vores] : runder) {
        tider[0].push_back(reference);
        tider[1].push_back(vores);
    }
    for (auto& t : tider)
        std::sort(t.begin(), t.end());
    return {tider[0][tider[0].size() / 2], tider[1][tider[1].size() / 2]};
}

// Prints every round's times and ratio, then the medians, and last the line "navn ratio R" of
// the medians.
inline void udskrivRunder(const char* navn, const char* reference, const std::vector<std::pair<double, double>>& runder)
{
    for (size_t i = 0; i < runder.size(); ++i)
        std::printf("round %zu: %s %.1f ms, qvmMirvel: %.1f ms, ratio %.2f\n", i + 1, reference, runder[i].first,
                    runder[i].second, runder[i].second / runder[i].first);
    const std::pair<double, double> tider = medianer(runder);
    std::printf("%-22s %9.1f ms\n", reference, tider.first);
    std::printf("%-22s %9.1f ms\n", "qvmMirvel:", tider.second);
    std::printf("%s ratio %.2f\n", navn, tider.second / tider.first);
}
