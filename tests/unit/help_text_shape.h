// Checks the shape every wizard help text shares and splits it into its parts.
#pragma once
#include "wizard_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

struct HelpParts {
    std::vector<std::wstring> paragraphs;   // of the sections, without the ideographic space
    std::wstring notes;                     // whatever follows the last section
};

// The opening paragraph, exactly these section headings in order, the notes, one final
// line break, and room in the help window's buffer. The paragraphs of the sections headed
// spread (an example, a list) may hold blank lines; they end where the next section begins.
inline HelpParts ExpectHelpShape(const std::wstring& text, const std::vector<std::wstring>& headings,
                                 const std::vector<std::wstring>& spread = {})
{
    HelpParts parts;
    EXPECT_LT(text.size(), kWizardHelpTextSize) << "does not fit the help buffer";
    if (text.size() < 4) {
        ADD_FAILURE() << "help text too short";
        return parts;
    }
    EXPECT_EQ(L"\r\n", text.substr(text.size() - 2));
    EXPECT_NE(L"\r\n\r\n", text.substr(text.size() - 4));
    EXPECT_EQ(std::wstring::npos, text.find(L"\r\n\r\n\r\n"));

    std::size_t pos = text.find(L"\r\n\r\n");
    EXPECT_NE(L'\r', text.front());
    EXPECT_EQ(text.find(L"\r\n"), pos) << "the opening is one paragraph";
    pos += 4;
    for (std::size_t i = 0; i < headings.size(); ++i) {
        const std::wstring head = L"・" + headings[i] + L"\r\n\r\n　";
        if (text.compare(pos, head.size(), head) != 0) {
            ADD_FAILURE() << "section " << i << " is not headed " << testing::PrintToString(headings[i]);
            return parts;
        }
        pos += head.size();
        const bool spreads = std::find(spread.begin(), spread.end(), headings[i]) != spread.end();
        std::size_t end = spreads && i + 1 < headings.size()
                              ? text.find(L"\r\n\r\n・" + headings[i + 1] + L"\r\n\r\n", pos)
                              : text.find(L"\r\n\r\n", pos);
        const bool last = end == std::wstring::npos;
        if (last) end = text.size() - 2;
        parts.paragraphs.push_back(text.substr(pos, end - pos));
        EXPECT_FALSE(parts.paragraphs.back().empty()) << "section " << i;
        pos = last ? text.size() : end + 4;
    }
    parts.notes = text.substr(pos);
    EXPECT_NE(0u, parts.notes.find(L"・")) << "a section more than the headings";
    EXPECT_EQ(std::wstring::npos, parts.notes.find(L"\r\n\r\n・")) << "a section more than the headings";
    return parts;
}
