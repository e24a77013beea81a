#include "core/SystemPorts.h"

#include <QDateTime>

void UniformRandom::restartFromClock() {
    engine_.seed(static_cast<std::mt19937::result_type>(QDateTime::currentMSecsSinceEpoch()));
}
