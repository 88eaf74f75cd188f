#pragma once

#include "foundation/KR_Liste.h"

#include <QString>
#include <functional>
#include <memory>

class TKR_DatenBankFeld;
class TKR_FlagOutStruktur;

// A control that shows one object on a panel of the framework. The tree panel of the
// identification window shows objects through nodes of its own instead.
class TKR_FlagOutSteuerelement
{
public:
    virtual ~TKR_FlagOutSteuerelement() = default;
    // The check mark follows the object's tick.
    virtual void ZeigeGewaehlt(bool gewaehlt) = 0;
    // Empties an input field or unticks a check box without firing its events.
    virtual void Zuruecksetzen() = 0;
};

enum class TKR_FlagOutArt : quint8
{
    Unbestimmt = 0,
    Wert = 1,    // one value of a field
    Feld = 2,    // a field with a value list
    Kapitel = 3, // a chapter holding a sub-structure
};

// One entry of a flag-out structure: a value, a field or a chapter.
class TKR_FlagOutObjekt
{
public:
    TKR_FlagOutObjekt();
    virtual ~TKR_FlagOutObjekt();
    TKR_FlagOutObjekt(const TKR_FlagOutObjekt&) = delete;
    TKR_FlagOutObjekt& operator=(const TKR_FlagOutObjekt&) = delete;

    // Sets the tick, shows it on the control and tells the root's OnObjektAenderung.
    virtual void SetGewaehlt(bool gewaehlt);
    virtual bool IstGewaehlt() const { return Gewaehlt; }
    // A chapter passes the call on to every object of its sub-structure.
    virtual void AktualisiereAnzeige();
    // Chapters, and fields with a value list.
    virtual bool IstKapitel() const;

    bool Gewaehlt = false;
    bool MitSteuerelement = true;
    TKR_FlagOutStruktur* Besitzer = nullptr;
    TKR_FlagOutArt Art = TKR_FlagOutArt::Unbestimmt;
    TKR_FlagOutSteuerelement* Steuerelement = nullptr;
    QString Titel;
    QString Urtitel;
    TKR_DatenBankFeld* Feld = nullptr;
    std::unique_ptr<TKR_FlagOutStruktur> Unterstruktur;
    // For a value: the number of the field's item, from 1.
    int ItemNummer = 0;
    bool Benutzeraktion = false;

protected:
    void MeldeAenderung();
};

// A node of the flag-out tree: an ordered list of objects, which it owns. Objects are
// created through NeuesObjekt, so each layer fills its structures with its own objects.
class TKR_FlagOutStruktur : public TKR_OwnerListe<TKR_FlagOutObjekt>
{
public:
    using TObjektAenderung =
        std::function<void(TKR_FlagOutSteuerelement& steuerelement, TKR_FlagOutObjekt& objekt)>;

    explicit TKR_FlagOutStruktur(const QString& titel, TKR_FlagOutStruktur* eltern = nullptr);
    ~TKR_FlagOutStruktur() override;

    // Each adds an element holding a new object of NeuesObjekt whose Besitzer is this
    // structure; the cursor goes to it.
    void Append() override;
    void InsertAfter() override;
    void InsertBefore() override;
    TKR_FlagOutObjekt* AddObjekt();

    virtual std::unique_ptr<TKR_FlagOutObjekt> NeuesObjekt();
    virtual std::unique_ptr<TKR_FlagOutStruktur> NeueUnterstruktur(const QString& titel,
                                                                   TKR_FlagOutStruktur* eltern);

    TKR_FlagOutObjekt* AktuellesObjekt() const { return CurrentData(); }
    // nullptr outside 1..Count.
    TKR_FlagOutObjekt* ObjektNr(int nummer);

    // Appends the value object for item nummer of feld; an item the field does not have
    // gets the caption "! FEHLERHAFTES ITEM".
    TKR_FlagOutObjekt* AddItemObjekt(TKR_DatenBankFeld& feld, int nummer);
    // Adds what the field needs: here an object for the field itself.
    virtual void NimmFeldAuf(TKR_DatenBankFeld& feld);
    // Appends a chapter holding kind, which becomes this structure's child.
    virtual TKR_FlagOutObjekt* AddUnterstruktur(std::unique_ptr<TKR_FlagOutStruktur> kind,
                                                bool alsKapitel);
    // A chapter with one value object per entry of the field's value list. Raises
    // EKR_Exception for a field without values.
    virtual TKR_FlagOutObjekt* AddKritItemsAsKapitel(TKR_DatenBankFeld& feld);
    void AktualisiereAlle();

    // The root of the tree (this structure for a root).
    TKR_FlagOutStruktur* Wurzel();

    bool Aktiv = true;
    bool AlsKapitel = false;
    TKR_FlagOutStruktur* Eltern = nullptr;
    TKR_FlagOutObjekt* ElternObjekt = nullptr;
    QString Titel;
    // 1 for a root, parent's depth + 1 below.
    int Ebene = 1;
    // Of the root: called when an object with a control changes.
    TObjektAenderung OnObjektAenderung;
    // False while the structure lays out controls or reads or writes states.
    bool Bereit = true;

private:
    // Objects come in through NeuesObjekt only.
    using TKR_OwnerListe::AppendData;
    using TKR_OwnerListe::InsertDataAfter;
    using TKR_OwnerListe::InsertDataBefore;

    void GibNeuesObjekt();
};
