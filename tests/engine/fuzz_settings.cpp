// The settings reader under libFuzzer (-DORLENTA_FUZZ=ON, clang); without it, the seed corpus is
// replayed through the same checks on every test run.
#include "engine/settings_file.h"
#include "fuzz_replay.h"

namespace {

const FuzzCheck require{"settings"};

} // namespace

// Whatever the bytes: the values read are valid ones, what a save writes is sound and reads back
// the same, and a sound file reads as its own first two lines.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const SettingsFile::Values values = SettingsFile::parse(bytes);
    require(hintsShown(values.hints).has_value(), "the hint setting read is not valid");
    require(animationSpeed(values.speed) != nullptr, "the speed read is not valid");
    const QByteArray written = SettingsFile::toBytes(values);
    require(SettingsFile::isSound(written), "what a save writes is not sound");
    const SettingsFile::Values again = SettingsFile::parse(written, {QString(), QString()});
    require(again.hints == values.hints && again.speed == values.speed, "a round trip changed");
    if (SettingsFile::isSound(bytes)) {
        const SettingsFile::Values own = SettingsFile::parse(bytes, {QString(), QString()});
        require(!own.hints.isEmpty() && !own.speed.isEmpty(), "a sound file fell back on defaults");
    }
    return 0;
}

#ifndef ORLENTA_LIBFUZZER
int main(int argc, char *argv[])
{
    return replayCorpus(argc, argv);
}
#endif
