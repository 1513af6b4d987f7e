// XXH64, as its authors describe it: four lanes over 32-byte stripes, then the rest, then an
// avalanche. Several times faster here than any hash QCryptographicHash offers, which matters
// when a journal holds megabytes of a shared records file.
#include "checksum.h"

#include <bit>
#include <cstring>

namespace {

constexpr std::uint64_t P1 = 0x9E3779B185EBCA87ULL;
constexpr std::uint64_t P2 = 0xC2B2AE3D27D4EB4FULL;
constexpr std::uint64_t P3 = 0x165667B19E3779F9ULL;
constexpr std::uint64_t P4 = 0x85EBCA77C2B2AE63ULL;
constexpr std::uint64_t P5 = 0x27D4EB2F165667C5ULL;

// Little-endian, whatever the machine, so that a checksum means the same everywhere.
template <typename Word>
Word ReadLittleEndian(const unsigned char* p) {
    Word value;
    std::memcpy(&value, p, sizeof value);
    if constexpr (std::endian::native == std::endian::big) {
        Word swapped = 0;
        for (std::size_t i = 0; i < sizeof value; ++i) {
            swapped = swapped << 8 | p[sizeof value - 1 - i];
        }
        value = swapped;
    }
    return value;
}

std::uint64_t Read64(const unsigned char* p) {
    return ReadLittleEndian<std::uint64_t>(p);
}

std::uint32_t Read32(const unsigned char* p) {
    return ReadLittleEndian<std::uint32_t>(p);
}

std::uint64_t Round(std::uint64_t acc, std::uint64_t input) {
    return std::rotl(acc + input * P2, 31) * P1;
}

std::uint64_t Merge(std::uint64_t acc, std::uint64_t lane) {
    return (acc ^ Round(0, lane)) * P1 + P4;
}

}  // namespace

std::uint64_t Checksum64(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    std::uint64_t h;
    if (bytes.size() >= 32) {
        std::uint64_t lanes[4] = {P1 + P2, P2, 0, 0 - P1};
        for (; end - p >= 32; p += 32) {
            for (int lane = 0; lane < 4; ++lane) {
                lanes[lane] = Round(lanes[lane], Read64(p + 8 * lane));
            }
        }
        h = std::rotl(lanes[0], 1) + std::rotl(lanes[1], 7) + std::rotl(lanes[2], 12) +
            std::rotl(lanes[3], 18);
        for (const std::uint64_t lane : lanes) {
            h = Merge(h, lane);
        }
    } else {
        h = P5;
    }
    h += std::uint64_t(bytes.size());
    for (; end - p >= 8; p += 8) {
        h = std::rotl(h ^ Round(0, Read64(p)), 27) * P1 + P4;
    }
    if (end - p >= 4) {
        h = std::rotl(h ^ Read32(p) * P1, 23) * P2 + P3;
        p += 4;
    }
    for (; p < end; ++p) {
        h = std::rotl(h ^ *p * P5, 11) * P1;
    }
    h ^= h >> 33;
    h *= P2;
    h ^= h >> 29;
    h *= P3;
    return h ^ h >> 32;
}
