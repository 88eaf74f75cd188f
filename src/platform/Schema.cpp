#include "platform/Schema.h"

#include "app/Kr_str.h"

bool SameName(const QString& a, const QString& b)
{
    return a.size() == b.size() && UpperCase(a) == UpperCase(b);
}

QStringList TIndexInfo::ColumnNames() const
{
    QStringList names;
    for (const TIndexColumn& column : Columns)
        names << column.Name;
    return names;
}

int TTableInfo::ColumnIndex(const QString& name) const
{
    for (int i = 0; i < Columns.size(); ++i) {
        if (SameName(Columns[i].Name, name)) return i;
    }
    return -1;
}

const TIndexInfo* TTableInfo::FindIndex(const QString& name) const
{
    for (const TIndexInfo& index : Indexes) {
        if (SameName(index.Name, name)) return &index;
    }
    return nullptr;
}
