#pragma once

#include "foundation/KR_Liste.h"

#include <QString>

// One value of a criterion: the code stored in the key table (case matters: "h" is not "H")
// and the label shown.
class TVerdan_DatenbankItemRecord : public TKR_MyVListRecord
{
public:
    QString Code;
    QString Text;
    int Reserve = 0;
    int Wert = 0;
};

// The values of one criterion in display order. An item's number is its position from 1;
// selections refer to items by number, never by code.
class TVerdan_DatenbankItemListe : public TKR_TypedVListe<TVerdan_DatenbankItemRecord>
{
public:
    // Appends at the end; the new item becomes current.
    TVerdan_DatenbankItemRecord* AddItem(const QString& code, const QString& text, int wert);
    // The item at position nummer (it becomes current); nullptr outside 1..Count.
    TVerdan_DatenbankItemRecord* GetItem(int nummer);
    TVerdan_DatenbankItemRecord* AktuellesItem() const { return CurrentRecord(); }
    // The same without moving the cursor.
    const TVerdan_DatenbankItemRecord* ItemAt(int nummer) const;

    // Position of the first item whose code equals code exactly; 0 when none.
    int IndexOfCode(const QString& code) const;
    // Text of that item, empty when none.
    QString TextZuCode(const QString& code) const;
};
