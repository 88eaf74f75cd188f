#include "data/KR_TEXT.h"
#include "foundation/KR_Liste.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

std::vector<int> Werte(const TKR_IntegerListe& list)
{
    std::vector<int> values;
    for (const TKR_IntegerRecord* record : list)
        values.push_back(record->Wert);
    return values;
}

std::vector<int> Positions(TKR_MyListe& list)
{
    std::vector<int> positions;
    if (list.Count() == 0) return positions;
    list.First();
    do {
        positions.push_back(list.CurrentPos());
        list.Next();
    } while (!list.Eof());
    return positions;
}

void Fill(TKR_IntegerListe& list, int count)
{
    for (int i = 1; i <= count; ++i)
        list.AddWert(i * 10);
}

// Counts the objects alive, so that tests see what a list frees.
struct Tracked
{
    explicit Tracked(int& alive) : alive(alive) { ++alive; }
    ~Tracked() { --alive; }
    int& alive;
};

struct TrackedRecord : TKR_MyVListRecord
{
    static inline int alive = 0;
    TrackedRecord() { ++alive; }
    ~TrackedRecord() override { --alive; }
    int Nummer = 0;
};

class AscendingListe : public TKR_TypedVListe<TrackedRecord>
{
public:
    bool InOrder(const TrackedRecord& a, const TrackedRecord& b) const override
    {
        return a.Nummer <= b.Nummer;
    }
};

} // namespace

TEST(TKR_MyListe, NewListIsEmptyAndFirstAppendGivesPositionOne)
{
    TKR_MyListe list;
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.CurrentPos(), 0);
    EXPECT_EQ(list.CurrentData(), nullptr);

    list.Append();
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.CurrentPos(), 1);
    list.Append();
    EXPECT_EQ(list.CurrentPos(), 2);
}

TEST(TKR_MyListe, GoToFallsBackToTheFirstElement)
{
    struct Case
    {
        int target;
        int want;
    };
    const Case cases[] = {{5, 1}, {0, 1}, {-2, 1}, {1, 1}, {2, 2}, {3, 3}, {4, 1}};
    TKR_IntegerListe list;
    Fill(list, 3);
    for (bool indexed : {false, true}) {
        if (indexed) {
            ASSERT_TRUE(list.BuildIndex());
        }
        for (const auto& c : cases) {
            list.Last();
            list.GoTo(c.target);
            EXPECT_EQ(list.CurrentPos(), c.want) << "GoTo " << c.target << " indexed " << indexed;
            EXPECT_EQ(list.CurrentWert(), c.want * 10);
        }
    }
}

TEST(TKR_MyListe, NextAndPriorSetEofAndBof)
{
    TKR_IntegerListe one;
    one.AddWert(1);
    one.First();
    one.Next();
    EXPECT_TRUE(one.Eof());
    EXPECT_TRUE(one.Bof());
    one.First();
    one.Prior();
    EXPECT_TRUE(one.Eof());
    EXPECT_TRUE(one.Bof());

    TKR_IntegerListe three;
    Fill(three, 3);
    three.First();
    three.Next();
    EXPECT_FALSE(three.Eof());
    EXPECT_FALSE(three.Bof());
    three.Next();
    three.Next();
    EXPECT_TRUE(three.Eof());
    EXPECT_FALSE(three.Bof());
    EXPECT_EQ(three.CurrentPos(), 3);
    three.Prior();
    EXPECT_FALSE(three.Eof());
    EXPECT_EQ(three.CurrentPos(), 2);
    three.Prior();
    three.Prior();
    EXPECT_TRUE(three.Bof());
    EXPECT_EQ(three.CurrentPos(), 1);
    three.GoTo(2);
    EXPECT_FALSE(three.Eof() || three.Bof());

    TKR_MyListe empty;
    empty.Next();
    EXPECT_TRUE(empty.Eof());
    EXPECT_FALSE(empty.Bof());
}

TEST(TKR_MyListe, InsertAfterAndBeforeRenumberAndMoveTheCursor)
{
    TKR_IntegerListe list;
    Fill(list, 3); // 10 20 30
    list.GoTo(1);
    list.InsertRecordAfter()->Wert = 15;
    EXPECT_EQ(list.CurrentPos(), 2);
    list.GoTo(3);
    list.InsertBefore(); // a plain element carries no record
    EXPECT_EQ(list.CurrentPos(), 3);
    EXPECT_EQ(list.CurrentRecord(), nullptr);
    list.Delete(3);
    EXPECT_EQ(Werte(list), (std::vector<int>{10, 15, 20, 30}));
    EXPECT_EQ(Positions(list), (std::vector<int>{1, 2, 3, 4}));

    list.Last();
    list.InsertRecordAfter()->Wert = 40; // on the last element it appends
    EXPECT_EQ(list.CurrentPos(), 5);

    TKR_Textus lines;
    lines.AddLine(QStringLiteral("b"));
    lines.First();
    lines.InsertLine(QStringLiteral("a"));
    EXPECT_TRUE(lines.Bof());
    EXPECT_EQ(lines.CurrentPos(), 1);
    EXPECT_EQ(lines.LineAt(2), QStringLiteral("b"));

    TKR_Textus empty;
    empty.InsertLine(QStringLiteral("x"));
    EXPECT_EQ(empty.Count(), 1);
    EXPECT_TRUE(empty.Bof());
}

TEST(TKR_MyListe, DeleteMovesTheCursorToTheElementBeforeTheOneItWasOn)
{
    struct Case
    {
        int cursor;
        int deleted;
        std::vector<int> remaining;
        int wantCursor;
    };
    const Case cases[] = {
        {4, 2, {10, 30, 40}, 3},
        {2, 4, {10, 20, 30}, 1},
        {3, 1, {20, 30, 40}, 1},
        {1, 1, {20, 30, 40}, 1},
        {4, 4, {10, 20, 30}, 3},
        // positions outside the list remove nothing
        {2, 0, {10, 20, 30, 40}, 2},
        {2, 5, {10, 20, 30, 40}, 2},
    };
    for (const auto& c : cases) {
        TKR_IntegerListe list;
        Fill(list, 4);
        list.GoTo(c.cursor);
        list.Delete(c.deleted);
        EXPECT_EQ(Werte(list), c.remaining) << "delete " << c.deleted;
        EXPECT_EQ(list.CurrentPos(), c.wantCursor) << "delete " << c.deleted;
        EXPECT_FALSE(list.Eof() || list.Bof());
        EXPECT_EQ(Positions(list).back(), list.Count());
    }
}

TEST(TKR_MyListe, DeletingTheOnlyElementLeavesANewEmptyList)
{
    TKR_IntegerListe list;
    list.AddWert(7);
    list.Delete(1);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.CurrentPos(), 0);
    EXPECT_EQ(list.CurrentRecord(), nullptr);
    EXPECT_EQ(list.CurrentWert(), 0);
    list.AddWert(8);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.CurrentPos(), 1);
    EXPECT_EQ(Werte(list), std::vector<int>{8});
}

TEST(TKR_MyListe, DeleteRangeCutsTheEndToTheCount)
{
    TKR_IntegerListe list;
    Fill(list, 5);
    list.DeleteRange(2, 3);
    EXPECT_EQ(Werte(list), (std::vector<int>{10, 40, 50}));
    list.DeleteRange(2, 99);
    EXPECT_EQ(Werte(list), std::vector<int>{10});
    list.DeleteRange(3, 2);
    EXPECT_EQ(list.Count(), 1);
}

TEST(TKR_MyListe, IndexLimitIs16383Elements)
{
    TKR_MyListe list;
    for (int i = 0; i < TKR_MyListe::MaxIndexCount; ++i)
        list.Append();
    EXPECT_TRUE(list.BuildIndex());
    EXPECT_TRUE(list.IndexIsValid());
    list.GoTo(16383);
    EXPECT_EQ(list.CurrentPos(), 16383);

    list.Append(); // every change of the chain drops the index
    EXPECT_FALSE(list.IndexIsValid());
    EXPECT_EQ(list.Count(), 16384);
    EXPECT_FALSE(list.BuildIndex());
    EXPECT_FALSE(list.IndexIsValid());
    list.GoTo(16384); // walked instead
    EXPECT_EQ(list.CurrentPos(), 16384);

    TKR_MyListe empty;
    EXPECT_FALSE(empty.BuildIndex());
}

TEST(TKR_MyListe, DataAtUsesTheIndexWithoutMovingTheCursor)
{
    int a = 1, b = 2, c = 3;
    TKR_PointerListe<int> list;
    list.AppendData(&a);
    list.AppendData(&b);
    list.AppendData(&c);
    list.GoTo(2);
    EXPECT_EQ(list.DataAt(3), &c); // without an index DataAt moves there
    EXPECT_EQ(list.CurrentPos(), 3);

    list.BuildIndex();
    list.GoTo(2);
    EXPECT_EQ(list.DataAt(1), &a);
    EXPECT_EQ(list.CurrentPos(), 2);
    EXPECT_EQ(list.DataAt(9), &a); // out of range: GoTo's fallback
    EXPECT_EQ(list.CurrentPos(), 1);

    list.SetCurrentData(&c);
    EXPECT_EQ(list.CurrentData(), &c);
    EXPECT_TRUE(list.IndexIsValid());
}

TEST(TKR_MyListe, PointerListOwnsNothingAndOwnerListFreesItsObjects)
{
    int alive = 0;
    Tracked kept(alive);
    {
        TKR_PointerListe<Tracked> refs;
        refs.AppendData(&kept);
        refs.Clear();
    }
    EXPECT_EQ(alive, 1);

    {
        TKR_OwnerListe<Tracked> owned;
        Tracked* first = owned.AppendData(std::make_unique<Tracked>(alive));
        owned.AppendData(std::make_unique<Tracked>(alive));
        owned.InsertDataBefore(std::make_unique<Tracked>(alive));
        owned.AppendData(std::make_unique<Tracked>(alive));
        EXPECT_EQ(owned.DataAt(1), first);
        EXPECT_EQ(alive, 5);
        owned.Delete(2);
        EXPECT_EQ(alive, 4);
        owned.ReplaceCurrentData(std::make_unique<Tracked>(alive));
        EXPECT_EQ(alive, 4);

        TKR_OwnerListe<Tracked> moved = std::move(owned);
        EXPECT_EQ(owned.Count(), 0);
        EXPECT_EQ(moved.Count(), 3);
        owned.AppendData(std::make_unique<Tracked>(alive)); // the source is usable again
        EXPECT_EQ(alive, 5);
    }
    EXPECT_EQ(alive, 1);
}

TEST(TKR_MyVListe, RecordsLiveExactlyAsLongAsTheirElement)
{
    TrackedRecord::alive = 0;
    {
        AscendingListe list;
        TrackedRecord* record = list.AppendRecord();
        EXPECT_EQ(record->Owner(), &list);
        list.AppendRecord();
        list.AppendRecord();
        EXPECT_EQ(list.RecordAt(1), record);
        EXPECT_EQ(TrackedRecord::alive, 3);
        list.Delete(0);
        EXPECT_EQ(TrackedRecord::alive, 3);
        list.Delete(2);
        EXPECT_EQ(TrackedRecord::alive, 2);
        list.Clear();
        EXPECT_EQ(TrackedRecord::alive, 0);
        list.AppendRecord();
        list.AppendRecord();
    }
    EXPECT_EQ(TrackedRecord::alive, 0);
}

TEST(TKR_MyVListe, SortWithLessOrEqualOrdersAscendingAndKeepsTheIndex)
{
    AscendingListe list;
    for (int n : {5, 3, 9, 1, 3, 7})
        list.AppendRecord()->Nummer = n;
    list.Sort();
    std::vector<int> sorted;
    for (const TrackedRecord* record : list)
        sorted.push_back(record->Nummer);
    EXPECT_EQ(sorted, (std::vector<int>{1, 3, 3, 5, 7, 9}));
    EXPECT_TRUE(list.IndexIsValid());

    // The base comparison lets every record stand where it is.
    TKR_IntegerListe unsorted;
    for (int n : {3, 1, 2})
        unsorted.AddWert(n);
    unsorted.Sort();
    EXPECT_EQ(Werte(unsorted), (std::vector<int>{3, 1, 2}));
}

TEST(TKR_IntegerListe, FindAddOnceAndWrite)
{
    TKR_IntegerListe list;
    EXPECT_EQ(list.FindWert(4), 0);
    list.AddWert(4);
    list.AddWert(8);
    list.AddWertEinmal(4);
    list.AddWertEinmal(6);
    EXPECT_EQ(Werte(list), (std::vector<int>{4, 8, 6}));
    EXPECT_EQ(list.FindWert(8), 8);
    EXPECT_EQ(list.CurrentPos(), 2);
    EXPECT_EQ(list.CurrentWert(), 8);
    EXPECT_EQ(list.FindWert(5), 0);

    TKR_Textus lines;
    lines.AddLine(QStringLiteral("vorher"));
    list.WriteTo(lines);
    EXPECT_EQ(lines.JoinLF(), QStringLiteral("vorher\n4\n8\n6"));
}
