#include "app/KR_MYSYS.h"
#include "foundation/KR_Colors.h"
#include "pictures/Aw_mm01.h"
#include "pictures/PictureFixture.h"

#include <QLabel>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using PictureFixture::Bild;

namespace {

int Zellen(const TKR_DiaSerie& serie)
{
    return int(serie.findChildren<TKR_DiaSerienFenster*>(Qt::FindDirectChildrenOnly).size());
}

int Titel(const TKR_DiaSerie& serie)
{
    return int(serie.findChildren<QLabel*>(Qt::FindDirectChildrenOnly).size());
}

// A strip of 2 rows and 3 columns with frames and captions, built and shown.
void Baue(TKR_DiaSerie& serie)
{
    serie.SetGrid_AutomaticGridSize(false);
    serie.SetGrid_Zeilenanzahl(2);
    serie.SetGrid_Spaltenanzahl(3);
    serie.SetBorderWidth(4);
    serie.resize(3 * 102 + 8, 2 * 100 + 8);
    serie.Loaded();
    serie.show();
}

} // namespace

TEST(TKR_DiaSerie, StartsWithTheStoredDefaultsAndBuildsItsCellsWhenLoaded)
{
    TKR_DiaSerie serie;
    EXPECT_TRUE(serie.Grid_AutomaticGridSize());
    EXPECT_FALSE(serie.Grid_NachObenAusrichten());
    EXPECT_EQ(serie.Grid_Spaltenanzahl(), 5);
    EXPECT_EQ(serie.Grid_Zeilenanzahl(), 4);
    EXPECT_TRUE(serie.Grid_DisplayFotoTitle());
    EXPECT_TRUE(serie.Grid_DisplayFotoBorders());
    EXPECT_EQ(serie.Grid_ColorNormal(), DelphiColor(clBtnFace));
    EXPECT_EQ(serie.Grid_ColorHighlight(), DelphiColor(clWhite));
    EXPECT_EQ(serie.GetFenster(1, 1), nullptr);

    // The grid size comes from the setup block's settings.
    const int spalten = SetupBlock.DiaSpaltenanzahl;
    const int zeilen = SetupBlock.DiaZeilenanzahl;
    SetupBlock.DiaSpaltenanzahl = 6;
    SetupBlock.DiaZeilenanzahl = 2;
    serie.Loaded();
    SetupBlock.DiaSpaltenanzahl = spalten;
    SetupBlock.DiaZeilenanzahl = zeilen;
    EXPECT_EQ(Zellen(serie), 12);
    EXPECT_NE(serie.GetFenster(2, 6), nullptr);
    EXPECT_EQ(serie.GetFenster(3, 1), nullptr);
    EXPECT_EQ(serie.GetFenster(1, 7), nullptr);
    EXPECT_EQ(serie.GetFenster(0, 1), nullptr);
    EXPECT_EQ(serie.GetFenster(2, 6)->Color(), DelphiColor(clBtnFace));
}

TEST(TKR_DiaSerie, GridSizesOutside1To20AreIgnoredAndRebuildingFreesTheOldCells)
{
    TKR_DiaSerie serie;
    Baue(serie);
    for (int falsch : {0, 21, -1}) {
        serie.SetGrid_Spaltenanzahl(falsch);
        serie.SetGrid_Zeilenanzahl(falsch);
    }
    EXPECT_EQ(serie.Grid_Spaltenanzahl(), 3);
    EXPECT_EQ(serie.Grid_Zeilenanzahl(), 2);

    serie.SetGrid_Spaltenanzahl(20);
    serie.SetGrid_Zeilenanzahl(1);
    EXPECT_EQ(Zellen(serie), 6) << "at run time the owner rebuilds";
    serie.RebuildFenster();
    EXPECT_EQ(Zellen(serie), 20);
    EXPECT_EQ(Titel(serie), 40);

    serie.SetGrid_Spaltenanzahl(2);
    serie.RebuildFenster();
    EXPECT_EQ(Zellen(serie), 2);
    EXPECT_EQ(Titel(serie), 4);
}

TEST(TKR_DiaSerie, PlacesFramePictureLineAndCaptionsInEachSlot)
{
    TKR_DiaSerie serie;
    Baue(serie);
    TKR_DiaSerienFenster* zelle = serie.GetFenster(2, 3);
    const int titel = zelle->Titel1()->height();
    ASSERT_GT(titel, 0);

    // Slots of 102 x 100 inside the border of 4.
    EXPECT_EQ(zelle->Rahmen()->geometry(), QRect(4 + 204, 4 + 100, 102, 100));
    EXPECT_EQ(zelle->geometry(), QRect(213, 109, 92, 100 - 2 * titel - 15));
    const int bildUnten = 109 + 100 - 2 * titel - 15;
    EXPECT_EQ(zelle->Linie()->geometry(), QRect(209, bildUnten + 5, 101, 2));
    EXPECT_EQ(zelle->Titel1()->geometry(), QRect(209, bildUnten + 7, 97, titel));
    EXPECT_EQ(zelle->Titel2()->geometry().top(), bildUnten + 7 + titel);
    EXPECT_EQ(zelle->UsedBottom(), bildUnten + 7 + 2 * titel);

    // Without captions there are neither line nor labels, and the picture takes their room.
    serie.SetGrid_DisplayFotoTitle(false);
    zelle = serie.GetFenster(2, 3);
    EXPECT_EQ(zelle->Linie(), nullptr);
    EXPECT_EQ(zelle->Titel1(), nullptr);
    EXPECT_EQ(zelle->geometry(), QRect(213, 109, 92, 85));
    EXPECT_EQ(Titel(serie), 0);
    serie.SetGrid_DisplayFotoBorders(false);
    EXPECT_EQ(serie.GetFenster(2, 3)->Rahmen(), nullptr);
}

TEST(TKR_DiaSerie, StackedCellsTakeTheHeightTheirPicturesNeed)
{
    TKR_DiaSerie serie;
    serie.SetGrid_AutomaticGridSize(false);
    serie.SetGrid_NachObenAusrichten(true);
    serie.SetGrid_DisplayFotoTitle(false);
    serie.SetGrid_Spaltenanzahl(1);
    serie.SetGrid_Zeilenanzahl(3);
    serie.SetBorderWidth(0);
    serie.resize(110, 309);
    serie.Loaded();
    // A wide picture in the first cell, none in the second.
    serie.GetFenster(1, 1)->SetPicture(Bild(Qt::red, QSize(200, 50)));
    serie.ArrangeFenster(-1, -1);

    // Slots of 110 x 103: the picture area is 100 wide, so the picture needs 25 of its 88.
    TKR_DiaSerienFenster* erste = serie.GetFenster(1, 1);
    EXPECT_EQ(erste->geometry(), QRect(5, 5, 100, 25));
    EXPECT_EQ(erste->Rahmen()->geometry(), QRect(0, 0, 110, 37 + 5));
    TKR_DiaSerienFenster* zweite = serie.GetFenster(2, 1);
    EXPECT_EQ(zweite->geometry(), QRect(5, 47 + 5, 100, 88));
    EXPECT_EQ(serie.GetFenster(3, 1)->geometry().top(), 47 + 110 + 5);
}

TEST(TKR_DiaSerie, SelectingACellHighlightsItAndReportsIt)
{
    TKR_DiaSerie serie;
    serie.SetGrid_ColorNormal(DelphiColor(clWhite));
    serie.SetGrid_ColorHighlight(QColor(223, 223, 223));
    Baue(serie);
    QList<QWidget*> gemeldet;
    serie.OnChangeAktivFoto = [&](QWidget* zelle, int fid, int pid) {
        gemeldet << zelle;
        EXPECT_EQ(fid, 12);
        EXPECT_EQ(pid, 34);
    };
    serie.GetFenster(2, 2)->SetFID(12);
    serie.GetFenster(2, 2)->SetPID(34);

    serie.SelectNummer(5);
    EXPECT_EQ(serie.AktivNummer(), 5);
    EXPECT_EQ(serie.AktivZeile(), 2);
    EXPECT_EQ(serie.AktivSpalte(), 2);
    EXPECT_EQ(serie.GetAktivFenster(), serie.GetFenster(2, 2));
    EXPECT_EQ(serie.GetFenster(2, 2)->Color(), QColor(223, 223, 223));
    EXPECT_EQ(serie.GetFenster(1, 1)->Color(), QColor(Qt::white));
    EXPECT_EQ(gemeldet, QList<QWidget*>({serie.GetFenster(2, 2)}));

    for (int keine : {0, 7}) {
        serie.SelectNummer(keine);
        EXPECT_EQ(serie.AktivNummer(), 0);
        EXPECT_EQ(serie.GetAktivFenster(), nullptr);
        EXPECT_EQ(serie.GetFenster(2, 2)->Color(), QColor(Qt::white));
    }
    EXPECT_EQ(gemeldet.size(), 1);

    serie.ArrangeFenster(1, 3);
    EXPECT_EQ(serie.GetFenster(1, 3)->Color(), QColor(223, 223, 223));
}

TEST(TKR_DiaSerie, PressingOrDoubleClickingAPictureSelectsIt)
{
    TKR_DiaSerie serie;
    Baue(serie);
    int doppelt = 0;
    serie.OnMyDBLClick = [&](QWidget* sender, int fid, int) {
        EXPECT_EQ(sender, &serie);
        EXPECT_EQ(fid, 8);
        ++doppelt;
    };
    TKR_DiaSerienFenster* mitBild = serie.GetFenster(1, 2);
    mitBild->SetPicture(Bild(Qt::red));
    mitBild->SetFID(8);

    QTest::mousePress(serie.GetFenster(2, 1)->viewport(), Qt::LeftButton);
    QTest::mouseDClick(serie.GetFenster(2, 1)->viewport(), Qt::LeftButton);
    EXPECT_EQ(serie.AktivNummer(), 0);
    EXPECT_EQ(doppelt, 0);

    QTest::mousePress(mitBild->viewport(), Qt::LeftButton);
    EXPECT_EQ(serie.AktivNummer(), 2);
    serie.SelectNummer(0);
    QTest::mouseDClick(mitBild->viewport(), Qt::LeftButton);
    EXPECT_EQ(serie.AktivNummer(), 2);
    EXPECT_EQ(doppelt, 1);
}

TEST(TKR_DiaSerie, ClearAllEmptiesEveryCell)
{
    TKR_DiaSerie serie;
    Baue(serie);
    TKR_DiaSerienFenster* zelle = serie.GetFenster(1, 1);
    zelle->SetPicture(Bild(Qt::red));
    zelle->SetImageName("Ähre");
    zelle->SetFID(1);
    zelle->SetPID(2);
    zelle->Titel1()->setText("Ähre");
    serie.SelectNummer(1);

    serie.ClearAll();
    EXPECT_FALSE(zelle->HasPicture());
    EXPECT_EQ(zelle->ImageName(), "");
    EXPECT_EQ(zelle->FID(), 0);
    EXPECT_EQ(zelle->PID(), 0);
    EXPECT_EQ(zelle->Titel1()->text(), "");
    EXPECT_EQ(serie.AktivNummer(), 0);
}

TEST(TKR_DiaSerie, AStripWithCellsSwitchedOffHasNone)
{
    TKR_DiaSerie serie;
    serie.SetFensterAbgeschaltet(true);
    Baue(serie);
    EXPECT_EQ(Zellen(serie), 0);
    serie.SelectNummer(1);
    serie.ArrangeFenster(1, 1);
    serie.ClearAll();
    EXPECT_EQ(serie.GetAktivFenster(), nullptr);
}
