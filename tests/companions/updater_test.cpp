#include <gtest/gtest.h>

#include <QNetworkProxy>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include "companions/update_feed.h"
#include "companions/updater.h"

using namespace vostrel;
using Outcome = UpdateCheckResult::Outcome;

namespace {

// Generous: the machine running the tests may be busy with other builds.
constexpr int patience = 20000;

QByteArray httpResponse(const char* status, const QByteArray& body) {
    return QByteArray("HTTP/1.1 ") + status +
           "\r\nContent-Type: application/json\r\nConnection: close\r\nContent-Length: " +
           QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

QByteArray feed(const char* version) {
    return QByteArray(R"({"version": ")") + version + R"(", "url": "https://example.org/vostrel/)" +
           version + R"(", "notes": "Hops.")" + "}";
}

// A web server on loopback that gives every request the same canned answer, or none at all.
class FeedServer {
  public:
    explicit FeedServer(QByteArray response) : response_(std::move(response)) {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { accept(); });
    }
    QUrl url() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/feed.json").arg(server_.serverPort()));
    }

  private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                request_ += socket->readAll();
                if (response_.isEmpty() || !request_.contains("\r\n\r\n")) return;
                socket->write(response_);
                socket->disconnectFromHost();
            });
        }
    }
    QByteArray response_;
    QByteArray request_;
    QTcpServer server_;
};

class UpdaterChecks : public testing::Test {
  protected:
    void SetUp() override { QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy); }

    static UpdateCheckResult check(Updater& updater) {
        std::optional<UpdateCheckResult> result;
        QObject::connect(&updater, &Updater::checkFinished,
                         [&](const UpdateCheckResult& r) { result = r; });
        updater.checkForUpdates();
        EXPECT_FALSE(result) << "the result arrives after checkForUpdates returns";
        EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, patience));
        return result.value_or(UpdateCheckResult::failed("no result"));
    }
    static UpdateCheckResult checkAgainst(const QByteArray& response) {
        FeedServer server(response);
        Updater updater(server.url(), QStringLiteral("0.2.0"));
        return check(updater);
    }
};

}  // namespace

TEST_F(UpdaterChecks, ReportsANewerVersionNothingNewerOrAFeedThatCannotBeRead) {
    const auto newer = checkAgainst(httpResponse("200 OK", feed("0.10.0")));
    EXPECT_EQ(newer, UpdateCheckResult::updateAvailable(
                         "0.10.0", QUrl("https://example.org/vostrel/0.10.0"), "Hops."));
    EXPECT_EQ(newer.message(), "Vostrel 0.10.0 is available.");

    EXPECT_EQ(checkAgainst(httpResponse("200 OK", feed("0.2"))),
              UpdateCheckResult::upToDate("0.2.0"));

    // A feed that cannot be read is a failure, never up to date.
    const auto failureOf = [](const QByteArray& response) {
        const UpdateCheckResult result = checkAgainst(response);
        EXPECT_EQ(result.outcome, Outcome::failed);
        return result.reason;
    };
    EXPECT_EQ(failureOf(httpResponse("200 OK", "<html>moved</html>")),
              "The update feed could not be read (not valid JSON).");
    EXPECT_EQ(failureOf(httpResponse("200 OK", feed("banana"))),
              "The update feed could not be read (version: expected a dotted version such as "
              "1.2.0).");
    EXPECT_EQ(failureOf(httpResponse("404 Not Found", "{}")),
              "The update server answered “404 Not Found”.");
    EXPECT_TRUE(failureOf(httpResponse("200 OK", QByteArray(UpdateFeed::maximumBytes + 1, ' ')))
                    .contains("larger than expected"));
}

TEST_F(UpdaterChecks, NetworkTroubleIsReportedAndTheCommandComesBack) {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const QUrl nobodyListening(QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort()));
    closed.close();
    Updater refused(nobodyListening, "0.1.0");
    EXPECT_TRUE(check(refused).reason.startsWith("The update server could not be reached ("));

    FeedServer silent({});
    Updater waiting(silent.url(), "0.1.0");
    waiting.setTimeout(std::chrono::milliseconds(200));
    EXPECT_EQ(check(waiting).reason, "The update server did not answer within 0.2 seconds.");
}

TEST_F(UpdaterChecks, TheCommandIsDisabledWhileACheckRuns) {
    FeedServer server(httpResponse("200 OK", feed("9.0")));
    Updater updater(server.url(), "0.1.0");
    QSignalSpy availability(&updater, &Updater::canCheckForUpdatesChanged);
    QSignalSpy results(&updater, &Updater::checkFinished);
    updater.checkForUpdates();
    updater.checkForUpdates();  // ignored
    ASSERT_TRUE(results.wait(patience));
    EXPECT_TRUE(updater.canCheckForUpdates());
    EXPECT_EQ(availability, QList<QVariantList>({{false}, {true}}));
    QTest::qWait(50);
    EXPECT_EQ(results.count(), 1);
}

TEST_F(UpdaterChecks, OnlyTrustedFeedAddressesAreFetched) {
    Updater packaged(QUrl(), "0.1.0");
    EXPECT_EQ(check(packaged).message(), "This build is updated by your system's package manager.");
    Updater plainHttp(QUrl("http://example.org/feed.json"), "0.1.0");
    EXPECT_EQ(check(plainHttp).reason, "The update feed address must use HTTPS.");
    Updater notWeb(QUrl("file:///etc/passwd"), "0.1.0");
    EXPECT_EQ(check(notWeb).reason, "The update feed address is not valid.");

    // The feed picks the page the user is sent to.
    for (const char* link : {"file:///home", "javascript:alert(1)", "https://", "relative/page"}) {
        const QByteArray body = QByteArray(R"({"version": "9", "url": ")") + link + "\"}";
        EXPECT_EQ(resultOfFeed(body, "0.1.0").outcome, Outcome::failed) << link;
    }
    EXPECT_EQ(
        resultOfFeed(R"({"version": "9", "url": "https://a.example", "notes": 1})", "1").outcome,
        Outcome::failed);
    EXPECT_EQ(resultOfFeed(R"({"version": "9", "url": "https://a.example"})", "1").notes, "");
}

TEST(UpdaterSettings, TheSettingsKeyReplacesTheBuiltInFeedEvenWhenEmpty) {
    QTemporaryDir folder;
    QSettings settings(folder.filePath("settings.ini"), QSettings::IniFormat);
    EXPECT_EQ(Updater::configuredFeedUrl(settings), Updater::builtInFeedUrl());
    settings.setValue("updateFeedUrl", " https://updates.example/feed.json ");
    EXPECT_EQ(Updater::configuredFeedUrl(settings), QUrl("https://updates.example/feed.json"));
    settings.setValue("updateFeedUrl", "");
    EXPECT_TRUE(Updater::configuredFeedUrl(settings).isEmpty());
}
