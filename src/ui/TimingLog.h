// Elapsed times a user waits for, written to stderr when the environment
// variable TABRIX_TIMING is 1: opening a file up to its first page, and
// switching pages. A measuring aid, silent otherwise.
#pragma once

#include <QElapsedTimer>

namespace tabrix {

bool TimingEnabled();
// Writes "tabrix timing: <what> <milliseconds> ms" for the time since the clock started.
void ReportTiming(const char* what, const QElapsedTimer& clock);

}  // namespace tabrix
