#include "data/Kr_db.h"

#include "data/Aw_bdb01.h"

void ApplySessionDaten(const TKR_SessionDaten& sessionDaten, TDataSet* dataSet)
{
    if (auto* table = qobject_cast<TKR_Table*>(dataSet)) {
        table->SetDatabaseName(sessionDaten.DatabaseName);
        table->SetReadOnly(sessionDaten.ReadOnly);
    } else if (auto* query = qobject_cast<TKR_Query*>(dataSet)) {
        query->SetDatabaseName(sessionDaten.DatabaseName);
    }
}

int DataSetRecNo(const TDataSet* dataSet)
{
    if (!dataSet || !dataSet->Active() || dataSet->RecordCount() == 0) return 0;
    if (!qobject_cast<const TKR_Table*>(dataSet) && !qobject_cast<const TKR_Query*>(dataSet))
        return 0;
    return dataSet->RecNo();
}
