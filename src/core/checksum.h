// A fast 64-bit checksum of bytes (XXH64 with seed 0), for telling whether bytes the program wrote
// earlier are still whole and unchanged. Not a defence against anyone who means harm: whoever can
// write the bytes can write their checksum too.
#pragma once

#include <QByteArrayView>
#include <cstdint>

std::uint64_t Checksum64(QByteArrayView bytes);
