#pragma once

#include "platform/Field.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

// A record position of a data set (the form library's bookmark). It stays valid while the
// set that gave it is open; a null bookmark (default, or after FreeBookmark) points nowhere.
class TBookmark
{
public:
    bool IsNull() const { return m_openSerial == 0; }

private:
    friend class TDataSet;
    qint64 m_record = 0;
    quint64 m_openSerial = 0;
};

// A data set with one cursor: the common part of tables and queries (the form library's
// TDataSet). Records are numbered from 1; RecNo is 0 when the set is closed or empty.
//
// Walking: First, then work and Next until Eof. Next on the last record leaves the cursor
// there and sets Eof; Prior on the first sets Bof; an empty set is Bof and Eof at once.
// Moving a closed set raises EDatabaseError; reading RecNo, RecordCount, Eof or Bof of a
// closed set does not (0, 0, true, true).
//
// A view (a grid) follows the set through the signals and moves it through the operations.
// DisableControls suspends the signals (counted; the callbacks still run); the last
// EnableControls emits dataChanged once when anything happened meanwhile.
class TDataSet : public QObject
{
    Q_OBJECT

public:
    using TDataSetEvent = std::function<void(TDataSet& dataSet)>;

    explicit TDataSet(QObject* parent = nullptr);
    ~TDataSet() override;

    // Open reads the set (BeforeOpen, then AfterOpen and, unless empty, AfterScroll on the
    // first record); on failure it raises EDatabaseError and the set stays closed.
    void Open();
    void Close();
    bool Active() const { return m_active; }
    void SetActive(bool active);

    void First();
    void Last();
    void Next();
    void Prior();
    // Moves by distance records (negative: backwards) as far as the set allows; returns the
    // number of records actually moved.
    int MoveBy(int distance);
    bool Eof() const { return !m_active || m_eof; }
    bool Bof() const { return !m_active || m_bof; }
    bool IsEmpty() const { return RecordCount() == 0; }
    int RecNo() const { return m_active ? m_recNo : 0; }
    // Moves to record recNo (clamped to the records there are).
    void SetRecNo(int recNo);
    int RecordCount() const;

    TBookmark GetBookmark() const;
    // Returns to the bookmarked record; raises EDatabaseError for a null or stale bookmark or
    // a record that the set no longer shows (outside a table's current range).
    void GotoBookmark(const TBookmark& bookmark);
    void FreeBookmark(TBookmark& bookmark) const { bookmark = TBookmark(); }
    bool BookmarkValid(const TBookmark& bookmark) const;

    // Moves to the first record, in the set's order, whose field fieldName equals value
    // (texts exactly); false, without moving, when there is none.
    bool Locate(const QString& fieldName, const QVariant& value);

    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return m_disableCount > 0; }

    // Fields in display order (their Index). Names are found without regard to letter case
    // through the letter table: "BlüteZeit 1" finds "Blütezeit 1".
    int FieldCount() const { return int(m_fields.size()); }
    TField* Fields(int index) const;
    TField* FindField(const QString& name) const;
    // Like FindField, but raises EDatabaseError "Field 'name' not found" (with the set's name).
    TField* FieldByName(const QString& name) const;
    QStringList FieldNames() const;
    // Adds a calculated string field of size characters while the set is closed; it comes
    // before the data fields, in the order added, and survives Close and Open. Its name
    // wins: a column of the same name is then read as "<name>_1".
    TField* AddCalculatedField(const QString& name, int size);

    // The name used in messages (a table's name, "Query").
    virtual QString DataSetName() const = 0;

    TDataSetEvent BeforeOpen;
    TDataSetEvent AfterOpen;
    TDataSetEvent AfterScroll;

    // Within the life of a TRecordView, the fields read record recNo instead of the current
    // one; nothing moves and nothing is signalled. For grids painting rows other than the
    // current one (display handlers read other fields of "their" record).
    class TRecordView
    {
    public:
        TRecordView(const TDataSet& dataSet, int recNo);
        ~TRecordView();
        TRecordView(const TRecordView&) = delete;
        TRecordView& operator=(const TRecordView&) = delete;

    private:
        const TDataSet& m_dataSet;
        int m_previous;
    };

signals:
    void activeChanged(bool active);
    // The cursor moved to another record of the same set of records.
    void currentChanged(int recNo);
    // The records themselves changed (opened, range set, index switched, controls enabled):
    // a view reads count, rows and current record anew.
    void dataChanged();
    // Field display properties or the order of the fields changed.
    void layoutChanged();

protected:
    struct TColumnInfo
    {
        QString Name;
        TFieldType Type = TFieldType::String;
        int Size = 0;
    };

    // Reads the records; returns the columns. Raises EDatabaseError on failure.
    virtual QList<TColumnInfo> OpenCursor() = 0;
    virtual void CloseCursor() = 0;
    virtual int CursorRecordCount() const = 0;
    virtual QVariant CursorValue(int recNo, int column) const = 0;
    // An identity of record recNo that survives changes of order and range.
    virtual qint64 CursorRecordId(int recNo) const = 0;
    // The number of the record with identity id among the records shown, 0 when not shown.
    virtual int CursorRecNoOf(qint64 id) const = 0;
    // The first record whose column equals value, 0 when none; scans by default.
    virtual int CursorLocate(int column, const QVariant& value) const;

    // After the records changed while open: positions the cursor on recNo (0: the first)
    // and signals it, as Open does.
    void RecordsChanged(int recNo);
    // Positions the cursor on recNo (1 to RecordCount) and signals the move.
    void MoveToRecord(int recNo);
    void CheckActive() const;
    void CheckInactive(const QString& operation) const;
    [[noreturn]] void Raise(const QString& message) const;
    const TField* FieldOfColumn(int column) const;

private:
    friend class TField;
    QVariant FieldValue(const TField& field) const;
    void MoveField(TField* field, int index);
    void NotifyLayout();
    void NotifyCurrent();
    void NotifyData();
    void NotifyActive();
    void RunAfterScroll();
    void BuildFields(const QList<TColumnInfo>& columns);
    void IndexFieldNames();

    bool m_active = false;
    int m_recNo = 0;
    bool m_bof = true;
    bool m_eof = true;
    quint64 m_openSerial = 0;
    mutable int m_viewRecNo = 0;
    int m_disableCount = 0;
    bool m_pending = false;
    bool m_activeWhenDisabled = false;
    std::vector<std::unique_ptr<TField>> m_fields; // in Index order
    QHash<QString, TField*> m_fieldByKey;          // UpperCase(name) -> field
};
