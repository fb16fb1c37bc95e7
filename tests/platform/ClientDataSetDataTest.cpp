// Data packets in and out: SetData with persistent fields, Data, Delta and the change log,
// and the fields' conversions.
#include "DataSetTrace.h"
#include "SysUtils.h"
#include "TIntegerField.h"

#include <gtest/gtest.h>

using testing_support::CodeNameSet;

namespace {

DataPacket ServicePacket() {
    DataPacket packet;
    packet.Fields = {FieldDef{"cdservfili", FieldType::String, 10}, FieldDef{"EXTRA", FieldType::Integer},
                     FieldDef{"NMSERVICO", FieldType::String, 60}};
    packet.AddRow({"00002", 7, "Almoço"});
    packet.AddRow({"00001", 8, "Jantar muito longo demais"});
    packet.AddRow({"000033", Variant(), Variant()});
    return packet;
}

struct Services {
    TClientDataSet cds;
    TStringField* code = cds.AddStringField("CDSERVFILI", 5, "Código");
    TStringField* name = cds.AddStringField("NMSERVICO", 10, "Nome");
    TIntegerField* order = cds.AddIntegerField("NRORDEM");
};

TEST(ClientDataSetData, SetDataKeepsPersistentFieldsAndCutsTextToTheirSize) {
    Services s;
    s.cds.SetData(ServicePacket());
    ASSERT_EQ(s.cds.Fields().size(), 3u);
    EXPECT_EQ(s.cds.Fields()[0], s.code);
    EXPECT_EQ(s.code->DisplayLabel(), "Código");
    EXPECT_EQ(s.cds.FindField("EXTRA"), nullptr);
    EXPECT_EQ(s.cds.RecordCount(), 3);
    s.cds.Next();
    EXPECT_EQ(s.name->AsString(), "Jantar mui");
    s.cds.Next();
    EXPECT_EQ(s.code->AsString(), "00003");
    EXPECT_TRUE(s.order->IsNull());  // not in the packet: null
    EXPECT_EQ(s.order->AsInteger(), 0);
}

TEST(ClientDataSetData, DataRoundTripKeepsEveryRowAndColumnWhateverTheFilterAndIndex) {
    Services s;
    s.cds.SetIndexFieldNames("CDSERVFILI");
    s.cds.SetFilter("EXTRA = 7");  // a packet column without a field can still be filtered on
    s.cds.SetFiltered(true);
    s.cds.SetData(ServicePacket());
    EXPECT_EQ(s.cds.RecordCount(), 1);
    EXPECT_EQ(s.name->AsString(), "Almoço");

    Variant dataValue = s.cds.Data();
    const DataPacket& data = dataValue.AsPacket();
    ASSERT_EQ(data.Rows.size(), 3u);
    EXPECT_EQ(data.Value(0, "CDSERVFILI"), Variant("00002"));  // default order, not index order
    EXPECT_EQ(data.Value(1, "EXTRA"), Variant(8));
    EXPECT_TRUE(data.FieldIndex("NRORDEM").has_value());

    Services copy;
    copy.cds.SetIndexFieldNames("CDSERVFILI");
    copy.cds.SetData(s.cds.Data());
    EXPECT_EQ(copy.code->AsString(), "00001");
    copy.cds.SetFilter("EXTRA = 7");
    copy.cds.SetFiltered(true);
    EXPECT_EQ(copy.code->AsString(), "00002");
    EXPECT_EQ(copy.cds.GetChangeCount(), 0);
}

TEST(ClientDataSetData, WithoutPersistentFieldsOpeningCreatesThemAndClosingDropsThem) {
    TClientDataSet cds;
    cds.SetData(ServicePacket());
    ASSERT_EQ(cds.Fields().size(), 3u);
    EXPECT_EQ(cds.FieldByName("EXTRA")->AsInteger(), 7);
    EXPECT_EQ(cds.FieldByName("CDSERVFILI")->Size(), 10);
    cds.Close();
    EXPECT_TRUE(cds.Fields().empty());
    EXPECT_THROW(cds.Open(), EDatabaseError);  // closing dropped the records
    EXPECT_THROW(cds.FieldByName("EXTRA"), EDatabaseError);
}

TEST(ClientDataSetData, DeltaLogsInsertsEditsAndDeletes) {
    CodeNameSet set;
    set.Load({"A", "B", "C"});
    set.cds->Edit();
    set.name->SetAsString("first edit");
    set.cds->Post();
    set.cds->Edit();
    set.name->SetAsString("second edit");
    set.cds->Post();
    set.cds->Next();
    set.cds->Delete();
    set.cds->Append();
    set.code->SetAsString("D");
    set.cds->Post();
    set.cds->Append();
    set.code->SetAsString("E");
    set.cds->Post();
    set.cds->Delete();  // inserted then deleted: no trace
    EXPECT_EQ(set.cds->GetChangeCount(), 3);

    Variant deltaValue = set.cds->Delta();
    const DataPacket& delta = deltaValue.AsPacket();
    std::vector<RowKind> kinds;
    for (const PacketRow& row : delta.Rows) kinds.push_back(row.Kind);
    EXPECT_EQ(kinds, (std::vector<RowKind>{RowKind::Original, RowKind::Modified, RowKind::Deleted, RowKind::Inserted}));
    EXPECT_EQ(delta.Value(0, "NAME"), Variant("name of A"));
    EXPECT_EQ(delta.Value(1, "NAME"), Variant("second edit"));
    EXPECT_EQ(delta.Value(1, "CODE"), Variant("A"));
    EXPECT_EQ(delta.Value(2, "CODE"), Variant("B"));
    EXPECT_EQ(delta.Value(3, "CODE"), Variant("D"));
    EXPECT_EQ(DataPacket::Decode(delta.Encode()), delta);

    set.cds->MergeChangeLog();
    EXPECT_EQ(set.cds->GetChangeCount(), 0);
    EXPECT_TRUE(set.cds->Delta().PacketPtr()->Rows.empty());
    EXPECT_EQ(set.Codes(), (std::vector<std::string>{"A", "C", "D"}));
    set.cds->Edit();
    set.name->SetAsString("after merge");
    set.cds->Post();
    Variant after = set.cds->Delta();
    EXPECT_EQ(after.AsPacket().Rows.size(), 2u);
    EXPECT_EQ(after.AsPacket().Value(0, "CODE"), Variant("D"));
    EXPECT_TRUE(after.AsPacket().Value(0, "NAME").IsNull());
}

TEST(ClientDataSetData, EditOfAnInsertedRecordStaysOneInsert) {
    CodeNameSet set;
    set.Load({});
    set.cds->Edit();  // empty: inserts
    set.code->SetAsString("A");
    set.cds->Post();
    set.cds->Edit();
    set.name->SetAsString("x");
    set.cds->Post();
    Variant deltaValue = set.cds->Delta();
    const DataPacket& delta = deltaValue.AsPacket();
    ASSERT_EQ(delta.Rows.size(), 1u);
    EXPECT_EQ(delta.Rows[0].Kind, RowKind::Inserted);
    EXPECT_EQ(delta.Value(0, "NAME"), Variant("x"));
}

TEST(ClientDataSetData, SetDataLoadsTheCurrentRowsOfAChangeLog) {
    CodeNameSet source;
    source.Load({"A", "B"});
    source.cds->Edit();
    source.name->SetAsString("new");
    source.cds->Post();
    source.cds->Last();
    source.cds->Delete();
    CodeNameSet target;
    target.cds->SetData(source.cds->Delta());
    EXPECT_EQ(target.Codes(), (std::vector<std::string>{"A"}));
    EXPECT_EQ(target.name->AsString(), "new");
}

TEST(ClientDataSetData, SetDataWithNullCloses) {
    CodeNameSet set;
    set.Load({"A"});
    set.cds->SetData(Variant());
    EXPECT_FALSE(set.cds->Active());
    EXPECT_TRUE(set.cds->Data().IsNull());
}

TEST(ClientDataSetData, CreateDataSetNeedsFieldsAndAClosedDataSet) {
    TClientDataSet cds;
    EXPECT_THROW(cds.CreateDataSet(), EDatabaseError);
    cds.FieldDefs().push_back(FieldDef{"CODE", FieldType::String, 3});
    cds.CreateDataSet();
    EXPECT_TRUE(cds.IsEmpty());
    EXPECT_EQ(cds.FieldByName("code")->Size(), 3);
    EXPECT_THROW(cds.CreateDataSet(), EDatabaseError);
    EXPECT_THROW(cds.AddStringField("LATE", 1), EDatabaseError);
}

TEST(FieldConversion, StringFieldCutsOnCharactersAndConvertsLikeStrToInt) {
    Services s;
    s.cds.CreateDataSet();
    s.cds.Append();
    s.code->SetAsString("çãoÇÃO");
    EXPECT_EQ(s.code->AsString(), "çãoÇÃ");
    s.code->SetAsString("42");
    EXPECT_EQ(s.code->AsInteger(), 42);
    s.code->SetAsString("4x");
    EXPECT_THROW(s.code->AsInteger(), EConvertError);
    s.code->SetAsString("");
    EXPECT_FALSE(s.code->IsNull());  // '' stays '' (TStringField::EmptyStringIsNull is off)
    EXPECT_THROW(s.code->AsInteger(), EConvertError);
    s.code->Clear();
    EXPECT_TRUE(s.code->IsNull());
    EXPECT_EQ(s.code->AsString(), "");
}

TEST(FieldConversion, EmptyTextAsNullIsOneSwitch) {
    Services s;
    s.cds.CreateDataSet();
    s.cds.Append();
    TStringField::EmptyStringIsNull = true;
    s.code->SetAsString("");
    TStringField::EmptyStringIsNull = false;
    EXPECT_TRUE(s.code->IsNull());
}

TEST(FieldConversion, IntegerFieldIs32BitAndParsesText) {
    Services s;
    s.cds.CreateDataSet();
    s.cds.Append();
    s.order->SetAsString("-12");
    EXPECT_EQ(s.order->AsInteger(), -12);
    EXPECT_EQ(s.order->AsString(), "-12");
    EXPECT_THROW(s.order->SetAsString("doze"), EConvertError);
    EXPECT_THROW(s.order->SetValue(Variant(int64_t{1} << 31)), EConvertError);
    EXPECT_EQ(s.order->AsInteger(), -12);
}

TEST(FieldConversion, GetTextHandlerDecidesTheDisplayAndEditText) {
    Services s;
    s.cds.SetData(ServicePacket());
    EXPECT_EQ(s.name->DisplayText(), "Almoço");
    s.name->OnGetText = [](TField* sender, std::string& text, bool displayText) {
        if (displayText) text = "[" + sender->AsString() + "]";
    };
    EXPECT_EQ(s.name->DisplayText(), "[Almoço]");
    EXPECT_EQ(s.name->Text(), "");
    EXPECT_EQ(s.name->AsString(), "Almoço");
}

TEST(FieldConversion, ReadOnlyFieldRefusesAssignment) {
    Services s;
    s.cds.CreateDataSet();
    s.code->SetReadOnly(true);
    s.cds.Append();
    EXPECT_THROW(s.code->SetAsString("1"), EDatabaseError);
    EXPECT_EQ(s.code->DisplayName(), "Código");
    EXPECT_EQ(s.order->DisplayName(), "NRORDEM");
}

} // namespace

namespace {

// Each insert goes before the one before it: the numbers that keep the default order run out at
// that place again and again, and renumbering must keep every record where it was put.
TEST(ClientDataSetData, ARunOfInsertsAtOnePlaceKeepsItsOrder) {
    CodeNameSet set;
    set.Load({"A", "Z"});
    set.cds->Last();
    std::vector<std::string> expected{"A"};
    for (int i = 1; i <= 300; ++i) {
        set.cds->Insert();
        set.code->SetAsString("N" + std::to_string(i));
        set.cds->Post();
        expected.insert(expected.begin() + 1, "N" + std::to_string(i));
    }
    expected.push_back("Z");
    Variant data = set.cds->Data();
    std::vector<std::string> codes;
    for (size_t row = 0; row < data.AsPacket().Rows.size(); ++row) codes.push_back(data.AsPacket().Value(row, "CODE").AsString());
    EXPECT_EQ(codes, expected);
    EXPECT_EQ(set.Codes(), expected);
}

} // namespace
