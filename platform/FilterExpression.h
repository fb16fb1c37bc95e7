#pragma once
// A client dataset's Filter text, parsed once and then tested against each record.
//
// Grammar (keywords case-insensitive):
//   expression := term { OR term }
//   term       := factor { AND factor }
//   factor     := NOT factor | '(' expression ')' | operand IS [NOT] NULL
//               | operand ( = | <> | < | > | <= | >= ) operand
//   operand    := field | [field name] | 'text' (a quote doubled inside) | number
// A comparison with a null side is false, so  F <> 'X'  hides records where F is null.
// Text compares case-sensitively unless foCaseInsensitive; with = and <> a literal ending in
// '*' matches by its beginning unless foNoPartialCompare. Anything else (LIKE, IN, functions,
// arithmetic, BLANK) is refused with an EDatabaseError naming the problem.
// Nesting is bounded: each parenthesis, NOT, AND and OR adds a level around what it holds, and a
// text deeper than kMaxFilterNesting levels is refused the same way (a filter a program builds
// holds a handful; the bound keeps any text from exhausting the stack).
#include "DBTypes.h"
#include "DataPacket.h"

#include <memory>
#include <string_view>
#include <vector>

namespace dataset {

inline constexpr int kMaxFilterNesting = 256;

class FilterExpression {
public:
    // Parses `text` over records of `columns`; EDatabaseError on a syntax error or an unknown
    // field, or a literal that does not convert to its field's type.
    FilterExpression(std::string_view text, const std::vector<FieldDef>& columns, TFilterOptions options);
    ~FilterExpression();
    FilterExpression(FilterExpression&&) noexcept;
    FilterExpression& operator=(FilterExpression&&) noexcept;

    bool Accepts(const std::vector<Variant>& record) const;
    // The value `column` must equal (ignoring case) in every record the filter accepts: the
    // literal of a whole-value  column = literal  that the expression requires through ANDs
    // alone. Lets a dataset look up the candidates in an index on that column instead of
    // testing every record. Null when the expression requires no such equality.
    const Variant* RequiredEqual(int column) const;
    enum class Equality { None, ExactCase, IgnoringCase };
    // Whether the expression is that equality and nothing more, so that it accepts exactly the
    // records whose value equals the literal, and how it compares text.
    Equality SoleEquality(int column) const;

    struct Node;

private:
    std::unique_ptr<Node> root_;
};

} // namespace dataset
