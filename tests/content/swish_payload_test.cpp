#include <gtest/gtest.h>

#include "content/payload_encoding.h"
#include "content/qr_content.h"

using namespace vostrel;

TEST(Swish, PayeeKeepsDigitsAndGetsTheCountryCode) {
    EXPECT_EQ(normalizedPayee(u"070-123 45 67"), "46701234567");
    EXPECT_EQ(normalizedPayee(u"0046701234567"), "46701234567");
    EXPECT_EQ(normalizedPayee(u"123 456 78 90"), "1234567890");
    EXPECT_EQ(normalizedPayee(u"000"), "46");
    EXPECT_EQ(normalizedPayee(u"+46 (0)70"), "46070");
    EXPECT_EQ(normalizedPayee(u"٣٤"), "");  // only ASCII digits count
    EXPECT_EQ(normalizedPayee(u""), "");
}

TEST(Swish, AmountIsRoundedHalfUpExactlyToTwoPlaces) {
    const std::vector<std::pair<QString, QString>> table{
        {"99.5", "99,50"},
        {"99,5", "99,50"},
        {"12,345", "12,35"},
        {"0.005", "0,01"},
        {"0.004999", "0,00"},
        {"9.995", "10,00"},
        {" \t12 ", "12,00"},
        {"+7", "7,00"},
        {"007.1", "7,10"},
        {".5", "0,50"},
        {"5.", "5,00"},
        {"-0", "0,00"},
        {"\u00a01,5\u2009", "1,50"},
        {"123456789012345678901234567890.555", "123456789012345678901234567890,56"},
    };
    for (const auto& [typed, expected] : table) {
        EXPECT_EQ(normalizedAmount(typed), std::optional(expected)) << typed.toStdString();
    }
}

TEST(Swish, AmountThatIsNotOneNonNegativeNumberIsAbsent) {
    for (const QString typed : {"", "  ", "-5", "-0.01", "abc", "12kr", "1,2,3", "1e3", ".", "+",
                                "1 000", "\n5", "5\n"}) {
        EXPECT_EQ(normalizedAmount(typed), std::nullopt) << typed.toStdString();
    }
}

TEST(Swish, MessageKeepsOnlyUnreservedCharacters) {
    EXPECT_EQ(encodedMessage(u""), "");
    EXPECT_EQ(encodedMessage(u"a b-._~å&"), "a%20b-._~%C3%A5%26");
}

TEST(Swish, PayloadChoosesFormAndFlags) {
    const auto payload = [](QString amount, QString message, bool amountEditable,
                            bool messageEditable) {
        return QRContent::swish({"0701234567", amount, message, amountEditable, messageEditable})
            .payload();
    };
    EXPECT_EQ(payload("", "", false, false), "A+46701234567");
    EXPECT_EQ(payload("-5", "", false, false), "A+46701234567");
    EXPECT_EQ(payload("150", "Lunch", false, false), "C46701234567;150,00;Lunch;");
    EXPECT_EQ(payload("150", "", true, true), "C46701234567;150,00;;6");
    EXPECT_EQ(payload("150", "", true, false), "C46701234567;150,00;;2");
    EXPECT_EQ(payload("150", "", false, true), "C46701234567;150,00;;4");
    EXPECT_EQ(payload("", "Hi", false, false), "C46701234567;;Hi;2");
    EXPECT_EQ(payload("", "", false, true), "C46701234567;;;6");
    EXPECT_EQ(payload("abc", "", true, false), "C46701234567;;;2");
}
