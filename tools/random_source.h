// SPDX-License-Identifier: GPL-3.0-or-later
// The random numbers, words and days the sample generators share. The same
// seed always gives the same sequence.
#pragma once

#include <random>
#include <string>

#include "core/astro/civil_date.h"

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

    // A day of the month.
    int Day(int year, int month) { return Pick(1, DaysInMonth(year, month)); }

  private:
    std::mt19937 rng_;
};

}  // namespace vellamor::tools
