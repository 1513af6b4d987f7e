// Feeds arbitrary bytes to the ini reader: it must never crash, and a document written out and
// read again must be the same, lines that do not read included.
#include <cstdint>
#include <cstdlib>

#include "ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const IniDocument doc = IniDocument::Read(bytes);
    const EncodedText written = doc.Encode();
    if (!written.ok()) {
        return 0;  // a UTF-8 file with a character Shift-JIS cannot hold is refused, not written
    }
    const IniDocument again = IniDocument::Read(written.bytes);
    if (again.Encode().bytes != written.bytes || again.sections.size() != doc.sections.size()) {
        std::abort();
    }
    for (const auto& section : doc.sections) {
        for (const QString& line : section.Texts()) {
            (void)IniLineKey(line);
            (void)IniLineValue(line);
        }
    }
    return 0;
}
