#include "app/Kr_str.h"
#include "platform/DatabaseError.h"
#include "platform/EngineFixture.h"
#include "platform/Table.h"

#include <QSignalSpy>

using namespace EngineFixture;

namespace {

class TableTest : public KeyDatabaseTest
{
protected:
    std::unique_ptr<TTable> OpenTable(const QString& name, const QString& indexName = {})
    {
        auto table = std::make_unique<TTable>();
        table->SetDatabaseName(Dir());
        table->SetTableName(name);
        table->SetIndexName(indexName);
        table->Open();
        return table;
    }

    // The values of field over all records, in the table's order, from the first record.
    static QStringList Walk(TTable& table, const QString& field)
    {
        QStringList values;
        for (table.First(); !table.Eof(); table.Next())
            values << table.FieldByName(field)->AsString();
        return values;
    }

    template <typename Call> static QString ErrorOf(Call call)
    {
        try {
            call();
        } catch (const EDatabaseError& e) {
            return e.Message();
        }
        return QStringLiteral("(no exception)");
    }
};

TEST_F(TableTest, WalksInPrimaryOrderWithEofBofAndRecordNumbers)
{
    auto table = OpenTable("VDB_1");
    EXPECT_EQ(table->RecordCount(), 6);
    EXPECT_EQ(table->RecNo(), 1);
    EXPECT_TRUE(table->Bof());
    EXPECT_FALSE(table->Eof());
    EXPECT_EQ(Walk(*table, "ID"), QStringList({"1", "2", "3", "4", "5", "6"}));

    // Next on the last record stays there and sets Eof.
    EXPECT_EQ(table->RecNo(), 6);
    EXPECT_TRUE(table->Eof());
    table->Prior();
    EXPECT_EQ(table->RecNo(), 5);
    EXPECT_FALSE(table->Eof());
    EXPECT_EQ(table->MoveBy(-10), -4);
    EXPECT_EQ(table->RecNo(), 1);
    EXPECT_TRUE(table->Bof());
    EXPECT_EQ(table->MoveBy(2), 2);
    EXPECT_EQ(table->FieldByName("ID")->AsInteger(), 3);
    table->Last();
    EXPECT_TRUE(table->Eof());
    EXPECT_EQ(table->RecNo(), 6);
    table->SetRecNo(4);
    EXPECT_EQ(table->FieldByName("Gattung")->AsString(), "Anthriscus");
    table->SetRecNo(99);
    EXPECT_EQ(table->RecNo(), 6);

    table->Close();
    EXPECT_EQ(table->RecNo(), 0);
    EXPECT_EQ(table->RecordCount(), 0);
    EXPECT_TRUE(table->Eof());
    EXPECT_TRUE(table->Bof());
    EXPECT_TRUE(ErrorOf([&] { table->First(); }).contains("closed dataset"));
}

TEST_F(TableTest, FieldsByNameTypesAndBlanks)
{
    auto table = OpenTable("VDB_1");
    // Letter case through the letter table, umlauts included.
    EXPECT_EQ(table->FieldByName("BLÜTEZEIT 1")->FieldName(), "Blütezeit 1");
    EXPECT_EQ(table->FindField("blütezeit 1"), table->FieldByName("Blütezeit 1"));
    EXPECT_EQ(table->FindField("Blütezeit 2"), nullptr);
    EXPECT_EQ(ErrorOf([&] { table->FieldByName("Höhe 1"); }), "VDB_1: Field 'Höhe 1' not found");

    const TField* id = table->FieldByName("ID");
    EXPECT_EQ(id->DataType(), TFieldType::Integer);
    EXPECT_EQ(table->FieldByName("Gattung")->DataType(), TFieldType::String);
    EXPECT_EQ(table->FieldByName("Gattung")->Size(), 21);
    EXPECT_EQ(table->FieldByName("Gattung")->DisplayWidth(), 21);
    EXPECT_EQ(table->FieldByName("Text")->DataType(), TFieldType::Memo);

    const TField* text = table->FieldByName("Text");
    EXPECT_EQ(text->AsString(), "Baum.");
    EXPECT_EQ(text->AsBytes(), QByteArray("Baum."));
    EXPECT_EQ(text->DisplayText(), "(MEMO)");
    table->Next();
    EXPECT_TRUE(text->IsNull());
    EXPECT_EQ(text->DisplayText(), "(Memo)");
    const TField* subspecies = table->FieldByName("Unterart");
    EXPECT_TRUE(subspecies->IsNull());
    EXPECT_EQ(subspecies->AsString(), "");
    EXPECT_EQ(subspecies->AsInteger(), 0);
    EXPECT_FALSE(subspecies->AsBoolean());
    EXPECT_EQ(table->FieldByName("Blütezeit 1")->AsInteger(), 4); // text that is a number
    EXPECT_TRUE(ErrorOf([&] {
                    table->FieldByName("Gattung")->AsInteger();
                }).contains("'Acer' is not a valid integer value for field 'Gattung'"));
}

TEST_F(TableTest, BlobsAndBooleansReadTheirRawValues)
{
    auto images = OpenTable("KRS_R3i");
    ASSERT_TRUE(images->FindKey({301, 1}));
    EXPECT_EQ(images->FieldByName("Image")->AsBytes(), QByteArray("\x89PNG large\0x", 12));
    EXPECT_EQ(images->FieldByName("Image")->DisplayText(), "(BLOB)");

    auto index = OpenTable("KRS_Rix");
    ASSERT_TRUE(index->FindKey({1, 3, 10, 3}));
    EXPECT_EQ(index->FieldByName("Img")->DataType(), TFieldType::Boolean);
    EXPECT_FALSE(index->FieldByName("Img")->AsBoolean());
    EXPECT_EQ(index->FieldByName("Img")->AsString(), "False");
    ASSERT_TRUE(index->FindKey({1, 3, 10, 2}));
    EXPECT_TRUE(index->FieldByName("Img")->AsBoolean());
}

TEST_F(TableTest, SecondaryIndexOrdersAndSearchesWithoutLetterCase)
{
    auto table = OpenTable("VDB_1", "IX_ArtSuche");
    // "ajuga" sorts as AJUGA; "Ä" comes after "Z".
    EXPECT_EQ(Walk(*table, "Gattung"),
              QStringList({"Acer", "Acer", "ajuga", "Anthriscus", "Zea", "Äthusa"}));
    EXPECT_EQ(table->IndexFields(), QStringList({"Gattung", "Art"}));

    const struct
    {
        QVariantList values;
        int id; // of the record FindNearest lands on
    } nearest[] = {
        {{"acer", "p"}, 2}, {{"ACER"}, 1}, {{"an"}, 4}, {{"AJUGA", "reptans"}, 5},
        {{"zz"}, 3},        {{"äth"}, 3},  {{"ö"}, 3}, // nothing at or after: the last record
        {{"", ""}, 1},
    };
    for (const auto& c : nearest) {
        table->First();
        table->FindNearest(c.values);
        EXPECT_EQ(table->FieldByName("ID")->AsInteger(), c.id)
            << c.values[0].toString().toStdString();
    }

    table->SetRecNo(4);
    EXPECT_FALSE(table->FindKey({"Quercus"}));
    EXPECT_EQ(table->RecNo(), 4); // not found: the cursor stays
    EXPECT_TRUE(table->FindKey({"ACER", "PLATANOIDES"}));
    EXPECT_EQ(table->FieldByName("ID")->AsInteger(), 2);
    EXPECT_TRUE(table->FindKey({"äthusa"}));
    EXPECT_EQ(table->FieldByName("ID")->AsInteger(), 3);
}

TEST_F(TableTest, PrimaryKeysAndCriterionColumnsCompareExactly)
{
    auto species = OpenTable("VDB_1");
    EXPECT_TRUE(species->FindKey({4}));
    EXPECT_EQ(species->FieldByName("Gattung")->AsString(), "Anthriscus");
    EXPECT_TRUE(species->FindKey({"5"})); // converted to the key's type
    EXPECT_EQ(species->RecNo(), 5);
    EXPECT_FALSE(species->FindKey({7}));
    species->FindNearest({3});
    EXPECT_EQ(species->RecNo(), 3);
    EXPECT_TRUE(ErrorOf([&] {
                    species->FindKey({"x"});
                }).contains("'x' is not a valid value for field 'ID'"));
    EXPECT_TRUE(ErrorOf([&] { species->FindKey({1, 2}); }).contains("the key has 1 fields"));
    EXPECT_TRUE(ErrorOf([&] { species->FindKey({}); }).contains("at least one value"));

    auto key = OpenTable("VDB_3");
    EXPECT_TRUE(key->Locate("L", "H"));
    EXPECT_EQ(key->FieldByName("RelID")->AsInteger(), 3);
    EXPECT_TRUE(key->Locate("l", "h"));
    EXPECT_EQ(key->FieldByName("RelID")->AsInteger(), 1);
    EXPECT_FALSE(key->Locate("L", "x"));
    EXPECT_EQ(key->RecNo(), 1);

    auto groups = OpenTable("VDB_4");
    EXPECT_TRUE(groups->FindKey({"Grundtabelle"}));
    EXPECT_FALSE(groups->FindKey({"GRUNDTABELLE"})); // a primary text key is exact
}

TEST_F(TableTest, IndexFieldNamesChooseAnIndexByItsLeadingColumns)
{
    auto key = std::make_unique<TTable>();
    key->SetDatabaseName(Dir());
    key->SetTableName("VDB_3");
    key->SetIndexFieldNames("RelID");
    key->Open();
    EXPECT_TRUE(key->FindKey({4}));
    EXPECT_EQ(key->FieldByName("SIP")->AsString(), "Anthriscus sylvestris");

    auto genera = OpenTable("VDB_6");
    genera->SetIndexFieldNames("gn; gn_sn");
    EXPECT_EQ(genera->IndexName(), "");
    EXPECT_EQ(genera->IndexFields(), QStringList({"GN", "GN_SN"}));
    genera->SetIndexFieldNames("GN");
    EXPECT_EQ(genera->IndexFields(), QStringList({"GN"}));
    genera->SetIndexName("Gattungsliste_GN_SN_IX");
    EXPECT_EQ(genera->IndexFieldNames(), "");
    EXPECT_EQ(genera->GetIndexNames(), QStringList{"Gattungsliste_GN_SN_IX"});

    auto species = OpenTable("VDB_1");
    EXPECT_EQ(ErrorOf([&] { species->SetIndexFieldNames("RelID"); }),
              "VDB_1: no index for the fields 'RelID'");
    EXPECT_EQ(ErrorOf([&] { species->SetIndexName("IX_Fehlt"); }),
              "VDB_1: index 'IX_Fehlt' not found");
    EXPECT_EQ(species->IndexName(), ""); // a failed switch keeps the index

    TTable missing;
    missing.SetDatabaseName(Dir());
    missing.SetTableName("VDB_99");
    EXPECT_TRUE(ErrorOf([&] { missing.Open(); }).startsWith("Table 'VDB_99' not found in "));
    EXPECT_FALSE(missing.Active());
    missing.SetTableName("VDB_1");
    missing.SetIndexName("IX_Fehlt");
    EXPECT_EQ(ErrorOf([&] { missing.Open(); }), "VDB_1: index 'IX_Fehlt' not found");
    EXPECT_FALSE(missing.Active());
}

TEST_F(TableTest, RangesLimitTheRecordsAndTheSearches)
{
    auto genera = OpenTable("VDB_6", "Gattungsliste_GN_SN_IX");
    const TBookmark outside = genera->GetBookmark(); // Acer, GN 100
    genera->SetRange({201}, {201});
    EXPECT_TRUE(genera->Ranged());
    EXPECT_EQ(genera->RecordCount(), 2);
    EXPECT_EQ(genera->RecNo(), 1);
    // Blank GN_SN sorts first.
    EXPECT_EQ(Walk(*genera, "Gattung"), QStringList({"Anthriscus", "Chaerophyllum"}));
    EXPECT_FALSE(genera->FindKey({100}));
    genera->FindNearest({201, 150});
    EXPECT_EQ(genera->FieldByName("Gattung")->AsString(), "Chaerophyllum");
    genera->FindNearest({201, QVariant()});
    EXPECT_EQ(genera->FieldByName("Gattung")->AsString(), "Anthriscus");
    genera->FindNearest({999});
    EXPECT_EQ(genera->RecNo(), 2); // the last record of the range
    EXPECT_FALSE(genera->BookmarkValid(outside));
    EXPECT_TRUE(ErrorOf([&] { genera->GotoBookmark(outside); }).contains("not in the data set"));

    genera->SetRange({200}, {});
    EXPECT_EQ(Walk(*genera, "GN"), QStringList({"200", "201", "201", "300"}));
    genera->SetRange({}, {200});
    EXPECT_EQ(Walk(*genera, "GN"), QStringList({"100", "200"}));
    genera->SetRange({500}, {600});
    EXPECT_TRUE(genera->IsEmpty());
    EXPECT_EQ(genera->RecNo(), 0);
    EXPECT_TRUE(genera->Eof() && genera->Bof());
    EXPECT_EQ(genera->FieldByName("GN")->AsInteger(), 0);
    genera->FindNearest({1});
    EXPECT_EQ(genera->RecNo(), 0);

    genera->CancelRange();
    EXPECT_FALSE(genera->Ranged());
    EXPECT_EQ(genera->RecordCount(), 5);
    genera->GotoBookmark(outside);
    EXPECT_EQ(genera->FieldByName("Gattung")->AsString(), "Acer");
}

TEST_F(TableTest, SwitchingTheIndexKeepsTheRecordAndCancelsTheRange)
{
    auto species = OpenTable("VDB_1");
    ASSERT_TRUE(species->FindKey({6})); // Zea
    const TBookmark zea = species->GetBookmark();
    species->SetIndexName("IX_ArtSuche");
    EXPECT_EQ(species->FieldByName("ID")->AsInteger(), 6);
    EXPECT_EQ(species->RecNo(), 5);
    species->SetRange({"A"}, {"B"});
    EXPECT_EQ(species->RecordCount(), 4);
    species->SetIndexName("");
    EXPECT_FALSE(species->Ranged());
    EXPECT_EQ(species->RecordCount(), 6);
    species->First();
    species->GotoBookmark(zea);
    EXPECT_EQ(species->RecNo(), 6);

    species->Close();
    species->Open();
    EXPECT_FALSE(species->BookmarkValid(zea)); // bookmarks live while the set is open
    EXPECT_TRUE(ErrorOf([&] { species->GotoBookmark(zea); }).contains("invalid bookmark"));
    TBookmark none;
    EXPECT_TRUE(none.IsNull());
    TBookmark here = species->GetBookmark();
    species->FreeBookmark(here);
    EXPECT_TRUE(here.IsNull());
}

TEST_F(TableTest, SignalsFollowTheCursorAndDisableControlsSuspendsThem)
{
    TTable table;
    table.SetDatabaseName(Dir());
    table.SetTableName("VDB_1");
    int opened = 0;
    int scrolled = 0;
    table.AfterOpen = [&](TDataSet&) { ++opened; };
    table.AfterScroll = [&](TDataSet& set) {
        ++scrolled;
        EXPECT_GT(set.RecNo(), 0);
    };
    QSignalSpy active(&table, &TDataSet::activeChanged);
    QSignalSpy current(&table, &TDataSet::currentChanged);
    QSignalSpy data(&table, &TDataSet::dataChanged);
    QSignalSpy layout(&table, &TDataSet::layoutChanged);

    table.Open();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(scrolled, 1);
    EXPECT_EQ(active.count(), 1);
    EXPECT_EQ(data.count(), 1);
    table.Next();
    ASSERT_EQ(current.count(), 1);
    EXPECT_EQ(current.takeFirst().at(0).toInt(), 2);
    table.Prior();
    table.Prior(); // nothing to move: no signal, no scroll
    EXPECT_EQ(current.count(), 1);
    EXPECT_EQ(scrolled, 3);

    table.DisableControls();
    table.DisableControls();
    for (table.First(); !table.Eof(); table.Next()) {
    }
    table.FieldByName("ID")->SetVisible(false);
    table.EnableControls();
    EXPECT_EQ(data.count(), 1); // still disabled once
    table.EnableControls();
    EXPECT_EQ(current.count(), 1);
    EXPECT_EQ(layout.count(), 0);
    EXPECT_EQ(data.count(), 2); // one notice for everything that happened
    EXPECT_GT(scrolled, 3);     // the callbacks ran all along
    table.EnableControls();     // unbalanced: ignored
    EXPECT_FALSE(table.ControlsDisabled());

    table.DisableControls();
    table.EnableControls();
    EXPECT_EQ(data.count(), 2); // nothing happened, nothing to tell

    table.FieldByName("Gattung")->SetDisplayLabel("Gattung (wiss.)");
    EXPECT_EQ(layout.count(), 1);
    table.Close();
    EXPECT_EQ(active.count(), 2);
    EXPECT_FALSE(active.last().at(0).toBool());
}

TEST_F(TableTest, CalculatedFieldsAndDisplayPropertiesServeAGrid)
{
    TTable table;
    table.SetDatabaseName(Dir());
    table.SetTableName("VDB_1");
    TField* name = table.AddCalculatedField("Pflanzenname", 100);
    name->OnGetText = [&table](TField& field, QString& text, bool displayText) {
        EXPECT_TRUE(field.Calculated());
        text = TrimSpaces(table.FieldByName("Gattung")->AsString() + ' ' +
                          table.FieldByName("Art")->AsString());
        if (!displayText) text += " (edit)";
    };
    table.Open();
    EXPECT_EQ(table.Fields(0), name);
    EXPECT_EQ(table.FieldNames().mid(0, 3), QStringList({"Pflanzenname", "ID", "FN"}));
    EXPECT_EQ(name->DisplayText(), "Acer campestre");
    EXPECT_EQ(name->Text(), "Acer campestre (edit)");
    EXPECT_TRUE(name->IsNull());
    EXPECT_EQ(name->AsString(), "");

    // A grid paints other rows through a record view; the cursor stays.
    {
        const TDataSet::TRecordView row(table, 6);
        EXPECT_EQ(name->DisplayText(), "Zea mays");
    }
    EXPECT_EQ(table.RecNo(), 1);
    EXPECT_EQ(name->DisplayText(), "Acer campestre");

    TField* german = table.FieldByName("Deutsch");
    EXPECT_TRUE(german->Visible());
    EXPECT_EQ(german->DisplayLabel(), "Deutsch");
    german->SetDisplayWidth(60);
    german->SetIndex(0);
    EXPECT_EQ(table.Fields(0), german);
    EXPECT_EQ(german->Index(), 0);
    EXPECT_EQ(name->Index(), 1);
    EXPECT_EQ(german->DisplayWidth(), 60);

    EXPECT_TRUE(ErrorOf([&] { table.AddCalculatedField("Noch", 10); }).contains("open dataset"));
    table.Close();
    EXPECT_EQ(table.FieldCount(), 1); // the calculated field stays
    table.Open();
    EXPECT_EQ(table.Fields(0), name);
    EXPECT_EQ(table.FieldByName("Deutsch")->Index(), 8); // data fields are read afresh
    EXPECT_TRUE(ErrorOf([&] { table.Locate("Pflanzenname", "Zea mays"); }).contains("calculated"));
}

} // namespace
