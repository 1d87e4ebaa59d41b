#pragma once
// The draw's generator: uniform numbers in [0, 1), re-seeded from the clock before each position.
// Re-seeding with an unchanged reading mixes it into the state and never restarts the sequence,
// so positions drawn within one clock tick still differ.
#include <cstdint>
#include <functional>

namespace platform {
void Randomize(float graine);
float Rnd();
// Tests script the numbers drawn; an empty function restores the generator.
void setRandomHook(std::function<float()> hook);

// The generator itself, kept apart so that its properties can be checked.
class Generateur {
public:
    void melanger(float graine);
    float suivant();

private:
    std::uint64_t etat_ = 0x9E3779B97F4A7C15ull;
};
} // namespace platform
