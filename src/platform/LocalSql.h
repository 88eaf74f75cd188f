#pragma once

#include "platform/Schema.h"

#include <QString>
#include <QStringList>

// Translates one SELECT statement of the local SQL dialect (the Paradox engine's), given as
// its lines, into SQLite's SQL over the tables of schema.
//
// The dialect: SELECT [DISTINCT] with expressions, "*" and "alias.*", AS aliases; FROM
// tables with aliases, joined by commas or [INNER | LEFT | RIGHT | FULL] [OUTER] JOIN ... ON;
// WHERE, GROUP BY, HAVING, ORDER BY (on columns, aliases or positions; ASC/DESC); the
// operators = <> != < <= > >= + - * / ||, AND OR NOT, IS [NOT] NULL, [NOT] LIKE, [NOT] IN,
// [NOT] BETWEEN; UPPER, LOWER (through the letter table), COUNT, SUM, MIN, MAX, AVG; the
// literals True and False; comments -- and /* */.
//
// A double-quoted token names a table after FROM or JOIN and a column after "alias.";
// anywhere else it is a string literal, as is a single-quoted one. Names of tables, columns
// and aliases are matched without regard to letter case through the letter table and
// written out as the schema spells them. An operand of || that is NULL counts as empty text.
//
// Anything else raises EDatabaseError saying what is wrong and where, "(line 3, column 7)":
// an unterminated string, a character or word the dialect does not know, a syntax error, an
// unknown table, alias, column or function, or an ambiguous column.
QString TranslateLocalSql(const QStringList& lines, const TSchema& schema);
