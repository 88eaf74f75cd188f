#include "data/Verdan_Benutzerdatenbank.h"
#include "key/KeyFixture.h"
#include "key/Verdan_Definition.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using KeyFixture::KatalogOhneItems;

namespace {

struct Kriterienzahl
{
    int angeboten;
    int nurInfo;
};

bool operator==(const Kriterienzahl& a, const Kriterienzahl& b)
{
    return a.angeboten == b.angeboten && a.nurInfo == b.nurInfo;
}

void PrintTo(const Kriterienzahl& z, std::ostream* os)
{
    *os << z.angeboten << " + " << z.nurInfo << " info";
}

Kriterienzahl ZaehleKriterien(TVerdan_KriterienGruppe& gruppe)
{
    Kriterienzahl zahl{0, 0};
    for (TKR_DatenBankFeld* feld : gruppe)
        ++(static_cast<TVerdan_DatenBankFeld*>(feld)->NurInfo ? zahl.nurInfo : zahl.angeboten);
    return zahl;
}

// Every key with its settings, fields, units, notes and items as one text, for comparing
// whole catalogues.
QStringList Inhalt(TVerdan_Benutzerdatenbank& katalog)
{
    QStringList inhalt;
    for (TVerdan_KriterienGruppe* g : katalog) {
        inhalt << QStringList{QString::number(g->Nummer),
                              g->Name,
                              g->Titel,
                              g->SpalteBezeichnung,
                              g->SpalteGruppe,
                              g->SpalteID,
                              g->SpalteSippen}
                      .join('|');
        for (TKR_DatenBankFeld* f : *g) {
            auto* feld = static_cast<TVerdan_DatenBankFeld*>(f);
            inhalt << "  " + feld->Titel + '|' + feld->Code + '|' + feld->Einheit +
                          (feld->NurInfo ? "|info" : "") + '|' + feld->Notiz.Join("/");
            for (const TVerdan_DatenbankItemRecord* item : feld->Items)
                inhalt << "    " + item->Code + '=' + item->Text;
        }
    }
    return inhalt;
}

} // namespace

TEST(ErstelleKatalog, HasTheSixtyOneKeysByNumberAndName)
{
    auto katalog = KatalogOhneItems();
    ASSERT_EQ(katalog->Count(), 61);
    EXPECT_EQ(katalog->Datenbankart, 9);
    EXPECT_TRUE(katalog->IndexIsValid());
    EXPECT_TRUE(katalog->GruppeNr(3)->IndexIsValid());
    for (int nummer : {0, -1, 62, 500})
        EXPECT_EQ(katalog->GruppeNr(nummer), nullptr) << nummer;
    EXPECT_EQ(katalog->GruppeNr(4)->Name, "Gruppenliste");
    EXPECT_EQ(katalog->GruppeNr(60)->Name, "Familienliste");
    EXPECT_EQ(katalog->GruppeNr(61)->Name, "Glossar");
    EXPECT_EQ(katalog->AktuelleGruppe()->Nummer, 61);
    EXPECT_FALSE(katalog->GruppeVorhanden(62));

    for (int nummer = 1; nummer <= 61; ++nummer) {
        TVerdan_KriterienGruppe* gruppe = katalog->GruppeNr(nummer);
        EXPECT_EQ(gruppe->Nummer, nummer);
        EXPECT_EQ(gruppe->Katalog, katalog.get());
        EXPECT_EQ(gruppe->Modus, 1);
    }

    TVerdan_KriterienGruppe* apiac = katalog->GruppeMitName("Apiac");
    ASSERT_NE(apiac, nullptr);
    EXPECT_EQ(apiac->Nummer, 9);
    EXPECT_EQ(apiac->Titel, "Apiaceae");
    EXPECT_EQ(katalog->GruppeMitName("Apiaceae"), nullptr);
    EXPECT_EQ(katalog->GruppeMitName("Grundtabelle")->Nummer, 3);
    EXPECT_EQ(katalog->GruppeMitName("grundtabelle"), nullptr);
    EXPECT_EQ(katalog->GruppeMitName("Ranunculus B")->Titel, "Ranunculus B  (Batrachium)");

    EXPECT_EQ(katalog->FeldTitel(1, 3), "Status in Deutschland");
    EXPECT_EQ(katalog->FeldTitel(1, 9), "N/A");
    EXPECT_EQ(katalog->FeldTitel(62, 1), "N/A");
    EXPECT_TRUE(katalog->FeldVorhanden(3, 21));
    EXPECT_FALSE(katalog->FeldVorhanden(3, 22));
    EXPECT_EQ(katalog->FeldNr(3, 10)->Code, "BLS");
}

TEST(ErstelleKatalog, KeysCarryTheirColumnsAndFlags)
{
    auto katalog = KatalogOhneItems();
    const struct
    {
        int nummer;
        QString bezeichnung, gruppe, id, sippen;
        bool gn, fn, gattung;
    } cases[] = {
        {1, "Gattung || \" \" ||  Art", "", "ID", "", false, false, false},
        {2, "Art", "", "ID", "", false, false, false},
        {3, "SIP", "GR", "ID", "", false, false, false},
        {4, "Gruppe", "GR", "", "", false, false, false},
        {5, "Familie", "GR", "ID", "Sippen", true, true, false},
        {6, "Gattung", "GR", "", "", true, true, false},
        {7, "Art", "", "ID", "", false, false, false},
        {60, "Familie", "GR", "ID", "", false, false, false},
        {61, "Art", "", "ID", "", false, false, false},
    };
    for (const auto& c : cases) {
        TVerdan_KriterienGruppe* g = katalog->GruppeNr(c.nummer);
        EXPECT_EQ(g->SpalteBezeichnung, c.bezeichnung) << c.nummer;
        EXPECT_EQ(g->SpalteGruppe, c.gruppe) << c.nummer;
        EXPECT_EQ(g->SpalteID, c.id) << c.nummer;
        EXPECT_EQ(g->SpalteSippen, c.sippen) << c.nummer;
        EXPECT_EQ(g->MitGN, c.gn) << c.nummer;
        EXPECT_EQ(g->MitFN, c.fn) << c.nummer;
    }
    QList<int> mitGattung;
    for (TVerdan_KriterienGruppe* g : *katalog)
        if (g->MitGattung) mitGattung << g->Nummer;
    EXPECT_EQ(mitGattung, (QList<int>{16, 23, 28, 43, 44, 54, 58}));
}

TEST(ErstelleKatalog, EachKeyHasItsCriteria)
{
    const Kriterienzahl want[62] = {
        {},      {0, 4},  {7, 0},  {21, 0}, {0, 0},  {15, 0}, {0, 0},  {9, 0},  {7, 0},
        {16, 0}, {7, 0},  {11, 0}, {9, 0},  {9, 0},  {19, 0}, {8, 0},  {12, 0}, {16, 0},
        {22, 0}, {9, 0},  {6, 0},  {13, 0}, {8, 2},  {14, 0}, {6, 0},  {14, 0}, {5, 4},
        {6, 0},  {8, 0},  {11, 0}, {7, 0},  {10, 0}, {12, 0}, {11, 0}, {9, 0},  {12, 0},
        {14, 0}, {5, 0},  {13, 0}, {8, 0},  {7, 0},  {9, 0},  {11, 3}, {14, 4}, {11, 0},
        {7, 0},  {13, 0}, {8, 0},  {14, 0}, {5, 0},  {9, 0},  {13, 0}, {5, 0},  {17, 0},
        {14, 0}, {6, 0},  {22, 0}, {4, 0},  {12, 0}, {11, 0}, {0, 0},  {22, 0},
    };
    auto katalog = KatalogOhneItems();
    for (int nummer = 1; nummer <= 61; ++nummer)
        EXPECT_EQ(ZaehleKriterien(*katalog->GruppeNr(nummer)), want[nummer]) << "key " << nummer;
}

TEST(ErstelleKatalog, MainKeysAreCompleteWithoutItemTable)
{
    auto katalog = KatalogOhneItems();
    const struct
    {
        int schluessel, feld;
        QString titel, code;
        int items;
        QString erster, letzter;
    } cases[] = {
        {1, 4, "Bundesländer", "Bundesländer", 12, "BB=Brandenburg mit Berlin", "TH=Thüringen"},
        {2, 6, "Sori (oder Sporangien)", "Sori", 6, "Ä=in Sporenähren", "B=in Blattachseln"},
        {3, 10, "Blütenstand", "BLS", 26, "Ä=Ähre", "zw=zu zwei gestielt"},
        {3, 21, "Fruchttyp", "FT", 17, "Ba=Balg", "Z=Zapfen"},
        {5, 15, "Blütenstand", "Blst", 7, "K=Körbchen mit Hülle", "Z=Zapfen"},
        {61, 4, "3", "3", 0, "", ""},
        {61, 5, "4", "4", 22, "1=1", "22=22"},
        {61, 22, "21", "21", 3, "1=1", "3=3"},
    };
    const auto item = [](TVerdan_DatenBankFeld* feld, int nummer) {
        const TVerdan_DatenbankItemRecord* record = feld->Items.GetItem(nummer);
        return record ? record->Code + '=' + record->Text : QString();
    };
    for (const auto& c : cases) {
        TVerdan_DatenBankFeld* feld = katalog->FeldNr(c.schluessel, c.feld);
        ASSERT_NE(feld, nullptr) << c.schluessel << "/" << c.feld;
        EXPECT_EQ(feld->Titel, c.titel);
        EXPECT_EQ(feld->Code, c.code);
        EXPECT_EQ(feld->GetItemAnzahl(), c.items) << c.titel.toStdString();
        EXPECT_EQ(item(feld, 1), c.erster);
        EXPECT_EQ(item(feld, c.items), c.letzter);
    }
    EXPECT_EQ(katalog->FeldNr(1, 4)->Items.TextZuCode("MV"), "Mecklenburg-Vorpommern  ");
    EXPECT_EQ(katalog->FeldNr(1, 2)->CodesAlsText("we, gr"), "weiß, grün");

    // Only one criterion carries notes.
    int mitNotiz = 0;
    for (TVerdan_KriterienGruppe* g : *katalog)
        for (TKR_DatenBankFeld* f : *g)
            mitNotiz += static_cast<TVerdan_DatenBankFeld*>(f)->Notiz.Count() > 0;
    EXPECT_EQ(mitNotiz, 1);
    QStringList notiz;
    katalog->FeldNr(3, 20)->Notiz.ToStrings(notiz);
    EXPECT_EQ(notiz,
              (QStringList{"Meist an den Narbenästen oder der Fächerzahl",
                           "oder der Zahl der Samenreihen des Fruchtknotens", "zu erkennen"}));
}

TEST(ErstelleKatalog, GenusAndFamilyKeysDeclareCaptionsColumnsAndUnits)
{
    auto katalog = KatalogOhneItems();
    const struct
    {
        int schluessel, feld;
        QString titel, code, einheit;
        bool nurInfo;
    } cases[] = {
        {7, 1, "Blattscheiden", "B-Scheiden", "", false},
        {11, 6, "Blütenfarbe (der Strahlenblüten, wenn zugleich Scheibenblüten vorhanden sind)",
         "Blütenfarbe", "", false},
        {17, 15, "Fruchtbehaarung", "Fr--Behaarung", "", false},
        {18, 16, "Kronblatt-Behaarung", "Kronb-Behaaarung", "", false},
        {22, 10, "Markhöhle/Stängeldurchmesser", "Markhöhle", "", true},
        {42, 12, "Blattbreite", "B-Breite", "mm", true},
        {42, 13, "Ligula-Länge", "Ligula-Länge", "mm", true},
        {42, 14, "Ährchen-Länge", "Ährchen-Länge", "mm", true},
        {43, 17, "Deckpelzen-Länge", "Decksp-Länge", "mm", true},
        {51, 5, "Blattform  (untere)", "B-Form", "", false},
        {59, 11, "Fruchtbehaarung", "Fr-Behaarung", "", false},
    };
    for (const auto& c : cases) {
        TVerdan_DatenBankFeld* feld = katalog->FeldNr(c.schluessel, c.feld);
        ASSERT_NE(feld, nullptr) << c.schluessel << "/" << c.feld;
        EXPECT_EQ(feld->Titel, c.titel) << c.schluessel << "/" << c.feld;
        EXPECT_EQ(feld->Code, c.code) << c.schluessel << "/" << c.feld;
        EXPECT_EQ(feld->Einheit, c.einheit) << c.schluessel << "/" << c.feld;
        EXPECT_EQ(feld->NurInfo, c.nurInfo) << c.schluessel << "/" << c.feld;
        EXPECT_EQ(feld->GetItemAnzahl(), 0);
    }
}

TEST(ErstelleKatalog, EachCallBuildsAnIndependentCatalogue)
{
    auto erster = KatalogOhneItems();
    auto zweiter = KatalogOhneItems();
    ASSERT_NE(erster.get(), zweiter.get());
    EXPECT_EQ(Inhalt(*erster), Inhalt(*zweiter));
    EXPECT_EQ(zweiter->GruppeNr(3)->Katalog, zweiter.get());

    erster->FeldNr(3, 1)->Items.AddItem("x", "anders", 0);
    erster.reset();
    EXPECT_EQ(zweiter->FeldNr(3, 1)->GetItemAnzahl(), 2);
}

namespace {

class KatItemsTest : public ::testing::Test
{
protected:
    std::unique_ptr<TVerdan_Benutzerdatenbank> KatalogMit(const QList<QVariantList>& zeilen)
    {
        KeyFixture::SchreibeKatItems(Dir(), zeilen);
        return ErstelleKatalog(Dir());
    }
    QString Dir() const { return m_dir.path() + "/GLOBAL"; }

    static QStringList Codes(TVerdan_DatenBankFeld* feld)
    {
        QStringList codes;
        for (const TVerdan_DatenbankItemRecord* item : feld->Items)
            codes << item->Code + '=' + item->Text;
        return codes;
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(KatItemsTest, FillsTheCriteriaOfGenusAndFamilyKeys)
{
    auto katalog = KatalogMit({{9, "B-Form", 1, "e", "einfach"},
                               {9, "B-Form", 2, "g", "gefiedert"},
                               {9, "Lebensform", 1, "1", "einjährig"},
                               {38, "Blütenfarbe", 1, "w/a", "weiß und grün oder rötlich"},
                               {59, "Fr-Behaarung", 1, "+", "behaart"}});
    EXPECT_EQ(katalog->Probleme(), QStringList());
    EXPECT_EQ(Codes(katalog->FeldNr(9, 3)), (QStringList{"e=einfach", "g=gefiedert"}));
    EXPECT_EQ(Codes(katalog->FeldNr(9, 1)), QStringList{"1=einjährig"});
    EXPECT_EQ(Codes(katalog->FeldNr(38, 8)), QStringList{"w/a=weiß und grün oder rötlich"});
    EXPECT_EQ(Codes(katalog->FeldNr(59, 11)), QStringList{"+=behaart"});
    EXPECT_EQ(katalog->FeldNr(9, 2)->GetItemAnzahl(), 0);
}

TEST_F(KatItemsTest, SkipsBadRowsAndSaysWhy)
{
    auto katalog = KatalogMit({
        {3, "L", 1, "x", "Schlüssel 3 ist vollständig"},
        {7, "B-Form", 1, "l", "lineal"},
        {7, "B-Form", 3, "r", "rund"},
        {7, "B-Form", 4, "z", "zylindrisch"},
        {9, "B-Form", 1, "e", "einfach"},
        {9, "B-Form", 2, "a\"", "mit Anführungszeichen"},
        {9, "B-Form", 3, "g", "gefiedert"},
        {9, "B-Forn", 1, "e", "Tippfehler"},
        {9, "Hülle", 1, "", "ohne Code"},
        {42, "B-Breite", 1, "1", "schmal"},
        {62, "B-Form", 1, "e", "einfach"},
    });
    EXPECT_EQ(
        katalog->Probleme(),
        (QStringList{
            "KAT_Items, Zeile Schluessel 3, Spalte \"L\", Nr 1: Schlüssel 3 (\"Grundtabelle\") "
            "bekommt keine Items aus KAT_Items, nur die Schlüssel 7 bis 59.",
            "KAT_Items, Zeile Schluessel 7, Spalte \"B-Form\", Nr 3: Lücke in der Numerierung, "
            "erwartet war Nr 2; diese und die folgenden Zeilen des Kriteriums werden übergangen.",
            "KAT_Items, Zeile Schluessel 9, Spalte \"B-Form\", Nr 2: der Code a\" enthält ein "
            "Anführungszeichen (\"), das keine Abfrage tragen kann; diese und die folgenden "
            "Zeilen des Kriteriums werden übergangen.",
            "KAT_Items, Zeile Schluessel 9, Spalte \"B-Forn\", Nr 1: Schlüssel 9 (\"Apiac\") hat "
            "kein Kriterium mit der Spalte \"B-Forn\".",
            "KAT_Items, Zeile Schluessel 9, Spalte \"Hülle\", Nr 1: der Code ist leer; diese und "
            "die folgenden Zeilen des Kriteriums werden übergangen.",
            "KAT_Items, Zeile Schluessel 42, Spalte \"B-Breite\", Nr 1: das Kriterium "
            "\"Blattbreite\" dient nur der Information und hat keine Items.",
            "KAT_Items, Zeile Schluessel 62, Spalte \"B-Form\", Nr 1: den Schlüssel 62 gibt es "
            "nicht.",
        }));
    EXPECT_EQ(Codes(katalog->FeldNr(7, 2)), QStringList{"l=lineal"});
    EXPECT_EQ(Codes(katalog->FeldNr(9, 3)), QStringList{"e=einfach"});
    EXPECT_EQ(katalog->FeldNr(9, 9)->GetItemAnzahl(), 0);
    EXPECT_EQ(katalog->FeldNr(42, 12)->GetItemAnzahl(), 0);
    EXPECT_EQ(Codes(katalog->FeldNr(3, 1)), (QStringList{"h=holzig", "k=krautig"}));
}

TEST_F(KatItemsTest, WithoutTheTableTheMainKeysStayComplete)
{
    auto katalog = ErstelleKatalog(Dir());
    ASSERT_EQ(katalog->Probleme().size(), 1);
    EXPECT_TRUE(katalog->Probleme()[0].startsWith("Die Tabelle KAT_Items in \"" + Dir() + "\""))
        << katalog->Probleme()[0].toStdString();
    EXPECT_TRUE(
        katalog->Probleme()[0].endsWith("den Kriterien der Schlüssel 7 bis 59 fehlen ihre Items."));
    EXPECT_EQ(Inhalt(*katalog), Inhalt(*KatalogOhneItems()));
    EXPECT_EQ(katalog->FeldNr(3, 10)->GetItemAnzahl(), 26);

    // A table of another layout is reported the same way.
    QDir().mkpath(Dir());
    {
        TDatabaseBuilder builder(Dir() + "/tables.sqlite");
        builder.CreateTable(KeyFixture::Tabelle(
            "KAT_Items", {{"Schluessel", "I"}, {"Kriterium", "A40"}, {"Nr", "I"}}));
        builder.AddRow("KAT_Items", {9, "B-Form", 1});
        builder.Finish();
    }
    auto ohneSpalte = ErstelleKatalog(Dir());
    ASSERT_EQ(ohneSpalte->Probleme().size(), 1);
    EXPECT_TRUE(ohneSpalte->Probleme()[0].contains("Spalte"))
        << ohneSpalte->Probleme()[0].toStdString();
    EXPECT_EQ(ohneSpalte->FeldNr(9, 3)->GetItemAnzahl(), 0);
}

// The shipped source of the table holds only item rows of keys 7 to 59 that load cleanly.
TEST(KatItemsSource, LoadsWithoutProblems)
{
    const QString globalDir = QStringLiteral(VERDAN_DATA_DIR);
    if (!QFile::exists(globalDir + "/tables.sqlite")) GTEST_SKIP() << "no compiled data";
    auto katalog = ErstelleKatalog(globalDir);
    EXPECT_EQ(katalog->Probleme(), QStringList());
}
