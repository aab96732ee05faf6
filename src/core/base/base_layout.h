#pragma once

#include <cstddef>
#include <cstdint>

#include "core/base/tem_record.h"

namespace vantiq {

// The catalogue file, little-endian throughout:
//   0            uint32 count n (0 is invalid)
//   4            n uint32 picture sizes
//   4 + 4n       n module entries of kEntrySize bytes
//   4 + 116n     the pictures, back to back in entry order
inline constexpr std::size_t kEntrySize = 112;
inline constexpr std::size_t kNameSize = 30;

constexpr std::uint64_t PictureTableOffset() {
    return 4;
}
constexpr std::uint64_t EntriesOffset(std::uint32_t count) {
    return 4 + 4 * std::uint64_t{count};
}
constexpr std::uint64_t PicturesOffset(std::uint32_t count) {
    return 4 + (4 + kEntrySize) * std::uint64_t{count};
}

// Copies the file fields of one entry into a fresh record, which is not
// rated; the padding is skipped.
TemRecord DecodeEntry(const unsigned char* entry);

// Writes the file fields of `record` into `entry` (kEntrySize bytes); the
// padding is written as zeros.
void EncodeEntry(const TemRecord& record, unsigned char* entry);

std::uint32_t ReadU32(const unsigned char* bytes);
void WriteU32(std::uint32_t value, unsigned char* bytes);

}  // namespace vantiq
