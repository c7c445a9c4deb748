#include "common/json_reader.h"

#include <cmath>

namespace vostrel {

JsonReader::JsonReader(const QJsonValue& root, QString path)
    : object_(root.toObject()),
      path_(std::move(path)),
      failure_(std::make_shared<std::optional<DecodeError>>()) {
    if (!root.isObject()) fail(QStringLiteral("expected an object"));
}

JsonReader::JsonReader(QJsonObject object, QString path, Failure failure)
    : object_(std::move(object)), path_(std::move(path)), failure_(std::move(failure)) {}

QString JsonReader::pathOf(QStringView key) const {
    return path_.isEmpty() ? key.toString() : path_ + u'.' + key.toString();
}

void JsonReader::fail(const QString& reason) {
    if (ok()) *failure_ = DecodeError{path_, reason};
}

void JsonReader::fail(QStringView key, const QString& reason) {
    if (ok()) *failure_ = DecodeError{pathOf(key), reason};
}

std::optional<QJsonValue> JsonReader::member(QStringView key, QJsonValue::Type type,
                                             const char* expected) {
    if (!ok()) return std::nullopt;
    const auto it = object_.constFind(key);
    if (it == object_.constEnd()) {
        fail(key, QStringLiteral("missing"));
        return std::nullopt;
    }
    if (it->type() != type) {
        fail(key, QStringLiteral("expected %1").arg(QLatin1StringView(expected)));
        return std::nullopt;
    }
    return *it;
}

QString JsonReader::string(QStringView key) {
    const auto value = member(key, QJsonValue::String, "a string");
    return value ? value->toString() : QString();
}

bool JsonReader::boolean(QStringView key) {
    const auto value = member(key, QJsonValue::Bool, "a boolean");
    return value && value->toBool();
}

double JsonReader::number(QStringView key) {
    const auto value = member(key, QJsonValue::Double, "a number");
    return value ? value->toDouble() : 0.0;
}

qint64 JsonReader::integer(QStringView key) {
    const auto value = member(key, QJsonValue::Double, "an integer");
    if (!value) return 0;
    // QJsonValue keeps integers that fit 64 bits exactly; anything else arrives as a double.
    const double asDouble = value->toDouble();
    const qint64 asInteger = value->toInteger(std::numeric_limits<qint64>::min());
    if (asInteger == std::numeric_limits<qint64>::min() && asDouble != double(asInteger)) {
        fail(key, QStringLiteral("expected an integer"));
        return 0;
    }
    return asInteger;
}

namespace {

// Decoded a slice at a time: a logo's text can be tens of megabytes, and a whole Latin-1 copy
// of it would add to the UTF-16 text and the JSON tree already held. Slices are a multiple of
// four characters, so every slice but the last is whole base64 without padding.
std::optional<QByteArray> decodedBase64(QStringView text) {
    constexpr qsizetype slice = 1 << 20;
    QByteArray bytes;
    bytes.reserve(text.size() / 4 * 3);
    for (qsizetype at = 0; at < text.size(); at += slice) {
        const QStringView part = text.mid(at, slice);
        auto decoded = QByteArray::fromBase64Encoding(part.toLatin1(),
                                                      QByteArray::AbortOnBase64DecodingErrors);
        const bool last = at + slice >= text.size();
        if (!decoded || (!last && part.endsWith(u'='))) return std::nullopt;
        bytes += *decoded;
    }
    return bytes;
}

}  // namespace

QByteArray JsonReader::base64(QStringView key) {
    const QString text = string(key);
    if (!ok()) return {};
    auto decoded = decodedBase64(text);
    if (!decoded) {
        fail(key, QStringLiteral("expected base64 data"));
        return {};
    }
    return std::move(*decoded);
}

JsonReader JsonReader::object(QStringView key) {
    const auto value = member(key, QJsonValue::Object, "an object");
    return JsonReader(value ? value->toObject() : QJsonObject(), pathOf(key), failure_);
}

std::optional<JsonReader> JsonReader::optionalObject(QStringView key) {
    if (!ok()) return std::nullopt;
    const QJsonValue value = object_.value(key);
    if (value.isUndefined() || value.isNull()) return std::nullopt;
    return object(key);
}

}  // namespace vostrel
