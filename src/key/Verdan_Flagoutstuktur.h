#pragma once

#include "key/Aw_FlagOut.h"

#include <QString>

class TKR_HtmlEditor;
class TVerdan_Benutzerdatenbank;

// The node of a tree view that shows one object; the criteria panel implements it.
class TVerdan_FlagOutKnoten
{
public:
    virtual ~TVerdan_FlagOutKnoten() = default;
    // Sets the node's image and its selected image: 0 plain, 1 a chapter with a ticked
    // value, 2 a ticked value.
    virtual void SetImageIndex(int index) = 0;
    // nullptr for a top-level node.
    virtual TVerdan_FlagOutKnoten* ParentNode() const = 0;
};

class TVerdan_FlagOutObjekt : public TAW_FlagOutObjekt
{
public:
    // Sets the tick and AuswahlWert ("2" or empty); tells no one.
    void SetGewaehlt(bool gewaehlt) override;
    // Shows the tick on the node (a ticked value 2 and its parent 1, everything else 0),
    // then passes the call on to a chapter's values.
    void AktualisiereAnzeige() override;
    // Of a chapter with ticked values: its title and the titles of the ticked values.
    void SchreibeHtml(TKR_HtmlEditor& designer) const;

    TVerdan_FlagOutKnoten* Knoten = nullptr;
};

// The criteria tree of one key: a chapter per offered criterion, a value object per item.
class TVerdan_FlagOutStruktur : public TAW_FlagOutStruktur
{
public:
    TVerdan_FlagOutStruktur(const QString& titel, TVerdan_Benutzerdatenbank* katalog,
                            TKR_FlagOutStruktur* eltern = nullptr);

    std::unique_ptr<TKR_FlagOutObjekt> NeuesObjekt() override;
    std::unique_ptr<TKR_FlagOutStruktur> NeueUnterstruktur(const QString& titel,
                                                           TKR_FlagOutStruktur* eltern) override;

    // A chapter for a criterion that is offered; nothing for info-only criteria and for
    // fields of other kinds.
    void NimmFeldAuf(TKR_DatenBankFeld& feld) override;
    // For a criterion: a chapter with one value per item, also when it has none.
    TKR_FlagOutObjekt* AddKritItemsAsKapitel(TKR_DatenBankFeld& feld) override;

    // Builds the tree from key nummer of the catalogue; nothing when there is no such key.
    void FuelleAusGruppe(int nummer);
    // The underlined heading "<ebene>) <Titel> <suffix>", then the ticked values of each
    // criterion, or "Keine Kriterien angegeben" when the tree has no criteria.
    void SchreibeHtml(TKR_HtmlEditor& designer, int ebene, const QString& suffix) const;

    TVerdan_FlagOutObjekt* ObjektNr(int nummer);

    TVerdan_Benutzerdatenbank* Katalog = nullptr;
};
