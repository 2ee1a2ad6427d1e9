#pragma once

#include <cstdint>
#include <vector>

namespace kinloom::gentree {

// SplitMix64 with our own range reduction, so a seed yields the same bytes on every platform and
// standard library (the standard distributions are implementation-defined).
class Random {
 public:
  explicit Random(uint64_t state) : state_(state) {}

  // A generator for one record of one kind. Each record draws from its own stream, so the content
  // of a record does not depend on how many numbers other records consumed.
  static Random ForRecord(uint64_t seed, uint64_t stream, uint64_t record);

  uint64_t Next();
  // Uniform in [0, bound). REQUIRES: bound > 0.
  uint32_t Below(uint32_t bound);
  // Uniform in [low, high]. REQUIRES: low <= high.
  int Between(int low, int high);
  // True with probability percent / 100.
  bool Percent(int percent);
  // True with probability per_mille / 1000.
  bool PerMille(int per_mille);
  // An index into `weights`, chosen with probability proportional to its weight.
  // REQUIRES: the weights are non-negative and not all zero.
  int Weighted(const std::vector<int>& weights);

 private:
  uint64_t state_;
};

// REQUIRES: `pool` is not empty.
template <typename T>
const T& PickFrom(Random& rng, const std::vector<T>& pool) {
  return pool[rng.Below(static_cast<uint32_t>(pool.size()))];
}

}  // namespace kinloom::gentree
