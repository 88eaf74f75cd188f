#pragma once

#include <QChar>
#include <QString>

// Text helpers. Letter case follows the setup block's letter table (German and West European
// letters) and the ASCII rules, never the locale: "ä" and "Ä" are equal in upper case, "ß"
// and "Ð" have no other case.

QChar UpCaseChar(QChar c);
QChar LoCaseChar(QChar c);
QString UpperCase(const QString& text);
QString LowerCase(const QString& text);

// Removes leading and trailing blanks and reduces each run of blanks inside to one. Only the
// blank counts; tab characters stay.
QString TrimSpaces(const QString& text);

// The n-th piece (1-based; below 1 counts as 1) of text between occurrences of sep. Missing
// pieces are empty; with no sep in text, piece 1 is the whole text.
QString GetToken(const QString& sep, int n, const QString& text);
// The same, finding sep without regard to letter case.
QString GetTokenNoCase(const QString& sep, int n, const QString& text);

// Removes every occurrence of part (letter case respected); true when something was removed.
bool RemoveAll(const QString& part, QString& text);

// The position (1-based) of the last occurrence of c in text, 0 when there is none.
int LastPos(QChar c, const QString& text);

// Accented letters to their ASCII codes ("ä" to "ae_") and back; both tidy blanks first.
// Entries 18 and 19 share their codes, so an encoded "ï" decodes as "î".
QString EncodeSpecial(const QString& text);
QString DecodeSpecial(const QString& text);

// The value of an environment variable (name compared without regard to letter case), empty
// when it is not set.
QString GetEnvironmentValue(const QString& name);
