#pragma once

#include <QDirIterator>
#include <QFile>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size);

// A fuzz target's check: a broken one ends the run, so that libFuzzer keeps the input.
struct FuzzCheck {
    const char *target;
    void operator()(bool condition, const char *what) const
    {
        if (!condition) {
            std::fprintf(stderr, "%s: %s\n", target, what);
            std::abort();
        }
    }
};

// Built without libFuzzer, a fuzz target replays its seed corpus through the same checks on every
// test run; `report` gets the count when all passed.
inline int replayCorpus(int argc, char *argv[], FILE *report = stdout)
{
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        QDirIterator files(QString::fromLocal8Bit(argv[i]), QDir::Files);
        while (files.hasNext()) {
            QFile file(files.next());
            if (!file.open(QIODevice::ReadOnly))
                std::abort();
            const QByteArray bytes = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const unsigned char *>(bytes.constData()),
                                   size_t(bytes.size()));
            ++replayed;
        }
    }
    std::fprintf(report, "%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
