// The journal's checksum is XXH64: the values its reference tool (xxhsum -H64) gives, at lengths
// on both sides of its 32-byte stripes and its 8- and 4-byte steps.
#include <gtest/gtest.h>

#include <QByteArray>

#include "checksum.h"

namespace {

QByteArray Counting(int size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i) {
        bytes[i] = char((i * 7 + 3) % 256);
    }
    return bytes;
}

TEST(Checksum, GivesXxh64) {
    const std::pair<QByteArray, std::uint64_t> rows[] = {
        {"", 0xef46db3751d8e999ULL},
        {"abc", 0x44bc2cf5ad770999ULL},
        {Counting(31), 0xa2aa5f33cc4a6119ULL},
        {Counting(32), 0x23c3c17ef790fd97ULL},
        {Counting(33), 0x50a7cfc7ba588784ULL},
        {Counting(100), 0xa61f8d4c170fe531ULL},
        {Counting(1000), 0x5f235fa033f1a3fbULL},
    };
    for (const auto& [bytes, sum] : rows) {
        EXPECT_EQ(Checksum64(bytes), sum) << bytes.size();
    }
}

}  // namespace
