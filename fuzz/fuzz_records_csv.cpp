// Feeds arbitrary bytes as a records file to the teachers' table: it must never crash, and it must
// write one line a run it counts, the header's besides; what it leaves out it names.
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdlib>

#include "records_csv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString path = QDir::temp().filePath(QStringLiteral("fuzz_records.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return 0;
    }
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    const RecordsCsv csv = MergeRecordsCsv({path});
    // No field of a records file holds a line break: every line of the table is a row.
    if (csv.rows < 0 || csv.bytes.count("\r\n") != csv.rows + 1) {
        std::abort();
    }
    return 0;
}
