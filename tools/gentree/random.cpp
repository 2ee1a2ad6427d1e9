#include "random.h"

namespace kinloom::gentree {

Random Random::ForRecord(uint64_t seed, uint64_t stream, uint64_t record) {
  Random stream_base(seed ^ (stream * 0xD1B54A32D192ED03ULL));
  Random mixer(stream_base.Next() ^ (record * 0x9E3779B97F4A7C15ULL));
  return Random(mixer.Next());
}

uint64_t Random::Next() {
  state_ += 0x9E3779B97F4A7C15ULL;
  uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

uint32_t Random::Below(uint32_t bound) {
  return static_cast<uint32_t>(Next() % bound);
}

int Random::Between(int low, int high) {
  return low + static_cast<int>(Below(static_cast<uint32_t>(high - low + 1)));
}

bool Random::Percent(int percent) {
  return Below(100) < static_cast<uint32_t>(percent);
}

bool Random::PerMille(int per_mille) {
  return Below(1000) < static_cast<uint32_t>(per_mille);
}

int Random::Weighted(const std::vector<int>& weights) {
  int total = 0;
  for (int weight : weights) total += weight;
  int roll = static_cast<int>(Below(static_cast<uint32_t>(total)));
  for (int index = 0; index < static_cast<int>(weights.size()); ++index) {
    if (roll < weights[index]) return index;
    roll -= weights[index];
  }
  return static_cast<int>(weights.size()) - 1;
}

}  // namespace kinloom::gentree
