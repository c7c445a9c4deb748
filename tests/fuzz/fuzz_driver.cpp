// A small stand-in for libFuzzer, which g++ lacks: runs a target's LLVMFuzzerTestOneInput on every
// seed file, then on random mutations of the seeds until the time is up. It has no coverage
// feedback, so it finds what byte-level mutation of realistic inputs finds, quickly and the same
// way on every compiler; the target functions also build unchanged under clang's -fsanitize=fuzzer.
//
//   document_fuzz [--seconds N] [--seed S] [--suffix .vostrel] SEED_FILE_OR_FOLDER…
//
// A crash kills the process (and fails the test); the input that caused it is first written to
// fuzz-crash-input in the working directory, and the same --seed replays the same inputs.

#include <fcntl.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <chrono>
#include <csignal>
#include <cstdio>

#include "fuzz_mutator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

struct Options {
    double seconds = 5.0;
    quint64 seed = 1;
    QString suffix;
    QStringList seedPaths;
};

// What the input being run is, for the crash handler, which may only call async-signal-safe
// functions.
const char* currentData = nullptr;
size_t currentSize = 0;

void writeCrashInput(int signalNumber) {
    const int file = ::open("fuzz-crash-input", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (file >= 0) {
        // Nothing more can be done about a failed write while crashing.
        [[maybe_unused]] const ssize_t written =
            currentData ? ::write(file, currentData, currentSize) : 0;
        ::close(file);
    }
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

void run(const QByteArray& input) {
    currentData = input.constData();
    currentSize = size_t(input.size());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()), currentSize);
}

bool parseOptions(const QStringList& arguments, Options& options) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == u"--seconds" && hasValue) {
            options.seconds = arguments[++i].toDouble();
        } else if (argument == u"--seed" && hasValue) {
            options.seed = arguments[++i].toULongLong();
        } else if (argument == u"--suffix" && hasValue) {
            options.suffix = arguments[++i];
        } else if (argument.startsWith(u"--")) {
            return false;
        } else {
            options.seedPaths << argument;
        }
    }
    return options.seconds >= 0.0;
}

QList<QByteArray> readSeeds(const Options& options) {
    QList<QByteArray> seeds;
    const auto add = [&](const QString& path) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) seeds << file.readAll();
    };
    for (const QString& path : options.seedPaths) {
        if (!QFileInfo(path).isDir()) {
            add(path);
            continue;
        }
        const QDir folder(path);
        for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
            if (name.endsWith(options.suffix)) add(folder.filePath(name));
        }
    }
    return seeds;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    Options options;
    if (!parseOptions(QGuiApplication::arguments().mid(1), options)) {
        std::fprintf(stderr, "usage: %s [--seconds N] [--seed S] [--suffix SUFFIX] SEED…\n",
                     argv[0]);
        return 2;
    }
    for (const int signalNumber : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL})
        std::signal(signalNumber, writeCrashInput);

    const QList<QByteArray> seeds = readSeeds(options);
    for (const QByteArray& seed : seeds) run(seed);

    vostrel::fuzzing::Mutator mutator(options.seed, seeds);
    const auto end = std::chrono::steady_clock::now() +
                     std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                         std::chrono::duration<double>(options.seconds));
    qint64 runs = 0;
    while (std::chrono::steady_clock::now() < end) {
        run(mutator.next());
        ++runs;
    }
    std::printf("%lld seeds and %lld mutated inputs in %.0f s (seed %llu): nothing found\n",
                static_cast<long long>(seeds.size()), static_cast<long long>(runs), options.seconds,
                static_cast<unsigned long long>(options.seed));
    return 0;
}
