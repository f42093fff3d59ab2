// Elapsed time from the performance counter, and the median of a sample.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace bench {

class Stopwatch {
 public:
  Stopwatch() { QueryPerformanceCounter(&start_); }
  double Milliseconds() const {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency.QuadPart);
  }

 private:
  LARGE_INTEGER start_;
};

inline double Median(std::vector<double> sample) {
  if (sample.empty()) return 0;
  const auto middle = sample.begin() + static_cast<std::ptrdiff_t>(sample.size() / 2);
  std::nth_element(sample.begin(), middle, sample.end());
  if (sample.size() % 2) return *middle;
  return (*middle + *std::max_element(sample.begin(), middle)) / 2;
}

}  // namespace bench
