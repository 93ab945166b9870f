// The evaluator of jscript: positions and sizes: what it reads, what it refuses, how it rounds.
#include "skin_expression.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// balance.left 20, balance.width 30, view.width 300, the own left 7; nothing else.
class TableNames : public SkinExpressionNames {
public:
    bool Lookup(const std::wstring& object, const std::wstring& property, double* value) override
    {
        const std::map<std::wstring, double> known = {
            {L"balance.left", 20}, {L"balance.width", 30}, {L"view.width", 300}, {L".left", 7}};
        auto found = known.find(object + L"." + property);
        if (found == known.end()) return false;
        *value = found->second;
        return true;
    }
};

}  // namespace

TEST(SkinExpression, ReadsTheArithmeticSkinsWriteAndRefusesTheRest)
{
    const struct {
        const wchar_t* expression;
        SkinExpressionOutcome outcome;
        double value;
    } cases[] = {
        {L"balance.left+balance.width+10;", SkinExpressionDone, 60},
        {L" view.width - (balance.width * 2) / 4 ; ", SkinExpressionDone, 285},
        {L"-left % 4 + +2.5e1", SkinExpressionDone, 22},
        {L"Math.max(left, Math.min(view.width/7, 40)) - Math.abs(-1)", SkinExpressionDone, 39},
        {L"Math.round(2.5)+Math.floor(-0.5)+Math.ceil(.2)", SkinExpressionDone, 3},
        {L"balance . width", SkinExpressionDone, 30},
        {L"updateLeft()", SkinExpressionUnknownName, 0},
        {L"Math.sqrt(4)", SkinExpressionUnknownName, 0},
        {L"player.currentMedia.duration", SkinExpressionUnknownName, 0},
        {L"volume.left", SkinExpressionUnknownName, 0},
        {L"1/0", SkinExpressionNotANumber, 0},
        {L"left % 0", SkinExpressionNotANumber, 0},
        {L"", SkinExpressionUnreadable, 0},
        {L"(1+2", SkinExpressionUnreadable, 0},
        {L"1 2", SkinExpressionUnreadable, 0},
        {L"x = 3", SkinExpressionUnknownName, 0},
        {L"\"a\" + 1", SkinExpressionUnreadable, 0},
        {L"a ? 1 : 2", SkinExpressionUnknownName, 0},
        {L"3; 4", SkinExpressionUnreadable, 0},
        {L"1e", SkinExpressionUnreadable, 0},
    };
    TableNames names;
    for (const auto& c : cases) {
        double value = -1;
        EXPECT_EQ(c.outcome, EvaluateSkinExpression(c.expression, names, &value)) << c.expression;
        if (c.outcome == SkinExpressionDone) {
            EXPECT_DOUBLE_EQ(c.value, value) << c.expression;
        }
    }
    // Hostile lengths and depths end at a limit, not in the stack.
    double value = 0;
    EXPECT_EQ(SkinExpressionUnreadable, EvaluateSkinExpression(std::wstring(100000, L'('), names, &value));
    EXPECT_EQ(SkinExpressionUnreadable, EvaluateSkinExpression(std::wstring(3000, L'-') + L"1", names, &value));
    const struct {
        double value;
        long integer;
    } rounded[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {7.49, 7}, {1e300, 1000000}};
    for (const auto& c : rounded) EXPECT_EQ(c.integer, SkinExpressionInteger(c.value)) << c.value;
}
