#include "platform/random.h"

#include <bit>

namespace platform {
namespace {
Generateur generateur;
std::function<float()> hook;

std::uint64_t splitmix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}
} // namespace

void Generateur::melanger(float graine)
{
    // The reading is folded into the state, never put in its place.
    etat_ = splitmix(etat_ ^ splitmix(std::bit_cast<std::uint32_t>(graine)));
}

float Generateur::suivant()
{
    etat_ = splitmix(etat_);
    // 24 bits: every value is exact in single precision and stays below 1.
    return static_cast<float>(etat_ >> 40) * (1.0f / 16777216.0f);
}

void setRandomHook(std::function<float()> h) { hook = std::move(h); }

void Randomize(float graine) { generateur.melanger(graine); }

float Rnd() { return hook ? hook() : generateur.suivant(); }
} // namespace platform
