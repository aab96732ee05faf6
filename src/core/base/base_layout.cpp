#include "core/base/base_layout.h"

#include <bit>
#include <cstring>

namespace vantiq {
namespace {

std::uint64_t ReadU64(const unsigned char* bytes) {
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

void WriteU64(std::uint64_t value, unsigned char* bytes) {
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

double ReadDouble(const unsigned char* bytes) {
    return std::bit_cast<double>(ReadU64(bytes));
}

void WriteDouble(double value, unsigned char* bytes) {
    WriteU64(std::bit_cast<std::uint64_t>(value), bytes);
}

// Entry offsets of the doubles after the pellet count, in field order.
constexpr std::size_t kNominalCurrentOffset = 32;
constexpr std::size_t kPelletCountOffset = 40;
constexpr std::size_t kGeometryOffset = 48;

template <typename Visit>
void ForEachGeometryField(Visit visit, auto& record) {
    visit(record.file.pelletLength, 0);
    visit(record.file.pelletSide, 1);
    visit(record.file.width, 2);
    visit(record.file.length, 3);
    visit(record.file.height, 4);
    visit(record.file.electricalConductivity, 5);
    visit(record.file.seebeckCoefficient, 6);
    visit(record.file.thermalConductivity, 7);
}

}  // namespace

std::uint32_t ReadU32(const unsigned char* bytes) {
    return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
           std::uint32_t{bytes[3]} << 24;
}

void WriteU32(std::uint32_t value, unsigned char* bytes) {
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

TemRecord DecodeEntry(const unsigned char* entry) {
    TemRecord record;
    std::memcpy(record.file.name.data(), entry, kNameSize);
    record.file.nominalCurrent = ReadDouble(entry + kNominalCurrentOffset);
    record.file.pelletCount = ReadU32(entry + kPelletCountOffset);
    ForEachGeometryField(
        [entry](double& field, std::size_t i) {
            field = ReadDouble(entry + kGeometryOffset + 8 * i);
        },
        record);
    return record;
}

void EncodeEntry(const TemRecord& record, unsigned char* entry) {
    std::memset(entry, 0, kEntrySize);
    std::memcpy(entry, record.file.name.data(), kNameSize);
    WriteDouble(record.file.nominalCurrent, entry + kNominalCurrentOffset);
    WriteU32(record.file.pelletCount, entry + kPelletCountOffset);
    ForEachGeometryField(
        [entry](const double& field, std::size_t i) {
            WriteDouble(field, entry + kGeometryOffset + 8 * i);
        },
        record);
}

}  // namespace vantiq
