#include "key/Verdan_DatenbankItemListe.h"

TVerdan_DatenbankItemRecord* TVerdan_DatenbankItemListe::AddItem(const QString& code,
                                                                 const QString& text, int wert)
{
    TVerdan_DatenbankItemRecord* item = AppendRecord();
    item->Code = code;
    item->Text = text;
    item->Wert = wert;
    return item;
}

TVerdan_DatenbankItemRecord* TVerdan_DatenbankItemListe::GetItem(int nummer)
{
    // The list's GoTo falls back to the first element; a wrong number must not pick it.
    if (nummer < 1 || nummer > Count()) return nullptr;
    return RecordAt(nummer);
}

const TVerdan_DatenbankItemRecord* TVerdan_DatenbankItemListe::ItemAt(int nummer) const
{
    if (nummer < 1 || nummer > Count()) return nullptr;
    int position = 1;
    for (const TVerdan_DatenbankItemRecord* item : *this) {
        if (position++ == nummer) return item;
    }
    return nullptr;
}

int TVerdan_DatenbankItemListe::IndexOfCode(const QString& code) const
{
    int position = 1;
    for (const TVerdan_DatenbankItemRecord* item : *this) {
        if (item->Code == code) return position;
        ++position;
    }
    return 0;
}

QString TVerdan_DatenbankItemListe::TextZuCode(const QString& code) const
{
    const TVerdan_DatenbankItemRecord* item = ItemAt(IndexOfCode(code));
    return item ? item->Text : QString();
}
