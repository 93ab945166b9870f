// Reading a template file: filters, size limits and decoding.
#include "template_text.h"

#include "line_ends.h"

#include <algorithm>

ReadPlan PlanTemplateRead(TextEncoding mark, DWORD filterIndex)
{
    switch (filterIndex) {
    case TemplateFilterUtf16: return PlanRead(mark, ReadAsUtf16);
    case TemplateFilterUtf8:  return PlanRead(mark, ReadAsUtf8);
    default:
        if (mark == EncodingUnreadable) return {EncodingUnreadable, 0};
        return PlanRead(mark, ReadByMark);
    }
}

unsigned long long TemplateSizeLimit(TextEncoding encoding)
{
    switch (encoding) {
    case EncodingUtf16LE:
    case EncodingUtf16BE: return 65538;
    case EncodingUtf8:    return 98307;
    default:              return 32768;
    }
}

bool TemplateSizeAccepted(TextEncoding encoding, long long fileSize)
{
    return static_cast<unsigned long long>(fileSize) <= TemplateSizeLimit(encoding);
}

std::wstring DecodeTemplateBytes(const std::string& fileBytes, const ReadPlan& plan, UINT codePage,
                                 std::size_t* addedUnits)
{
    std::string bytes = fileBytes.substr(std::min(plan.markLength, fileBytes.size()));
    // The document's own style decides alone how lines end on saving.
    LineEndCount lineEnds;
    std::wstring text = ToCrLf(DecodeDocumentBytes(bytes, plan.encoding, WindowTextUnicode, codePage, false).text.wide,
                               &lineEnds);
    // Every lone LF gained a CR, every lone CR an LF.
    if (addedUnits) *addedUnits = lineEnds.lf + lineEnds.cr;
    return text;
}
