#pragma once

#include "foundation/KR_Liste.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// How ToText ends each line.
enum class TKR_TextMode
{
    Plain, // no separators at all
    LF,    // a line feed after each line
    CRLF,  // a carriage return and a line feed after each line
};

// The list of text lines passed between the parts of the program: SQL statements, HTML
// lines, selection lists. A cursor list: AddLine, LineAt, FindLine ... move the cursor;
// range-for walks the lines without moving it.
class TKR_Textus : public TKR_OwnerListe<QString>
{
public:
    class LineIterator;

    TKR_Textus() = default;
    TKR_Textus(TKR_Textus&&) noexcept = default;
    TKR_Textus& operator=(TKR_Textus&&) noexcept = default;

    // Inserts behind the current line (at the end after every AddLine); the new line
    // becomes current.
    void AddLine(const QString& text);
    // Inserts before the current line; the new line becomes current.
    void InsertLine(const QString& text);
    void ReplaceLine(const QString& text);
    void DeleteLine();
    // Empty for an empty list.
    QString CurrentLine() const;
    // The cursor moves to the line; positions below 1 count as 1. Beyond the last line the
    // result is empty and the cursor stays.
    QString LineAt(int position);
    // Position of the first line beginning with prefix, 0 when none (an empty prefix
    // matches nothing). Case-insensitive through the letter table's upper case.
    int FindPrefix(const QString& prefix, bool caseInsensitive);
    // Position of the first line equal to text, 0 when none; the cursor stays on it.
    int FindLine(const QString& text, bool caseInsensitive);
    // AddLine for each line of other; nothing for nullptr.
    void AddLines(const TKR_Textus* other);

    // Empties strings and fills it with the lines in order.
    void ToStrings(QStringList& strings) const;
    // All lines in one text; a null QString for an empty list.
    QString ToText(TKR_TextMode mode) const;
    // The separator stands before a line whenever the text built so far is not empty, so
    // leading empty lines leave no separator behind.
    QString Join(const QString& separator) const;
    QString JoinLF() const { return Join(QStringLiteral("\n")); }
    // Appends the pieces of text between separators, the last one even when empty: "a,b,"
    // gives "a", "b" and "". With normalise, the blanks of each piece are tidied.
    void Split(const QString& text, const QString& separator, bool normalise);
    // Ascending by character codes.
    virtual void Sort();

    LineIterator begin() const;
    LineIterator end() const;
};

// Walks the lines as const QString&; an element without a line reads as empty.
class TKR_Textus::LineIterator
{
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = QString;
    using difference_type = std::ptrdiff_t;
    using pointer = const QString*;
    using reference = const QString&;

    LineIterator() = default;
    explicit LineIterator(TKR_ListenIterator<QString> it) : m_it(it) {}

    const QString& operator*() const;
    LineIterator& operator++()
    {
        ++m_it;
        return *this;
    }
    LineIterator operator++(int)
    {
        auto before = *this;
        ++m_it;
        return before;
    }
    bool operator==(const LineIterator& other) const { return m_it == other.m_it; }

private:
    TKR_ListenIterator<QString> m_it;
};

// A text list that reads the lines of a memo field.
class TKR_DBTextus : public TKR_Textus
{
public:
    // Appends the lines of the memo's raw UTF-8 bytes, up to the end or the first zero
    // byte. CR LF and LF CR each end one line, a lone CR or LF too; an empty line between
    // two line ends is kept, a trailing line end adds no empty line. The list is not
    // emptied first.
    void ReadMemo(const QByteArray& bytes);
};
