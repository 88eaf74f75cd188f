#include "foundation/KR_DataSource.h"

#include "platform/Dataset.h"

TKR_DataSource::TKR_DataSource(QObject* parent) : QObject(parent) {}

TKR_DataSource::TKR_DataSource(TDataSet* dataSet, QObject* parent) : QObject(parent)
{
    SetDataSet(dataSet);
}

void TKR_DataSource::SetDataSet(TDataSet* dataSet)
{
    if (m_dataSet == dataSet) return;
    disconnect(m_destroyed);
    m_dataSet = dataSet;
    if (dataSet) {
        // A data set freed before its source leaves the controls with none.
        m_destroyed = connect(dataSet, &QObject::destroyed, this, [this] {
            m_dataSet = nullptr;
            emit dataSetChanged(nullptr);
        });
    }
    emit dataSetChanged(dataSet);
}
