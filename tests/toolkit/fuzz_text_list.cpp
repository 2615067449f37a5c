// The text-list loader under libFuzzer (-DORLENTA_FUZZ=ON, clang). Built without libFuzzer, the
// same checks replay the seed corpus through the loader itself on every test run.
#include "fuzz_replay.h"
#include "toolkit/text_list.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

namespace {

const FuzzCheck require{"text list"};

} // namespace

// Whatever the bytes: no line holds a line break or a NUL, and writing the lines out and reading
// them back is stable after one round (a byte with no letter in code page 1251 reads back as
// the substitute it was written as).
extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = TextList::fromBytes(bytes);
    for (const QString &line : lines)
        require(!line.contains(u'\r') && !line.contains(u'\n') && !line.contains(QChar(0)),
                "a line holds a break");
    require(lines.size() <= bytes.size(), "more lines than bytes");
    const QStringList again = TextList::fromBytes(TextList::toBytes(lines));
    require(again.size() == lines.size(), "the lines changed in number when written");
    require(TextList::fromBytes(TextList::toBytes(again)) == again, "a round trip is not stable");
    return 0;
}

#ifndef ORLENTA_LIBFUZZER
int main(int argc, char *argv[])
{
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        QDirIterator files(QString::fromLocal8Bit(argv[i]), QDir::Files);
        while (files.hasNext()) {
            const QString path = files.next();
            QFile file(path);
            require(file.open(QIODevice::ReadOnly), "a corpus file cannot be read");
            const QByteArray bytes = file.readAll();
            require(TextList::load(path).value() == TextList::fromBytes(bytes),
                    "the loader reads other lines than the bytes hold");
            LLVMFuzzerTestOneInput(reinterpret_cast<const unsigned char *>(bytes.constData()),
                                   size_t(bytes.size()));
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
#endif
