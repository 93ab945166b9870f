// Reading a template file: which encoding a filter of the insert dialog reads, the size
// each encoding accepts, and the decoding.
#pragma once
#include <windows.h>

#include <string>

#include "text_encoding.h"

// The insert dialog's filters, counted from 1 as the dialog counts them.
enum TemplateFilter {
    TemplateFilterAll = 1,
    TemplateFilterQlmt = 2,
    TemplateFilterText = 3,
    TemplateFilterUtf16 = 4,
    TemplateFilterUtf8 = 5,
};

// How a template chosen under this filter, with this mark, is read; the plan's encoding
// is EncodingUnreadable when it cannot be read at all.
ReadPlan PlanTemplateRead(TextEncoding mark, DWORD filterIndex);

// The largest template file that an encoding accepts, in bytes.
unsigned long long TemplateSizeLimit(TextEncoding encoding);
// The size is taken as unsigned, so an unmeasurable file (-1) is too large.
bool TemplateSizeAccepted(TextEncoding encoding, long long fileSize);

// The template's text for the Unicode window: the bytes after the mark decoded, NULs
// made spaces, line ends made CR LF. ANSI bytes are read in codePage. addedUnits, when
// given, receives the units the line ends gained.
std::wstring DecodeTemplateBytes(const std::string& fileBytes, const ReadPlan& plan, UINT codePage,
                                 std::size_t* addedUnits = nullptr);
