// Template files: the encoding each filter reads and the size each encoding accepts.
#include "template_text.h"

#include <gtest/gtest.h>

TEST(TemplateText, SizeLimitsAreInclusiveAndAnUnmeasurableFileIsTooLarge)
{
    struct Case {
        TextEncoding encoding;
        long long limit;
    };
    for (const Case& c : {Case{EncodingAnsi, 32768}, Case{EncodingUtf16LE, 65538}, Case{EncodingUtf16BE, 65538},
                          Case{EncodingUtf8, 98307}}) {
        EXPECT_TRUE(TemplateSizeAccepted(c.encoding, c.limit)) << c.encoding;
        EXPECT_FALSE(TemplateSizeAccepted(c.encoding, c.limit + 1)) << c.encoding;
        EXPECT_FALSE(TemplateSizeAccepted(c.encoding, -1)) << c.encoding;
    }
}

TEST(TemplateText, FiltersOneToThreeFollowTheMarkAndFourAndFiveForceTheirEncoding)
{
    struct Case {
        TextEncoding mark;
        DWORD filter;
        TextEncoding read;
        size_t skipped;
    };
    const Case cases[] = {
        {EncodingAnsi, 1, EncodingAnsi, 0},       {EncodingUtf16BE, 2, EncodingUtf16BE, 2},
        {EncodingUtf8, 3, EncodingUtf8, 3},       {EncodingUnreadable, 1, EncodingUnreadable, 0},
        {EncodingAnsi, 4, EncodingUtf16LE, 0},    {EncodingUtf8, 4, EncodingUtf16LE, 0},
        {EncodingUtf16BE, 4, EncodingUtf16BE, 2}, {EncodingUtf8, 5, EncodingUtf8, 3},
        {EncodingUtf16LE, 5, EncodingUtf8, 0},
    };
    for (const Case& c : cases) {
        ReadPlan plan = PlanTemplateRead(c.mark, c.filter);
        EXPECT_EQ(c.read, plan.encoding) << c.mark << " under filter " << c.filter;
        EXPECT_EQ(c.skipped, plan.markLength) << c.mark << " under filter " << c.filter;
    }
}
