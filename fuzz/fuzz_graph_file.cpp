// Feeds arbitrary bytes to the graph file reader: it must never crash, and whatever it accepts
// must survive being written in format 5 and read again.
#include <cstdint>
#include <cstdlib>

#include "graph_file.h"
#include "sjis_codec.h"

namespace {

// Writes the content in format 5 and reads it back; false when the text cannot be encoded.
bool Reread(const GraphFileContent& c, GraphFileContent* out) {
    const QStringList lines = GraphFileLines(c.title(), c.settings, c.EndCircles, c.memo);
    const EncodedText encoded = EncodeCp932(lines.join("\r\n") + "\r\n");
    if (!encoded.ok()) {
        return false;
    }
    *out = ParseGraphFile(encoded.bytes, "fuzz.lin", PlaneSettings(), true);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const GraphFileContent c = ParseGraphFile(bytes, "fuzz.lin", PlaneSettings(), true);
    if (!c.ok() || c.graphs.empty()) {
        return 0;
    }
    // An older file becomes format 5 on its first save (lines and points then keep "0,0" as
    // their domain lines); from then on saving and reading changes nothing.
    GraphFileContent once, twice;
    if (!Reread(c, &once)) {
        return 0;
    }
    if (!once.ok() || once.graphs.size() != c.graphs.size() || !Reread(once, &twice) ||
        !twice.ok() || twice.graphs != once.graphs || twice.memo != once.memo) {
        std::abort();
    }
    return 0;
}
