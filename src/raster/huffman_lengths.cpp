#include "raster/huffman_lengths.h"

#include <algorithm>
#include <functional>
#include <queue>

namespace {

// Depths of the leaves of a Huffman tree of the symbols of non-zero
// frequency (at least two).
std::vector<uint8_t> treeDepths(const std::vector<uint32_t>& frequencies) {
  struct Node {
    uint64_t weight;
    int left, right;  // -1: a leaf
  };
  std::vector<Node> nodes;
  std::vector<int> leafOf(frequencies.size(), -1);
  using Entry = std::pair<uint64_t, int>;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue;
  for (size_t s = 0; s < frequencies.size(); ++s) {
    if (frequencies[s] == 0) continue;
    leafOf[s] = static_cast<int>(nodes.size());
    queue.push({frequencies[s], static_cast<int>(nodes.size())});
    nodes.push_back({frequencies[s], -1, -1});
  }
  while (queue.size() > 1) {
    auto [wa, a] = queue.top();
    queue.pop();
    auto [wb, b] = queue.top();
    queue.pop();
    queue.push({wa + wb, static_cast<int>(nodes.size())});
    nodes.push_back({wa + wb, a, b});
  }
  std::vector<int> depth(nodes.size(), 0);
  for (int n = static_cast<int>(nodes.size()) - 1; n >= 0; --n) {
    if (nodes[n].left < 0) continue;
    depth[nodes[n].left] = depth[nodes[n].right] = depth[n] + 1;
  }
  std::vector<uint8_t> lengths(frequencies.size(), 0);
  for (size_t s = 0; s < frequencies.size(); ++s) {
    if (leafOf[s] >= 0) lengths[s] = static_cast<uint8_t>(std::min(depth[leafOf[s]], 255));
  }
  return lengths;
}

}  // namespace

std::vector<uint8_t> huffmanLengths(std::vector<uint32_t> frequencies, int maxLength,
                                    bool complete) {
  auto used = std::count_if(frequencies.begin(), frequencies.end(), [](uint32_t f) { return f; });
  if (used == 0) return std::vector<uint8_t>(frequencies.size(), 0);
  if (used == 1) {
    std::vector<uint8_t> lengths(frequencies.size(), 0);
    auto lone = std::find_if(frequencies.begin(), frequencies.end(), [](uint32_t f) { return f; });
    lengths[lone - frequencies.begin()] = 1;
    if (complete) lengths[lone == frequencies.begin() ? 1 : 0] = 1;
    return lengths;
  }
  // Flattening the frequencies until the tree is shallow enough keeps the
  // code near the best at a fraction of the cost of an exact method.
  for (;;) {
    std::vector<uint8_t> lengths = treeDepths(frequencies);
    if (*std::max_element(lengths.begin(), lengths.end()) <= maxLength) return lengths;
    for (uint32_t& f : frequencies) f = f == 0 ? 0 : (f + 1) / 2;
  }
}

std::vector<uint16_t> canonicalCodes(const std::vector<uint8_t>& lengths) {
  constexpr int kMaxBits = 16;
  std::vector<int> count(kMaxBits + 1, 0);
  for (uint8_t length : lengths) ++count[length];
  count[0] = 0;
  std::vector<uint32_t> next(kMaxBits + 1, 0);
  uint32_t code = 0;
  for (int bits = 1; bits <= kMaxBits; ++bits) {
    code = (code + count[bits - 1]) << 1;
    next[bits] = code;
  }
  std::vector<uint16_t> codes(lengths.size(), 0);
  for (size_t s = 0; s < lengths.size(); ++s) {
    int length = lengths[s];
    if (length == 0) continue;
    uint32_t c = next[length]++, reversed = 0;
    for (int i = 0; i < length; ++i) reversed |= ((c >> i) & 1) << (length - 1 - i);
    codes[s] = static_cast<uint16_t>(reversed);
  }
  return codes;
}
