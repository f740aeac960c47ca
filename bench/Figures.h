// Helpers of the figure sections: a fine clock, summaries of samples, formatted lines, pumping.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace fig {

// Milliseconds from an arbitrary origin, from the performance counter.
double NowMs();

struct Summary {
    int n = 0;
    double mean = 0, median = 0, min = 0, max = 0;
};
Summary Summarise(std::vector<double> v);

// printf into a std::string.
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Dispatches what is queued now.
void PumpPending();
// Dispatches messages for ms milliseconds.
void PumpFor(double ms);

// Progress notes go to stderr, so that stdout carries only the tables.
void Note(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

}  // namespace fig
