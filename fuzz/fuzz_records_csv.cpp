// Feeds arbitrary bytes as a records file to the teachers' table: it must never crash, and every
// row it writes must have the table's eight columns plus the file's own.
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
    if (csv.rows < 0 || (csv.rows > 0 && !csv.problems.isEmpty())) {
        std::abort();  // a file is written whole or left out whole
    }
    return 0;
}
