// Arbitrary bytes as SGIDC.AS2, edited as the install edits it, and compared with a plain
// line-by-line reference: every line of 306 bytes or more gets ";" in front, every line
// ends with CR LF, and no other byte is added, lost or changed.

#include "fuzz_support.h"
#include "install/sgidc_file.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string contents(reinterpret_cast<const char*>(data), size);
    std::string expected;
    std::size_t start = 0;
    while (start < contents.size()) {
        const std::size_t end = contents.find_first_of("\r\n", start);
        const std::string line = contents.substr(start, end == std::string::npos ? std::string::npos : end - start);
        expected += (line.size() >= 306 ? ";" : "") + line + "\r\n";
        if (end == std::string::npos)
            break;
        start = end + (contents.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }

    const QByteArray edited = SgidcFile::commentLongLines(QByteArray(contents.data(), static_cast<qsizetype>(size)));
    Fuzz::check(edited == QByteArray::fromStdString(expected), "the edit differs from the plain reference",
                QString::number(edited.size()) + u'/' + QString::number(expected.size()));
    return 0;
}
