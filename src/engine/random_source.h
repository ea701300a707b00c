// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's random source: the 32-bit Mersenne Twister, word for word the numbers of
// std::mt19937 for the same seed (a test holds it to the library's). Written out because the
// library's refill decides each word's last step with a branch on a bit that is as good as a
// coin toss: the processor guesses it wrong every other word, and a deal draws a thousand.
// Here that step is a mask.
#pragma once

#include <array>
#include <cstdint>
#include <limits>

class MersenneTwister {
  public:
    using result_type = uint32_t;

    explicit MersenneTwister(uint32_t seed = 5489u) { SeedWords(seed); }

    void seed(uint32_t value) { SeedWords(value); }

    uint32_t operator()() {
        if (next_ >= kWords)
            Refill();
        uint32_t z = words_[next_++];
        z ^= z >> 11;
        z ^= (z << 7) & 0x9d2c5680u;
        z ^= (z << 15) & 0xefc60000u;
        z ^= z >> 18;
        return z;
    }

    static constexpr uint32_t min() { return 0; }
    static constexpr uint32_t max() { return std::numeric_limits<uint32_t>::max(); }

  private:
    static constexpr int kWords = 624;
    static constexpr int kShift = 397;

    void SeedWords(uint32_t value) {
        words_[0] = value;
        for (int i = 1; i < kWords; ++i)
            words_[i] =
                1812433253u * (words_[i - 1] ^ (words_[i - 1] >> 30)) + static_cast<uint32_t>(i);
        next_ = kWords;
    }

    // The top bit of one word and the low bits of the next, twisted into a third.
    static uint32_t Twist(uint32_t upper, uint32_t lower, uint32_t far) {
        const uint32_t y = (upper & 0x80000000u) | (lower & 0x7fffffffu);
        return far ^ (y >> 1) ^ ((0u - (y & 1u)) & 0x9908b0dfu);
    }

    void Refill() {
        int k = 0;
        for (; k < kWords - kShift; ++k)
            words_[k] = Twist(words_[k], words_[k + 1], words_[k + kShift]);
        for (; k < kWords - 1; ++k)
            words_[k] = Twist(words_[k], words_[k + 1], words_[k + kShift - kWords]);
        words_[kWords - 1] = Twist(words_[kWords - 1], words_[0], words_[kShift - 1]);
        next_ = 0;
    }

    std::array<uint32_t, kWords> words_{};
    int next_ = kWords;
};
