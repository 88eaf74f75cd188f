#pragma once

#include <QObject>
#include <QPointer>

class TDataSet;

// The link between data-aware controls (grid, navigator) and a data set (the form library's
// TDataSource): controls bound to one source follow whichever data set it names, so a window
// can switch its grid and navigator to another data set in one step.
class TKR_DataSource : public QObject
{
    Q_OBJECT

public:
    explicit TKR_DataSource(QObject* parent = nullptr);
    TKR_DataSource(TDataSet* dataSet, QObject* parent);

    // nullptr when none is set or the set has been destroyed.
    TDataSet* DataSet() const { return m_dataSet; }
    void SetDataSet(TDataSet* dataSet);

signals:
    // Another data set (or none) is now linked.
    void dataSetChanged(TDataSet* dataSet);

private:
    QPointer<TDataSet> m_dataSet;
    QMetaObject::Connection m_destroyed;
};
