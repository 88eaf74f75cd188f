#include "platform/LocalSql.h"

#include "platform/DatabaseError.h"
#include "platform/EngineSqlite.h"

#include <QSet>
#include <memory>
#include <vector>

using VerdanSqlite::QuoteIdentifier;

namespace {

// ---- Tokens ----

enum class TTokenKind
{
    Word,   // a name or a keyword
    Quoted, // "..."
    String, // '...'
    Number,
    Symbol,
    End,
};

struct TToken
{
    TTokenKind Kind = TTokenKind::End;
    QString Text; // quotes removed from Quoted and String
    int Line = 0;
    int Column = 0;
};

[[noreturn]] void Fail(const QString& what, int line, int column)
{
    throw EDatabaseError(what + QStringLiteral(" (line %1, column %2)").arg(line).arg(column));
}

[[noreturn]] void Fail(const QString& what, const TToken& token)
{
    Fail(what, token.Line, token.Column);
}

QString AsciiUpper(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper) {
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - u'a' + u'A');
    }
    return upper;
}

const QSet<QString>& ReservedWords()
{
    static const QSet<QString> words = {
        "SELECT", "DISTINCT", "ALL",   "FROM",      "WHERE",      "AND",   "OR",     "NOT",
        "AS",     "LEFT",     "RIGHT", "FULL",      "OUTER",      "INNER", "JOIN",   "ON",
        "ORDER",  "GROUP",    "BY",    "HAVING",    "ASC",        "DESC",  "IS",     "NULL",
        "LIKE",   "IN",       "TRUE",  "ASCENDING", "DESCENDING", "FALSE", "BETWEEN"};
    return words;
}

bool IsNameStart(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool IsNamePart(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

class TLexer
{
public:
    explicit TLexer(const QStringList& lines) : m_lines(lines) {}

    std::vector<TToken> Tokens()
    {
        for (m_line = 0; m_line < m_lines.size(); ++m_line) {
            const QString& text = m_lines[m_line];
            m_pos = 0;
            while (m_pos < text.size())
                ReadAt(text);
        }
        if (m_inComment)
            Fail(QStringLiteral("Unterminated comment"), m_commentLine, m_commentColumn);
        TToken end;
        end.Line = std::max<int>(1, int(m_lines.size()));
        end.Column = m_lines.isEmpty() ? 1 : int(m_lines.last().size()) + 1;
        m_tokens.push_back(end);
        return std::move(m_tokens);
    }

private:
    void ReadAt(const QString& text)
    {
        const QChar c = text[m_pos];
        const QChar next = m_pos + 1 < text.size() ? text[m_pos + 1] : QChar();
        if (m_inComment) {
            if (c == u'*' && next == u'/') {
                m_inComment = false;
                m_pos += 2;
            } else {
                ++m_pos;
            }
        } else if (c.isSpace()) {
            ++m_pos;
        } else if (c == u'-' && next == u'-') {
            m_pos = text.size();
        } else if (c == u'/' && next == u'*') {
            m_inComment = true;
            m_commentLine = m_line + 1;
            m_commentColumn = int(m_pos) + 1;
            m_pos += 2;
        } else if (IsNameStart(c)) {
            ReadWhile(text, TTokenKind::Word, IsNamePart);
        } else if (c.isDigit()) {
            ReadNumber(text);
        } else if (c == u'"' || c == u'\'') {
            ReadQuoted(text, c);
        } else {
            ReadSymbol(c, next);
        }
    }

    TToken Start(TTokenKind kind) const
    {
        TToken token;
        token.Kind = kind;
        token.Line = m_line + 1;
        token.Column = int(m_pos) + 1;
        return token;
    }

    template <typename Predicate>
    void ReadWhile(const QString& text, TTokenKind kind, Predicate part)
    {
        TToken token = Start(kind);
        const qsizetype start = m_pos;
        while (m_pos < text.size() && part(text[m_pos]))
            ++m_pos;
        token.Text = text.mid(start, m_pos - start);
        m_tokens.push_back(token);
    }

    void ReadNumber(const QString& text)
    {
        TToken token = Start(TTokenKind::Number);
        const qsizetype start = m_pos;
        while (m_pos < text.size() && text[m_pos].isDigit())
            ++m_pos;
        if (m_pos + 1 < text.size() && text[m_pos] == u'.' && text[m_pos + 1].isDigit()) {
            ++m_pos;
            while (m_pos < text.size() && text[m_pos].isDigit())
                ++m_pos;
        }
        if (m_pos < text.size() && IsNamePart(text[m_pos]))
            Fail(QStringLiteral("Unexpected '%1' after a number").arg(text[m_pos]), m_line + 1,
                 int(m_pos) + 1);
        token.Text = text.mid(start, m_pos - start);
        m_tokens.push_back(token);
    }

    // A quote inside is written twice; a string ends on its line.
    void ReadQuoted(const QString& text, QChar quote)
    {
        TToken token = Start(quote == u'"' ? TTokenKind::Quoted : TTokenKind::String);
        ++m_pos;
        for (;;) {
            if (m_pos >= text.size()) Fail(QStringLiteral("Unterminated string"), token);
            if (text[m_pos] == quote) {
                if (m_pos + 1 < text.size() && text[m_pos + 1] == quote) {
                    token.Text += quote;
                    m_pos += 2;
                    continue;
                }
                ++m_pos;
                break;
            }
            token.Text += text[m_pos++];
        }
        m_tokens.push_back(token);
    }

    void ReadSymbol(QChar c, QChar next)
    {
        TToken token = Start(TTokenKind::Symbol);
        static const QStringList pairs = {"<>", "!=", "<=", ">=", "||"};
        const QString pair = QString(c) + next;
        if (!next.isNull() && pairs.contains(pair)) {
            token.Text = pair;
            m_pos += 2;
        } else if (QStringLiteral("(),.*+-/=<>;").contains(c)) {
            token.Text = c;
            ++m_pos;
        } else {
            Fail(QStringLiteral("Unexpected character '%1'").arg(c), token);
        }
        m_tokens.push_back(token);
    }

    const QStringList& m_lines;
    std::vector<TToken> m_tokens;
    int m_line = 0;
    qsizetype m_pos = 0;
    bool m_inComment = false;
    int m_commentLine = 0;
    int m_commentColumn = 0;
};

// ---- Syntax tree ----

enum class TNodeKind
{
    Literal,  // Text is SQLite text already
    Column,   // Qualifier (may be empty) and Text, the name
    Star,     // Qualifier (may be empty)
    Unary,    // Text the operator
    Binary,   // Text the operator
    Concat,   // ||
    IsNull,   // Negated: IS NOT NULL
    Like,     // Negated: NOT LIKE
    In,       // Children[0] IN (Children[1..])
    Between,  // Children[0] BETWEEN [1] AND [2]
    Function, // Text the SQLite name; Distinct
    Group,    // ( child )
};

struct TNode;
using TNodePtr = std::unique_ptr<TNode>;

struct TNode
{
    TNodeKind Kind = TNodeKind::Literal;
    QString Text;
    QString Qualifier;
    bool Negated = false;
    bool Distinct = false;
    std::vector<TNodePtr> Children;
    int Depth = 1;      // of the tree below, this node included
    TToken At;          // the name or operator, for messages
    TToken QualifierAt; // the qualifier of a column
};

TNodePtr MakeNode(TNodeKind kind, const TToken& at, const QString& text = {})
{
    auto node = std::make_unique<TNode>();
    node->Kind = kind;
    node->At = at;
    node->Text = text;
    return node;
}

// Deep trees are no statement anybody writes; the limit keeps every recursion over the
// tree (writing it out, freeing it) bounded, long chains of AND included.
constexpr int MaxDepth = 200;

void Adopt(TNode& node, TNodePtr child)
{
    node.Depth = std::max(node.Depth, child->Depth + 1);
    if (node.Depth > MaxDepth) Fail(QStringLiteral("Statement nested too deeply"), node.At);
    node.Children.push_back(std::move(child));
}

struct TSelectItem
{
    TNodePtr Expression;
    QString Alias; // empty: none
};

struct TTableRef
{
    QString Join; // empty for the first table, "," or the join operator
    TToken Name;
    QString Alias;
    TToken AliasAt;
    TNodePtr On;
};

struct TOrderItem
{
    TNodePtr Expression;
    QString Direction;
};

struct TSelect
{
    bool Distinct = false;
    std::vector<TSelectItem> Items;
    std::vector<TTableRef> Tables;
    TNodePtr Where;
    std::vector<TNodePtr> GroupBy;
    TNodePtr Having;
    std::vector<TOrderItem> OrderBy;
};

QString SqlString(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\'', QStringLiteral("''"));
    return u'\'' + escaped + u'\'';
}

// ---- Parser ----

class TParser
{
public:
    explicit TParser(std::vector<TToken> tokens) : m_tokens(std::move(tokens)) {}

    TSelect Statement()
    {
        if (Peek().Kind == TTokenKind::End) Fail(QStringLiteral("Empty statement"), Peek());
        if (!IsKeyword(Peek(), "SELECT"))
            Fail(QStringLiteral("Unexpected '%1': a statement begins with SELECT").arg(Peek().Text),
                 Peek());
        Next();
        TSelect select;
        if (AcceptKeyword("DISTINCT"))
            select.Distinct = true;
        else
            AcceptKeyword("ALL");
        do {
            select.Items.push_back(SelectItem());
        } while (AcceptSymbol(","));
        ExpectKeyword("FROM");
        Tables(select);
        if (AcceptKeyword("WHERE")) select.Where = Expression();
        if (AcceptKeyword("GROUP")) {
            ExpectKeyword("BY");
            do {
                select.GroupBy.push_back(Expression());
            } while (AcceptSymbol(","));
        }
        if (AcceptKeyword("HAVING")) select.Having = Expression();
        if (AcceptKeyword("ORDER")) {
            ExpectKeyword("BY");
            do {
                select.OrderBy.push_back(OrderItem());
            } while (AcceptSymbol(","));
        }
        AcceptSymbol(";");
        if (Peek().Kind != TTokenKind::End) Unexpected(Peek());
        return select;
    }

private:
    const TToken& Peek(int ahead = 0) const
    {
        const size_t at = std::min(m_pos + size_t(ahead), m_tokens.size() - 1);
        return m_tokens[at];
    }

    const TToken& Next()
    {
        const TToken& token = m_tokens[m_pos];
        if (m_pos + 1 < m_tokens.size()) ++m_pos;
        return token;
    }

    static bool IsKeyword(const TToken& token, const char* keyword)
    {
        return token.Kind == TTokenKind::Word && AsciiUpper(token.Text) == QLatin1String(keyword);
    }

    static bool IsReserved(const TToken& token)
    {
        return token.Kind == TTokenKind::Word && ReservedWords().contains(AsciiUpper(token.Text));
    }

    static bool IsName(const TToken& token)
    {
        return token.Kind == TTokenKind::Word && !IsReserved(token);
    }

    static bool IsSymbol(const TToken& token, const char* symbol)
    {
        return token.Kind == TTokenKind::Symbol && token.Text == QLatin1String(symbol);
    }

    bool AcceptKeyword(const char* keyword)
    {
        if (!IsKeyword(Peek(), keyword)) return false;
        Next();
        return true;
    }

    bool AcceptSymbol(const char* symbol)
    {
        if (!IsSymbol(Peek(), symbol)) return false;
        Next();
        return true;
    }

    void ExpectKeyword(const char* keyword)
    {
        if (!AcceptKeyword(keyword))
            Fail(QStringLiteral("%1 expected instead of %2")
                     .arg(QLatin1String(keyword), Shown(Peek())),
                 Peek());
    }

    void ExpectSymbol(const char* symbol)
    {
        if (!AcceptSymbol(symbol))
            Fail(QStringLiteral("'%1' expected instead of %2")
                     .arg(QLatin1String(symbol), Shown(Peek())),
                 Peek());
    }

    static QString Shown(const TToken& token)
    {
        switch (token.Kind) {
        case TTokenKind::End:
            return QStringLiteral("the end of the statement");
        case TTokenKind::Quoted:
            return u'"' + token.Text + u'"';
        case TTokenKind::String:
            return u'\'' + token.Text + u'\'';
        default:
            return u'\'' + token.Text + u'\'';
        }
    }

    [[noreturn]] static void Unexpected(const TToken& token)
    {
        if (token.Kind == TTokenKind::End)
            Fail(QStringLiteral("Unexpected end of the statement"), token);
        Fail(QStringLiteral("Unexpected %1").arg(Shown(token)), token);
    }

    TSelectItem SelectItem()
    {
        TSelectItem item;
        if (IsSymbol(Peek(), "*")) {
            item.Expression = MakeNode(TNodeKind::Star, Next());
            return item;
        }
        item.Expression = Expression();
        if (AcceptKeyword("AS")) {
            const TToken& alias = Next();
            if (!IsName(alias) && alias.Kind != TTokenKind::Quoted)
                Fail(QStringLiteral("An alias name expected instead of %1").arg(Shown(alias)),
                     alias);
            item.Alias = alias.Text;
        } else if (IsName(Peek())) {
            item.Alias = Next().Text;
        }
        return item;
    }

    TTableRef TableRef(const QString& join)
    {
        TTableRef table;
        table.Join = join;
        table.Name = Next();
        if (!IsName(table.Name) && table.Name.Kind != TTokenKind::Quoted)
            Fail(QStringLiteral("A table name expected instead of %1").arg(Shown(table.Name)),
                 table.Name);
        const bool explicitAlias = AcceptKeyword("AS");
        if (IsName(Peek()) || (explicitAlias && Peek().Kind == TTokenKind::Quoted)) {
            table.AliasAt = Next();
            table.Alias = table.AliasAt.Text;
        } else if (explicitAlias) {
            Fail(QStringLiteral("An alias name expected instead of %1").arg(Shown(Peek())), Peek());
        }
        return table;
    }

    void Tables(TSelect& select)
    {
        select.Tables.push_back(TableRef(QString()));
        for (;;) {
            if (AcceptSymbol(",")) {
                select.Tables.push_back(TableRef(QStringLiteral(",")));
                continue;
            }
            QString join;
            if (AcceptKeyword("INNER")) {
                join = QStringLiteral("INNER JOIN");
            } else if (IsKeyword(Peek(), "LEFT") || IsKeyword(Peek(), "RIGHT") ||
                       IsKeyword(Peek(), "FULL")) {
                join = AsciiUpper(Next().Text) + QStringLiteral(" OUTER JOIN");
                AcceptKeyword("OUTER");
            } else if (IsKeyword(Peek(), "JOIN")) {
                join = QStringLiteral("JOIN");
            } else {
                return;
            }
            ExpectKeyword("JOIN");
            TTableRef table = TableRef(join);
            ExpectKeyword("ON");
            table.On = Expression();
            select.Tables.push_back(std::move(table));
        }
    }

    TOrderItem OrderItem()
    {
        TOrderItem item;
        item.Expression = Expression();
        if (AcceptKeyword("ASC") || AcceptKeyword("ASCENDING"))
            item.Direction = QStringLiteral("ASC");
        else if (AcceptKeyword("DESC") || AcceptKeyword("DESCENDING"))
            item.Direction = QStringLiteral("DESC");
        return item;
    }

    struct TDepthGuard
    {
        explicit TDepthGuard(TParser& parser, const TToken& at) : m_parser(parser)
        {
            if (++m_parser.m_depth > MaxDepth)
                Fail(QStringLiteral("Statement nested too deeply"), at);
        }
        ~TDepthGuard() { --m_parser.m_depth; }
        TParser& m_parser;
    };

    TNodePtr Expression()
    {
        TDepthGuard guard(*this, Peek());
        return Or();
    }

    TNodePtr Binary(TNodePtr left, const TToken& op, const QString& text, TNodePtr right)
    {
        TNodePtr node = MakeNode(TNodeKind::Binary, op, text);
        Adopt(*node, std::move(left));
        Adopt(*node, std::move(right));
        return node;
    }

    TNodePtr Or()
    {
        TNodePtr left = And();
        while (IsKeyword(Peek(), "OR")) {
            const TToken op = Next();
            left = Binary(std::move(left), op, QStringLiteral("OR"), And());
        }
        return left;
    }

    TNodePtr And()
    {
        TNodePtr left = Not();
        while (IsKeyword(Peek(), "AND")) {
            const TToken op = Next();
            left = Binary(std::move(left), op, QStringLiteral("AND"), Not());
        }
        return left;
    }

    TNodePtr Not()
    {
        if (!IsKeyword(Peek(), "NOT")) return Predicate();
        const TToken op = Next();
        TDepthGuard guard(*this, op);
        TNodePtr node = MakeNode(TNodeKind::Unary, op, QStringLiteral("NOT"));
        Adopt(*node, Not());
        return node;
    }

    TNodePtr Predicate()
    {
        TNodePtr left = Additive();
        const TToken& token = Peek();
        static const QStringList comparisons = {"=", "<>", "!=", "<", "<=", ">", ">="};
        if (token.Kind == TTokenKind::Symbol && comparisons.contains(token.Text)) {
            const TToken op = Next();
            const QString text = op.Text == u"!=" ? QStringLiteral("<>") : op.Text;
            return Binary(std::move(left), op, text, Additive());
        }
        if (IsKeyword(token, "IS")) {
            const TToken op = Next();
            TNodePtr node = MakeNode(TNodeKind::IsNull, op);
            node->Negated = AcceptKeyword("NOT");
            ExpectKeyword("NULL");
            Adopt(*node, std::move(left));
            return node;
        }
        const bool negated =
            IsKeyword(token, "NOT") && (IsKeyword(Peek(1), "LIKE") || IsKeyword(Peek(1), "IN") ||
                                        IsKeyword(Peek(1), "BETWEEN"));
        if (negated) Next();
        if (IsKeyword(Peek(), "LIKE")) {
            TNodePtr node = MakeNode(TNodeKind::Like, Next());
            node->Negated = negated;
            Adopt(*node, std::move(left));
            Adopt(*node, Additive());
            return node;
        }
        if (IsKeyword(Peek(), "IN")) {
            TNodePtr node = MakeNode(TNodeKind::In, Next());
            node->Negated = negated;
            Adopt(*node, std::move(left));
            ExpectSymbol("(");
            do {
                Adopt(*node, Expression());
            } while (AcceptSymbol(","));
            ExpectSymbol(")");
            return node;
        }
        if (IsKeyword(Peek(), "BETWEEN")) {
            TNodePtr node = MakeNode(TNodeKind::Between, Next());
            node->Negated = negated;
            Adopt(*node, std::move(left));
            Adopt(*node, Additive());
            ExpectKeyword("AND");
            Adopt(*node, Additive());
            return node;
        }
        return left;
    }

    TNodePtr Additive()
    {
        TNodePtr left = Multiplicative();
        for (;;) {
            const TToken& token = Peek();
            if (IsSymbol(token, "||")) {
                TNodePtr node = MakeNode(TNodeKind::Concat, Next());
                Adopt(*node, std::move(left));
                Adopt(*node, Multiplicative());
                left = std::move(node);
            } else if (IsSymbol(token, "+") || IsSymbol(token, "-")) {
                const TToken op = Next();
                left = Binary(std::move(left), op, op.Text, Multiplicative());
            } else {
                return left;
            }
        }
    }

    TNodePtr Multiplicative()
    {
        TNodePtr left = Unary();
        while (IsSymbol(Peek(), "*") || IsSymbol(Peek(), "/")) {
            const TToken op = Next();
            left = Binary(std::move(left), op, op.Text, Unary());
        }
        return left;
    }

    TNodePtr Unary()
    {
        if (!IsSymbol(Peek(), "-") && !IsSymbol(Peek(), "+")) return Primary();
        const TToken op = Next();
        TDepthGuard guard(*this, op);
        TNodePtr node = MakeNode(TNodeKind::Unary, op, op.Text);
        Adopt(*node, Unary());
        return node;
    }

    TNodePtr Primary()
    {
        const TToken token = Next();
        switch (token.Kind) {
        case TTokenKind::Number:
            return MakeNode(TNodeKind::Literal, token, token.Text);
        case TTokenKind::String:
            return MakeNode(TNodeKind::Literal, token, SqlString(token.Text));
        case TTokenKind::Quoted:
            if (IsSymbol(Peek(), ".")) return Qualified(token);
            return MakeNode(TNodeKind::Literal, token, SqlString(token.Text));
        case TTokenKind::Word:
            return Word(token);
        case TTokenKind::Symbol:
            if (token.Text == u"(") {
                TNodePtr node = MakeNode(TNodeKind::Group, token);
                Adopt(*node, Expression());
                ExpectSymbol(")");
                return node;
            }
            break;
        case TTokenKind::End:
            break;
        }
        Unexpected(token);
    }

    TNodePtr Word(const TToken& token)
    {
        if (IsKeyword(token, "TRUE"))
            return MakeNode(TNodeKind::Literal, token, QStringLiteral("1"));
        if (IsKeyword(token, "FALSE"))
            return MakeNode(TNodeKind::Literal, token, QStringLiteral("0"));
        if (IsKeyword(token, "NULL"))
            return MakeNode(TNodeKind::Literal, token, QStringLiteral("NULL"));
        if (IsReserved(token)) Unexpected(token);
        if (IsSymbol(Peek(), "(")) return Function(token);
        if (IsSymbol(Peek(), ".")) return Qualified(token);
        return MakeNode(TNodeKind::Column, token, token.Text);
    }

    // qualifier "." name, or qualifier "." "*"
    TNodePtr Qualified(const TToken& qualifier)
    {
        ExpectSymbol(".");
        const TToken name = Next();
        TNodePtr node;
        if (IsSymbol(name, "*"))
            node = MakeNode(TNodeKind::Star, name);
        else if (IsName(name) || name.Kind == TTokenKind::Quoted)
            node = MakeNode(TNodeKind::Column, name, name.Text);
        else
            Fail(QStringLiteral("A column name expected after '%1.' instead of %2")
                     .arg(qualifier.Text, Shown(name)),
                 name);
        node->Qualifier = qualifier.Text;
        node->QualifierAt = qualifier;
        return node;
    }

    TNodePtr Function(const TToken& name)
    {
        static const QHash<QString, QString> functions = {{"UPPER", "verdan_upper"},
                                                          {"LOWER", "verdan_lower"},
                                                          {"COUNT", "count"},
                                                          {"SUM", "sum"},
                                                          {"MIN", "min"},
                                                          {"MAX", "max"},
                                                          {"AVG", "avg"}};
        const QString upper = AsciiUpper(name.Text);
        if (!functions.contains(upper))
            Fail(QStringLiteral("Unknown function '%1'").arg(name.Text), name);
        TNodePtr node = MakeNode(TNodeKind::Function, name, functions.value(upper));
        const bool aggregate = upper != u"UPPER" && upper != u"LOWER";
        ExpectSymbol("(");
        if (aggregate && AcceptKeyword("DISTINCT")) node->Distinct = true;
        if (upper == u"COUNT" && !node->Distinct && IsSymbol(Peek(), "*"))
            node->Children.push_back(MakeNode(TNodeKind::Star, Next()));
        else
            Adopt(*node, Expression());
        ExpectSymbol(")");
        return node;
    }

    std::vector<TToken> m_tokens;
    size_t m_pos = 0;
    int m_depth = 0;
};

// ---- Names and output ----

enum class TClause
{
    SelectList,
    Where,
    Join,
    GroupBy,
    Having,
    OrderBy,
};

class TWriter
{
public:
    TWriter(const TSelect& select, const TSchema& schema) : m_select(select), m_schema(schema) {}

    QString Sql()
    {
        BuildScope();
        for (const TSelectItem& item : m_select.Items) {
            if (!item.Alias.isEmpty()) m_outputAliases << item.Alias;
        }
        QString sql =
            m_select.Distinct ? QStringLiteral("SELECT DISTINCT ") : QStringLiteral("SELECT ");
        QStringList items;
        for (const TSelectItem& item : m_select.Items)
            items << SelectItem(item);
        sql += items.join(QStringLiteral(", "));
        sql += QStringLiteral(" FROM ") + From();
        if (m_select.Where)
            sql += QStringLiteral(" WHERE ") + Expression(*m_select.Where, TClause::Where);
        if (!m_select.GroupBy.empty()) {
            QStringList terms;
            for (const TNodePtr& term : m_select.GroupBy)
                terms << Expression(*term, TClause::GroupBy);
            sql += QStringLiteral(" GROUP BY ") + terms.join(QStringLiteral(", "));
        }
        if (m_select.Having)
            sql += QStringLiteral(" HAVING ") + Expression(*m_select.Having, TClause::Having);
        if (!m_select.OrderBy.empty()) {
            QStringList terms;
            for (const TOrderItem& term : m_select.OrderBy) {
                QString text = Expression(*term.Expression, TClause::OrderBy);
                if (!term.Direction.isEmpty()) text += u' ' + term.Direction;
                terms << text;
            }
            sql += QStringLiteral(" ORDER BY ") + terms.join(QStringLiteral(", "));
        }
        return sql;
    }

private:
    struct TScopeEntry
    {
        QString Name; // the alias, or the table name as written
        bool Aliased = false;
        const TTableInfo* Table = nullptr;
        QString Reference; // how SQLite refers to it
    };

    void BuildScope()
    {
        for (const TTableRef& ref : m_select.Tables) {
            const TTableInfo* table = m_schema.FindTable(ref.Name.Text);
            if (!table) Fail(QStringLiteral("Table '%1' not found").arg(ref.Name.Text), ref.Name);
            TScopeEntry entry;
            entry.Aliased = !ref.Alias.isEmpty();
            entry.Name = entry.Aliased ? ref.Alias : ref.Name.Text;
            entry.Table = table;
            entry.Reference = QuoteIdentifier(entry.Aliased ? ref.Alias : table->Name);
            for (const TScopeEntry& other : m_scope) {
                if (Matches(other, entry.Name) || SameName(other.Reference, entry.Reference))
                    Fail(QStringLiteral("Table or alias '%1' named twice").arg(entry.Name),
                         entry.Aliased ? ref.AliasAt : ref.Name);
            }
            m_scope.push_back(entry);
        }
    }

    static bool Matches(const TScopeEntry& entry, const QString& qualifier)
    {
        return SameName(entry.Name, qualifier) ||
               (!entry.Aliased && SameName(entry.Table->Name, qualifier));
    }

    QString From()
    {
        QString sql;
        for (size_t i = 0; i < m_select.Tables.size(); ++i) {
            const TTableRef& ref = m_select.Tables[i];
            const TScopeEntry& entry = m_scope[i];
            if (ref.Join == u",")
                sql += QStringLiteral(", ");
            else if (!ref.Join.isEmpty())
                sql += u' ' + ref.Join + u' ';
            sql += QuoteIdentifier(entry.Table->Name);
            if (entry.Aliased) sql += QStringLiteral(" AS ") + entry.Reference;
            if (ref.On) sql += QStringLiteral(" ON ") + Expression(*ref.On, TClause::Join);
        }
        return sql;
    }

    QString SelectItem(const TSelectItem& item)
    {
        const TNode& node = *item.Expression;
        if (node.Kind == TNodeKind::Star)
            return node.Qualifier.isEmpty() ? QStringLiteral("*")
                                            : EntryOf(node).Reference + QStringLiteral(".*");
        QString sql = Expression(node, TClause::SelectList);
        // A column keeps the schema's spelling as its name; SQLite leaves unnamed results
        // to chance.
        if (!item.Alias.isEmpty())
            sql += QStringLiteral(" AS ") + QuoteIdentifier(item.Alias);
        else if (node.Kind == TNodeKind::Column)
            sql += QStringLiteral(" AS ") + QuoteIdentifier(m_lastColumnName);
        return sql;
    }

    const TScopeEntry& EntryOf(const TNode& node) const
    {
        for (const TScopeEntry& entry : m_scope) {
            if (Matches(entry, node.Qualifier)) return entry;
        }
        Fail(QStringLiteral("Unknown table or alias '%1'").arg(node.Qualifier), node.QualifierAt);
    }

    QString OutputAlias(const QString& name) const
    {
        for (const QString& alias : m_outputAliases) {
            if (SameName(alias, name)) return alias;
        }
        return {};
    }

    QString Column(const TNode& node, TClause clause)
    {
        if (!node.Qualifier.isEmpty()) {
            const TScopeEntry& entry = EntryOf(node);
            const int column = entry.Table->ColumnIndex(node.Text);
            if (column < 0)
                Fail(QStringLiteral("Unknown column '%1.%2'").arg(node.Qualifier, node.Text),
                     node.At);
            m_lastColumnName = entry.Table->Columns[column].Name;
            return entry.Reference + u'.' + QuoteIdentifier(m_lastColumnName);
        }
        // ORDER BY names the result's columns first, every other clause the tables'.
        if (clause == TClause::OrderBy) {
            if (const QString alias = OutputAlias(node.Text); !alias.isEmpty())
                return QuoteIdentifier(alias);
        }
        const TScopeEntry* found = nullptr;
        int foundColumn = -1;
        for (const TScopeEntry& entry : m_scope) {
            const int column = entry.Table->ColumnIndex(node.Text);
            if (column < 0) continue;
            if (found) Fail(QStringLiteral("Ambiguous column '%1'").arg(node.Text), node.At);
            found = &entry;
            foundColumn = column;
        }
        if (found) {
            m_lastColumnName = found->Table->Columns[foundColumn].Name;
            return found->Reference + u'.' + QuoteIdentifier(m_lastColumnName);
        }
        if (clause != TClause::SelectList) {
            if (const QString alias = OutputAlias(node.Text); !alias.isEmpty())
                return QuoteIdentifier(alias);
        }
        Fail(QStringLiteral("Unknown column '%1'").arg(node.Text), node.At);
    }

    QString Expression(const TNode& node, TClause clause)
    {
        const auto child = [&](size_t i) { return Expression(*node.Children[i], clause); };
        const QString negation = node.Negated ? QStringLiteral("NOT ") : QString();
        switch (node.Kind) {
        case TNodeKind::Literal:
            return node.Text;
        case TNodeKind::Column:
            return Column(node, clause);
        case TNodeKind::Star:
            Fail(QStringLiteral("Unexpected '*'"), node.At);
        case TNodeKind::Unary:
            return u'(' + node.Text + u' ' + child(0) + u')';
        case TNodeKind::Binary:
            return u'(' + child(0) + u' ' + node.Text + u' ' + child(1) + u')';
        case TNodeKind::Concat:
            // The Paradox engine joined a blank as empty text; SQLite's || would give NULL.
            return QStringLiteral("(ifnull(%1, '') || ifnull(%2, ''))").arg(child(0), child(1));
        case TNodeKind::IsNull:
            return u'(' + child(0) + QStringLiteral(" IS ") + negation + QStringLiteral("NULL)");
        case TNodeKind::Like:
            return u'(' + child(0) + u' ' + negation + QStringLiteral("LIKE ") + child(1) + u')';
        case TNodeKind::In: {
            QStringList items;
            for (size_t i = 1; i < node.Children.size(); ++i)
                items << child(i);
            return u'(' + child(0) + u' ' + negation + QStringLiteral("IN (") +
                   items.join(QStringLiteral(", ")) + QStringLiteral("))");
        }
        case TNodeKind::Between:
            return u'(' + child(0) + u' ' + negation + QStringLiteral("BETWEEN ") + child(1) +
                   QStringLiteral(" AND ") + child(2) + u')';
        case TNodeKind::Function: {
            const TNode& argument = *node.Children[0];
            const QString inner = argument.Kind == TNodeKind::Star ? QStringLiteral("*") : child(0);
            return node.Text + u'(' + (node.Distinct ? QStringLiteral("DISTINCT ") : QString()) +
                   inner + u')';
        }
        case TNodeKind::Group:
            return u'(' + child(0) + u')';
        }
        return {};
    }

    const TSelect& m_select;
    const TSchema& m_schema;
    std::vector<TScopeEntry> m_scope;
    QStringList m_outputAliases;
    QString m_lastColumnName;
};

} // namespace

QString TranslateLocalSql(const QStringList& lines, const TSchema& schema)
{
    TLexer lexer(lines);
    TParser parser(lexer.Tokens());
    const TSelect select = parser.Statement();
    return TWriter(select, schema).Sql();
}
