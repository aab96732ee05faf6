#pragma once

#include <cstddef>
#include <vector>

namespace vantiq {

// The order in which an exchange sort leaves `keys`, ascending: for each
// position i from the first, every later position j is compared with the key
// now at i, and the two swap when key(j) < key(i). Returns, for each position
// of the result, the index in `keys` of the key that ends there. Equal keys
// end in the places the exchanges give them, exactly as the quadratic sort
// leaves them, in O(n log n) steps; keys with a NaN among them, which no
// total order covers, take the quadratic sort itself.
std::vector<std::size_t> ExchangeOrder(const std::vector<double>& keys);

}  // namespace vantiq
