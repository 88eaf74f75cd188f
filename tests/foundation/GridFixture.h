#pragma once

// A small database for the grid and navigator tests, and a window with a grid on a table.
// PFL: RelID 1..120 (primary key), Name (secondary index IX_Name; the names begin with the
// letters A to Z in turn), Nr = RelID * 10. GROSS: 5000 rows of RelID and Name.

#include "app/KR_MYSYS.h"
#include "foundation/KR_DataSource.h"
#include "foundation/Kr_vcldb.h"
#include "platform/DatabaseBuilder.h"
#include "platform/Table.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

namespace GridFixture {

constexpr int PflRows = 120;
constexpr int GrossRows = 5000;

inline QString NameOf(int relId)
{
    return QStringLiteral("%1-Pflanze %2")
        .arg(QChar(u'A' + (relId - 1) % 26))
        .arg(relId, 3, 10, QChar(u'0'));
}

inline TColumnDef Column(const char* name, const char* type)
{
    TColumnDef column;
    column.Name = QString::fromLatin1(name);
    ParseParadoxType(QString::fromLatin1(type), column);
    return column;
}

inline void BuildDatabase(const QString& dir)
{
    TDatabaseBuilder builder(dir + "/tables.sqlite");
    TTableDef pfl;
    pfl.Name = "PFL";
    pfl.Columns = {Column("RelID", "I"), Column("Name", "A30"), Column("Nr", "I")};
    pfl.PrimaryKey = {"RelID"};
    pfl.Indexes = {{"IX_Name", {"Name"}}};
    builder.CreateTable(pfl);
    for (int id = 1; id <= PflRows; ++id)
        builder.AddRow("PFL", {id, NameOf(id), id * 10});

    TTableDef gross;
    gross.Name = "GROSS";
    gross.Columns = {Column("RelID", "I"), Column("Name", "A30")};
    gross.PrimaryKey = {"RelID"};
    builder.CreateTable(gross);
    for (int id = 1; id <= GrossRows; ++id)
        builder.AddRow("GROSS", {id, NameOf(id)});
    builder.Finish();
}

// The setup block's options that the grid reads, restored after each test.
struct SavedOptions
{
    bool CopyWithTitles = SetupBlock.CopyWithTitles;
    bool ClearMarksAfterCopy = SetupBlock.ClearMarksAfterCopy;
    bool GridAlwaysShowSelection = SetupBlock.GridAlwaysShowSelection;

    ~SavedOptions()
    {
        SetupBlock.CopyWithTitles = CopyWithTitles;
        SetupBlock.ClearMarksAfterCopy = ClearMarksAfterCopy;
        SetupBlock.GridAlwaysShowSelection = GridAlwaysShowSelection;
    }
};

// A shown, focused grid on the open table PFL in a window of its own.
class GridTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        BuildDatabase(s_dir->path());
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    static QString Dir() { return s_dir->path(); }

    void SetUp() override
    {
        SetupBlock.CopyWithTitles = false;
        SetupBlock.ClearMarksAfterCopy = true;
        table = OpenTable("PFL");
        source = std::make_unique<TKR_DataSource>(table.get(), nullptr);
        window = std::make_unique<QWidget>();
        window->resize(420, 320);
        grid = MakeGrid();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        grid->setFocus();
    }

    virtual TKR_DBGrid* MakeGrid()
    {
        auto* made = new TKR_DBGrid(window.get());
        made->setGeometry(0, 0, 420, 320);
        made->SetDataSource(source.get());
        return made;
    }

    static std::unique_ptr<TTable> OpenTable(const QString& name)
    {
        auto opened = std::make_unique<TTable>();
        opened->SetDatabaseName(Dir());
        opened->SetTableName(name);
        opened->Open();
        return opened;
    }

    // Resizes the grid until it has rows grid rows, the title row included.
    static void SizeForRows(TKR_DBGrid& sized, int rows)
    {
        for (int height = 40; height < 2000; ++height) {
            sized.resize(sized.width(), height);
            if (sized.RowCount() == rows) return;
        }
        FAIL() << "no height gives " << rows << " rows";
    }

    // The colour in the left part of the first cell of the record's row (the first column,
    // RelID, is right-aligned, so no text covers it).
    QColor RowColour(int recNo) const
    {
        const QRect cell = grid->visualRect(grid->model()->index(recNo - 1, 0));
        const QImage image = grid->viewport()->grab().toImage();
        return image.pixelColor(cell.left() + 2, cell.center().y());
    }

    QStringList MarkedKeys() const
    {
        QStringList keys;
        for (const TKR_Mark* mark : grid->Marks())
            keys << QString::number(mark->Key);
        return keys;
    }

    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(grid, Qt::Key(key), modifiers);
    }

    SavedOptions saved;
    std::unique_ptr<TTable> table;
    std::unique_ptr<TKR_DataSource> source;
    std::unique_ptr<QWidget> window;
    TKR_DBGrid* grid = nullptr;

    static inline QTemporaryDir* s_dir = nullptr;
};

} // namespace GridFixture
