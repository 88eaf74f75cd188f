#pragma once

#include "platform/DatabaseBuilder.h"

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <functional>

class TDataSet;

// One field of a data set: the value of its column in the data set's current record, and
// the display properties a grid follows. A data field lives from the set's Open to its
// Close; a calculated field (added before opening) lives as long as its data set.
class TField
{
public:
    // The display-text handler: text comes in as the field's own text and goes out as the
    // text to show; displayText is true for showing, false for the edit text (copying).
    using TGetTextEvent = std::function<void(TField& sender, QString& text, bool displayText)>;

    TField(TDataSet* dataSet, const QString& name, TFieldType type, int size, int column);
    TField(const TField&) = delete;
    TField& operator=(const TField&) = delete;

    TDataSet* DataSet() const { return m_dataSet; }
    QString FieldName() const { return m_name; }
    TFieldType DataType() const { return m_type; }
    int Size() const { return m_size; } // characters of a string field, else 0
    // A field without a column: its text comes only from OnGetText.
    bool Calculated() const { return m_column < 0; }

    // The value of the current record; null for a blank (SQL NULL), for a calculated field,
    // and when the set is closed or empty.
    QVariant Value() const;
    bool IsNull() const { return Value().isNull(); }
    // A blank reads as "", 0 and false. Booleans read "True"/"False" as text. Reading text
    // that is not a number as an integer raises EDatabaseError naming the field.
    QString AsString() const;
    int AsInteger() const;
    bool AsBoolean() const;
    // The raw content: the bytes of a blob, the UTF-8 text of a memo or any other field.
    QByteArray AsBytes() const;

    // The text a grid shows (DisplayText) and copies (Text): OnGetText's answer when it is
    // set; otherwise AsString, except "(MEMO)"/"(BLOB)" for memo and blob fields that hold
    // something ("(Memo)"/"(Blob)" when blank), as the form library showed them.
    QString DisplayText() const { return TextFor(true); }
    QString Text() const { return TextFor(false); }

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    QString DisplayLabel() const { return m_displayLabel.isEmpty() ? m_name : m_displayLabel; }
    void SetDisplayLabel(const QString& label);
    int DisplayWidth() const { return m_displayWidth; } // in characters
    void SetDisplayWidth(int width);
    // Position among the data set's fields, 0-based; setting it moves the field there and
    // shifts the others.
    int Index() const;
    void SetIndex(int index);

    TGetTextEvent OnGetText;

private:
    friend class TDataSet;
    QString TextFor(bool displayText) const;
    QString DefaultText() const;

    TDataSet* m_dataSet;
    QString m_name;
    TFieldType m_type;
    int m_size;
    int m_column; // in the data set's cursor; -1 for a calculated field
    bool m_visible = true;
    QString m_displayLabel;
    int m_displayWidth;
};
