#include "data/Verdan_Benutzerdatenbank.h"
#include "foundation/KR_Exception.h"
#include "html/Kr_html.h"
#include "key/KeyFixture.h"
#include "key/Verdan_Flagoutstuktur.h"

#include <gtest/gtest.h>

namespace {

QStringList Zeilen(const TKR_Textus& text)
{
    QStringList zeilen;
    text.ToStrings(zeilen);
    return zeilen;
}

class FlagOutTest : public ::testing::Test
{
protected:
    std::unique_ptr<TVerdan_FlagOutStruktur> Baum(int nummer)
    {
        auto baum = std::make_unique<TVerdan_FlagOutStruktur>(m_katalog->GruppeNr(nummer)->Titel,
                                                              m_katalog.get());
        baum->FuelleAusGruppe(nummer);
        return baum;
    }
    // The value object of item i of chapter k.
    static TVerdan_FlagOutObjekt* Wert(TVerdan_FlagOutStruktur& baum, int k, int i)
    {
        auto* kapitel =
            static_cast<TVerdan_FlagOutStruktur*>(baum.ObjektNr(k)->Unterstruktur.get());
        return kapitel->ObjektNr(i);
    }
    QStringList Export(TAW_FlagOutStruktur& baum)
    {
        TAW_FlagOutKriterienListe liste(m_katalog.get());
        baum.SchreibeAuswahl(liste);
        return Zeilen(liste);
    }

    std::unique_ptr<TVerdan_Benutzerdatenbank> m_katalog = KeyFixture::KatalogOhneItems();
};

} // namespace

TEST_F(FlagOutTest, TheTreeOfAKeyHasAChapterPerOfferedCriterion)
{
    auto baum = Baum(3);
    EXPECT_EQ(baum->Titel, "Blütenpflanzen");
    EXPECT_EQ(baum->Ebene, 1);
    ASSERT_EQ(baum->Count(), 21);

    TVerdan_FlagOutObjekt* kapitel = baum->ObjektNr(10);
    EXPECT_EQ(kapitel->Art, TKR_FlagOutArt::Kapitel);
    EXPECT_EQ(kapitel->Titel, "Blütenstand");
    EXPECT_EQ(kapitel->Feld, m_katalog->FeldNr(3, 10));
    EXPECT_EQ(kapitel->Besitzer, baum.get());
    TKR_FlagOutStruktur& werte = *kapitel->Unterstruktur;
    EXPECT_EQ(werte.Titel, "Blütenstand");
    EXPECT_EQ(werte.Ebene, 2);
    EXPECT_EQ(werte.Eltern, baum.get());
    EXPECT_EQ(werte.ElternObjekt, kapitel);
    EXPECT_TRUE(werte.AlsKapitel);
    ASSERT_EQ(werte.Count(), 26);
    TKR_FlagOutObjekt* aehre = werte.ObjektNr(1);
    EXPECT_EQ(aehre->Art, TKR_FlagOutArt::Wert);
    EXPECT_EQ(aehre->Titel, "Ähre");
    EXPECT_EQ(aehre->Urtitel, "Ähre");
    EXPECT_EQ(aehre->ItemNummer, 1);
    EXPECT_EQ(aehre->Feld, kapitel->Feld);
    EXPECT_NE(dynamic_cast<TVerdan_FlagOutObjekt*>(aehre), nullptr);
    EXPECT_EQ(werte.ObjektNr(26)->Titel, "zu zwei gestielt");

    EXPECT_EQ(Baum(42)->Count(), 11); // its three info-only criteria stay out
    EXPECT_EQ(Baum(6)->Count(), 0);
    EXPECT_EQ(Baum(61)->ObjektNr(4)->Unterstruktur->Count(), 0);
    TVerdan_FlagOutStruktur leer("Nichts", m_katalog.get());
    leer.FuelleAusGruppe(62);
    EXPECT_EQ(leer.Count(), 0);
}

TEST_F(FlagOutTest, TicksExportAsOneSortedLinePerCriterion)
{
    auto baum = Baum(3);
    EXPECT_EQ(Export(*baum), QStringList());

    Wert(*baum, 5, 2)->SetGewaehlt(true);
    EXPECT_EQ(Wert(*baum, 5, 2)->AuswahlWert, "2");
    EXPECT_EQ(Export(*baum), QStringList{"003\t005\t/2/\t1"});

    Wert(*baum, 21, 3)->SetGewaehlt(true);
    Wert(*baum, 10, 4)->SetGewaehlt(true);
    Wert(*baum, 10, 1)->SetGewaehlt(true); // two values of one criterion, through the model
    const QStringList want{"003\t005\t/2/\t1", "003\t010\t/1/4/\t1", "003\t021\t/3/\t1"};
    EXPECT_EQ(Export(*baum), want);

    TAW_FlagOutKriterienListe liste(m_katalog.get());
    baum->SchreibeAuswahl(liste);
    baum->SchreibeAuswahl(liste);
    EXPECT_EQ(Zeilen(liste), want);

    Wert(*baum, 5, 2)->SetGewaehlt(false);
    EXPECT_EQ(Wert(*baum, 5, 2)->AuswahlWert, "");
    EXPECT_EQ(Export(*baum).size(), 2);

    EXPECT_FALSE(baum->HatAuswahlWert(false)); // the values sit in the chapters
    EXPECT_TRUE(baum->HatAuswahlWert(true));
    baum->LoescheAuswahl();
    EXPECT_FALSE(baum->HatAuswahlWert(true));
    EXPECT_FALSE(Wert(*baum, 10, 1)->IstGewaehlt());
    EXPECT_EQ(Export(*baum), QStringList());
}

TEST(TAW_FlagOutKriterienListe, KeepsTheSetOfEachCriterionSortedAsText)
{
    TAW_FlagOutKriterienListe liste;
    EXPECT_EQ(TAW_FlagOutKriterienListe::Zeilenkopf(3, 21), "003\t021\t");
    EXPECT_EQ(TAW_FlagOutKriterienListe::Zeilenkopf(1000, 5), "1000\t005\t");

    liste.SetzeItem(10, 2, 4, true, "1");
    liste.SetzeItem(3, 5, 12, true, "1");
    liste.SetzeItem(3, 5, 3, true, "1");
    liste.SetzeItem(3, 5, 3, true, "1");
    liste.SetzeItem(10, 2, 1, false, "1");
    liste.SetzeItem(3, 21, 1, false, "1");
    liste.Sort();
    EXPECT_EQ(Zeilen(liste), (QStringList{"003\t005\t/3/12/\t1", "010\t002\t/4/\t1"}));

    EXPECT_EQ(liste.AuswahlWertZu(3, 5), "/3/12/");
    EXPECT_EQ(liste.AuswahlWertZu(3, 6), "");
    EXPECT_EQ(liste.ItemGesetzt(3, 5, 12), "12");
    EXPECT_EQ(liste.ItemGesetzt(3, 5, 1), "");
    EXPECT_EQ(liste.ModusZu(3, 5, 3), "1");
    EXPECT_EQ(liste.ModusZu(3, 5, 4), "");

    liste.SetzeItem(10, 2, 4, false, "1");
    EXPECT_EQ(Zeilen(liste), QStringList{"003\t005\t/3/12/\t1"});
}

TEST(TAW_FlagOutKriterienListe, SetzeAuswahlWertWritesWholeValues)
{
    TAW_FlagOutKriterienListe liste;
    liste.SetzeAuswahlWert(1, 2, "a\tb", "");
    liste.SetzeAuswahlWert(1, 3, "7", "2");
    liste.SetzeAuswahlWert(1, 4, "", "2");
    EXPECT_EQ(Zeilen(liste), (QStringList{"001\t002\ta#b", "001\t003\t7\t2"}));
    EXPECT_EQ(liste.ItemGesetzt(1, 3, 7), "7");

    liste.SetzeAuswahlWert(1, 2, "c", "1");
    liste.SetzeAuswahlWert(1, 3, "", "1");
    EXPECT_EQ(Zeilen(liste), QStringList{"001\t002\tc\t1"});
}

TEST_F(FlagOutTest, WrongItemsAndFieldsWithoutValues)
{
    TVerdan_DatenBankFeld* lebensform = m_katalog->FeldNr(3, 1);
    TVerdan_FlagOutStruktur baum("Test", m_katalog.get());
    EXPECT_EQ(baum.AddItemObjekt(*lebensform, 3)->Titel, "! FEHLERHAFTES ITEM");
    EXPECT_EQ(baum.AddItemObjekt(*lebensform, 0)->Titel, "! FEHLERHAFTES ITEM");
    EXPECT_EQ(baum.AddItemObjekt(*lebensform, 2)->Titel, "krautig");

    // A criterion without items still gets its (empty) chapter; other fields need values.
    TKR_FlagOutObjekt* kapitel = baum.AddKritItemsAsKapitel(*m_katalog->FeldNr(61, 4));
    EXPECT_EQ(kapitel->Unterstruktur->Count(), 0);
    TKR_DatenBankFeld farbe(1, "Farbe", 5, "Farbe");
    TKR_FlagOutStruktur basis("Basis");
    for (TKR_FlagOutStruktur* struktur : {static_cast<TKR_FlagOutStruktur*>(&baum), &basis}) {
        const int vorher = struktur->Count();
        try {
            struktur->AddKritItemsAsKapitel(farbe);
            ADD_FAILURE() << "no exception";
        } catch (const EKR_Exception& e) {
            EXPECT_EQ(e.Message(),
                      "TKR_FlagOutStruktur:AddKritItemsAsKapitel ohne Items aufgerufen");
        }
        EXPECT_EQ(struktur->Count(), vorher);
    }

    // Info-only criteria and other fields get no chapter.
    const int vorher = baum.Count();
    baum.NimmFeldAuf(*m_katalog->FeldNr(42, 12));
    baum.NimmFeldAuf(farbe);
    EXPECT_EQ(baum.Count(), vorher);
}

namespace {

struct Knoten : TVerdan_FlagOutKnoten
{
    void SetImageIndex(int index) override { Bild = index; }
    TVerdan_FlagOutKnoten* ParentNode() const override { return Eltern; }
    int Bild = -1;
    Knoten* Eltern = nullptr;
};

} // namespace

TEST_F(FlagOutTest, NodesShowTicksAndTheirChapters)
{
    auto baum = Baum(3);
    Knoten kapitel, h, k, andersKapitel;
    h.Eltern = &kapitel;
    k.Eltern = &kapitel;
    baum->ObjektNr(1)->Knoten = &kapitel;
    baum->ObjektNr(2)->Knoten = &andersKapitel;
    Wert(*baum, 1, 1)->Knoten = &h;
    Wert(*baum, 1, 2)->Knoten = &k;

    Wert(*baum, 1, 2)->SetGewaehlt(true);
    baum->AktualisiereAlle();
    EXPECT_EQ(kapitel.Bild, 1);
    EXPECT_EQ(h.Bild, 0);
    EXPECT_EQ(k.Bild, 2);
    EXPECT_EQ(andersKapitel.Bild, 0);

    Wert(*baum, 1, 2)->SetGewaehlt(false);
    baum->AktualisiereAlle();
    EXPECT_EQ(kapitel.Bild, 0);
    EXPECT_EQ(k.Bild, 0);
}

namespace {

struct Steuerelement : TKR_FlagOutSteuerelement
{
    void ZeigeGewaehlt(bool gewaehlt) override { Haken = gewaehlt; }
    void Zuruecksetzen() override { ++Zurueckgesetzt; }
    bool Haken = false;
    int Zurueckgesetzt = 0;
};

} // namespace

TEST(TKR_FlagOutObjekt, TellsTheRootWhenAnObjectWithAControlChanges)
{
    TKR_FlagOutStruktur wurzel("Wurzel");
    auto unter = std::make_unique<TKR_FlagOutStruktur>("Kapitel", &wurzel);
    TKR_FlagOutStruktur* kapitel = unter.get();
    wurzel.AddUnterstruktur(std::move(unter), true);
    TKR_FlagOutObjekt* objekt = kapitel->AddObjekt();
    EXPECT_EQ(objekt->Titel, "! Nicht initalisiert !");
    EXPECT_EQ(objekt->Besitzer, kapitel);

    int meldungen = 0;
    wurzel.OnObjektAenderung = [&](TKR_FlagOutSteuerelement&, TKR_FlagOutObjekt& o) {
        EXPECT_EQ(&o, objekt);
        ++meldungen;
    };
    objekt->SetGewaehlt(true); // no control: nothing to tell
    Steuerelement control;
    objekt->Steuerelement = &control;
    objekt->SetGewaehlt(true);
    EXPECT_TRUE(control.Haken);
    kapitel->Bereit = false;
    objekt->SetGewaehlt(false);
    EXPECT_FALSE(control.Haken);
    EXPECT_EQ(meldungen, 1);

    // The framework layer resets controls when it clears.
    TAW_FlagOutStruktur aw("AW");
    TKR_FlagOutObjekt* wert = aw.AddObjekt();
    wert->Steuerelement = &control;
    wert->Gewaehlt = true;
    aw.LoescheAuswahl();
    EXPECT_FALSE(wert->Gewaehlt);
    EXPECT_EQ(control.Zurueckgesetzt, 1);
}

TEST_F(FlagOutTest, SchreibeHtmlListsTheTickedValuesOfEachCriterion)
{
    const auto html = [](const TVerdan_FlagOutStruktur& baum, const QString& suffix) {
        TKR_HtmlEditor editor;
        baum.SchreibeHtml(editor, 2, suffix);
        TKR_Textus zeilen;
        editor.WriteHtml(zeilen);
        return Zeilen(zeilen);
    };
    EXPECT_EQ(html(*Baum(6), "(Familie: Rosaceae)"),
              (QStringList{"<U>", "2) Gattungen (Familie: Rosaceae)<br>", "</U>",
                           "Keine Kriterien angegeben<br>"}));

    auto baum = Baum(3);
    EXPECT_EQ(html(*baum, ""), (QStringList{"<U>", "2) Blütenpflanzen <br>", "</U>"}));
    Wert(*baum, 1, 1)->SetGewaehlt(true);
    Wert(*baum, 1, 2)->SetGewaehlt(true);
    Wert(*baum, 16, 3)->SetGewaehlt(true);
    EXPECT_EQ(html(*baum, ""), (QStringList{"<U>", "2) Blütenpflanzen <br>", "</U>", "Lebensform: ",
                                            "<font color=blue>", "holzig, krautig<br>", "</font>",
                                            "Farbe der Blüten: ", "<font color=blue>",
                                            "rot (orangerot bis scharlachrot)<br>", "</font>"}));
}
