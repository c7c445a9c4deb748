#pragma once

// The payload text of each kind of content and the normalisation steps behind it. QRContent::
// payload() picks the function of its kind; the Swish form shows normalizedPayee to the user.

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

#include "content/content_records.h"
#include "content/instant.h"

namespace vostrel {

// The ASCII characters a percent-encoding leaves as they are; every other byte of the UTF-8 form
// becomes "%XX" with upper-case hexadecimal digits.
class PercentEncodingSet {
  public:
    // ASCII letters and digits plus the given punctuation.
    constexpr explicit PercentEncodingSet(const char* punctuation) {
        for (char c = '0'; c <= '9'; ++c) allowed_[static_cast<unsigned char>(c)] = true;
        for (char c = 'A'; c <= 'Z'; ++c) allowed_[static_cast<unsigned char>(c)] = true;
        for (char c = 'a'; c <= 'z'; ++c) allowed_[static_cast<unsigned char>(c)] = true;
        for (const char* p = punctuation; *p != '\0'; ++p) {
            allowed_[static_cast<unsigned char>(*p)] = true;
        }
    }

    constexpr bool allows(unsigned char byte) const { return byte < 128 && allowed_[byte]; }

  private:
    std::array<bool, 128> allowed_{};
};

// The query set of RFC 3986 without "&", for mailto: parameter values. An "&" left as it is would
// end the value early in every mail client ("a & b" would arrive as "a "), so it is encoded.
inline constexpr PercentEncodingSet emailQueryCharacters{"-._~!$'()*+,;=:@/?"};
// The unreserved set of RFC 3986, for the Swish message.
inline constexpr PercentEncodingSet swishUnreservedCharacters{"-._~"};

QString percentEncoded(QStringView text, const PercentEncodingSet& allowed);

// Swish normalisation. normalizedPayee keeps the decimal digits and turns a "00" or "0" prefix
// into the Swedish country code 46. normalizedAmount gives "12,50"-style text rounded half up
// to two places, or nothing when the amount is empty, unreadable or negative; the whole trimmed
// text must be the number, so "12kr" counts as no amount rather than 12 (a payment should never
// go out for an amount guessed from a prefix; the payer can enter it in the app instead).
QString normalizedPayee(QStringView payee);
std::optional<QString> normalizedAmount(QStringView amount);
QString encodedMessage(QStringView message);

// "yyyyMMdd'T'HHmmss'Z'" in UTC with the fraction of a second dropped (rounded down, also before
// 1970 and 2001). Instants beyond about 31 million years either side are pinned to that bound.
QString iCalendarTimestamp(Instant instant);

QString wifiPayload(const WiFiContent& content);
QString contactPayload(const ContactContent& content);
QString emailPayload(const EmailContent& content);
QString smsPayload(const SMSContent& content);
QString locationPayload(const LocationContent& content);
// Reads the clock for DTSTAMP and makes a new random UID on every call.
QString calendarPayload(const CalendarContent& content);
QString swishPayload(const SwishContent& content);

}  // namespace vostrel
