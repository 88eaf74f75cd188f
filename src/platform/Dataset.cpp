#include "platform/Dataset.h"

#include "app/Kr_str.h"
#include "platform/DatabaseError.h"

#include <QSet>

namespace {

// Bookmarks of one opening of one set never fit another: every Open takes a new number.
quint64 NextOpenSerial()
{
    static quint64 serial = 0;
    return ++serial;
}

bool SameValue(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull()) return a.isNull() && b.isNull();
    if (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString)
        return a.toString() == b.toString();
    return a == b;
}

} // namespace

TDataSet::TDataSet(QObject* parent) : QObject(parent) {}

TDataSet::~TDataSet() = default;

void TDataSet::Open()
{
    if (m_active) return;
    if (BeforeOpen) BeforeOpen(*this);
    const QList<TColumnInfo> columns = OpenCursor();
    try {
        BuildFields(columns);
    } catch (...) {
        CloseCursor();
        throw;
    }
    m_active = true;
    m_openSerial = NextOpenSerial();
    m_recNo = CursorRecordCount() > 0 ? 1 : 0;
    m_bof = true;
    m_eof = m_recNo == 0;
    NotifyActive();
    if (AfterOpen) AfterOpen(*this);
    if (m_recNo > 0) RunAfterScroll();
}

void TDataSet::Close()
{
    if (!m_active) return;
    CloseCursor();
    m_active = false;
    m_recNo = 0;
    m_bof = m_eof = true;
    m_openSerial = 0;
    std::erase_if(m_fields, [](const auto& field) { return !field->Calculated(); });
    IndexFieldNames();
    NotifyActive();
}

void TDataSet::SetActive(bool active)
{
    active ? Open() : Close();
}

void TDataSet::First()
{
    CheckActive();
    if (IsEmpty()) return;
    const bool moved = m_recNo != 1;
    m_recNo = 1;
    m_bof = true;
    m_eof = false;
    if (moved) NotifyCurrent();
    RunAfterScroll();
}

void TDataSet::Last()
{
    CheckActive();
    if (IsEmpty()) return;
    const int last = CursorRecordCount();
    const bool moved = m_recNo != last;
    m_recNo = last;
    m_bof = false;
    m_eof = true;
    if (moved) NotifyCurrent();
    RunAfterScroll();
}

void TDataSet::Next()
{
    MoveBy(1);
}

void TDataSet::Prior()
{
    MoveBy(-1);
}

int TDataSet::MoveBy(int distance)
{
    CheckActive();
    const int count = CursorRecordCount();
    if (count == 0 || distance == 0) return 0;
    const qint64 wanted = qint64(m_recNo) + distance;
    const int target = int(std::clamp<qint64>(wanted, 1, count));
    m_bof = wanted < 1;
    m_eof = wanted > count;
    const int moved = target - m_recNo;
    if (moved == 0) return 0;
    m_recNo = target;
    NotifyCurrent();
    RunAfterScroll();
    return moved;
}

void TDataSet::SetRecNo(int recNo)
{
    CheckActive();
    if (IsEmpty()) return;
    MoveToRecord(std::clamp(recNo, 1, CursorRecordCount()));
}

int TDataSet::RecordCount() const
{
    return m_active ? CursorRecordCount() : 0;
}

TBookmark TDataSet::GetBookmark() const
{
    TBookmark bookmark;
    if (!m_active || m_recNo == 0) return bookmark;
    bookmark.m_record = CursorRecordId(m_recNo);
    bookmark.m_openSerial = m_openSerial;
    return bookmark;
}

void TDataSet::GotoBookmark(const TBookmark& bookmark)
{
    CheckActive();
    if (bookmark.IsNull() || bookmark.m_openSerial != m_openSerial)
        Raise(QStringLiteral("invalid bookmark"));
    const int recNo = CursorRecNoOf(bookmark.m_record);
    if (recNo == 0) Raise(QStringLiteral("the bookmarked record is not in the data set"));
    MoveToRecord(recNo);
}

bool TDataSet::BookmarkValid(const TBookmark& bookmark) const
{
    return m_active && !bookmark.IsNull() && bookmark.m_openSerial == m_openSerial &&
           CursorRecNoOf(bookmark.m_record) > 0;
}

bool TDataSet::Locate(const QString& fieldName, const QVariant& value)
{
    CheckActive();
    const TField* field = FieldByName(fieldName);
    if (field->Calculated())
        Raise(QStringLiteral("cannot locate on the calculated field '%1'").arg(field->FieldName()));
    const int recNo = CursorLocate(field->m_column, value);
    if (recNo == 0) return false;
    MoveToRecord(recNo);
    return true;
}

int TDataSet::CursorLocate(int column, const QVariant& value) const
{
    const int count = CursorRecordCount();
    for (int recNo = 1; recNo <= count; ++recNo) {
        if (SameValue(CursorValue(recNo, column), value)) return recNo;
    }
    return 0;
}

void TDataSet::DisableControls()
{
    if (m_disableCount++ == 0) {
        m_pending = false;
        m_activeWhenDisabled = m_active;
    }
}

void TDataSet::EnableControls()
{
    if (m_disableCount == 0 || --m_disableCount > 0 || !m_pending) return;
    m_pending = false;
    if (m_active != m_activeWhenDisabled) emit activeChanged(m_active);
    emit dataChanged();
}

TField* TDataSet::Fields(int index) const
{
    if (index < 0 || index >= FieldCount())
        Raise(QStringLiteral("field index %1 out of range").arg(index));
    return m_fields[size_t(index)].get();
}

TField* TDataSet::FindField(const QString& name) const
{
    return m_fieldByKey.value(UpperCase(name), nullptr);
}

TField* TDataSet::FieldByName(const QString& name) const
{
    if (TField* field = FindField(name)) return field;
    Raise(QStringLiteral("Field '%1' not found").arg(name));
}

QStringList TDataSet::FieldNames() const
{
    QStringList names;
    for (const auto& field : m_fields)
        names << field->FieldName();
    return names;
}

TField* TDataSet::AddCalculatedField(const QString& name, int size)
{
    CheckInactive(QStringLiteral("add a calculated field"));
    if (name.isEmpty() || FindField(name))
        Raise(QStringLiteral("Duplicate field name '%1'").arg(name));
    const auto firstData = std::find_if(m_fields.begin(), m_fields.end(),
                                        [](const auto& field) { return !field->Calculated(); });
    auto field = std::make_unique<TField>(this, name, TFieldType::String, size, -1);
    TField* added = field.get();
    m_fields.insert(firstData, std::move(field));
    IndexFieldNames();
    return added;
}

TDataSet::TRecordView::TRecordView(const TDataSet& dataSet, int recNo)
    : m_dataSet(dataSet), m_previous(dataSet.m_viewRecNo)
{
    dataSet.m_viewRecNo = recNo;
}

TDataSet::TRecordView::~TRecordView()
{
    m_dataSet.m_viewRecNo = m_previous;
}

void TDataSet::RecordsChanged(int recNo)
{
    const int count = CursorRecordCount();
    m_recNo = count == 0 ? 0 : std::clamp(recNo, 1, count);
    m_bof = m_recNo <= 1;
    m_eof = count == 0;
    NotifyData();
    if (m_recNo > 0) RunAfterScroll();
}

void TDataSet::MoveToRecord(int recNo)
{
    m_bof = m_eof = false;
    if (m_recNo != recNo) {
        m_recNo = recNo;
        NotifyCurrent();
    }
    RunAfterScroll();
}

void TDataSet::CheckActive() const
{
    if (!m_active) Raise(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void TDataSet::CheckInactive(const QString& operation) const
{
    if (m_active) Raise(QStringLiteral("Cannot %1 on an open dataset").arg(operation));
}

void TDataSet::Raise(const QString& message) const
{
    throw EDatabaseError(DataSetName() + QStringLiteral(": ") + message);
}

const TField* TDataSet::FieldOfColumn(int column) const
{
    for (const auto& field : m_fields) {
        if (field->m_column == column) return field.get();
    }
    return nullptr;
}

QVariant TDataSet::FieldValue(const TField& field) const
{
    const int recNo = m_viewRecNo > 0 ? m_viewRecNo : m_recNo;
    if (!m_active || field.Calculated() || recNo < 1 || recNo > CursorRecordCount()) return {};
    return CursorValue(recNo, field.m_column);
}

void TDataSet::MoveField(TField* field, int index)
{
    const auto it = std::find_if(m_fields.begin(), m_fields.end(),
                                 [field](const auto& f) { return f.get() == field; });
    if (it == m_fields.end()) return;
    const int from = int(it - m_fields.begin());
    const int to = std::clamp(index, 0, FieldCount() - 1);
    if (from == to) return;
    std::unique_ptr<TField> moving = std::move(*it);
    m_fields.erase(it);
    m_fields.insert(m_fields.begin() + to, std::move(moving));
    NotifyLayout();
}

void TDataSet::NotifyLayout()
{
    if (ControlsDisabled())
        m_pending = true;
    else
        emit layoutChanged();
}

void TDataSet::NotifyCurrent()
{
    if (ControlsDisabled())
        m_pending = true;
    else
        emit currentChanged(m_recNo);
}

void TDataSet::NotifyData()
{
    if (ControlsDisabled())
        m_pending = true;
    else
        emit dataChanged();
}

void TDataSet::NotifyActive()
{
    if (ControlsDisabled()) {
        m_pending = true;
        return;
    }
    emit activeChanged(m_active);
    if (m_active) emit dataChanged();
}

void TDataSet::RunAfterScroll()
{
    if (AfterScroll) AfterScroll(*this);
}

void TDataSet::BuildFields(const QList<TColumnInfo>& columns)
{
    std::vector<std::unique_ptr<TField>> fields;
    QSet<QString> taken;
    for (const auto& field : m_fields)
        taken.insert(UpperCase(field->FieldName()));
    for (int column = 0; column < columns.size(); ++column) {
        const TColumnInfo& info = columns[column];
        // A result may repeat a name (A.GN and A.GN as GN); the form library numbered the
        // later ones GN_1, GN_2.
        QString name = info.Name;
        for (int n = 1; taken.contains(UpperCase(name)); ++n)
            name = info.Name + QStringLiteral("_%1").arg(n);
        taken.insert(UpperCase(name));
        fields.push_back(std::make_unique<TField>(this, name, info.Type, info.Size, column));
    }
    for (auto& field : fields)
        m_fields.push_back(std::move(field));
    IndexFieldNames();
}

void TDataSet::IndexFieldNames()
{
    m_fieldByKey.clear();
    for (const auto& field : m_fields) {
        const QString key = UpperCase(field->FieldName());
        if (!m_fieldByKey.contains(key)) m_fieldByKey.insert(key, field.get());
    }
}
