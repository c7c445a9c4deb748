#pragma once

#include <QHashFunctions>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <array>

#include "common/raw_enum.h"
#include "export/export_settings.h"

namespace vostrel {

// How batch files are named: by position in the list (01, 02, …) or after what they encode.
enum class NamingScheme { sequential, contentBased };

template <>
struct RawValues<NamingScheme> {
    static constexpr std::array cases{
        std::pair{NamingScheme::sequential, "sequential"},
        std::pair{NamingScheme::contentBased, "contentBased"},
    };
};

inline size_t qHash(NamingScheme scheme, size_t seed = 0) {
    return ::qHash(static_cast<int>(scheme), seed);
}

struct BatchConfig {
    ExportFormat format = ExportFormat::png;  // also the file extension
    int pngSize = 1024;                       // edge in pixels; ignored for SVG
    NamingScheme namingScheme = NamingScheme::contentBased;
    QUrl destinationURL;  // a local folder; made with its parents when missing
    // Read every picture back (the scan check, at pngSize also for SVG) before writing it; a
    // code that may not scan is not written but named in the result.
    bool verifyReading = false;

    bool operator==(const BatchConfig&) const = default;
};

// Reported after every written file.
struct BatchProgress {
    qsizetype completed = 0;         // files written so far
    qsizetype total = 0;             // items handed to the run
    QString currentFileName;         // the file just written
    QStringList completedFileNames;  // every file written so far, in order
    qsizetype skippedCount = 0;      // items skipped so far

    bool operator==(const BatchProgress&) const = default;
};

struct BatchResult {
    qsizetype generatedCount = 0;
    qsizetype skippedCount = 0;
    QStringList fileNames;  // the written names in order
    QUrl destinationURL;
    // With verifyReading: the names of the files left out because their code may not scan.
    QStringList unreadableNames = {};

    bool operator==(const BatchResult&) const = default;
};

}  // namespace vostrel
