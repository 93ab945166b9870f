// The arithmetic of a jscript: position or size, evaluated without running any script.
#include "skin_expression.h"

#include "skin_limits.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsNameStart(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_' || c == L'$'; }

// Recursive descent over the text, evaluating as it reads: the first failure ends the reading.
class Evaluator {
public:
    Evaluator(const std::wstring& text, SkinExpressionNames& names) : text_(text), names_(names) {}
    SkinExpressionOutcome Run(double* value);

private:
    bool Sum(double* value);
    bool Product(double* value);
    bool Unary(double* value);
    bool Primary(double* value);
    bool Number(double* value);
    bool Name(double* value);
    bool Call(const std::wstring& function, double* value);
    std::wstring Identifier();
    bool Take(wchar_t c);
    void SkipBlanks();
    bool Fail(SkinExpressionOutcome outcome)
    {
        if (outcome_ == SkinExpressionDone) outcome_ = outcome;
        return false;
    }

    const std::wstring& text_;
    SkinExpressionNames& names_;
    size_t at_ = 0;
    int depth_ = 0;
    SkinExpressionOutcome outcome_ = SkinExpressionDone;
};

SkinExpressionOutcome Evaluator::Run(double* value)
{
    if (text_.size() > kSkinLongestExpression) return SkinExpressionUnreadable;
    double result = 0;
    if (!Sum(&result)) return outcome_;
    Take(L';');
    SkipBlanks();
    if (at_ != text_.size()) return SkinExpressionUnreadable;
    if (!std::isfinite(result)) return SkinExpressionNotANumber;
    *value = result;
    return SkinExpressionDone;
}

bool Evaluator::Sum(double* value)
{
    if (!Product(value)) return false;
    for (;;) {
        const bool plus = Take(L'+');
        if (!plus && !Take(L'-')) return true;
        double right = 0;
        if (!Product(&right)) return false;
        *value = plus ? *value + right : *value - right;
    }
}

bool Evaluator::Product(double* value)
{
    if (!Unary(value)) return false;
    for (;;) {
        SkipBlanks();
        if (at_ >= text_.size() || (text_[at_] != L'*' && text_[at_] != L'/' && text_[at_] != L'%')) return true;
        const wchar_t op = text_[at_++];
        double right = 0;
        if (!Unary(&right)) return false;
        *value = op == L'*' ? *value * right : op == L'/' ? *value / right : std::fmod(*value, right);
    }
}

bool Evaluator::Unary(double* value)
{
    if (++depth_ > kSkinDeepestExpression) return Fail(SkinExpressionUnreadable);
    bool done;
    if (Take(L'-')) {
        done = Unary(value);
        *value = -*value;
    } else {
        Take(L'+');
        done = Primary(value);
    }
    --depth_;
    return done;
}

bool Evaluator::Primary(double* value)
{
    SkipBlanks();
    if (at_ >= text_.size()) return Fail(SkinExpressionUnreadable);
    if (Take(L'(')) {
        if (!Sum(value)) return false;
        return Take(L')') || Fail(SkinExpressionUnreadable);
    }
    if (IsDigit(text_[at_]) || text_[at_] == L'.') return Number(value);
    if (IsNameStart(text_[at_])) return Name(value);
    return Fail(SkinExpressionUnreadable);
}

// Decimal digits with a fraction and an exponent, read without the C library's locale.
bool Evaluator::Number(double* value)
{
    const size_t start = at_;
    double number = 0;
    for (; at_ < text_.size() && IsDigit(text_[at_]); ++at_) number = number * 10 + (text_[at_] - L'0');
    if (at_ < text_.size() && text_[at_] == L'.') {
        double scale = 0.1;
        for (++at_; at_ < text_.size() && IsDigit(text_[at_]); ++at_, scale /= 10) number += (text_[at_] - L'0') * scale;
    }
    if (at_ == start + 1 && text_[start] == L'.') return Fail(SkinExpressionUnreadable);
    if (at_ < text_.size() && (text_[at_] == L'e' || text_[at_] == L'E')) {
        ++at_;
        const bool negative = at_ < text_.size() && text_[at_] == L'-';
        if (at_ < text_.size() && (text_[at_] == L'-' || text_[at_] == L'+')) ++at_;
        if (at_ >= text_.size() || !IsDigit(text_[at_])) return Fail(SkinExpressionUnreadable);
        int exponent = 0;
        for (; at_ < text_.size() && IsDigit(text_[at_]); ++at_) exponent = std::min(exponent * 10 + (text_[at_] - L'0'), 999);
        number *= std::pow(10.0, negative ? -exponent : exponent);
    }
    if (at_ < text_.size() && IsNameStart(text_[at_])) return Fail(SkinExpressionUnreadable);
    *value = number;
    return true;
}

// view.width, balance.left, a bare own property, or a call.
bool Evaluator::Name(double* value)
{
    std::vector<std::wstring> path{Identifier()};
    while (Take(L'.')) {
        SkipBlanks();
        path.push_back(Identifier());
        if (path.back().empty()) return Fail(SkinExpressionUnreadable);
    }
    if (Take(L'(')) {
        if (path.size() != 2 || path[0] != L"Math") return Fail(SkinExpressionUnknownName);
        return Call(path[1], value);
    }
    if (path.size() > 2) return Fail(SkinExpressionUnknownName);
    const bool known = path.size() == 1 ? names_.Lookup(std::wstring(), path[0], value)
                                        : names_.Lookup(path[0], path[1], value);
    return known || Fail(SkinExpressionUnknownName);
}

bool Evaluator::Call(const std::wstring& function, double* value)
{
    std::vector<double> arguments;
    if (!Take(L')')) {
        do {
            double argument = 0;
            if (!Sum(&argument)) return false;
            arguments.push_back(argument);
        } while (Take(L','));
        if (!Take(L')')) return Fail(SkinExpressionUnreadable);
    }
    const double first = arguments.empty() ? NAN : arguments[0];
    if (function == L"min" || function == L"max") {
        const bool min = function == L"min";
        *value = min ? INFINITY : -INFINITY;
        for (double argument : arguments) *value = min ? std::min(*value, argument) : std::max(*value, argument);
    } else if (function == L"round") {
        *value = std::floor(first + 0.5);   // halves go up, as in JScript
    } else if (function == L"floor") {
        *value = std::floor(first);
    } else if (function == L"ceil") {
        *value = std::ceil(first);
    } else if (function == L"abs") {
        *value = std::fabs(first);
    } else {
        return Fail(SkinExpressionUnknownName);
    }
    return true;
}

std::wstring Evaluator::Identifier()
{
    const size_t start = at_;
    while (at_ < text_.size() && (IsNameStart(text_[at_]) || IsDigit(text_[at_]))) ++at_;
    return text_.substr(start, at_ - start);
}

bool Evaluator::Take(wchar_t c)
{
    SkipBlanks();
    if (at_ >= text_.size() || text_[at_] != c) return false;
    ++at_;
    return true;
}

void Evaluator::SkipBlanks()
{
    while (at_ < text_.size() && (text_[at_] == L' ' || text_[at_] == L'\t' || text_[at_] == L'\r' || text_[at_] == L'\n'))
        ++at_;
}

}  // namespace

SkinExpressionOutcome EvaluateSkinExpression(const std::wstring& expression, SkinExpressionNames& names, double* value)
{
    return Evaluator(expression, names).Run(value);
}

long SkinExpressionInteger(double value)
{
    const double held = std::max(-static_cast<double>(kSkinFarthest), std::min(value, static_cast<double>(kSkinFarthest)));
    return static_cast<long>(std::nearbyint(held));
}
