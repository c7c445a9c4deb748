#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <optional>

#include "common/expected.h"
#include "common/json_reader.h"
#include "companions/update_check_result.h"

namespace vostrel {

// The release feed, a small JSON object published with every release:
//   {"version": "0.2.0", "url": "https://…/releases/0.2.0", "notes": "optional text"}
// Everything in it comes from the network, so it is read strictly: the version must be a plain
// dotted version and the link a web address, since the user will be invited to open it.
struct UpdateFeed {
    static constexpr qint64 maximumBytes = 64 * 1024;

    QString version;
    QUrl url;
    QString notes;  // empty when the feed has none

    static UpdateFeed fromJson(JsonReader& reader);
    bool operator==(const UpdateFeed&) const = default;
};

Expected<UpdateFeed, DecodeError> decodeUpdateFeed(const QByteArray& bytes);

// What a fetched feed means for the running version; a feed that cannot be read is a failure,
// never "up to date".
UpdateCheckResult resultOfFeed(const QByteArray& bytes, const QString& runningVersion);

// Why the updater will not fetch from this address, or nothing when it will. The feed decides
// which page the user is sent to, so it must come over HTTPS; plain HTTP is allowed only to this
// machine (loopback), for testing a feed locally.
std::optional<QString> feedAddressProblem(const QUrl& feedUrl);

}  // namespace vostrel
