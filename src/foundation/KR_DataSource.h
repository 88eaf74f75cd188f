#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

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

// A data-aware control's end of the link: it follows its data source to whatever data set the
// source names and passes that set's signals on to the control's handlers.
class TKR_DataLink
{
public:
    struct THandlers
    {
        // Another data set (or none) is linked; runs after the set's signals are connected.
        std::function<void()> Bound;
        std::function<void()> ActiveChanged;
        std::function<void()> DataChanged;
        std::function<void()> CurrentChanged;
        std::function<void()> LayoutChanged;
    };

    // The handlers run in the context of control: none runs once it is destroyed.
    TKR_DataLink(QObject* control, THandlers handlers);
    ~TKR_DataLink();
    TKR_DataLink(const TKR_DataLink&) = delete;
    TKR_DataLink& operator=(const TKR_DataLink&) = delete;

    TKR_DataSource* DataSource() const { return m_dataSource; }
    void SetDataSource(TKR_DataSource* dataSource);
    // nullptr without a source, or when the source names none.
    TDataSet* DataSet() const { return m_dataSet; }

private:
    void Bind(TDataSet* dataSet);
    void Disconnect();

    QObject* m_control;
    THandlers m_handlers;
    QPointer<TKR_DataSource> m_dataSource;
    QPointer<TDataSet> m_dataSet;
    QList<QMetaObject::Connection> m_dataSetConnections;
    QMetaObject::Connection m_sourceConnection;
};
