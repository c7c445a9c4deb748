#pragma once

// Strict reading of keyed JSON objects that remembers where it failed.
//
// Decoders read every field through one JsonReader and check ok() once at the end; the first
// failure wins and later reads return defaults, so a decoder reads like the record it builds.
// Nested readers share the failure of their parent and extend its path:
//
//   JsonReader style = root.object("style");
//   style.object("logoOverlay").number("padding");   // fails as "style.logoOverlay.padding:
//   missing"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <memory>
#include <optional>

#include "common/quoted_value.h"
#include "common/raw_enum.h"

namespace vostrel {

struct DecodeError {
    QString path;    // dotted key path from the root, empty for the root itself
    QString reason;  // what was wrong there, e.g. "missing" or "expected a string"

    QString message() const {
        return path.isEmpty() ? reason : path + QStringLiteral(": ") + reason;
    }
    bool operator==(const DecodeError&) const = default;
};

class JsonReader {
  public:
    // A reader of a root value; anything but an object fails at once.
    explicit JsonReader(const QJsonValue& root, QString path = {});

    bool ok() const { return !failure_->has_value(); }
    const DecodeError& error() const { return **failure_; }
    const QJsonObject& json() const { return object_; }
    const QString& path() const { return path_; }

    // Required members. Missing keys, null and values of another JSON type fail.
    QString string(QStringView key);
    bool boolean(QStringView key);
    double number(QStringView key);
    qint64 integer(QStringView key);
    QByteArray base64(QStringView key);
    JsonReader object(QStringView key);

    // Absent or null gives nullopt; any other non-object value fails.
    std::optional<JsonReader> optionalObject(QStringView key);

    template <class E>
    E enumeration(QStringView key) {
        const QString raw = string(key);
        if (!ok()) return E{};
        if (auto value = fromRawValue<E>(raw)) return *value;
        fail(key, QStringLiteral("unknown value ") + quotedValue(raw));
        return E{};
    }

    // Records a failure at this reader's path (or at one of its keys); the first one is kept.
    void fail(const QString& reason);
    void fail(QStringView key, const QString& reason);

    QString pathOf(QStringView key) const;

  private:
    using Failure = std::shared_ptr<std::optional<DecodeError>>;
    JsonReader(QJsonObject object, QString path, Failure failure);
    std::optional<QJsonValue> member(QStringView key, QJsonValue::Type type, const char* expected);

    QJsonObject object_;
    QString path_;
    Failure failure_;
};

}  // namespace vostrel
