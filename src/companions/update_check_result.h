#pragma once

#include <QString>
#include <QUrl>

namespace vostrel {

// What one "Check for Updates…" found out. The updater only ever reports; acting on a newer
// version (opening its page) is left to the user.
struct UpdateCheckResult {
    enum class Outcome {
        updateAvailable,  // the feed names a newer version
        upToDate,         // the running version is the feed's latest or newer
        failed,           // the feed could not be fetched or read
        noFeed,           // this build has no feed: a package manager keeps it current
    };

    Outcome outcome = Outcome::noFeed;
    QString version;  // updateAvailable: the newer version; upToDate: the running version
    QUrl link;        // updateAvailable: the page of the newer version
    QString notes;    // updateAvailable: what the feed says about it; may be empty
    QString reason;   // failed: a sentence for the user, e.g. "The update server answered 404."

    static UpdateCheckResult updateAvailable(QString version, QUrl link, QString notes);
    static UpdateCheckResult upToDate(QString runningVersion);
    static UpdateCheckResult failed(QString reason);
    static UpdateCheckResult noFeed();

    // The text a dialog shows for this result.
    QString message() const;

    bool operator==(const UpdateCheckResult&) const = default;
};

}  // namespace vostrel
