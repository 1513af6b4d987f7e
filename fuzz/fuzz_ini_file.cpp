// Feeds arbitrary bytes to the ini reader: it must never crash, and a document written out and
// read again must have the same shape: the same sections, as many lines in each, and every line
// that did not read kept byte for byte. (The texts themselves are the codec's: Shift-JIS writes
// a zero-width space as nothing, and the converter maps a few control bytes one way only.)
#include <cstdint>
#include <cstdlib>

#include "ini_file.h"

namespace {

bool SameLines(const std::vector<IniLine>& a, const std::vector<IniLine>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].unread != b[i].unread) {
            return false;
        }
    }
    return true;
}

bool SameShape(const IniDocument& a, const IniDocument& b) {
    if (a.sections.size() != b.sections.size() || !SameLines(a.preamble, b.preamble)) {
        return false;
    }
    for (size_t i = 0; i < a.sections.size(); ++i) {
        if (a.sections[i].header.unread != b.sections[i].header.unread ||
            !SameLines(a.sections[i].lines, b.sections[i].lines)) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const IniDocument doc = IniDocument::Read(bytes);
    const EncodedText written = doc.Encode();
    if (!written.ok()) {
        return 0;  // a UTF-8 file with a character Shift-JIS cannot hold is refused, not written
    }
    const IniDocument again = IniDocument::Read(written.bytes);
    // A UTF-8 file comes back as Shift-JIS, which may read whole where the UTF-8 did not.
    if (!doc.utf8 && !again.utf8 && !SameShape(doc, again)) {
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
