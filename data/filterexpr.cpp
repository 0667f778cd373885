#include "data/filterexpr.h"

#include "data/errors.h"

#include <QDateTime>
#include <QRegularExpression>
#include <optional>

namespace orva::data {
namespace {

enum class Tok { End, Name, QuotedName, Number, Text, Op, LParen, RParen, Comma };

struct Token {
    Tok kind = Tok::End;
    QString text;
    qsizetype pos = 0;
};

[[noreturn]] void fail(const QString& expression, qsizetype pos, const QString& detail) {
    throw Exception(QStringLiteral("La expresión de filtro no es válida: «%1». %2 (posición %3).")
                        .arg(expression, detail)
                        .arg(pos + 1));
}

std::vector<Token> tokenize(const QString& s) {
    std::vector<Token> out;
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = s[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        if (c == u'(' || c == u')' || c == u',') {
            out.push_back({c == u'(' ? Tok::LParen : c == u')' ? Tok::RParen : Tok::Comma, c, i});
            ++i;
        } else if (c == u'\'' || c == u'"') {
            QString text;
            ++i;
            bool closed = false;
            while (i < n) {
                if (s[i] == c) {
                    if (i + 1 < n && s[i + 1] == c) { // doubled quote inside the text
                        text += c;
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                text += s[i++];
            }
            if (!closed)
                fail(s, start, QStringLiteral("Falta cerrar el texto"));
            out.push_back({Tok::Text, text, start});
        } else if (c == u'[' || c == u'`') {
            const QChar close = c == u'[' ? u']' : u'`';
            const qsizetype end = s.indexOf(close, i + 1);
            if (end < 0)
                fail(s, start, QStringLiteral("Falta cerrar el nombre del campo"));
            out.push_back({Tok::QuotedName, s.mid(i + 1, end - i - 1), start});
            i = end + 1;
        } else if (c.isDigit() || (c == u'.' && i + 1 < n && s[i + 1].isDigit())) {
            while (i < n && (s[i].isDigit() || s[i] == u'.'))
                ++i;
            out.push_back({Tok::Number, s.mid(start, i - start), start});
        } else if (c.isLetter() || c == u'_') {
            while (i < n && (s[i].isLetterOrNumber() || s[i] == u'_'))
                ++i;
            out.push_back({Tok::Name, s.mid(start, i - start), start});
        } else if (c == u'<' || c == u'>' || c == u'=' || c == u'!' || c == u'-') {
            QString op(c);
            if (i + 1 < n && ((c == u'<' && (s[i + 1] == u'>' || s[i + 1] == u'=')) ||
                              (c == u'>' && s[i + 1] == u'=') || (c == u'!' && s[i + 1] == u'=')))
                op += s[i + 1];
            if (op == u"!")
                fail(s, start, QStringLiteral("Operador desconocido «!»"));
            out.push_back({Tok::Op, op, start});
            i += op.size();
        } else {
            fail(s, start, QStringLiteral("Carácter inesperado «%1»").arg(c));
        }
    }
    out.push_back({Tok::End, QString(), n});
    return out;
}

struct Operand {
    enum Kind { Field, Number, Text, Null } kind = Null;
    QString text; ///< field name, or the literal as written
    double number = 0;
    // Bound
    int index = -1;
    FieldType type = FieldType::String;
    // What a text literal also reads as.
    std::optional<double> asNumber;
    std::optional<QDateTime> asDateTime;
};

/// A LIKE pattern, with quick paths for the usual «%text%», «text%», «%text».
struct LikePattern {
    enum Mode { Equals, Prefix, Suffix, Contains, Regex } mode = Equals;
    QString needle;
    QRegularExpression regex;

    void compile(const QString& pattern, bool caseInsensitive) {
        QString core = pattern;
        const bool lead = core.startsWith(u'%');
        const bool trail = core.size() > 1 && core.endsWith(u'%');
        if (lead)
            core.remove(0, 1);
        if (trail && !core.isEmpty())
            core.chop(1);
        if (!core.contains(u'%') && !core.contains(u'_')) {
            needle = core;
            mode = lead && trail ? Contains : lead ? Suffix : trail ? Prefix : Equals;
            return;
        }
        QString rx;
        for (QChar ch : pattern) {
            if (ch == u'%')
                rx += QStringLiteral(".*");
            else if (ch == u'_')
                rx += u'.';
            else
                rx += QRegularExpression::escape(QString(ch));
        }
        mode = Regex;
        regex.setPattern(QRegularExpression::anchoredPattern(rx));
        regex.setPatternOptions(QRegularExpression::DotMatchesEverythingOption |
                                (caseInsensitive ? QRegularExpression::CaseInsensitiveOption
                                                 : QRegularExpression::NoPatternOption));
    }

    bool matches(const QString& text, bool caseInsensitive) const {
        const Qt::CaseSensitivity cs = caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
        switch (mode) {
        case Equals:
            return text.compare(needle, cs) == 0;
        case Prefix:
            return text.startsWith(needle, cs);
        case Suffix:
            return text.endsWith(needle, cs);
        case Contains:
            return text.contains(needle, cs);
        case Regex:
            return regex.match(text).hasMatch();
        }
        return false;
    }
};

bool isKeyword(const Token& t, const char* word) {
    return t.kind == Tok::Name && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool isDateType(FieldType t) {
    return t == FieldType::Date || t == FieldType::DateTime;
}

std::optional<QDateTime> textAsDateTime(const QString& text) {
    const QString t = text.trimmed();
    QDateTime dt = QDateTime::fromString(t, Qt::ISODateWithMs);
    if (!dt.isValid())
        dt = QDateTime::fromString(t, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid())
        dt = QDateTime::fromString(t, QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    if (!dt.isValid()) {
        const QDate d = parseDateText(t);
        if (d.isValid())
            dt = d.startOfDay();
    }
    if (!dt.isValid())
        return std::nullopt;
    return dt;
}

} // namespace

struct FilterExpression::Node {
    enum Kind { And, Or, Not, Compare, Like, IsNull, In, Between } kind = And;
    QString op;
    bool negated = false;
    std::vector<std::unique_ptr<Node>> children;
    std::vector<Operand> operands;
    LikePattern like; ///< when the pattern is a literal
};

namespace {

using Node = FilterExpression::Node;

class Parser {
public:
    explicit Parser(const QString& text) : text_(text), toks_(tokenize(text)) {}

    std::unique_ptr<Node> parse() {
        auto root = parseOr();
        if (peek().kind != Tok::End)
            fail(text_, peek().pos,
                 peek().kind == Tok::RParen ? QStringLiteral("Sobra «)»")
                                            : QStringLiteral("Se esperaba AND u OR"));
        return root;
    }

private:
    const Token& peek() const { return toks_[at_]; }
    const Token& take() { return toks_[at_++]; }

    std::unique_ptr<Node> binary(Node::Kind kind, const char* word,
                                 std::unique_ptr<Node> (Parser::*next)()) {
        auto left = (this->*next)();
        while (isKeyword(peek(), word)) {
            take();
            auto node = std::make_unique<Node>();
            node->kind = kind;
            node->children.push_back(std::move(left));
            node->children.push_back((this->*next)());
            left = std::move(node);
        }
        return left;
    }
    std::unique_ptr<Node> parseOr() { return binary(Node::Or, "or", &Parser::parseAnd); }
    std::unique_ptr<Node> parseAnd() { return binary(Node::And, "and", &Parser::parseNot); }

    std::unique_ptr<Node> parseNot() {
        if (isKeyword(peek(), "not")) {
            take();
            auto node = std::make_unique<Node>();
            node->kind = Node::Not;
            node->children.push_back(parseNot());
            return node;
        }
        if (peek().kind == Tok::LParen) {
            take();
            auto inner = parseOr();
            if (peek().kind != Tok::RParen)
                fail(text_, peek().pos, QStringLiteral("Se esperaba «)»"));
            take();
            return inner;
        }
        return parsePredicate();
    }

    std::unique_ptr<Node> parsePredicate() {
        auto node = std::make_unique<Node>();
        node->operands.push_back(parseOperand());
        if (isKeyword(peek(), "is")) {
            take();
            node->kind = Node::IsNull;
            if (isKeyword(peek(), "not")) {
                take();
                node->negated = true;
            }
            if (!isKeyword(peek(), "null"))
                fail(text_, peek().pos, QStringLiteral("Se esperaba NULL"));
            take();
            return node;
        }
        if (isKeyword(peek(), "not")) {
            take();
            node->negated = true;
            if (!isKeyword(peek(), "like") && !isKeyword(peek(), "in") &&
                !isKeyword(peek(), "between"))
                fail(text_, peek().pos, QStringLiteral("Se esperaba LIKE, IN o BETWEEN"));
        }
        if (isKeyword(peek(), "like")) {
            take();
            node->kind = Node::Like;
            node->operands.push_back(parseOperand());
        } else if (isKeyword(peek(), "in")) {
            take();
            node->kind = Node::In;
            if (peek().kind != Tok::LParen)
                fail(text_, peek().pos, QStringLiteral("Se esperaba «(»"));
            take();
            for (;;) {
                node->operands.push_back(parseOperand());
                if (peek().kind == Tok::Comma) {
                    take();
                    continue;
                }
                if (peek().kind != Tok::RParen)
                    fail(text_, peek().pos, QStringLiteral("Se esperaba «,» o «)»"));
                take();
                break;
            }
        } else if (isKeyword(peek(), "between")) {
            take();
            node->kind = Node::Between;
            node->operands.push_back(parseOperand());
            if (!isKeyword(peek(), "and"))
                fail(text_, peek().pos, QStringLiteral("Se esperaba AND"));
            take();
            node->operands.push_back(parseOperand());
        } else if (peek().kind == Tok::Op && peek().text != u"-") {
            node->kind = Node::Compare;
            node->op = take().text;
            if (node->op == u"!=")
                node->op = QStringLiteral("<>");
            node->operands.push_back(parseOperand());
            // "= NULL" and "<> NULL" read as IS NULL and IS NOT NULL.
            if (node->operands[1].kind == Operand::Null &&
                (node->op == u"=" || node->op == u"<>")) {
                node->negated = node->op == u"<>";
                node->kind = Node::IsNull;
                node->operands.pop_back();
            }
        } else {
            fail(text_, peek().pos, QStringLiteral("Se esperaba un operador de comparación"));
        }
        return node;
    }

    Operand parseOperand() {
        const Token& t = peek();
        Operand o;
        if (t.kind == Tok::Op && t.text == u"-" && toks_[at_ + 1].kind == Tok::Number) {
            take();
            return number(take(), true);
        }
        switch (t.kind) {
        case Tok::Number:
            return number(take(), false);
        case Tok::Text:
            o.kind = Operand::Text;
            o.text = take().text;
            return o;
        case Tok::QuotedName:
            o.kind = Operand::Field;
            o.text = take().text;
            return o;
        case Tok::Name:
            for (const char* word : {"and", "or", "not", "like", "is", "in", "between"})
                if (isKeyword(t, word))
                    fail(text_, t.pos, QStringLiteral("Se esperaba un campo o un valor"));
            if (isKeyword(t, "null")) {
                take();
                o.kind = Operand::Null;
                return o;
            }
            o.kind = Operand::Field;
            o.text = take().text;
            return o;
        case Tok::End:
            fail(text_, t.pos, QStringLiteral("La expresión está incompleta"));
        default:
            fail(text_, t.pos, QStringLiteral("Se esperaba un campo o un valor"));
        }
    }

    Operand number(const Token& t, bool negative) {
        Operand o;
        o.kind = Operand::Number;
        bool ok = false;
        o.number = t.text.toDouble(&ok);
        if (!ok)
            fail(text_, t.pos, QStringLiteral("Número no válido «%1»").arg(t.text));
        if (negative)
            o.number = -o.number;
        o.text = (negative ? QStringLiteral("-") : QString()) + t.text;
        return o;
    }

    QString text_;
    std::vector<Token> toks_;
    std::size_t at_ = 0;
};

/// An operand's value in one row.
struct Value {
    bool null = false;
    const Operand* op = nullptr;
    QByteArrayView raw; ///< field cells
};

class Evaluator {
public:
    Evaluator(const PackedRow& row, bool ci) : row_(row), ci_(ci) {}

    Value value(const Operand& o) const {
        Value v;
        v.op = &o;
        if (o.kind == Operand::Null) {
            v.null = true;
        } else if (o.kind == Operand::Field) {
            const unsigned i = static_cast<unsigned>(o.index);
            v.null = row_.isNull(i);
            if (!v.null)
                v.raw = row_.cell(i);
        }
        return v;
    }

    static bool numericSide(const Value& v) {
        return v.op->kind == Operand::Number ||
               (v.op->kind == Operand::Field &&
                (v.op->type == FieldType::Integer || v.op->type == FieldType::Float ||
                 v.op->type == FieldType::Decimal));
    }

    static std::optional<double> asNumber(const Value& v) {
        switch (v.op->kind) {
        case Operand::Number:
            return v.op->number;
        case Operand::Text:
            return v.op->asNumber;
        case Operand::Field: {
            bool ok = false;
            const double d = v.raw.trimmed().toDouble(&ok);
            return ok ? std::optional(d) : std::nullopt;
        }
        default:
            return std::nullopt;
        }
    }

    static std::optional<QDateTime> asDateTime(const Value& v) {
        if (v.op->kind == Operand::Text)
            return v.op->asDateTime;
        if (v.op->kind == Operand::Field && isDateType(v.op->type)) {
            const QVariant x = cellToVariant(v.op->type, v.raw, false);
            if (!x.isValid())
                return std::nullopt;
            return x.typeId() == QMetaType::QDate ? x.toDate().startOfDay() : x.toDateTime();
        }
        return std::nullopt;
    }

    static QString asText(const Value& v) {
        if (v.op->kind == Operand::Field)
            return QString::fromUtf8(v.raw.data(), v.raw.size());
        return v.op->text;
    }

    /// -1, 0, 1; nothing when either side is NULL.
    std::optional<int> compare(const Value& a, const Value& b) const {
        if (a.null || b.null)
            return std::nullopt;
        if (numericSide(a) || numericSide(b)) {
            const auto x = asNumber(a);
            const auto y = asNumber(b);
            if (x && y)
                return *x < *y ? -1 : *x > *y ? 1 : 0;
        }
        const bool dateA = a.op->kind == Operand::Field && isDateType(a.op->type);
        const bool dateB = b.op->kind == Operand::Field && isDateType(b.op->type);
        if (dateA || dateB) {
            const auto x = asDateTime(a);
            const auto y = asDateTime(b);
            if (x && y)
                return *x < *y ? -1 : *x > *y ? 1 : 0;
        }
        const int c = asText(a).compare(asText(b), ci_ ? Qt::CaseInsensitive : Qt::CaseSensitive);
        return c < 0 ? -1 : c > 0 ? 1 : 0;
    }

    bool eval(const Node& n) const {
        switch (n.kind) {
        case Node::And:
            return eval(*n.children[0]) && eval(*n.children[1]);
        case Node::Or:
            return eval(*n.children[0]) || eval(*n.children[1]);
        case Node::Not:
            return !eval(*n.children[0]);
        case Node::IsNull:
            return value(n.operands[0]).null != n.negated;
        case Node::Compare: {
            const auto c = compare(value(n.operands[0]), value(n.operands[1]));
            if (!c)
                return false;
            if (n.op == u"=")
                return *c == 0;
            if (n.op == u"<>")
                return *c != 0;
            if (n.op == u"<")
                return *c < 0;
            if (n.op == u">")
                return *c > 0;
            if (n.op == u"<=")
                return *c <= 0;
            return *c >= 0;
        }
        case Node::Like: {
            const Value v = value(n.operands[0]);
            const Value p = value(n.operands[1]);
            if (v.null || p.null)
                return false;
            bool hit;
            if (n.operands[1].kind == Operand::Field) {
                LikePattern pattern;
                pattern.compile(asText(p), ci_);
                hit = pattern.matches(asText(v), ci_);
            } else {
                hit = n.like.matches(asText(v), ci_);
            }
            return hit != n.negated;
        }
        case Node::In: {
            const Value v = value(n.operands[0]);
            if (v.null)
                return false;
            for (std::size_t i = 1; i < n.operands.size(); ++i) {
                const auto c = compare(v, value(n.operands[i]));
                if (c && *c == 0)
                    return !n.negated;
            }
            return n.negated;
        }
        case Node::Between: {
            const Value v = value(n.operands[0]);
            const auto lo = compare(v, value(n.operands[1]));
            const auto hi = compare(v, value(n.operands[2]));
            if (!lo || !hi)
                return false;
            return (*lo >= 0 && *hi <= 0) != n.negated;
        }
        }
        return false;
    }

private:
    const PackedRow& row_;
    bool ci_;
};

void collectNames(const Node& n, QStringList& out) {
    for (const Operand& o : n.operands)
        if (o.kind == Operand::Field && !out.contains(o.text, Qt::CaseInsensitive))
            out << o.text;
    for (const auto& c : n.children)
        collectNames(*c, out);
}

void bindNode(Node& n, const std::vector<FieldInfo>& fields, bool ci, const QString& text) {
    for (Operand& o : n.operands) {
        if (o.kind == Operand::Field) {
            o.index = -1;
            for (std::size_t i = 0; i < fields.size(); ++i) {
                if (fields[i].name.compare(o.text, Qt::CaseInsensitive) == 0) {
                    o.index = static_cast<int>(i);
                    o.type = fields[i].type;
                    break;
                }
            }
            if (o.index < 0)
                throw Exception(
                    QStringLiteral("La expresión de filtro «%1» usa el campo %2, que no existe.")
                        .arg(text, o.text));
        } else if (o.kind == Operand::Text) {
            bool ok = false;
            const double d = o.text.trimmed().toDouble(&ok);
            o.asNumber = ok ? std::optional(d) : std::nullopt;
            o.asDateTime = textAsDateTime(o.text);
        }
    }
    if (n.kind == Node::Like && n.operands[1].kind != Operand::Field)
        n.like.compile(n.operands[1].text, ci);
    for (auto& c : n.children)
        bindNode(*c, fields, ci, text);
}

} // namespace

FilterExpression::FilterExpression(const QString& text) : text_(text) {
    if (!text.trimmed().isEmpty())
        root_ = Parser(text).parse();
}

FilterExpression::FilterExpression() = default;
FilterExpression::~FilterExpression() = default;
FilterExpression::FilterExpression(FilterExpression&&) noexcept = default;
FilterExpression& FilterExpression::operator=(FilterExpression&&) noexcept = default;

QStringList FilterExpression::fieldNames() const {
    QStringList out;
    if (root_)
        collectNames(*root_, out);
    return out;
}

void FilterExpression::bind(const std::vector<FieldInfo>& fields, bool caseInsensitive) {
    caseInsensitive_ = caseInsensitive;
    if (root_)
        bindNode(*root_, fields, caseInsensitive, text_);
}

bool FilterExpression::matches(const PackedRow& row) const {
    return !root_ || Evaluator(row, caseInsensitive_).eval(*root_);
}

} // namespace orva::data
