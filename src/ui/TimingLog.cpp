#include "ui/TimingLog.h"

#include <QtGlobal>

#include <cstdio>

namespace tabrix {

bool TimingEnabled() {
    static const bool enabled = qEnvironmentVariableIntValue("TABRIX_TIMING") == 1;
    return enabled;
}

void ReportTiming(const char* what, const QElapsedTimer& clock) {
    if (!TimingEnabled() || !clock.isValid()) return;
    std::fprintf(stderr, "tabrix timing: %s %.1f ms\n", what, static_cast<double>(clock.nsecsElapsed()) / 1e6);
}

}  // namespace tabrix
