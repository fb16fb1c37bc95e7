#include "FilterExpression.h"

#include "SysUtils.h"
#include "Text.h"
#include "ValueCompare.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace dataset {

enum class Op { Or, And, Not, IsNull, IsNotNull, Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual };

struct Operand {
    int column = -1;  // -1: a literal
    Variant literal;
};

struct FilterExpression::Node {
    Op op = Op::Or;
    std::unique_ptr<Node> left, right;  // Or, And, Not (left only)
    Operand a, b;                       // comparisons; IsNull uses a
    bool caseInsensitive = false;
    bool prefix = false;                // b is a literal matched by its beginning
    int depth = 1;                      // levels of this node and the deepest branch under it
};

namespace {

enum class TokenKind { End, Name, Text, Number, Symbol };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;
    size_t position = 0;
};

class Parser {
public:
    Parser(std::string_view text, const std::vector<FieldDef>& columns, TFilterOptions options)
        : text_(text), columns_(columns), options_(options) {
        Advance();
    }

    std::unique_ptr<FilterExpression::Node> Parse() {
        auto root = Expression(1);
        if (token_.kind != TokenKind::End) Fail("unexpected '" + token_.text + "'");
        return root;
    }

private:
    using NodePtr = std::unique_ptr<FilterExpression::Node>;

    [[noreturn]] void Fail(const std::string& reason) const {
        throw EDatabaseError("Invalid filter expression \"" + std::string(text_) + "\": " + reason +
                             " at position " + std::to_string(token_.position + 1));
    }

    bool IsKeyword(const char* word) const { return token_.kind == TokenKind::Name && AnsiSameText(token_.text, word); }
    bool IsSymbol(const char* symbol) const { return token_.kind == TokenKind::Symbol && token_.text == symbol; }

    void Advance() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
        token_ = Token{TokenKind::End, "", pos_};
        if (pos_ >= text_.size()) return;
        char c = text_[pos_];
        if (c == '\'') return ReadText();
        if (c == '[') return ReadBracketName();
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') return ReadWhile(TokenKind::Name, IsNameChar);
        bool negative = c == '-' && pos_ + 1 < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_ + 1]));
        if (std::isdigit(static_cast<unsigned char>(c)) || negative) {
            ++pos_;
            return ReadWhile(TokenKind::Number, IsNumberChar, 1);
        }
        for (const char* symbol : {"<>", "<=", ">=", "=", "<", ">", "(", ")"}) {
            std::string_view s(symbol);
            if (text_.substr(pos_, s.size()) == s) {
                pos_ += s.size();
                token_ = Token{TokenKind::Symbol, std::string(s), token_.position};
                return;
            }
        }
        token_.text = std::string(1, c);
        Fail(std::string(std::strchr("+-*/,", c) ? "arithmetic and lists are not supported" : "unexpected character") +
             " '" + token_.text + "'");
    }

    static bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
    static bool IsNumberChar(char c) { return std::isdigit(static_cast<unsigned char>(c)) || c == '.'; }

    void ReadWhile(TokenKind kind, bool (*accept)(char), size_t already = 0) {
        size_t begin = pos_ - already;
        while (pos_ < text_.size() && accept(text_[pos_])) ++pos_;
        token_ = Token{kind, std::string(text_.substr(begin, pos_ - begin)), begin};
    }

    void ReadText() {
        std::string value;
        for (++pos_;; ++pos_) {
            if (pos_ >= text_.size()) Fail("unterminated text");
            if (text_[pos_] != '\'') {
                value += text_[pos_];
            } else if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                value += '\'';
                ++pos_;
            } else {
                break;
            }
        }
        ++pos_;
        token_ = Token{TokenKind::Text, std::move(value), token_.position};
    }

    void ReadBracketName() {
        size_t close = text_.find(']', pos_);
        if (close == std::string_view::npos) Fail("unterminated field name");
        token_ = Token{TokenKind::Name, std::string(text_.substr(pos_ + 1, close - pos_ - 1)), pos_};
        pos_ = close + 1;
        token_.kind = TokenKind::Name;
        bracketed_ = true;
    }

    // Parsing, testing a record and freeing the tree all recurse once per level, so a text
    // nested without end would exhaust the stack instead of being refused.
    void CheckNesting(int levels) const {
        if (levels > kMaxFilterNesting) Fail("nested deeper than " + std::to_string(kMaxFilterNesting) + " levels");
    }

    NodePtr Join(Op op, NodePtr left, NodePtr right) {
        auto node = std::make_unique<FilterExpression::Node>();
        node->op = op;
        node->depth = 1 + std::max(left->depth, right ? right->depth : 0);
        CheckNesting(node->depth);
        node->left = std::move(left);
        node->right = std::move(right);
        return node;
    }

    // `level` counts the parentheses and NOTs around the text being read, so that the descent
    // stops before its own recursion goes deep; Join bounds the tree the chains of AND and OR
    // build.
    NodePtr Expression(int level) {
        NodePtr left = Term(level);
        while (IsKeyword("OR")) {
            Advance();
            left = Join(Op::Or, std::move(left), Term(level));
        }
        return left;
    }

    NodePtr Term(int level) {
        NodePtr left = Factor(level);
        while (IsKeyword("AND")) {
            Advance();
            left = Join(Op::And, std::move(left), Factor(level));
        }
        return left;
    }

    NodePtr Factor(int level) {
        CheckNesting(level);
        if (IsKeyword("NOT")) {
            Advance();
            return Join(Op::Not, Factor(level + 1), nullptr);
        }
        if (IsSymbol("(")) {
            Advance();
            NodePtr inner = Expression(level + 1);
            if (!IsSymbol(")")) Fail("')' expected");
            Advance();
            return inner;
        }
        return Comparison();
    }

    NodePtr Comparison() {
        auto node = std::make_unique<FilterExpression::Node>();
        node->a = ReadOperand();
        if (IsKeyword("IS")) {
            Advance();
            node->op = Op::IsNull;
            if (IsKeyword("NOT")) {
                Advance();
                node->op = Op::IsNotNull;
            }
            if (!IsKeyword("NULL")) Fail("NULL expected");
            Advance();
            return node;
        }
        node->op = ReadComparisonOperator();
        node->b = ReadOperand();
        Bind(*node);
        return node;
    }

    Op ReadComparisonOperator() {
        static const std::pair<const char*, Op> operators[] = {
            {"=", Op::Equal}, {"<>", Op::NotEqual}, {"<", Op::Less}, {">", Op::Greater},
            {"<=", Op::LessEqual}, {">=", Op::GreaterEqual}};
        for (const auto& [symbol, op] : operators) {
            if (!IsSymbol(symbol)) continue;
            Advance();
            return op;
        }
        if (IsKeyword("LIKE") || IsKeyword("IN")) Fail("operator " + token_.text + " is not supported");
        Fail("comparison operator expected");
    }

    Operand ReadOperand() {
        Operand operand;
        if (token_.kind == TokenKind::Text) {
            operand.literal = Variant(token_.text);
        } else if (token_.kind == TokenKind::Number) {
            try {
                bool integral = token_.text.find('.') == std::string::npos;
                operand.literal = integral ? Variant(Variant(token_.text).AsInteger()) : Variant(Variant(token_.text).AsDouble());
            } catch (const EConvertError&) {
                Fail("bad number '" + token_.text + "'");
            }
        } else if (token_.kind == TokenKind::Name && (bracketed_ || !IsReserved())) {
            operand.column = Column(token_.text);
        } else {
            Fail(token_.kind == TokenKind::End ? "operand expected" : "unexpected '" + token_.text + "'");
        }
        bracketed_ = false;
        Advance();
        if (IsSymbol("(")) Fail("functions are not supported");
        return operand;
    }

    bool IsReserved() const {
        for (const char* word : {"AND", "OR", "NOT", "IS", "NULL", "LIKE", "IN", "BLANK"})
            if (IsKeyword(word)) return true;
        return false;
    }

    int Column(const std::string& name) const {
        for (size_t i = 0; i < columns_.size(); ++i)
            if (AnsiSameText(columns_[i].Name, name)) return static_cast<int>(i);
        throw EDatabaseError("Field '" + name + "' not found");
    }

    // A literal compared with a field takes the field's type; text literals may end in '*'.
    void Bind(FilterExpression::Node& node) {
        node.caseInsensitive = (options_ & foCaseInsensitive) != 0;
        if (node.a.column < 0 && node.b.column >= 0) std::swap(node.a, node.b), node.op = Mirrored(node.op);
        if (node.a.column < 0 || node.b.column >= 0) return;
        FieldType type = columns_[node.a.column].Type;
        Variant& literal = node.b.literal;
        try {
            if (type == FieldType::Integer) literal = Variant(literal.AsInteger());
            if (type == FieldType::Double) literal = Variant(literal.AsDouble());
            if (type == FieldType::Date) literal = Variant(literal.AsDate());
            if (type == FieldType::Boolean) literal = Variant(AnsiSameText(literal.AsString(), "True"));
        } catch (const Exception& error) {
            throw EDatabaseError("Invalid filter expression \"" + std::string(text_) + "\": " + error.Message());
        }
        const std::string* text = literal.StringPtr();
        bool equality = node.op == Op::Equal || node.op == Op::NotEqual;
        if (text && equality && !(options_ & foNoPartialCompare) && text->ends_with('*')) {
            literal = Variant(text->substr(0, text->size() - 1));
            node.prefix = true;
        }
    }

    static Op Mirrored(Op op) {
        switch (op) {
        case Op::Less: return Op::Greater;
        case Op::Greater: return Op::Less;
        case Op::LessEqual: return Op::GreaterEqual;
        case Op::GreaterEqual: return Op::LessEqual;
        default: return op;
        }
    }

    std::string_view text_;
    const std::vector<FieldDef>& columns_;
    TFilterOptions options_;
    size_t pos_ = 0;
    Token token_;
    bool bracketed_ = false;
};

const Variant& Value(const Operand& operand, const std::vector<Variant>& record) {
    return operand.column >= 0 ? record[operand.column] : operand.literal;
}

bool Compare(const FilterExpression::Node& node, const std::vector<Variant>& record) {
    const Variant& a = Value(node.a, record);
    const Variant& b = Value(node.b, record);
    if (a.IsNull() || b.IsNull()) return false;
    if (node.prefix) {
        bool match = KeyMatches(a, b, node.caseInsensitive, true);
        return node.op == Op::Equal ? match : !match;
    }
    int c = node.caseInsensitive ? CompareFolded(a, b) : CompareExact(a, b);
    switch (node.op) {
    case Op::Equal: return c == 0;
    case Op::NotEqual: return c != 0;
    case Op::Less: return c < 0;
    case Op::Greater: return c > 0;
    case Op::LessEqual: return c <= 0;
    default: return c >= 0;
    }
}

bool Evaluate(const FilterExpression::Node& node, const std::vector<Variant>& record) {
    switch (node.op) {
    case Op::Or: return Evaluate(*node.left, record) || Evaluate(*node.right, record);
    case Op::And: return Evaluate(*node.left, record) && Evaluate(*node.right, record);
    case Op::Not: return !Evaluate(*node.left, record);
    case Op::IsNull: return Value(node.a, record).IsNull();
    case Op::IsNotNull: return !Value(node.a, record).IsNull();
    default: return Compare(node, record);
    }
}

const Variant* EqualityRequired(const FilterExpression::Node& node, int column) {
    if (node.op == Op::And) {
        const Variant* left = EqualityRequired(*node.left, column);
        return left ? left : EqualityRequired(*node.right, column);
    }
    bool equality = node.op == Op::Equal && !node.prefix && node.a.column == column && node.b.column < 0;
    return equality && !node.b.literal.IsNull() ? &node.b.literal : nullptr;
}

} // namespace

FilterExpression::FilterExpression(std::string_view text, const std::vector<FieldDef>& columns,
                                   TFilterOptions options)
    : root_(Parser(text, columns, options).Parse()) {}

FilterExpression::~FilterExpression() = default;
FilterExpression::FilterExpression(FilterExpression&&) noexcept = default;
FilterExpression& FilterExpression::operator=(FilterExpression&&) noexcept = default;

bool FilterExpression::Accepts(const std::vector<Variant>& record) const { return Evaluate(*root_, record); }

const Variant* FilterExpression::RequiredEqual(int column) const { return EqualityRequired(*root_, column); }

FilterExpression::Equality FilterExpression::SoleEquality(int column) const {
    if (root_->op != Op::Equal || !EqualityRequired(*root_, column)) return Equality::None;
    return root_->caseInsensitive ? Equality::IgnoringCase : Equality::ExactCase;
}

} // namespace dataset
