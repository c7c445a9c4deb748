#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QSettings>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <chrono>

#include "companions/update_check_result.h"

class QNetworkReply;

namespace vostrel {

// Behind "Check for Updates…": fetches the release feed (see update_feed.h) when the user asks,
// compares its version with the running one and reports what it found. It never downloads or
// runs anything, and never checks on its own.
//
// The feed address is fixed when the program is built (VOSTREL_UPDATE_FEED_URL, empty for
// builds that a package manager keeps current) and can be replaced, or emptied, with the
// settings key "updateFeedUrl".
class Updater : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool canCheckForUpdates READ canCheckForUpdates NOTIFY canCheckForUpdatesChanged)

  public:
    static constexpr std::chrono::milliseconds defaultTimeout{15000};

    // Uses configuredFeedUrl(QSettings()) and the version this program was built as.
    explicit Updater(QObject* parent = nullptr);
    Updater(QUrl feedUrl, QString runningVersion, QObject* parent = nullptr);
    ~Updater() override;

    // The settings key wins when present, even when empty; otherwise the built-in address.
    static QUrl configuredFeedUrl(const QSettings& settings);
    static QUrl builtInFeedUrl();

    const QUrl& feedUrl() const { return feedUrl_; }
    const QString& runningVersion() const { return runningVersion_; }

    // False while a check is under way; "Check for Updates…" is disabled meanwhile.
    bool canCheckForUpdates() const { return canCheckForUpdates_; }

    // How long one check may take in all, from the request to the last byte.
    void setTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }

    // Starts a check and returns at once; checkFinished follows, always after this returns.
    // Ignored while a check is under way.
    void checkForUpdates();

  Q_SIGNALS:
    void canCheckForUpdatesChanged(bool canCheckForUpdates);
    void checkFinished(const vostrel::UpdateCheckResult& result);

  private:
    enum class Abort { none, timedOut, tooLarge };

    void startRequest();
    void limitFeedSize(qint64 received, qint64 total);
    void abortRequest(Abort reason);
    void finishRequest();
    UpdateCheckResult resultOf(QNetworkReply& reply) const;
    void reportLater(const UpdateCheckResult& result);
    void report(const UpdateCheckResult& result);
    void setCanCheckForUpdates(bool canCheck);

    QUrl feedUrl_;
    QString runningVersion_;
    bool canCheckForUpdates_ = true;
    std::chrono::milliseconds timeout_ = defaultTimeout;
    QNetworkAccessManager network_;
    QNetworkReply* reply_ = nullptr;  // the check under way, owned by network_
    QTimer deadline_;
    Abort abort_ = Abort::none;
};

}  // namespace vostrel
