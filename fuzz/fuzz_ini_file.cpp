// Feeds arbitrary bytes to the ini parser: it must never crash, and a parsed document written
// out and parsed again must be the same.
#include <cstdint>
#include <cstdlib>

#include "ini_file.h"
#include "sjis_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const DecodedText decoded = DecodeCp932(bytes);
    if (!decoded.ok()) {
        return 0;
    }
    const IniDocument doc = IniDocument::Parse(decoded.text);
    const IniDocument again = IniDocument::Parse(doc.Serialize());
    if (again.Serialize() != doc.Serialize() || again.sections.size() != doc.sections.size()) {
        std::abort();
    }
    for (const auto& section : doc.sections) {
        for (const QString& line : section.lines) {
            (void)IniLineKey(line);
            (void)IniLineValue(line);
        }
    }
    return 0;
}
