// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include "FieldEncoder.h"
#include "core/CodePage936.h"
#include "core/Errors.h"
#include "store/Cl_crypt32.h"

namespace xuehai {
namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (const int v : values) {
        bytes += static_cast<char>(v);
    }
    return bytes;
}

// A header whose start key piece decodes to the given plain text.
std::string HeaderWithStartKeyText(const std::string& startKeyText) {
    const KeyTriple master{MasterStartKey, MasterMultiplier, MasterIncrement};
    return BytesToDigits(StreamEncode(startKeyText, master)) +
           EncodeField("", KeyTriple{0, 1, 1}).substr(StartKeyDigits);
}

TEST(FieldDigits, TripletsBecomeBytes) {
    EXPECT_EQ(DigitsToBytes("065066067"), "ABC");
    EXPECT_EQ(DigitsToBytes("06506"), "");
    EXPECT_EQ(DigitsToBytes(""), "");
    EXPECT_EQ(DigitsToBytes("256511"), Bytes({0, 255}));
    EXPECT_THROW(DigitsToBytes("065x66"), ConversionError);
}

TEST(FieldStream, KnownKeysGiveKnownBytes) {
    EXPECT_EQ(StreamDecode("", 683, 40127, 19533), "");
    EXPECT_EQ(StreamDecode(Bytes({1, 2, 3, 250, 0}), 683, 40127, 19533),
              Bytes({3, 24, 124, 208, 76}));
    // Negative and oversized keys take part modulo 65536.
    EXPECT_EQ(StreamDecode(Bytes({1, 2, 3, 250, 0}), -1, -3, 70000),
              Bytes({254, 19, 222, 128, 160}));
    EXPECT_EQ(StreamDecode("A", 0x1234, 7, 9), Bytes({'A' ^ 0x12}));
}

TEST(FieldStream, PrefixOfTheInputDecodesToPrefixOfTheOutput) {
    const std::string scrambled = Bytes({17, 200, 3, 99, 128, 5, 61});
    const std::string whole = StreamDecode(scrambled, 310, 40127, 7);
    for (std::size_t k = 0; k <= scrambled.size(); ++k) {
        EXPECT_EQ(StreamDecode(scrambled.substr(0, k), 310, 40127, 7), whole.substr(0, k));
    }
}

TEST(FieldDecode, EncodedTextsComeBackWhole) {
    FieldEncoder encoder(7);
    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        std::string plain(random() % 256, '\0');
        for (char& c : plain) {
            c = static_cast<char>(random());
        }
        EXPECT_EQ(DecodeField(encoder.Encode(plain)), plain);
    }
    const std::string chinese = "中国的首都是哪座城市？";
    EXPECT_EQ(Cp936ToUtf8(DecodeField(encoder.EncodeUtf8(chinese))), chinese);
}

TEST(FieldDecode, HeaderKeysAboveSixteenBitsWorkModulo65536) {
    const std::string plain = "multiplier";
    const std::string field = EncodeField(plain, KeyTriple{999, 99999, 70001});
    EXPECT_EQ(DecodeField(field), plain);
    const std::string body = DigitsToBytes(field.substr(HeaderDigits));
    EXPECT_EQ(StreamDecode(body, 999, 99999 - 65536, 70001 - 65536), plain);
}

TEST(FieldDecode, FieldWithoutNumbersInItsHeaderFails) {
    EXPECT_THROW(DecodeField(""), ConversionError);
    EXPECT_THROW(DecodeField("065066067"), ConversionError);
    EXPECT_THROW(DecodeField(HeaderWithStartKeyText("4x7") + "065"), ConversionError);
    EXPECT_EQ(DecodeField(HeaderWithStartKeyText("047") + "065"), StreamDecode("A", 47, 1, 1));
}

TEST(FieldDecode, BodyThatIsNoWholeNumberOfTripletsIsEmpty) {
    const std::string field = EncodeField("ABC", KeyTriple{12, 345, 678});
    EXPECT_EQ(DecodeField(field.substr(0, HeaderDigits)), "");
    EXPECT_EQ(DecodeField(field.substr(0, field.size() - 1)), "");
    EXPECT_THROW(DecodeField(field.substr(0, HeaderDigits) + "0a1"), ConversionError);
}

TEST(FieldDecode, DigitGroupsThatAreNoByteAreRefusedInBodyAndHeader) {
    const std::string field = EncodeField("ABC", KeyTriple{12, 345, 678});
    const std::string body = field.substr(HeaderDigits);
    for (const char* group : {"256", "300", "999"}) {
        EXPECT_THROW(DecodeField(field + group), ConversionError) << group;
        EXPECT_THROW(DecodeField(field.substr(0, HeaderDigits - 3) + group + body), ConversionError)
            << group;
        EXPECT_THROW(DecodeField(std::string(group) + field.substr(3)), ConversionError) << group;
    }
    EXPECT_EQ(DecodeField(field), "ABC");
}

TEST(FieldDecode, BodyLongerThan255BytesIsRefusedNotCut) {
    const std::string longest(MaxFieldBytes, 'x');
    const std::string field = EncodeField(longest, KeyTriple{1, 3, 5});
    EXPECT_EQ(DecodeField(field), longest);
    EXPECT_THROW(DecodeField(field + "120"), ConversionError);
    EXPECT_THROW(EncodeField(longest + "x", KeyTriple{1, 3, 5}), ConversionError);
}

TEST(FieldEncode, SameSeedGivesTheSameFieldsAndKeysVary) {
    FieldEncoder first(99);
    FieldEncoder second(99);
    EXPECT_EQ(first.Encode("text"), second.Encode("text"));
    EXPECT_NE(first.Encode("text"), first.Encode("text"));
}

}  // namespace
}  // namespace xuehai
