#include "DataPacket.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

namespace {

DataPacket SamplePacket() {
    DataPacket p;
    p.Fields = {{"CDSERVFILI", FieldType::String, 5, true},
                {"NRSEQ", FieldType::Integer, 0, false},
                {"VALOR", FieldType::Double, 0, false},
                {"ATIVO", FieldType::Boolean, 0, false},
                {"DTINICIO", FieldType::Date, 0, false}};
    p.AddRow({"00001", 1, 2.5, true, EncodeDate(2024, 3, 1)});
    p.AddRow({"Ração", Variant(), Variant(), Variant(), Variant()}, RowKind::Inserted);
    p.AddRow({"00002", -7, -0.25, false, EncodeDate(1899, 12, 30)}, RowKind::Original);
    p.AddRow({"00002", 8, 0.0, false, EncodeDate(9999, 12, 31)}, RowKind::Modified);
    p.AddRow({"00003", 3, 1e300, true, EncodeDate(1, 1, 1)}, RowKind::Deleted);
    return p;
}

TEST(DataPacket, RoundTripKeepsEveryTypeNullAndRowKind) {
    DataPacket original = SamplePacket();
    DataPacket copy = DataPacket::Decode(original.Encode());
    EXPECT_EQ(copy, original);
    EXPECT_TRUE(copy.Value(1, "nrseq").IsNull());
    EXPECT_EQ(copy.Rows[3].Kind, RowKind::Modified);
    EXPECT_EQ(copy.Value(1, "CDSERVFILI").AsString(), "Ração");
}

TEST(DataPacket, VariantArrayOfPacketsRoundTrips) {
    Variant answer = VarArrayOf({"OK", EncodeDate(2024, 12, 31), SamplePacket(), Variant(), Variant::Array{}});
    Variant copy = DecodeVariant(EncodeVariant(answer));
    EXPECT_EQ(copy, answer);
    EXPECT_EQ(copy[2].AsPacket().Rows.size(), 5u);
    EXPECT_EQ(copy[1].AsDate(), EncodeDate(2024, 12, 31));
}

TEST(DataPacket, DecodeRefusesMalformedInputWithoutCrashing) {
    std::string good = SamplePacket().Encode();
    const std::vector<std::string> bad = {
        "",
        "\xc1",                                 // never-used msgpack byte
        good.substr(0, good.size() / 2),        // truncated
        good + "x",                             // trailing garbage
        EncodeVariant(VarArrayOf({"NOTPACKET", 1, Variant::Array{}, Variant::Array{}})),
        EncodeVariant(VarArrayOf({"KRDPACKET", 2, Variant::Array{}, Variant::Array{}})),
        std::string("\xdd\xff\xff\xff\xff", 5),  // array claiming four billion elements
    };
    for (const std::string& bytes : bad) EXPECT_THROW(DataPacket::Decode(bytes), EVariantError) << bytes.size();
}

// `levels` arrays, each the only element of the one around it, the innermost empty.
std::string NestedArrays(size_t levels) { return std::string(levels - 1, '\x91') + '\x90'; }

TEST(DataPacket, DecodeRefusesArraysNestedBeyondTheBound) {
    Variant innermost = DecodeVariant(NestedArrays(32));
    for (int level = 1; level < 32; ++level) innermost = Variant(innermost[0]);
    EXPECT_EQ(innermost.ArrayLength(), 0u);
    for (size_t levels : {33, 100000}) EXPECT_THROW(DecodeVariant(NestedArrays(levels)), EVariantError) << levels;
}

TEST(DataPacket, DecodeRefusesRowsThatDoNotMatchTheFields) {
    DataPacket p;
    p.Fields = {{"A", FieldType::Integer, 0, false}};
    p.Rows.push_back({RowKind::Unmodified, {Variant("text")}});
    EXPECT_THROW(DataPacket::Decode(p.Encode()), EVariantError);
    p.Rows = {{RowKind::Unmodified, {}}};
    EXPECT_THROW(DataPacket::Decode(p.Encode()), EVariantError);
    EXPECT_THROW(p.AddRow({1, 2}), EVariantError);
}

TEST(Variant, ConversionsFollowThePlatform) {
    EXPECT_EQ(Variant().AsString(), "");
    EXPECT_EQ(Variant().AsInteger(), 0);
    EXPECT_EQ(Variant("42").AsInteger(), 42);
    EXPECT_THROW(Variant("4x").AsInteger(), EConvertError);
    EXPECT_THROW(Variant("").AsInteger(), EConvertError);
    EXPECT_THROW(Variant(VarArrayOf({})).AsString(), EVariantError);
    EXPECT_THROW(Variant(1)[0], EVariantError);
    EXPECT_THROW(VarArrayOf({1})[1], EVariantError);
    EXPECT_EQ(Variant(EncodeDate(2024, 3, 1)).AsString(), "01/03/2024");
    EXPECT_EQ(Variant("28/02/2023").AsDate(), EncodeDate(2023, 2, 28));
}

}  // namespace
