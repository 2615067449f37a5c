// The command-line parser under libFuzzer (-DORLENTA_FUZZ=ON, clang); without it, the seed corpus
// is replayed through the same checks on every test run. The input is the arguments, NUL apart.
#include "app/command_line.h"
#include "fuzz_replay.h"

#include <QRegularExpression>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

namespace {

const FuzzCheck require{"command line"};

} // namespace

// Whatever the arguments: the program either starts its windows or answers with status 0 or 2,
// and a --date=... that is not exactly a date is never answered with signs.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    static const int quiet = [] {
        const int devNull = ::open("/dev/null", O_WRONLY);
        ::dup2(devNull, STDOUT_FILENO);
        return devNull;
    }();
    Q_UNUSED(quiet);
    QList<QByteArray> arguments =
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0');
    if (arguments.size() > 16)
        return 0;
    arguments.prepend("orlenta");
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const std::optional<int> status = runCommandLine(int(arguments.size()), argv.data());
    require(!status || *status == 0 || *status == 2, "an exit status other than 0 or 2");

    static const QRegularExpression Date(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{4}-[0-9]{2}-[0-9]{2}")));
    // Help and version answer first wherever they stand among the arguments.
    const bool answersFirst =
        std::any_of(arguments.cbegin(), arguments.cend(), [](const QByteArray &argument) {
            return argument.startsWith("-h") || argument.startsWith("--h") ||
                   argument.startsWith("-v") || argument.startsWith("--v");
        });
    for (const QByteArray &argument : std::as_const(arguments)) {
        if (argument.startsWith("--date=") && !answersFirst &&
            !Date.match(QString::fromLocal8Bit(argument.mid(7))).hasMatch())
            require(status && *status == 2, "a malformed date was answered");
    }
    return 0;
}

#ifndef ORLENTA_LIBFUZZER
int main(int argc, char *argv[])
{
    return replayCorpus(argc, argv, stderr);
}
#endif
