// Wall-clock timing for the benchmark drivers.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace testkit {

// Milliseconds on the performance counter, from an arbitrary start.
inline double NowMs() {
  static const LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

// The middle value, or the mean of the two middle ones; `values` not empty.
inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle]
                           : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace testkit
