#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

// Field types of the engine, named after the Paradox types of the data sources:
// A<n> String of at most n characters, I Integer, + AutoInc, S SmallInt, L Boolean,
// M Memo, B Blob.
enum class TFieldType
{
    String,
    Integer,
    AutoInc,
    SmallInt,
    Boolean,
    Memo,
    Blob,
};

struct TColumnDef
{
    QString Name;
    TFieldType Type = TFieldType::String;
    int Size = 0; // characters of a String column
};

// Reads a Paradox type ("A60", "I", "+", "S", "L", "M", "B"); false for anything else.
bool ParseParadoxType(const QString& text, TColumnDef& column);

struct TIndexDef
{
    QString Name;
    QStringList Columns;
};

struct TTableDef
{
    QString Name;
    QList<TColumnDef> Columns;
    QStringList PrimaryKey; // may be empty
    QList<TIndexDef> Indexes; // named secondary indexes
};

// Writes a new database file (tables.sqlite) for the engine layer. String columns of
// secondary indexes get the letter-table collation, so that they order and compare
// case-insensitively; everything else compares exactly. Every failure raises
// EDatabaseError with the engine's message. The caller writes to a temporary name and
// renames it when Finish() has returned, so that no half-written database is left behind.
class TDatabaseBuilder
{
public:
    explicit TDatabaseBuilder(const QString& fileName);
    ~TDatabaseBuilder();
    TDatabaseBuilder(const TDatabaseBuilder&) = delete;
    TDatabaseBuilder& operator=(const TDatabaseBuilder&) = delete;

    void CreateTable(const TTableDef& table);
    // One row in the table's column order; a null QVariant is a blank (NULL). Blob values
    // are QByteArray. A duplicate primary key raises.
    void AddRow(const QString& tableName, const QVariantList& values);
    void Finish();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
