#include "SpeciesFixture.h"
#include "app/Kr_str.h"
#include "foundation/KR_DataSource.h"
#include "platform/Query.h"
#include "species/Verdan_ArtenBrowserDM.h"

namespace {

class ArtenDM : public SpeciesFixture
{
protected:
    void SetUp() override
    {
        SpeciesFixture::SetUp();
        m_server = NeuerServer();
        m_modul = std::make_unique<TVerdan_ArtenBrowserDataModul>(nullptr, m_server.get());
    }

    QString Pflanzenname() const
    {
        return m_modul->VerdanArtTable->FieldByName("Pflanzenname")->DisplayText();
    }
    QString Deutsch() const
    {
        return m_modul->VerdanDeutschArtQuery->FieldByName("Deutsch")->DisplayText();
    }

    std::unique_ptr<TVerdan_Datenbankserver> m_server;
    std::unique_ptr<TVerdan_ArtenBrowserDataModul> m_modul;
};

} // namespace

TEST(Verdan_ArtenBrowserDM, BuildsTheScientificNameWithBracketedAuthors)
{
    struct Fall
    {
        QString gattung, art, autor, unterart, autor1, text;
    };
    const Fall faelle[] = {
        {"Bellis", "perennis", "", "", "", "Bellis perennis"},
        {"Bellis", "perennis", "L.", "", "", "Bellis perennis [L.]"},
        {"Poa", "annua", "", "varia", "Gaudin", "Poa annua varia [Gaudin]"},
        {"Poa", "annua", "L.", "varia", "", "Poa annua [L.] varia"},
        {" Poa ", "", "", "", "", "Poa"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(TVerdan_ArtenBrowserDataModul::Pflanzenname(f.gattung, f.art, f.autor, f.unterart,
                                                              f.autor1),
                  f.text);
}

TEST_F(ArtenDM, ListsEverySpeciesOnTheSearchIndexShowingOnlyTheName)
{
    TTable& arten = *m_modul->VerdanArtTable;
    ASSERT_TRUE(arten.Active());
    EXPECT_EQ(arten.RecordCount(), ArtenAnzahl());
    EXPECT_EQ(arten.IndexName(), "IX_ArtSuche");
    EXPECT_EQ(m_modul->VerdanArtDataSource->DataSet(), &arten);
    int sichtbar = 0;
    for (int i = 0; i < arten.FieldCount(); ++i)
        sichtbar += arten.Fields(i)->Visible();
    EXPECT_EQ(sichtbar, 1);
    EXPECT_TRUE(arten.FieldByName("Pflanzenname")->Visible());
}

TEST_F(ArtenDM, FindeArtMovesToTheNearestGenusAndEpithet)
{
    EXPECT_TRUE(m_modul->FindeArt("Bellis", "per"));
    EXPECT_TRUE(Pflanzenname().startsWith("Bellis perennis")) << Pflanzenname().toStdString();
    EXPECT_TRUE(m_modul->FindeArt("bellis", "PERENNIS"));
    EXPECT_TRUE(Pflanzenname().startsWith("Bellis perennis"));
    // Nothing begins so: the nearest entry after it.
    EXPECT_TRUE(m_modul->FindeArt("Bellisz", ""));
    EXPECT_FALSE(Pflanzenname().startsWith("Bellis "));
    EXPECT_TRUE(m_modul->FindeArt(QString(5000, u'x'), "'\"/"));
}

TEST_F(ArtenDM, GermanListSkipsSpeciesWithoutGermanNameAndShowsNameAndScientificName)
{
    m_modul->SetDeutscheNamen(true);
    TQuery& abfrage = *m_modul->VerdanDeutschArtQuery;
    ASSERT_TRUE(abfrage.Active());
    EXPECT_EQ(m_modul->VerdanArtDataSource->DataSet(), &abfrage);
    EXPECT_GT(abfrage.RecordCount(), 1000);
    EXPECT_LT(abfrage.RecordCount(), ArtenAnzahl());
    EXPECT_TRUE(abfrage.FieldByName("Deutsch")->Visible());
    EXPECT_FALSE(abfrage.FieldByName("ID")->Visible());
    ASSERT_TRUE(abfrage.Locate("ID", 814)); // Bellis perennis
    EXPECT_EQ(Deutsch(), "Gänseblümchen (Bellis perennis)");
    m_modul->SetDeutscheNamen(false);
    EXPECT_EQ(m_modul->VerdanArtDataSource->DataSet(), m_modul->VerdanArtTable);
}

TEST_F(ArtenDM, SucheDeutschFindsTheFirstEntryBeginningWithTheTextInAnyCase)
{
    ASSERT_TRUE(m_modul->SucheDeutsch("gänse"));
    TQuery& abfrage = *m_modul->VerdanDeutschArtQuery;
    EXPECT_TRUE(UpperCase(Deutsch()).startsWith("GÄNSE")) << Deutsch().toStdString();
    const int gefunden = abfrage.RecNo();
    for (int recNo = 1; recNo < gefunden; ++recNo) {
        abfrage.SetRecNo(recNo);
        ASSERT_FALSE(UpperCase(Deutsch()).startsWith("GÄNSE")) << recNo;
    }
}

TEST_F(ArtenDM, SucheDeutschWithoutMatchOrWithEmptyTextStaysWhereItWas)
{
    m_modul->SetDeutscheNamen(true);
    TQuery& abfrage = *m_modul->VerdanDeutschArtQuery;
    abfrage.SetRecNo(10);
    EXPECT_FALSE(m_modul->SucheDeutsch("Xyzzy"));
    EXPECT_EQ(abfrage.RecNo(), 10);
    EXPECT_FALSE(m_modul->SucheDeutsch(QString(5000, u'a')));
    EXPECT_EQ(abfrage.RecNo(), 10);
    EXPECT_TRUE(m_modul->SucheDeutsch(""));
    EXPECT_EQ(abfrage.RecNo(), 10);
    EXPECT_FALSE(abfrage.ControlsDisabled());
}

TEST(Verdan_ArtenBrowserDM, WithoutServerTheListStaysClosed)
{
    TVerdan_ArtenBrowserDataModul modul(nullptr, nullptr);
    EXPECT_FALSE(modul.VerdanArtTable->Active());
    EXPECT_TRUE(modul.FindeArt("Bellis", "perennis"));
    EXPECT_FALSE(modul.SucheDeutsch("Gänse"));
    EXPECT_TRUE(modul.SucheDeutsch(""));
}
