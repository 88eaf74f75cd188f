#include "platform/EngineFixture.h"

#include <QProcess>

namespace {

struct TRun
{
    int ExitCode = -1;
    QString Out;
    QString Err;
};

TRun RunVerdanSql(const QStringList& arguments, const QByteArray& input)
{
    QProcess process;
    process.start(VERDAN_BINARY_DIR "/bin/verdan-sql", arguments);
    EXPECT_TRUE(process.waitForStarted()) << process.errorString().toStdString();
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

class VerdanSql : public ::testing::Test
{
protected:
    void SetUp() override { EngineFixture::BuildKeyDatabase(Dir()); }
    QString Dir() const { return m_temp.path() + "/GLOBAL"; }

    QTemporaryDir m_temp;
};

TEST_F(VerdanSql, PrintsTheResultAsTabSeparatedTextWithAHeader)
{
    const TRun run = RunVerdanSql({Dir()}, "Select DISTINCT\r\n"
                                           "A.GR as Gruppe,\n"
                                           "A.ID as ID,\n"
                                           "A.SIP as Bezeichnung,\n"
                                           "A.Bestimmung\n"
                                           "From \"VDB_3\" A\n"
                                           "WHERE\n"
                                           "   ((A.\"L\" = \"h\") OR (A.\"L\"=\"*\"))\n"
                                           "ORDER BY Bezeichnung\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "Gruppe\tID\tBezeichnung\tBestimmung\n"
                       "\t1\tAcer campestre\tBlätter gelappt\n"
                       "\t2\tAcer platanoides\t\n");
    EXPECT_EQ(run.Err, "");

    const TRun pictures = RunVerdanSql({Dir()}, "Select Typ, Image From KRS_R3i Order By Typ");
    EXPECT_EQ(pictures.Out, "Typ\tImage\n1\t(BLOB 12 bytes)\n2\t(BLOB 10 bytes)\n");
}

TEST_F(VerdanSql, ReportsErrorsOnStandardErrorWithExitCode)
{
    const TRun unknown = RunVerdanSql({Dir()}, "Select A.Fehlt\nFrom VDB_3 A\n");
    EXPECT_EQ(unknown.ExitCode, 1);
    EXPECT_EQ(unknown.Out, "");
    EXPECT_EQ(unknown.Err, "verdan-sql: Unknown column 'A.Fehlt' (line 1, column 10)\n");

    const TRun missing = RunVerdanSql({m_temp.path() + "/nirgends"}, "Select * From VDB_1");
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_TRUE(missing.Err.contains("nirgends/tables.sqlite")) << missing.Err.toStdString();

    const TRun usage = RunVerdanSql({}, "");
    EXPECT_EQ(usage.ExitCode, 2);
    EXPECT_TRUE(usage.Err.startsWith("usage: verdan-sql DIRECTORY")) << usage.Err.toStdString();
}

} // namespace
