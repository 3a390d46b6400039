// SPDX-License-Identifier: GPL-3.0-or-later
// The random numbers, words and days the sample generators share. The same
// seed always gives the same sequence.
#pragma once

#include <random>
#include <string>

namespace vellamor::tools {

class RandomSource {
  public:
    explicit RandomSource(unsigned seed) : rng_(seed) {}

    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    std::string Word(int minLength, int maxLength) {
        static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
        std::string w;
        const int n = Pick(minLength, maxLength);
        for (int i = 0; i < n; ++i)
            w.push_back(kLetters[Pick(0, 51)]);
        return w;
    }

    // A day of the month; every fourth year is a leap year, the whole rule
    // for 1901 to 2050.
    int Day(int year, int month) {
        static constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        return Pick(1, kMonthDays[month - 1] + (month == 2 && year % 4 == 0 ? 1 : 0));
    }

  private:
    std::mt19937 rng_;
};

}  // namespace vellamor::tools
