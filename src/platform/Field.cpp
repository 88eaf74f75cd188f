#include "platform/Field.h"

#include "platform/DatabaseError.h"
#include "platform/Dataset.h"

namespace {

int DefaultDisplayWidth(TFieldType type, int size)
{
    switch (type) {
    case TFieldType::String:
        return size > 0 ? size : 20;
    case TFieldType::SmallInt:
        return 6;
    case TFieldType::Boolean:
        return 5;
    default:
        return 10;
    }
}

bool IsNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

} // namespace

TField::TField(TDataSet* dataSet, const QString& name, TFieldType type, int size, int column)
    : m_dataSet(dataSet), m_name(name), m_type(type), m_size(size), m_column(column),
      m_displayWidth(DefaultDisplayWidth(type, size))
{}

QVariant TField::Value() const
{
    return m_dataSet->FieldValue(*this);
}

QString TField::AsString() const
{
    const QVariant value = Value();
    if (value.isNull()) return {};
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::QByteArray:
        return QString::fromLatin1(value.toByteArray());
    default:
        return value.toString();
    }
}

int TField::AsInteger() const
{
    const QVariant value = Value();
    if (value.isNull()) return 0;
    if (value.typeId() == QMetaType::Bool) return value.toBool() ? 1 : 0;
    if (IsNumber(value)) return int(value.toLongLong());
    const QString text = AsString().trimmed();
    if (text.isEmpty()) return 0;
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok)
        throw EDatabaseError(
            QStringLiteral("'%1' is not a valid integer value for field '%2'").arg(text, m_name));
    return number;
}

bool TField::AsBoolean() const
{
    const QVariant value = Value();
    if (value.isNull()) return false;
    if (value.typeId() == QMetaType::Bool || IsNumber(value))
        return value.toLongLong() != 0 || value.toBool();
    const QString text = AsString().trimmed();
    if (text.isEmpty()) return false;
    switch (text.at(0).toUpper().unicode()) {
    case u'T':
    case u'Y':
    case u'J':
    case u'1':
        return true;
    case u'F':
    case u'N':
    case u'0':
        return false;
    default:
        throw EDatabaseError(
            QStringLiteral("'%1' is not a valid boolean value for field '%2'").arg(text, m_name));
    }
}

QByteArray TField::AsBytes() const
{
    const QVariant value = Value();
    if (value.typeId() == QMetaType::QByteArray) return value.toByteArray();
    return AsString().toUtf8();
}

QString TField::DefaultText() const
{
    if (m_type == TFieldType::Memo || m_type == TFieldType::Blob) {
        const QString name =
            m_type == TFieldType::Memo ? QStringLiteral("Memo") : QStringLiteral("Blob");
        return u'(' + (IsNull() ? name : name.toUpper()) + u')';
    }
    return AsString();
}

QString TField::TextFor(bool displayText) const
{
    QString text = DefaultText();
    if (OnGetText) OnGetText(const_cast<TField&>(*this), text, displayText);
    return text;
}

void TField::SetVisible(bool visible)
{
    if (m_visible == visible) return;
    m_visible = visible;
    m_dataSet->NotifyLayout();
}

void TField::SetDisplayLabel(const QString& label)
{
    m_displayLabel = label;
    m_dataSet->NotifyLayout();
}

void TField::SetDisplayWidth(int width)
{
    m_displayWidth = std::max(0, width);
    m_dataSet->NotifyLayout();
}

int TField::Index() const
{
    for (int i = 0; i < m_dataSet->FieldCount(); ++i) {
        if (m_dataSet->Fields(i) == this) return i;
    }
    return -1;
}

void TField::SetIndex(int index)
{
    m_dataSet->MoveField(this, index);
}
