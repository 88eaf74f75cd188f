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

TKR_DataLink::TKR_DataLink(QObject* control, THandlers handlers)
    : m_control(control), m_handlers(std::move(handlers))
{}

TKR_DataLink::~TKR_DataLink()
{
    Disconnect();
    QObject::disconnect(m_sourceConnection);
}

void TKR_DataLink::SetDataSource(TKR_DataSource* dataSource)
{
    if (m_dataSource == dataSource) return;
    QObject::disconnect(m_sourceConnection);
    m_dataSource = dataSource;
    if (dataSource) {
        m_sourceConnection =
            QObject::connect(dataSource, &TKR_DataSource::dataSetChanged, m_control,
                             [this](TDataSet* dataSet) { Bind(dataSet); });
    }
    Bind(dataSource ? dataSource->DataSet() : nullptr);
}

void TKR_DataLink::Bind(TDataSet* dataSet)
{
    Disconnect();
    m_dataSet = dataSet;
    if (dataSet) {
        const auto weiter = [this](auto signal, const std::function<void()>& handler) {
            if (handler)
                m_dataSetConnections << QObject::connect(m_dataSet, signal, m_control, handler);
        };
        weiter(&TDataSet::activeChanged, m_handlers.ActiveChanged);
        weiter(&TDataSet::dataChanged, m_handlers.DataChanged);
        weiter(&TDataSet::currentChanged, m_handlers.CurrentChanged);
        weiter(&TDataSet::layoutChanged, m_handlers.LayoutChanged);
    }
    if (m_handlers.Bound) m_handlers.Bound();
}

void TKR_DataLink::Disconnect()
{
    for (const auto& connection : std::as_const(m_dataSetConnections))
        QObject::disconnect(connection);
    m_dataSetConnections.clear();
}
