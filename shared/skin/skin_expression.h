// The arithmetic of a jscript: position or size (left="jscript:balance.left+balance.width+10;"),
// evaluated without running any script: numbers, + - * / %, parentheses, names the caller
// knows, Math.min/max/round/floor/ceil/abs and a closing semicolon.
#pragma once
#include <string>

// What the names of an expression stand for.
class SkinExpressionNames {
public:
    virtual ~SkinExpressionNames() = default;
    // object.property ("view.width", "balance.left"), or a bare name with object empty (the
    // owning element's own property). False when the name stands for no number it knows.
    virtual bool Lookup(const std::wstring& object, const std::wstring& property, double* value) = 0;
};

enum SkinExpressionOutcome {
    SkinExpressionDone,
    SkinExpressionUnknownName,   // a name the caller does not know, or a call of a function not Math's
    SkinExpressionUnreadable,    // anything but the arithmetic above, or longer or deeper than any real one
    SkinExpressionNotANumber,    // a division by zero, or a result beyond any number
};

// expression: what follows "jscript:".
SkinExpressionOutcome EvaluateSkinExpression(const std::wstring& expression, SkinExpressionNames& names,
                                             double* value);

// The whole number a result gives a position or size: rounded as Windows converts a number to
// an integer property (halves to the even neighbour), held within +/- 1,000,000.
long SkinExpressionInteger(double value);
