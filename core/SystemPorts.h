#pragma once

#include "core/Ports.h"

#include <QElapsedTimer>
#include <random>

// Platform implementations that need no window system.

class SystemClock final : public Clock {
public:
    SystemClock() { timer_.start(); }
    QTime wallTime() const override { return QTime::currentTime(); }
    double monotonicSeconds() const override { return timer_.nsecsElapsed() / 1e9; }

private:
    QElapsedTimer timer_;
};

class UniformRandom final : public RandomSource {
public:
    void restartFromClock() override;
    double next() override { return dist_(engine_); }

private:
    std::mt19937 engine_{5489u};
    std::uniform_real_distribution<double> dist_{0.0, 1.0};
};
