#include "key/Verdan_Definition.h"

#include "app/KR_MYSYS.h"
#include "data/Verdan_Benutzerdatenbank.h"
#include "platform/DatabaseError.h"
#include "platform/Table.h"

#include <initializer_list>
#include <map>
#include <utility>

namespace {

constexpr quint8 SchluesselModus = 1;
constexpr int KatalogArt = 9;
const QString ItemTabelle = QStringLiteral("KAT_Items");

using Werte = std::initializer_list<std::pair<const char*, const char*>>;

QString T(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

TVerdan_KriterienGruppe& NeuerSchluessel(TVerdan_Benutzerdatenbank& katalog, const char* name,
                                         const char* titel)
{
    return *katalog.AddGruppe(std::make_unique<TVerdan_KriterienGruppe>(
        katalog.Count() + 1, T(titel), SchluesselModus, T(name)));
}

TVerdan_DatenBankFeld* MitWerten(TVerdan_DatenBankFeld* feld, Werte werte)
{
    for (const auto& [code, text] : werte)
        feld->Items.AddItem(T(code), T(text), 0);
    feld->ItemsFertig();
    return feld;
}

TVerdan_DatenBankFeld* Kriterium(TVerdan_KriterienGruppe& g, const char* titel, const char* code,
                                 Werte werte)
{
    return MitWerten(g.AddFeld(T(titel), T(code)), werte);
}

TVerdan_DatenBankFeld* InfoKriterium(TVerdan_KriterienGruppe& g, const char* titel,
                                     const char* code, Werte werte)
{
    return MitWerten(g.AddInfoFeld(T(titel), T(code)), werte);
}

void ArtenDeutschlands(TVerdan_Benutzerdatenbank& katalog)
{
    TVerdan_KriterienGruppe& g =
        NeuerSchluessel(katalog, "Arten Deutschlands", "Arten Deutschlands.");
    g.SpalteBezeichnung = QStringLiteral("Gattung || \" \" ||  Art");
    InfoKriterium(g, "Lebensform", "Lebensform",
                  {{"P", "Staude"},
                   {"E", "Einjährige"},
                   {"B", "Baum"},
                   {"S", "Strauch"},
                   {"Z", "Zweijährige"},
                   {"M", "Mehrjähriges Kraut"},
                   {"L", "Liane"},
                   {"Par", "Vollschmarotzer"},
                   {"Zw", "Zwergstrauch"}});
    InfoKriterium(g, "Blütenfarbe", "Blütenfarbe",
                  {{"we", "weiß"},
                   {"ge", "gelb"},
                   {"or", "orange"},
                   {"ro", "rosa"},
                   {"li", "lila"},
                   {"pu", "purpurn"},
                   {"vi", "violett"},
                   {"bl", "blau"},
                   {"rt", "scharlachrot"},
                   {"gr", "grün"},
                   {"br", "braun"},
                   {"sch", "schwarz"}});
    InfoKriterium(g, "Status in Deutschland", "D-Status",
                  {{"w", "Wildart"},
                   {"a", "adventiv"},
                   {"e", "eingebürgert"},
                   {"k", "kultiviert"},
                   {"z", "Zierpflanze"}});
    InfoKriterium(g, "Bundesländer", "Bundesländer",
                  {{"BB", "Brandenburg mit Berlin"},
                   {"BW", "Baden-Württemberg"},
                   {"BY", "Bayern"},
                   {"HE", "Hessen"},
                   {"MV", "Mecklenburg-Vorpommern  "},
                   {"NI", "Niedersachsen mit Bremen"},
                   {"NW", "Nordrhein-Westfalen"},
                   {"RP", "Rheinland-Pfalz mit Saarland"},
                   {"SH", "Schleswig-Holstein mit Hamburg"},
                   {"SN", "Sachsen"},
                   {"ST", "Sachsen-Anhalt"},
                   {"TH", "Thüringen"}});
}

void Farnpflanzen(TVerdan_Benutzerdatenbank& katalog)
{
    TVerdan_KriterienGruppe& g = NeuerSchluessel(katalog, "Farnpfl", "Farnpflanzen");
    Kriterium(g, "Lebensform", "Lebensraum",
              {{"W", "Wasserpflanze"}, {"S", "Sumpfpflanze"}, {"L", "Landpflanze"}});
    Kriterium(g, "Blattform", "B-Form",
              {{"e", "einfach flächig"},
               {"f", "einfach gefiedert"},
               {"ff", "gefiedert und Fiedern fiederschnittig"},
               {"m", "doppelt bis mehrfach gefiedert"},
               {"s", "schuppen-bis nadelförmig"},
               {"l", "lineal"}});
    Kriterium(g, "Blattstellung", "B-Stellung",
              {{"b", "grundständig"},
               {"w", "wechselständig"},
               {"g", "gegenständig"},
               {"q", "quirlständig"}});
    Kriterium(g, "Nervatur", "Nervatur",
              {{"o", "offen"},
               {"n", "nicht offen sondern mit geschlossenen Maschen"},
               {"1", "1-nervig oder keine Nerven sichtbar"}});
    Kriterium(g, "Drüsenhaare", "Drüsenhaare", {{"+", "vorhanden"}, {"-", "fehlend"}});
    Kriterium(g, "Sori (oder Sporangien)", "Sori",
              {{"Ä", "in Sporenähren"},
               {"s", "gesondert auf eigenen Sporophyllen oder Wedelteilen"},
               {"r", "unter dem eingerollten Blattrand"},
               {"t", "taschenförmig eingeschlossen am Blattrand"},
               {"u", "unterseits auf den Wedeln"},
               {"B", "in Blattachseln"}});
    Kriterium(g, "Schleier", "Schleier",
              {{"f", "fehlend"},
               {"l", "lineal bis länglich"},
               {"s", "schildförmig"},
               {"n", "nierenförmig"},
               {"fl", "flammenförmig"},
               {"w", "bewimpert"},
               {"h", "durch Haare ersetzt"},
               {"t", "taschenartig"},
               {"v", "unter dem umgerollten Blattrand verborgen und vergänglich"}});
}

void Bluetenpflanzen(TVerdan_Benutzerdatenbank& katalog)
{
    TVerdan_KriterienGruppe& g = NeuerSchluessel(katalog, "Grundtabelle", "Blütenpflanzen");
    g.SpalteBezeichnung = QStringLiteral("SIP");
    g.SpalteGruppe = QStringLiteral("GR");
    Kriterium(g, "Lebensform", "L", {{"h", "holzig"}, {"k", "krautig"}});
    Kriterium(g, "Lebensweise", "LW",
              {{"w", "Wasserpflanze"}, {"s", "Sumpfpflanze"}, {"l", "Landpflanze"}});
    Kriterium(
        g, "Sonderformen", "SO",
        {{"k", "kletternd"}, {"s", "Blätter sukkulent"}, {"p", "parasitisch (ohne Chlorophyll)"}});
    Kriterium(g, "Milchsaft", "M", {{"m", "Milchsaft"}});
    Kriterium(g, "Blattstellung", "ST",
              {{"g", "gegenständig"},
               {"q", "quirlständig"},
               {"b", "grundständig"},
               {"w", "wechselständig"}});
    Kriterium(g, "Blattform", "BF",
              {{"z", "zusammengesetzt"},
               {"l", "lineal grasartig"},
               {"e", "einfach, aber nicht lineal grasartig"},
               {"n", "nadel- oder schuppenförmig (nur Holzpflanzen)"}});
    Kriterium(g, "Blattrand", "BR",
              {{"g", "ganzrandig"}, {"s", "gesägt gezähnt gekerbt"}, {"l", "gelappt"}});
    Kriterium(g, "Nervatur", "NV", {{"p", "parallel"}, {"f", "fiedernervig bis 1-nervig"}});
    Kriterium(g, "Nebenblätter", "N",
              {{"n", "Nebenblätter vorhanden (oft sehr hinfällig, jüngste Triebe untersuchen und "
                     "auf Narben achten!)"},
               {"f", "fehlend"}});
    Kriterium(g, "Blütenstand", "BLS",
              {{"Ä", "Ähre"},
               {"Äh", "Ährchen"},
               {"b", "büschelig"},
               {"c", "cymös"},
               {"Cy", "Cyathium"},
               {"d", "doldig"},
               {"DD", "Doppeldolde"},
               {"Di", "Dichasium"},
               {"e", "einzeln"},
               {"k", "kopfig"},
               {"Kä", "Kätzchen"},
               {"Kn", "Knäuel"},
               {"Kö", "Körbchen"},
               {"Kol", "Kolben"},
               {"P", "Pleiochasium"},
               {"Q", "Quirle"},
               {"R", "Rispe s.str."},
               {"Rg", "Rispe mit gegenständigen Ästen"},
               {"Rq", "Rispe mit quirlständigen Ästen"},
               {"Rs", "Schirmrispe"},
               {"S", "Spirre"},
               {"T", "Traube s.l."},
               {"Ts", "Schirmtraube"},
               {"W", "Wickel"},
               {"Z", "Zapfen"},
               {"zw", "zu zwei gestielt"}});
    Kriterium(g, "Blütengeschlecht", "BG", {{"e", "eingeschlechtig"}, {"z", "zwittrig"}});
    Kriterium(g, "Blütensymmetrie", "BS", {{"z", "zygomorph"}, {"r", "radiär"}});
    Kriterium(g, "Krone/Perigon", "KP",
              {{"p", "Perigon"},
               {"o", "ohne Blütenhülle"},
               {"d", "doppelte Blütenhülle aus Kelch und Krone"}});
    Kriterium(g, "Kronblattzahl", "KZ",
              {{"0", "0 Kronblätter"},
               {"1", "1 Kronblatt"},
               {"2", "2 Kronblätter"},
               {"3", "3 Kronblätter"},
               {"4", "4 Kronblätter"},
               {"5", "5 Kronblätter"},
               {"6", "6 Kronblätter"},
               {"n", "n Kronblätter"}});
    Kriterium(g, "Krone Verwachsung", "KV", {{"v", "verwachsen"}, {"f", "frei"}});
    Kriterium(g, "Farbe der Blüten", "FA",
              {{"w", "weiß"},
               {"g", "gelb"},
               {"r", "rot (orangerot bis scharlachrot)"},
               {"b", "blau"},
               {"l", "lila (rosa, bis karminrot, purpur und violett)"},
               {"u", "unscheinbar grünlich oder bräunlich"}});
    Kriterium(g, "Staubblattzahl", "SZ",
              {{"0", "keine Staubblätter"},
               {"1", "1 Staubblatt"},
               {"2", "2 Staubblätter"},
               {"3", "3 Staubblätter"},
               {"4", "4 Staubblätter"},
               {"5", "5 Staubblätter"},
               {"6", "6 Staubblätter"},
               {"7", "7 Staubblätter"},
               {"8", "8 Staubblätter"},
               {"9", "9 Staubblätter"},
               {"10", "10 Staubblätter"},
               {"n", "12 und mehr Staubblätter"}});
    Kriterium(g, "Fruchtblätter Verwachsung", "FV",
              {{"f", "frei (1 bis viele freie Fruchtblätter)"},
               {"v", "verwachsen zu einem Fruchtknoten"}});
    Kriterium(g, "Fruchtknoten Stellung", "FR",
              {{"m", "mittelständig"}, {"u", "unterständig"}, {"o", "oberständig"}});
    TVerdan_DatenBankFeld* fruchtblattZahl = Kriterium(g, "Fruchtblätter Zahl", "FZ",
                                                       {{"1", "1 Fruchtblatt"},
                                                        {"2", "2 Fruchtblätter"},
                                                        {"3", "3 Fruchtblätter"},
                                                        {"4", "4 Fruchtblätter"},
                                                        {"5", "5 Fruchtblätter"},
                                                        {"6", "6 Fruchtblätter"},
                                                        {"n", "mehr Fruchtblätter"}});
    for (const char* zeile : {"Meist an den Narbenästen oder der Fächerzahl",
                              "oder der Zahl der Samenreihen des Fruchtknotens", "zu erkennen"})
        fruchtblattZahl->Notiz.AddLine(T(zeile));
    Kriterium(g, "Fruchttyp", "FT",
              {{"Ba", "Balg"},
               {"FB", "Fleischbalg"},
               {"Hü", "Hülse"},
               {"Br", "Bruchfrucht (Gliederhülse und Gliederschote)"},
               {"N", "Nuss Achäne Caryopse"},
               {"Nü", "Nüsschen"},
               {"Sa", "Sammelsteinfrucht"},
               {"Ka", "Kapsel"},
               {"Sc", "Schote"},
               {"Sp", "Spaltfrucht und Doppelachäne"},
               {"Kl", "Klausenfrucht"},
               {"Be", "Beere"},
               {"St", "Steinfrucht"},
               {"Ap", "Apfelfrucht"},
               {"Ro", "Rosenfrucht"},
               {"SB", "Scheinbeere"},
               {"Z", "Zapfen"}});
}

void Gruppenliste(TVerdan_Benutzerdatenbank& katalog)
{
    TVerdan_KriterienGruppe& g = NeuerSchluessel(katalog, "Gruppenliste", "Gruppenliste");
    g.SpalteBezeichnung = QStringLiteral("Gruppe");
    g.SpalteGruppe = QStringLiteral("GR");
    g.SpalteID.clear();
}

void Familien(TVerdan_Benutzerdatenbank& katalog)
{
    TVerdan_KriterienGruppe& g = NeuerSchluessel(katalog, "Familien", "Familien");
    g.SpalteBezeichnung = QStringLiteral("Familie");
    g.SpalteGruppe = QStringLiteral("GR");
    g.SpalteSippen = QStringLiteral("Sippen");
    g.MitGN = true;
    g.MitFN = true;
    Kriterium(g, "Lebensform", "Lebensform",
              {{"h", "holzig"},
               {"p", "chlorophyllloser Vollparasit oder Saprophyt"},
               {"w", "Wasserpflanze untergetaucht oder mit Schwimmblättern"},
               {"k", "krautige grüne Landpflanze"}});
    Kriterium(g, "Blattstellung", "B-Stellung",
              {{"g", "gegen- oder quirlständig"}, {"w", "wechsel- oder grundständig"}});
    Kriterium(g, "Blattform", "B-Form",
              {{"l", "grasartig"}, {"e", "einfach"}, {"z", "zusammengesetzt"}});
    Kriterium(g, "Nebenblätter", "Nebenblätter", {{"+", "vorhanden"}, {"-", "fehlend"}});
    Kriterium(g, "Blütenhülle", "Bl-Hülle",
              {{"d", "doppelte aus Kelch und Krone"}, {"e", "einfach"}, {"o", "ohne Blütenhülle"}});
    Kriterium(g, "Blütensymmetrie", "Bl-Symmetrie", {{"r", "radiär"}, {"z", "zygomorph"}});
    Kriterium(g, "Krone-Verwachsung", "Krone-Verwachsung",
              {{"f", "freie Kronblätter"}, {"v", "verwachsene Kronblätter"}});
    Kriterium(
        g, "Kronblattzahl", "Krone-Zahl",
        {{"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}, {"5", "5"}, {"6", "6"}, {"m", "mehr"}});
    Kriterium(g, "Blütengeschlecht", "Bl-Geschlecht",
              {{"e", "eingeschlechtig"}, {"z", "zwitterig"}});
    Kriterium(g, "Staubblattzahl", "Staubblattzahl",
              {{"0", "0"},
               {"1", "1"},
               {"2", "2"},
               {"3", "3"},
               {"4", "4"},
               {"5", "5"},
               {"6", "6"},
               {"7", "7"},
               {"8", "8"},
               {"9", "9"},
               {"10", "10"},
               {"n", "mehr als 10"}});
    Kriterium(g, "Fruchtblatt-Verwachsung", "Frbl-Verwachsung",
              {{"f", "frei (viele bis 1)"}, {"v", "verwachsen zu einem Fruchtknoten"}});
    Kriterium(g, "Fruchtknoten-Stellung", "Frkn-Stellung",
              {{"o", "oberständig"}, {"m", "mittelständig"}, {"u", "unterständig"}});
    Kriterium(g, "Plazentation", "Plazentation",
              {{"z", "zentralwinkelständig oder marginal"},
               {"p", "parietal"},
               {"b", "basal oder apical"},
               {"f", "frei zentral"},
               {"l", "laminal"}});
    Kriterium(g, "Fruchttyp", "Fruchttyp",
              {{"Ba", "Balg"},
               {"FB", "Fleischbalg"},
               {"Hü", "Hülse"},
               {"Br", "Bruchfrucht (Gliederhülse und Gliederschote)"},
               {"N", "Nuss"},
               {"Nü", "Nüsschen"},
               {"Sa", "Sammelsteinfrucht"},
               {"Ka", "Kapsel"},
               {"Sc", "Schote"},
               {"Sp", "Spaltfrucht und Doppelachäne"},
               {"Kl", "Klausenfrucht"},
               {"Be", "Beere"},
               {"St", "Steinfrucht"},
               {"Ap", "Apfelfrucht"},
               {"Ro", "Rosenfrucht"},
               {"SB", "Scheinbeere"}});
    Kriterium(g, "Blütenstand", "Blst",
              {{"K", "Körbchen mit Hülle"},
               {"DD", "Doppeldolde"},
               {"W", "Wickel"},
               {"d", "dichasial"},
               {"a", "anders"},
               {"Kä", "Kätzchen"},
               {"Z", "Zapfen"}});
}

void Gattungsliste(TVerdan_Benutzerdatenbank& katalog)
{
    TVerdan_KriterienGruppe& g = NeuerSchluessel(katalog, "Gattungsliste", "Gattungen");
    g.SpalteBezeichnung = QStringLiteral("Gattung");
    g.SpalteGruppe = QStringLiteral("GR");
    g.SpalteID.clear();
    g.MitGN = true;
    g.MitFN = true;
}

// A criterion of a genus or family key: caption and column (the caption when not given);
// info-only criteria carry no items, measured ones a unit.
struct Spalte
{
    const char* Titel;
    const char* Code;
    bool NurInfo;
    const char* Einheit;
};

constexpr Spalte K(const char* titel, const char* code = nullptr)
{
    return {titel, code ? code : titel, false, ""};
}

constexpr Spalte Info(const char* titel, const char* code = nullptr)
{
    return {titel, code ? code : titel, true, ""};
}

constexpr Spalte InfoMm(const char* titel, const char* code = nullptr)
{
    return {titel, code ? code : titel, true, "mm"};
}

// The items of these keys come from KAT_Items.
TVerdan_KriterienGruppe& Schluessel(TVerdan_Benutzerdatenbank& katalog, const char* name,
                                    const char* titel, std::initializer_list<Spalte> spalten)
{
    TVerdan_KriterienGruppe& g = NeuerSchluessel(katalog, name, titel);
    for (const Spalte& spalte : spalten) {
        TVerdan_DatenBankFeld* feld = spalte.NurInfo
                                          ? g.AddInfoFeld(T(spalte.Titel), T(spalte.Code))
                                          : g.AddFeld(T(spalte.Titel), T(spalte.Code));
        feld->Einheit = T(spalte.Einheit);
    }
    return g;
}

void GattungsUndFamilienSchluessel(TVerdan_Benutzerdatenbank& katalog)
{
    Schluessel(katalog, "Allium", "Allium",
               {K("Blattscheiden", "B-Scheiden"), K("Blattform", "B-Form"), K("Stängel", "Stengel"),
                K("Stängel-quer", "St-quer"), K("Hüllblätter"),
                K("Brutzwiebel im Blütenstand", "Brutzwiebel"), K("Blütenfarbe", "Bl-Farbe"),
                K("Staubblätter"), K("Staubfäden")});
    Schluessel(katalog, "Amaranthus", "Amaranthus",
               {K("Blattform", "B-Form"), K("Blattspitze", "B-Spitze"), K("Blütenstand", "Blst"),
                K("Blüten"), K("Perigon"), K("Perigonblätter"), K("Frucht")});
    Schluessel(katalog, "Apiac", "Apiaceae",
               {K("Lebensform"), K("Wurzelschopf"), K("Blattform", "B-Form"),
                K("Blattrand", "B-Rand"), K("Blattbehaarung", "B-Behaarung"),
                K("Stängel-Querschnitt", "St-Querschnitt"), K("Stängel-Behaarung", "St-Behaarung"),
                K("Blütenstand", "Blst"), K("Hülle"), K("Hüllblatt-Rand", "H-Rand"),
                K("Hüllchen-Vorkommen", "Hch-Vorkommen"), K("Hüllchen-Art", "Hch-Art"),
                K("Blütenfarbe", "Bl-Farbe"), K("Kelchzipfel"),
                K("Fruchtbehaarung", "Fr-Behaarung"), K("Fruchtquerschnitt", "Fr-Querschnitt")});
    Schluessel(katalog, "Artemisia", "Artemisia",
               {K("Lebensform"), K("Blattform", "B-Form"), K("Blattbehaarung", "B-Behaarung"),
                K("Öhrchen"), K("Hülle-Behaarung"), K("Körbchen-Form"), K("Korbboden")});
    Schluessel(katalog, "Ast", "Asteraceae",
               {K("Lebensform"), K("Körbchen"), K("Hülle"), K("Spreublätter"), K("Pappus"),
                K("Blütenfarbe (der Strahlenblüten, wenn zugleich Scheibenblüten vorhanden sind)",
                  "Blütenfarbe"),
                K("Milchsaft"), K("Blattstellung", "B-Stellung"), K("Dornig"),
                K("Blattform", "B-Form"), K("Hülle-Behaarung")});
    Schluessel(katalog, "Atriplex", "Atriplex",
               {K("Blattform", "B-Form"), K("Blattrand", "B-Rand"),
                K("Blattbehaarung", "B-Behaarung"), K("Blüten"), K("Vorblätter"),
                K("Vorblätter-Nervatur", "V-Nervatur"), K("Vorblätter-Oberfläche", "V-Oberfläche"),
                K("Vorblätter-Verwachsung", "V-Verwachsung"),
                K("Vorblätter-Konsistenz", "V-Konsistenz")});
    Schluessel(katalog, "Bor", "Bor",
               {K("Lebensform"), K("Blätter"), K("Tragblätter"), K("Blütenfarbe", "Bl-Farbe"),
                K("Kelch-Verwachsung"), K("Blütenform", "Bl-Form"), K("Schlundschuppen"),
                K("Staubblätter"), K("Fruchtoberfläche")});
    Schluessel(katalog, "Brass", "Brassicaceae",
               {K("Lebensform"), K("Blattrosette", "B-Rosette"), K("Blattform", "B-Form"),
                K("Blattgrund", "B-Grund"), K("Blattöhrchen", "B-Öhrchen"),
                K("Blattbehaarung", "B-Behaarung"), K("Haartyp"), K("Blütenfarbe", "Bl-Farbe"),
                K("Blütensymmetrie", "Bl-Symmetrie"), K("Krone"),
                K("Kronblatt-Ausrandung", "Ausrandung"), K("Fruchtstellung", "Fr-Stellung"),
                K("Fruchttyp", "Fr-Typ"), K("Fruchtöffnung", "Fr-Öffnung"),
                K("Fruchtflügel", "Fr-Flügel"), K("Fruchtbehaarung", "Fr-Behaarung"),
                K("Fruchtquerschnitt", "Fr-quer"), K("Fruchtseptum", "Fr-Septum"),
                K("Samen-Reihen")});
    Schluessel(katalog, "Bromus", "Bromus",
               {K("Lebensform"), K("Öhrchen"), K("Ährchen"), K("Hüllspelzen-Nerven"),
                K("Deckspelzenlänge"), K("Ährchen-Spindel", "Ähr-Spindel"), K("Grannenlänge"),
                K("Grannen-Richtung", "Gran-Richtung")});
    Schluessel(katalog, "Campanula", "Campanula",
               {K("Lebensform"), K("Stängel", "Stengel"), K("Blattform", "B-Form"),
                K("Blattrand", "B-Rand"), K("Blattbehaarung", "B-Behaarung"),
                K("Blütenstand", "Blst"), K("Blütenfarbe", "Bl-Farbe"),
                K("Kelch-Anhängsel", "K-Anhängsel"), K("Blütenbehaarung", "Bl-Behaarung"),
                K("Narben"), K("Fruchtstellung", "Frucht-Stellung"), K("Kapselporen")})
        .MitGattung = true;
    Schluessel(katalog, "Carex", "Carex",
               {K("Ausläufer"), K("Blattscheiden", "B-Scheiden"),
                K("Blattscheiden-Spalt", "B-Sch-Spalt"), K("Blattquerschnitt", "B-Querschnitt"),
                K("Blattbehaarung", "B-Behaarung"), K("Blattrand", "B-Rand"),
                K("Stängel", "Stengel"), K("Ährenzahl"), K("Deckblätter"),
                K("Deckblatt-Länge", "Deckb-Länge"), K("Ähren-Geschlecht", "Ä-Geschlecht"),
                K("Ähren männliche", "Ä-männliche"), K("Ähren-Stiele", "Ä-Stiele"), K("Narbenzahl"),
                K("Fruchtbehaarung", "Fr--Behaarung"), K("Fruchtschnabel", "Fr-Schnabel")});
    Schluessel(katalog, "Cary", "Caryophyllaceae",
               {K("Lebensform"),
                K("Stängel", "Stengel"),
                K("Blattstellung", "B-Stellung"),
                K("Blattstiel", "B-Stiel"),
                K("Blattnervatur", "B-Nervatur"),
                K("Blattbehaarung", "B-Behaarung"),
                K("Nebenblätter"),
                K("Blütenstand", "Blst"),
                K("Blütenstand-Behaarung", "Blst-Behaarung"),
                K("Außenkelch"),
                K("Kelchblätter"),
                K("Krone"),
                K("Kronblatt-Form", "Kronb-Form"),
                K("Nagel"),
                K("Krönchen"),
                K("Kronblatt-Behaarung", "Kronb-Behaaarung"),
                K("Krone-Farbe"),
                K("Staubblattzahl"),
                K("Androgynophor"),
                K("Griffelzahl"),
                K("Fruchttyp", "Frucht-Typ"),
                K("Fruchtzähne", "Frucht-Zähne")});
    Schluessel(katalog, "Chenopodium", "Chenopodium",
               {K("Blattform", "B-Form"), K("Blattbehaarung", "B-Behaarung"),
                K("Blattgeruch", "B-Geruch"), K("Blütenstand", "Blst"),
                K("Mehl im Blütenstand", "Mehl"), K("Perigon"), K("Frucht"), K("Samen-Lage"),
                K("Samen-Oberfläche")});
    Schluessel(katalog, "Dactylorhiza", "Dactylorhiza",
               {K("Stängel", "Stengel"), K("Blattflecken", "B-Flecken"),
                K("Blütenfarbe", "Bl-Farbe"), K("Sporn-Länge"), K("Lippe-Form"),
                K("Lippe-Mittellappen")});
    Schluessel(katalog, "Epilobium", "Epilobium",
               {K("Ausläufer"), K("Stängel-quer", "St-quer"),
                K("Stängel-Behaarung", "St-Behaarung"), K("Blattstellung", "B-Stellung"),
                K("Blattstiel", "B-Stiel"), K("Blattgrund", "B-Grund"), K("Blattrand", "B-Rand"),
                K("Knospen-Stellung", "Kn-Stellung"), K("Kronblatt-Form", "C-Form"),
                K("Kronblatt-Rand", "C-Rand"), K("Fruchtknoten-Behaarung", "Frkn-Behaarung"),
                K("Narbenform"), K("Samen-Oberfläche", "Sa-Oberfläche")});
    Schluessel(katalog, "Equisetum", "Equisetum",
               {K("Verzweigung"), K("Stängel-Farbe", "Stengel-Farbe"), K("Stängel", "Stengel"),
                K("Stängelrippen", "Stengelrippen"), K("Zähne-Verwachsung"), K("Zähne-Spitzen"),
                K("fertile Sprosse"), K("Ähren"), Info("Äste-Rippen"),
                Info("Markhöhle/Stängeldurchmesser", "Markhöhle")});
    Schluessel(katalog, "Euphorbia", "Euphorbia",
               {K("Lebensform"), K("Blattstellung", "B-Stellung"), K("Nebenblätter"),
                K("Blattsymmetrie", "B-Symmetrie"), K("Blattform", "B-Form"),
                K("Blattrand", "B-Rand"), K("Blattnervatur", "B-Nervatur"),
                K("Blattbehaarung", "B-Behaarung"), K("Blütenstand", "Blst"),
                K("Hüllblatt-Verwachsung"), K("Hüllblatt-Form", "Hü-Form"), K("Drüsen"),
                K("Frucht"), K("Samen")})
        .MitGattung = true;
    Schluessel(katalog, "Euphrasia", "Euphrasia",
               {K("Blattform", "B-Form"), K("Deckblattzähne"), K("Blattbehaarung", "B-Behaarung"),
                K("Blütenstand-Behaarung", "Blst-Beh"), K("Kronenlänge"), K("Kapselbehaarung")});
    Schluessel(katalog, "Fab", "Fab",
               {K("Lebensform"), K("Dornen"), K("Flügel"), K("Blattform"), K("Seitennerven"),
                K("Blattrand"), K("Nebenblätter"), K("Stipellen"), K("Blütenstand"),
                K("Kelchzipfel"), K("Blütenfarbe (Fahne)", "Bl-Farbe"),
                K("Staubblatt-Verwachsung", "Stbb-Verwachsung"), K("Frucht"),
                K("Fruchtbehaarung", "Fr-Behaarung")});
    Schluessel(katalog, "Festuca", "Festuca",
               {K("Blattscheiden", "B-Scheiden"), K("Öhrchen"), K("Stängelblätter", "Stengel-B"),
                K("Grannen"), K("Sklerenchym-Typ"), Info("Sklerenchym-Zahl"), Info("Leitbündel"),
                Info("Rippen"), Info("Furchen")});
    Schluessel(katalog, "Gagea", "Gagea",
               {K("Grundblätter-quer", "Grundb-quer"), K("Stängel-Blätter", "St-Blätter"),
                K("Blattbehaarung", "B-Behaarung"), K("Blütenstiele", "Bl-Stiele"), K("Perigon"),
                K("Griffel")});
    Schluessel(katalog, "Gentiana", "Gentiana s.l.",
               {K("Lebensform"), K("Blütenstand", "Blst"), K("Blütenfarbe", "Bl-Farbe"),
                K("Blütenform", "Bl-Form"), K("Krone"), K("Kelch"),
                K("Krone-Verwachsung", "C-Verwachsung"), K("Krone-Fransen", "C-Fransen")})
        .MitGattung = true;
    Schluessel(katalog, "Geranium", "Geranium",
               {K("Lebensform"), K("Blattform"), K("Blütenstand", "Blst"),
                K("Blütenstiele", "Bl-Stiele"), K("Kelch"), K("Blütenfarbe", "Bl-Farbe"),
                K("Kronblatt-Form", "C-Form"), K("Kronblatt-Nervatur", "C-Nervatur"),
                K("Kronblatt-Grund", "C-Grund"), K("Fruchtstellung", "Fr-Stellung"),
                K("Fruchtoberfläche", "Fr-Oberfläche")});
    Schluessel(katalog, "Glyceria Puccinellia", "Glyceria Puccinellia",
               {K("Ausläufer"), K("Blatthäutchen"), K("Blattspitze"), K("Deckspelzenlänge"),
                K("Deckspelzenende"), K("Deckspelzennerven"),
                K("Antheren-Länge", "Antherenlänge")});
    Schluessel(katalog, "Hieracium", "Hieracium",
               {K("Ausläufer"), K("Blattstellung", "B-Stellung"), K("Blattstiel", "B-Stiel"),
                K("Blattgrund", "B-Grund"), K("Blattrand", "B-Rand"), K("Blütenstand", "Blst"),
                K("Hülle"), K("Blütenfarbe", "Bl-Farbe"), K("Kronzipfel"),
                K("Fruchtlänge", "Fr-Länge")});
    Schluessel(katalog, "Hypericum", "Hypericum",
               {K("Wuchs"), K("Stängel", "Stengel"), K("Stängel-Behaarung", "St-Behaarung"),
                K("Blätter"), K("Blattnervatur", "B-Nervatur"),
                K("Blattpunkte (helle Drüsenpunkte)", "B-Punkte"),
                K("Blattflecken (dunkle Punkte meist am Rand)", "B-Flecken"),
                K("Blütenstand", "Blst"), K("Kelchblätter"), K("Kelchblatt-Rand", "K-Rand"),
                K("Kelchblatt-Flecken (dunkle Flecken)", "K-Flecken"), K("Kapsel")});
    Schluessel(katalog, "Iris", "Iris",
               {K("Rhizom"), K("Stängel quer", "St-quer"), K("Stängel-Mark", "St-Mark"),
                K("Blattmittelnerv", "B-Mittelnerv"), K("Blütenstand-Länge", "Blst-Länge"),
                K("Tragblätter"), K("äußere Perigonblätter", "P-aussen"),
                K("äußere Perigonblätter Farbe", "P-Farbe"), K("innere Perigonblätter", "P-inn"),
                K("Frucht"), K("Samen")});
    Schluessel(katalog, "Juncus", "Juncus",
               {K("Lebensform"), K("Blattstellung", "B-Stellung"), K("Blattscheiden", "B-Scheiden"),
                K("Blattquerschnitt", "B-quer"), K("Blattkammerung", "B-Kammerung"),
                K("Blütenstand", "Blst"), K("Perigon-Form"), K("Perigon-Länge", "P-Länge"),
                K("Staubblätter")});
    Schluessel(katalog, "Lam", "Lamiaceae",
               {K("Lebensform"), K("Blattstiel", "B-Stiel"), K("Blattrand", "B-Rand"),
                K("Blütenstand", "Blst"), K("Blütensymmetrie", "Bl-Symmetrie"),
                K("Blütenfarbe", "Bl-Farbe"), K("Kelch-Typ"), K("Oberlippe"), K("Unterlippe"),
                K("Staubblatt-Zahl", "Staubb-Zahl"), K("Staubblatt-Länge", "Staubb-Länge"),
                K("Staubblätter oben unten", "Staubb-o/u")});
    Schluessel(katalog, "Luzula", "Luzula",
               {K("Ausläufer"), K("Blattstellung", "B-Stellung"), K("Blattrand", "B-Rand"),
                K("Blattquerschnitt", "B-quer"), K("Tragblatt"), K("Blütenstand", "Blst"),
                K("Blüten"), K("Hochblätter (unter den Blüten)", "Hochblätter"),
                K("Perigon-Farbe", "P-Farbe"), K("Perigon-Länge", "P-Länge"), K("Staubfäden"),
                K("Frucht"), K("Samen-Anhängsel", "Sa-Anhängsel"),
                K("Samen-Schwiele", "Sa-Schwiele")});
    Schluessel(katalog, "Oenothera", "Oenothera",
               {K("Blütenstand", "Blst"), K("Kelchblatt-Anhängsel", "K-Anhängsel"),
                K("Kronblätter"), K("Narbe"), K("Fruchtknoten-Behaarung", "Frkn-Behaarung")});
    Schluessel(katalog, "Orch", "Orch",
               {K("Speicherorgane"), K("Chlorophyll"), K("Blattstellung", "B-Stellung"),
                K("Blattzeichnung", "B-Zeichnung"), K("Blütenstand", "Blst"), K("Tragblätter"),
                K("Sporn"), K("Blütenfarbe"), K("Helm"), K("Lippe-Stellung", "Li-Stellung"),
                K("Lippe-Form", "Li-Form"), K("Lippe-Fleckung", "Li-Fleckung"),
                K("Lippe-Behaarung", "Li-Behaarung")});
    Schluessel(katalog, "Orobanche", "Orobanche",
               {K("Blütenstand", "Blst"), K("Vorblätter"), K("Kelch-Verwachsung", "K-Verwachsung"),
                K("Blütenfarbe", "Bl-Farbe"), K("Krone"), K("Staubfäden"), K("Antheren"),
                K("Narben")});
    Schluessel(katalog, "Pedicularis", "Pedicularis",
               {K("Blattstellung", "B-Stellung"), K("Blattform", "B-Form"),
                K("Blattrand", "B-Rand"), K("Blütenstand", "Blst"), K("Blütenfarbe", "Bl-Farbe"),
                K("Kelchzipfel"), K("Oberlippe")});
    Schluessel(katalog, "Pinus", "Pinus",
               {K("Lebensform"), K("Zweig-Behaarung"), K("Nadel-Zahl"), K("Nadel-Farbe"),
                K("Nadel-Länge"), K("Zapfen-Stiel", "Z-Stiel"), K("Zapfen-Form", "Z-Form"),
                K("Z-Länge"), K("Samen")});
    Schluessel(katalog, "Poa", "Poa",
               {K("Lebensform"), K("Zwiebel"), K("Ausläufer"), K("Halme", "Halm"),
                K("Blattscheiden", "B-Scheiden"), K("Knorpelrand"), K("Vivipar", "vivipar"),
                K("Rispenäste"), K("Rispenäste-Behaarung"), K("Hüllspelzen-Nerven"),
                K("Deckspelzen-Behaarung"), InfoMm("Blattbreite", "B-Breite"),
                InfoMm("Ligula-Länge"), InfoMm("Ährchen-Länge")});
    Schluessel(katalog, "Poac", "Poaceae",
               {K("Lebensform"), K("Blattscheiden", "B-Scheiden"), K("Ligula"),
                K("Blattöhrchen", "B-Öhrchen"), K("Blattfaltung", "B-Faltung"),
                K("Blattbehaarung", "B-Behaarung"), K("Blütenstand", "Blst"),
                K("Ährchen-quer", "Äh-quer"), K("Ährchen-Blütenzahl", "Äh-Blüten"),
                K("Hüllspelzen-Zahl", "Hüllsp-Zahl"), K("Hüllspelzen-Länge", "Hüllsp-Länge"),
                K("Hüllspelzen-Nerven", "Hüllsp-Nerven"),
                K("Grannen-Zahl (je Ährchen)", "Gran-Zahl"), K("Grannen-Stellung", "Gran-Stellung"),
                InfoMm("Blattbreite", "B-Breite"), InfoMm("Ährchen-Länge", "Äh-Länge"),
                InfoMm("Deckpelzen-Länge", "Decksp-Länge"), InfoMm("Grannen-Länge", "Gran-Länge")})
        .MitGattung = true;
    Schluessel(katalog, "Polygonum", "Polygonum s.l.",
               {K("Lebensraum"), K("Lebensform"), K("Blattansatz"), K("Ochrea"),
                K("Blattform", "B-Form"), K("Blütenstand", "Blst"), K("Perigonblätter"),
                K("Staubblätter"), K("Griffel"), K("Fruchthülle"), K("Frucht")})
        .MitGattung = true;
    Schluessel(katalog, "Populus", "Populus",
               {K("Blattstiel", "B-Stiel"), K("Drüsen"), K("Blattform", "B-Form"),
                K("Blattbehaarung", "B-Behaarung"), K("Blattrand", "B-Rand"),
                K("Blattrand-Behaarung", "B-Rand-Behaarung"), K("Deckblätter")});
    Schluessel(katalog, "Potamogeton", "Potamogeton",
               {K("Stängel", "Stengel"), K("Blattscheiden", "B-Scheiden"), K("Schwimmblätter"),
                K("Blattansatz", "B-Ansatz"), K("Blattgrund", "B-Grund"), K("Blattform", "B-Form"),
                K("Blattnervatur", "B-Nervatur"), K("Blattmittelnerv", "B-Mittelnerv"),
                K("Blattrand", "B-Rand"), K("Blattspitze", "B-Spitze"),
                K("Blütenstiele-Dicke", "Bl-Stiele Dicke"),
                K("Blütenstiele-Länge", "Bl-Stiele Länge"), K("Frucht")});
    Schluessel(katalog, "Potentilla", "Potentilla",
               {K("Lebensform"), K("Stängel", "Stengel"), K("Blattform", "B-Form"),
                K("Blattbehaarung", "B-Behaarung"), K("Blütenstand", "Blst"), K("Blüten"),
                K("Kronblätter"), K("Blütenfarbe")});
    Schluessel(katalog, "Prunus", "Prunus",
               {K("Dornen"), K("Blattkonsistenz", "B-Konsistenz"),
                K("Blattbehaarung", "B-Behaarung"), K("Blattdrüsen", "B-Drüsen"), K("Drüsen"),
                K("Blattfaltung", "B-Faltung"), K("Blütezeit", "Bl-Zeit"), K("Blütenstand", "Blst"),
                K("Blütenfarbe", "Bl-Farbe"), K("Kelch"), K("Fruchtknoten", "Frkn"),
                K("Fruchtfarbe", "Fr-Farbe"), K("Fruchtfleisch", "Fr-Fleisch"), K("Stein")});
    Schluessel(katalog, "Quercus", "Quercus",
               {K("Zweig-Behaarung"), K("Blattrand", "B-Rand"), K("Blattgrund", "B-Grund"),
                K("Blattbehaarung", "B-Behaarung"), K("Eicheln")});
    Schluessel(katalog, "Ranunculus B", "Ranunculus B  (Batrachium)",
               {K("Schwimmblätter"), K("Wasserblätter"), K("Blattsteifheit", "B-Steifheit"),
                K("Blattform", "B-Form"), K("Blütenstiele", "Bl-Stiele"),
                K("Blütenhüllblatt", "Bl-Hüllblätter"), K("Nektargrube"), K("Blütenboden"),
                K("Griffelrest")});
    Schluessel(katalog, "Ranunculus", "Ranunculus gelbe",
               {K("Lebensform"), K("Knolle"), K("Ausläufer"),
                K("Stängel-Behaarung", "St-Behaarung"), K("Blattform  (untere)", "B-Form"),
                K("Blütenstand", "Blst"), K("Blütenstiele", "Bl-Stiele"), K("Hüllblätter"),
                K("Fruchtform", "Fr-Form"), K("Fruchtzahl", "Fr-Zahl"),
                K("Fruchtbehaarung", "Fr-Behaarung"), K("Fruchtschnabel", "Fr-Schnabel"),
                K("Fruchtboden", "Fr-Boden")});
    Schluessel(katalog, "Rhinanthus", "Rhinanthus",
               {K("Tragblatt-Behaarung"), K("Tragblatt-Rand"), K("Kelch-Behaarung"),
                K("Krone-Krümmung"), K("Schlund")});
    Schluessel(katalog, "Rosa", "Rosa",
               {K("Borstenstacheln"), K("Stacheln"), K("Blattzahl (Blättchenzahl)", "B-Zahl"),
                K("Blattrand", "B-Rand"), K("Blättchen-Behaarung oberseits", "B-B-o"),
                K("Blättchen-Behaarung unterseits", "B-B-u"),
                K("Blattdrüsenbehaarung", "B-Drüsenbehaarung"),
                K("Fruchtstiel-Länge", "BlSt-Länge"), K("Fruchtstiel-Behaarung", "BlSt-Behaarung"),
                K("Kelch-Form", "K-Form"), K("Kelch-Stellung", "K-Stellung"),
                K("Kelch-Dauer", "K-Dauer"), K("Kronblatt-Farbe", "Kr-Farbe"), K("Griffel"),
                K("Griffel-Polster", "Gr-Polster"), K("Fruchtfarbe", "Fr-Farbe"),
                K("Griffel-Kanal", "Gr-Kanal")});
    Schluessel(katalog, "Rub", "Rubiaceae",
               {K("Lebensform"), K("Stängelquerschnitt", "Stengelquerschnitt"),
                K("Stängel-Oberfläche", "St-Oberfläche"), K("Blattstellung", "B-Stellung"),
                K("Blattnervatur", "B-Nervatur"), K("Blattspitze", "B-Spitze"),
                K("Blattrand", "B-Rand"), K("Blattunterseite", "B-Unterseite"),
                K("Blütenstand", "Blst"), K("Blütenfarbe", "Bl-Farbe"), K("Krone-Form", "C-Form"),
                K("Kronblatt-Spitze", "C-Spitze"), K("Fruchtstiele", "Fr-Stiele"),
                K("Fruchtoberfläche", "Fr-Oberfläche")})
        .MitGattung = true;
    Schluessel(katalog, "Rumex", "Rumex",
               {K("Blattgrund", "B-Grund"), K("Blattspitze", "B-Spitze"),
                K("Blütengeschlecht", "Bl-Geschlecht"), K("Schwielen (an der Frucht)", "Schwielen"),
                K("Perigon"), K("Flügel (innere Perigonb.)", "Flügel")});
    Schluessel(katalog, "Salix", "Salix",
               {K("Lebensform"),
                K("Zweige"),
                K("Striemen am Holz", "Striemen"),
                K("Blattstellung", "B-Stellung"),
                K("Blattform", "B-Form"),
                K("Blattbreite", "B-Breite"),
                K("Blattspitze", "B-Spitze"),
                K("Blattrand", "B-Rand"),
                K("Blattdrüsen am Stiel", "B-Drüsen am Stiel"),
                K("Drüsen am Rand"),
                K("Blattfläche", "B-Fläche"),
                K("Blattoberfläche", "B-Oberfläche"),
                K("Blattunterseite Behaarung", "B-Unterseite Behaarung"),
                K("Blattoberseite Behaarung", "B-Oberseite Behaarung"),
                K("Nebenblätter"),
                K("Tragblätter männliche Blüten", "Tragblatt m Bl"),
                K("Drüsen", "Drüsen m Bl"),
                K("Staubblätter"),
                K("Staubfäden"),
                K("Tragblätter weiblicher Blüten", "Tragblatt w Bl"),
                K("Fruchtknoten", "Frkn"),
                K("Fruchtknoten-Behaarung", "Frkn-Behaarung")});
    Schluessel(katalog, "Sorbus", "Sorbus",
               {K("Blattform", "B-Form"), K("Blattrand", "B-Rand"), K("Blütenstand", "Blst"),
                K("Fruchtblatt-Zahl")});
    Schluessel(katalog, "Veronica", "Veronica",
               {K("Lebensform"), K("Stängel Behaarung", "Stengel Behaarung"),
                K("Blattstellung", "B-Stellung"), K("Blattstiel", "B-Stiel"),
                K("Blattrand", "B-Rand"), K("Blattbehaarung", "B-Behaarung"),
                K("Blütenstand", "Blst"), K("Kelch"), K("Blütenfarbe", "Bl-Farbe"), K("Kronröhre"),
                K("Fruchtform", "Fr-Form"), K("Fruchtbehaarung", "Fr-Behaarung")})
        .MitGattung = true;
    Schluessel(katalog, "Viola", "Viola",
               {K("Blattstellung", "B-Stellung"), K("Ausläufer"), K("Nebenblätter"),
                K("Blattform", "B-Form"), K("Vorblätter"), K("Blütenform", "Bl-Form"),
                K("Blütenfarbe", "Bl-Farbe"), K("Kelchzipfel"), K("Duft"), K("Narben"),
                K("Fruchtbehaarung", "Fr-Behaarung")});
}

void Familienliste(TVerdan_Benutzerdatenbank& katalog)
{
    TVerdan_KriterienGruppe& g = NeuerSchluessel(katalog, "Familienliste", "Familienliste");
    g.SpalteBezeichnung = QStringLiteral("Familie");
    g.SpalteGruppe = QStringLiteral("GR");
}

// Its numbered criteria only number the glossary's illustrations.
void Glossar(TVerdan_Benutzerdatenbank& katalog)
{
    TVerdan_KriterienGruppe& g = NeuerSchluessel(katalog, "Glossar", "Glossar");
    for (int anzahl : {10, 13, 7, 0, 22, 13, 7, 6, 8, 16, 10, 0, 5, 10, 0, 15, 4, 0, 0, 5, 10, 3})
        g.AddNummernFeld(anzahl);
}

// Reads KAT_Items into the criteria of keys 7 to 59. A criterion's items must come numbered
// 1, 2, 3 ... because selections and illustrations refer to items by number: from the
// first row that cannot be taken on, the rest of that criterion is left out.
class ItemLeser
{
public:
    explicit ItemLeser(TVerdan_Benutzerdatenbank& katalog) : m_katalog(katalog) {}

    void Lies(const QString& verzeichnis)
    {
        try {
            TTable tabelle;
            tabelle.SetDatabaseName(verzeichnis);
            tabelle.SetTableName(ItemTabelle);
            tabelle.Open();
            const TField& schluessel = *tabelle.FieldByName(QStringLiteral("Schluessel"));
            const TField& spalte = *tabelle.FieldByName(QStringLiteral("Spalte"));
            const TField& nr = *tabelle.FieldByName(QStringLiteral("Nr"));
            const TField& code = *tabelle.FieldByName(QStringLiteral("Code"));
            const TField& text = *tabelle.FieldByName(QStringLiteral("Text"));
            for (tabelle.First(); !tabelle.Eof(); tabelle.Next())
                NimmAuf({schluessel.AsInteger(), spalte.AsString(), nr.AsInteger()},
                        code.AsString(), text.AsString());
        } catch (const EDatabaseError& fehler) {
            m_katalog.MeldeProblem(
                QStringLiteral("Die Tabelle %1 in \"%2\" kann nicht gelesen werden (%3); den "
                               "Kriterien der Schlüssel %4 bis %5 fehlen ihre Items.")
                    .arg(ItemTabelle, verzeichnis, fehler.Message())
                    .arg(VerdanSchluessel::ErsterTeilschluessel)
                    .arg(VerdanSchluessel::LetzterTeilschluessel));
        }
    }

private:
    struct Zeile
    {
        int Schluessel;
        QString Spalte;
        int Nr;
    };

    void NimmAuf(const Zeile& zeile, const QString& code, const QString& text)
    {
        TVerdan_DatenBankFeld* feld = FeldDerZeile(zeile);
        if (!feld) return;
        int& naechste = m_naechsteNummer.try_emplace(feld, 1).first->second;
        if (naechste == 0) return; // the criterion was broken off before
        QString grund;
        if (zeile.Nr != naechste)
            grund = QStringLiteral("Lücke in der Numerierung, erwartet war Nr %1").arg(naechste);
        else if (code.isEmpty())
            grund = QStringLiteral("der Code ist leer");
        else if (code.contains(u'"'))
            grund = QStringLiteral("der Code %1 enthält ein Anführungszeichen (\"), das keine "
                                   "Abfrage tragen kann")
                        .arg(code);
        if (!grund.isEmpty()) {
            Melde(zeile, grund + QStringLiteral("; diese und die folgenden Zeilen des "
                                                "Kriteriums werden übergangen."));
            naechste = 0;
            return;
        }
        feld->Items.AddItem(code, text, 0);
        ++naechste;
    }

    // The criterion a row belongs to; nullptr (reported) when there is none to fill.
    TVerdan_DatenBankFeld* FeldDerZeile(const Zeile& zeile)
    {
        TVerdan_KriterienGruppe* gruppe = m_katalog.GruppeNr(zeile.Schluessel);
        if (!gruppe) {
            Melde(zeile, QStringLiteral("den Schlüssel %1 gibt es nicht.").arg(zeile.Schluessel));
            return nullptr;
        }
        if (zeile.Schluessel < VerdanSchluessel::ErsterTeilschluessel ||
            zeile.Schluessel > VerdanSchluessel::LetzterTeilschluessel) {
            Melde(zeile, QStringLiteral("Schlüssel %1 (\"%2\") bekommt keine Items aus %3, nur "
                                        "die Schlüssel %4 bis %5.")
                             .arg(zeile.Schluessel)
                             .arg(gruppe->Name, ItemTabelle)
                             .arg(VerdanSchluessel::ErsterTeilschluessel)
                             .arg(VerdanSchluessel::LetzterTeilschluessel));
            return nullptr;
        }
        for (TKR_DatenBankFeld* feld : *gruppe) {
            auto* kriterium = dynamic_cast<TVerdan_DatenBankFeld*>(feld);
            if (!kriterium || kriterium->Code != zeile.Spalte) continue;
            if (kriterium->NurInfo) {
                Melde(zeile, QStringLiteral("das Kriterium \"%1\" dient nur der Information und "
                                            "hat keine Items.")
                                 .arg(kriterium->Titel));
                return nullptr;
            }
            return kriterium;
        }
        Melde(zeile, QStringLiteral("Schlüssel %1 (\"%2\") hat kein Kriterium mit der Spalte "
                                    "\"%3\".")
                         .arg(zeile.Schluessel)
                         .arg(gruppe->Name, zeile.Spalte));
        return nullptr;
    }

    void Melde(const Zeile& zeile, const QString& grund)
    {
        m_katalog.MeldeProblem(QStringLiteral("%1, Zeile Schluessel %2, Spalte \"%3\", Nr %4: %5")
                                   .arg(ItemTabelle)
                                   .arg(zeile.Schluessel)
                                   .arg(zeile.Spalte)
                                   .arg(zeile.Nr)
                                   .arg(grund));
    }

    TVerdan_Benutzerdatenbank& m_katalog;
    // Per criterion the number the next row must carry; 0 once broken off.
    std::map<const TVerdan_DatenBankFeld*, int> m_naechsteNummer;
};

} // namespace

std::unique_ptr<TVerdan_Benutzerdatenbank> ErstelleKatalog()
{
    return ErstelleKatalog(SetupBlock.GlobalDir);
}

std::unique_ptr<TVerdan_Benutzerdatenbank> ErstelleKatalog(const QString& datenVerzeichnis)
{
    auto katalog = std::make_unique<TVerdan_Benutzerdatenbank>();
    ArtenDeutschlands(*katalog);
    Farnpflanzen(*katalog);
    Bluetenpflanzen(*katalog);
    Gruppenliste(*katalog);
    Familien(*katalog);
    Gattungsliste(*katalog);
    GattungsUndFamilienSchluessel(*katalog);
    Familienliste(*katalog);
    Glossar(*katalog);
    katalog->Datenbankart = KatalogArt;
    ItemLeser(*katalog).Lies(datenVerzeichnis);
    katalog->BuildIndex();
    return katalog;
}
