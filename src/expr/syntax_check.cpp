#include "expr/syntax_check.h"

#include <cstdint>
#include <optional>

#include "expr/formula_characters.h"

namespace velnor {

namespace {

enum class SyntaxState {
    kOperandStart,
    kAfterSign,
    kAfterOperator,
    kIntegerPart,
    kAfterPoint,
    kFractionPart,
    kSingleLetter,
    kName,
    kAfterClose,
};

bool EndsAnOperand(SyntaxState state) {
    return state == SyntaxState::kIntegerPart || state == SyntaxState::kFractionPart ||
           state == SyntaxState::kSingleLetter || state == SyntaxState::kAfterClose;
}

// Walks the state machine over one character; nothing when the character is not accepted.
class CSyntaxMachine {
public:
    bool Run(std::string_view formula) {
        for (const char c : formula) {
            const std::optional<SyntaxState> next = Accept(c);
            if (!next) {
                return false;
            }
            m_state = *next;
        }
        return m_nDepth == 0 && EndsAnOperand(m_state);
    }

private:
    std::optional<SyntaxState> Accept(char c) {
        switch (m_state) {
            case SyntaxState::kOperandStart:
                if (c == '+' || c == '-') {
                    return SyntaxState::kAfterSign;
                }
                return AcceptOperand(c);
            case SyntaxState::kAfterSign:
            case SyntaxState::kAfterOperator:
                return AcceptOperand(c);
            case SyntaxState::kIntegerPart:
                if (IsFormulaDigit(c)) {
                    return SyntaxState::kIntegerPart;
                }
                if (c == '.') {
                    return SyntaxState::kAfterPoint;
                }
                return AcceptAfterOperand(c);
            case SyntaxState::kAfterPoint:
                if (IsFormulaDigit(c)) {
                    return SyntaxState::kFractionPart;
                }
                return std::nullopt;
            case SyntaxState::kFractionPart:
                if (IsFormulaDigit(c)) {
                    return SyntaxState::kFractionPart;
                }
                return AcceptAfterOperand(c);
            case SyntaxState::kSingleLetter:
                if (IsFormulaLetter(c)) {
                    return SyntaxState::kName;
                }
                return AcceptAfterOperand(c);
            case SyntaxState::kName:
                if (IsFormulaLetter(c)) {
                    return SyntaxState::kName;
                }
                return OpenIf(c);
            case SyntaxState::kAfterClose:
                return AcceptAfterOperand(c);
        }
        return std::nullopt;
    }

    std::optional<SyntaxState> AcceptOperand(char c) {
        if (IsFormulaDigit(c)) {
            return SyntaxState::kIntegerPart;
        }
        if (c == '.') {
            return SyntaxState::kAfterPoint;
        }
        if (IsFormulaLetter(c)) {
            return SyntaxState::kSingleLetter;
        }
        return OpenIf(c);
    }

    std::optional<SyntaxState> AcceptAfterOperand(char c) {
        if (IsBinaryOperator(c)) {
            return SyntaxState::kAfterOperator;
        }
        if (c == ')' && m_nDepth > 0) {
            --m_nDepth;
            return SyntaxState::kAfterClose;
        }
        return std::nullopt;
    }

    std::optional<SyntaxState> OpenIf(char c) {
        if (c != '(') {
            return std::nullopt;
        }
        ++m_nDepth;
        return SyntaxState::kOperandStart;
    }

    SyntaxState m_state = SyntaxState::kOperandStart;
    int64_t m_nDepth = 0;
};

}  // namespace

bool IsValidFormulaSyntax(std::string_view normalised) {
    const size_t colon = normalised.find(':');
    if (colon == std::string_view::npos) {
        return false;
    }
    return CSyntaxMachine().Run(normalised.substr(colon + 1));
}

}  // namespace velnor
