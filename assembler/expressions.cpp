#include "assembler/expressions.h"

#include <algorithm>
#include <array>

#include "assembler/literals.h"
#include "assembler/messages.h"
#include "runtime/text/text.h"

namespace tarvok {

namespace {

constexpr std::array<char, 4> Operators = {'+', '-', '*', '/'};

// Value of the term after the operator: a variable, else a label, else any literal (a name that
// is neither counts 0). Brackets anywhere in the term are left out.
int32_t right_term_value(AssemblyContext& ctx, std::string_view t, char op) {
    std::string_view term = t.substr(t.find(op) + 1);
    std::string without_brackets;
    if (term.find_first_of("()") != std::string_view::npos) {
        for (const char c : term) {
            if (c != '(' && c != ')') {
                without_brackets += c;
            }
        }
        term = without_brackets;
    }
    if (const int32_t v = ctx.symbols.variable(term); v >= 0) {
        return ctx.variables[v].value;
    }
    if (const int32_t l = ctx.symbols.label(term); l >= 0) {
        return ctx.labels[l].address;
    }
    return literal_value(ctx, term);
}

// The 32-bit result, wrapping like the rest of the assembler's arithmetic.
int32_t wrap(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v)); }

enum class ExpressionFault { None, TooManyOperators, DivisionByZero };

// Applies the operator and the right term of one statement's operand to its value and size.
ExpressionFault apply_expression(AssemblyContext& ctx, StatementEntry& rec) {
    std::string_view t = operand_of(ctx, rec);
    if (const std::size_t comma = t.find(','); comma != std::string_view::npos) {
        t = t.substr(0, comma);  // the index register is no part of the expression
    }
    int32_t n = 0;
    char op = 0;
    for (char candidate : Operators) {
        const auto c = static_cast<int32_t>(std::count(t.begin(), t.end(), candidate));
        if (c > 0) {
            op = candidate;
        }
        n += c;
    }
    if (n > 1) {
        return ExpressionFault::TooManyOperators;
    }
    if (n == 0) {
        return ExpressionFault::None;
    }
    const int32_t r = right_term_value(ctx, t, op);
    const int64_t left = rec.value;
    switch (op) {
        case '+': rec.value = wrap(left + r); break;
        case '-': rec.value = wrap(left - r); break;
        case '*': rec.value = wrap(left * r); break;
        default:
            if (r == 0) {
                return ExpressionFault::DivisionByZero;
            }
            rec.value = wrap(left / r);  // the quotient rounds towards zero
            break;
    }
    rec.operand_size = r > 255 ? 2 : 1;
    return ExpressionFault::None;
}

}  // namespace

void evaluate_expressions(AssemblyContext& ctx) {
    for (StatementEntry& rec : ctx.statements) {
        if (rec.has_expression != 1) {
            continue;
        }
        const ExpressionFault fault = apply_expression(ctx, rec);
        if (fault == ExpressionFault::TooManyOperators) {
            show_error("Expression Error", "Single Function,Single Type Only,Eg 1+5");
            ctx.error = 1;
            return;
        }
        if (fault == ExpressionFault::DivisionByZero) {
            goto_source_line(rec.line_number);
            show_error("Expression Error", "Division By Zero,Eg 10/2");
            ctx.error = 1;
            return;
        }
    }
}

void evaluate_expression_quietly(AssemblyContext& ctx, StatementEntry& rec) {
    if (rec.has_expression == 1) {
        apply_expression(ctx, rec);
    }
}

}  // namespace tarvok
