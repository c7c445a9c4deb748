#include "companions/updater.h"

#include <QNetworkReply>
#include <QNetworkRequest>

#include "companions/update_feed.h"

namespace vostrel {

namespace {

const QString feedUrlKey = QStringLiteral("updateFeedUrl");

QString httpFailure(const QNetworkReply& reply, int status) {
    const QString phrase =
        reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().trimmed();
    const QString answer = phrase.isEmpty() ? QString::number(status)
                                            : QStringLiteral("%1 %2").arg(status).arg(phrase);
    return QStringLiteral("The update server answered “%1”.").arg(answer);
}

}  // namespace

Updater::Updater(QObject* parent)
    : Updater(configuredFeedUrl(QSettings()), QStringLiteral(VOSTREL_VERSION), parent) {}

Updater::Updater(QUrl feedUrl, QString runningVersion, QObject* parent)
    : QObject(parent), feedUrl_(std::move(feedUrl)), runningVersion_(std::move(runningVersion)) {
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] { abortRequest(Abort::timedOut); });
}

Updater::~Updater() {
    // Qt does not promise that a reply deleted along with its manager stays silent; cut it off
    // while every member of this updater is still alive.
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
    }
}

QUrl Updater::configuredFeedUrl(const QSettings& settings) {
    if (settings.contains(feedUrlKey))
        return QUrl(settings.value(feedUrlKey).toString().trimmed(), QUrl::StrictMode);
    return builtInFeedUrl();
}

QUrl Updater::builtInFeedUrl() {
    return QUrl(QStringLiteral(VOSTREL_UPDATE_FEED_URL), QUrl::StrictMode);
}

void Updater::checkForUpdates() {
    if (!canCheckForUpdates_) return;
    setCanCheckForUpdates(false);
    if (feedUrl_.isEmpty()) return reportLater(UpdateCheckResult::noFeed());
    if (const auto problem = feedAddressProblem(feedUrl_))
        return reportLater(UpdateCheckResult::failed(*problem));
    startRequest();
}

void Updater::startRequest() {
    QNetworkRequest request(feedUrl_);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Vostrel/%1").arg(runningVersion_));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    // Asking for the feed uncompressed keeps the size limit meaningful: Qt would otherwise
    // inflate a compressed answer of any size before we see it.
    request.setRawHeader("Accept-Encoding", "identity");
    abort_ = Abort::none;
    reply_ = network_.get(request);
    connect(reply_, &QNetworkReply::downloadProgress, this, &Updater::limitFeedSize);
    connect(reply_, &QNetworkReply::finished, this, &Updater::finishRequest);
    deadline_.start(timeout_);
}

void Updater::limitFeedSize(qint64 received, qint64 total) {
    if (received > UpdateFeed::maximumBytes || total > UpdateFeed::maximumBytes)
        abortRequest(Abort::tooLarge);
}

void Updater::abortRequest(Abort reason) {
    if (!reply_) return;
    abort_ = reason;
    reply_->abort();  // finishes the request, possibly before returning
}

void Updater::finishRequest() {
    deadline_.stop();
    QNetworkReply* reply = std::exchange(reply_, nullptr);
    reply->deleteLater();
    report(resultOf(*reply));
}

UpdateCheckResult Updater::resultOf(QNetworkReply& reply) const {
    if (abort_ == Abort::timedOut) {
        return UpdateCheckResult::failed(
            QStringLiteral("The update server did not answer within %1 seconds.")
                .arg(double(timeout_.count()) / 1000.0));
    }
    if (abort_ == Abort::tooLarge)
        return UpdateCheckResult::failed(
            QStringLiteral("The update feed is larger than expected."));
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 300) return UpdateCheckResult::failed(httpFailure(reply, status));
    if (reply.error() != QNetworkReply::NoError) {
        return UpdateCheckResult::failed(
            QStringLiteral("The update server could not be reached (%1).")
                .arg(reply.errorString()));
    }
    return resultOfFeed(reply.readAll(), runningVersion_);
}

void Updater::reportLater(const UpdateCheckResult& result) {
    QMetaObject::invokeMethod(
        this, [this, result] { report(result); }, Qt::QueuedConnection);
}

void Updater::report(const UpdateCheckResult& result) {
    setCanCheckForUpdates(true);
    Q_EMIT checkFinished(result);
}

void Updater::setCanCheckForUpdates(bool canCheck) {
    if (canCheckForUpdates_ == canCheck) return;
    canCheckForUpdates_ = canCheck;
    Q_EMIT canCheckForUpdatesChanged(canCheck);
}

}  // namespace vostrel
