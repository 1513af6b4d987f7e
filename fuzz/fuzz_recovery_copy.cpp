// Feeds arbitrary bytes to the start-up's reading of a recovery copy: the header and the graph file
// after it must never crash, and a copy that reads must write the same bytes again.
#include <cstdint>
#include <cstdlib>

#include "graph_file.h"
#include "recovery_copy.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const RecoveryRead read = DecodeRecoveryCopy(bytes);
    if (!read.ok) {
        return 0;
    }
    const RecoveryRead again = DecodeRecoveryCopy(EncodeRecoveryCopy(read.copy));
    if (!again.ok || again.copy.fileName != read.copy.fileName ||
        again.copy.firstSaveDialog != read.copy.firstSaveDialog ||
        again.copy.graphFile != read.copy.graphFile) {
        std::abort();
    }
    ParseGraphFile(read.copy.graphFile, read.copy.fileName, PlaneSettings(), true);
    return 0;
}
