// Pieces every wizard's text generation shares; no window headers.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

const int kMaxTabCount = 100;
// Units the help window's text holds, its end included.
const std::size_t kWizardHelpTextSize = 8192;

// count TABs; none for 0 or less.
void AppendTabs(std::wstring& text, int count);
// ` name="value"`, only when value is not empty; the value goes in as typed.
void AppendAttribute(std::wstring& text, const wchar_t* name, const std::wstring& value);
// The same, written also when value is empty.
void AppendAttributeAlways(std::wstring& text, const wchar_t* name, const std::wstring& value);
// id, left, top, width and height, in that order, each only when set.
void AppendIdAndCoordinates(std::wstring& text, const std::wstring& id, const std::wstring& left,
                            const std::wstring& top, const std::wstring& width, const std::wstring& height);
// A fixed fragment such as ` radio="True"`, only when the option is checked.
void AppendOption(std::wstring& text, bool checked, const wchar_t* fragment);

bool TabCountTooDeep(int count);

// An entry of a wizard's list of predefined elements.
struct PredefinedElement {
    const wchar_t* listText;
    const wchar_t* element;
};
bool IndexInRange(int index, int count);
// The element at index; an index out of range counts as the first entry.
const wchar_t* PredefinedElementAt(const PredefinedElement* entries, int count, int index);
// The Windows 95/98/Me edit control holds no more than kWin9xTextLimit.
bool InsertionFitsWin9x(std::size_t documentLength, std::size_t textLength);
// "#RRGGBB" in upper-case hexadecimal.
std::wstring ColorCodeText(unsigned red, unsigned green, unsigned blue);

// The help paragraph of the tab-count field that most wizards share.
extern const wchar_t kTabCountHelp[];
// The id and coordinate paragraphs that the text, effects, video and playlist wizards share.
extern const wchar_t kIdHelp[];
extern const wchar_t kCoordinatesHelp[];

struct HelpSection {
    const wchar_t* heading;
    const wchar_t* paragraph;   // without the leading ideographic space and the line breaks
};
// opening "\r\n\r\n", then per section "・" heading "\r\n\r\n" "　" paragraph "\r\n\r\n", then
// the notes (each ending in "\r\n", separated by blank lines); the whole ends in one "\r\n".
std::wstring BuildHelpText(const wchar_t* opening, const std::vector<HelpSection>& sections,
                           const std::wstring& notes = L"");
