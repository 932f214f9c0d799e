#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <vector>

// The median time of work in milliseconds, each run after its own untimed setup.
inline double medianMs(int runs, const std::function<void()>& work, const std::function<void()>& setup = {}) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (setup)
            setup();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The median of ours / theirs over pairs of runs taken in turn (ours, theirs, ours, theirs...), so that both see
// the same machine; each of our runs after its own untimed setup.
inline double medianRatio(int pairs, const std::function<void()>& ours, const std::function<void()>& theirs,
                          const std::function<void()>& setup = {}) {
    std::vector<double> ratios;
    for (int i = 0; i < pairs; ++i) {
        const double ourTime = medianMs(1, ours, setup);
        const double theirTime = medianMs(1, theirs);
        ratios.push_back(ourTime / theirTime);
    }
    std::sort(ratios.begin(), ratios.end());
    return ratios[ratios.size() / 2];
}
