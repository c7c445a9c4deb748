#include "companions/update_feed.h"

#include <QHostAddress>
#include <QJsonDocument>

#include "companions/version_comparison.h"

namespace vostrel {

namespace {

bool isWebAddress(const QUrl& url) {
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == u"https" || url.scheme() == u"http");
}

bool isLoopback(const QString& host) {
    return host == u"localhost" || QHostAddress(host).isLoopback();
}

QString optionalString(JsonReader& reader, QStringView key) {
    const QJsonValue value = reader.json().value(key);
    if (value.isUndefined() || value.isNull()) return {};
    if (!value.isString()) reader.fail(key, QStringLiteral("expected a string"));
    return value.toString();
}

}  // namespace

UpdateFeed UpdateFeed::fromJson(JsonReader& reader) {
    UpdateFeed feed;
    feed.version = reader.string(u"version");
    if (reader.ok() && !isDottedVersion(feed.version))
        reader.fail(u"version", QStringLiteral("expected a dotted version such as 1.2.0"));
    const QString link = reader.string(u"url");
    feed.url = QUrl(link, QUrl::StrictMode);
    if (reader.ok() && !isWebAddress(feed.url))
        reader.fail(u"url", QStringLiteral("expected an http or https address"));
    feed.notes = optionalString(reader, u"notes");
    return feed;
}

Expected<UpdateFeed, DecodeError> decodeUpdateFeed(const QByteArray& bytes) {
    if (bytes.size() > UpdateFeed::maximumBytes)
        return unexpected(DecodeError{{}, QStringLiteral("larger than expected")});
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return unexpected(DecodeError{{}, QStringLiteral("not valid JSON")});
    JsonReader reader(json.isObject() ? QJsonValue(json.object()) : QJsonValue());
    UpdateFeed feed = UpdateFeed::fromJson(reader);
    if (!reader.ok()) return unexpected(reader.error());
    return feed;
}

UpdateCheckResult resultOfFeed(const QByteArray& bytes, const QString& runningVersion) {
    const auto feed = decodeUpdateFeed(bytes);
    if (!feed) {
        return UpdateCheckResult::failed(
            QStringLiteral("The update feed could not be read (%1).").arg(feed.error().message()));
    }
    if (compareVersions(feed->version, runningVersion) > 0)
        return UpdateCheckResult::updateAvailable(feed->version, feed->url, feed->notes);
    return UpdateCheckResult::upToDate(runningVersion);
}

std::optional<QString> feedAddressProblem(const QUrl& feedUrl) {
    if (!isWebAddress(feedUrl)) return QStringLiteral("The update feed address is not valid.");
    if (feedUrl.scheme() == u"http" && !isLoopback(feedUrl.host()))
        return QStringLiteral("The update feed address must use HTTPS.");
    return std::nullopt;
}

}  // namespace vostrel
