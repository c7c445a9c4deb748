#include "companions/update_check_result.h"

namespace vostrel {

UpdateCheckResult UpdateCheckResult::updateAvailable(QString version, QUrl link, QString notes) {
    return {Outcome::updateAvailable, std::move(version), std::move(link), std::move(notes), {}};
}

UpdateCheckResult UpdateCheckResult::upToDate(QString runningVersion) {
    return {Outcome::upToDate, std::move(runningVersion), {}, {}, {}};
}

UpdateCheckResult UpdateCheckResult::failed(QString reason) {
    return {Outcome::failed, {}, {}, {}, std::move(reason)};
}

UpdateCheckResult UpdateCheckResult::noFeed() {
    return {};
}

QString UpdateCheckResult::message() const {
    switch (outcome) {
        case Outcome::updateAvailable:
            return QStringLiteral("Vostrel %1 is available.").arg(version);
        case Outcome::upToDate:
            return QStringLiteral("You’re up to date. Vostrel %1 is the newest version.")
                .arg(version);
        case Outcome::failed:
            return QStringLiteral("Couldn’t check for updates. ") + reason;
        case Outcome::noFeed:
            return QStringLiteral("This build is updated by your system's package manager.");
    }
    return {};
}

}  // namespace vostrel
