// Pieces every wizard's text generation shares.
#include "wizard_text.h"

#include "text_encoding.h"

#include <cwchar>
#include <iterator>

void AppendTabs(std::wstring& text, int count)
{
    if (count > 0) text.append(static_cast<std::size_t>(count), L'\t');
}

void AppendAttributeAlways(std::wstring& text, const wchar_t* name, const std::wstring& value)
{
    text += L' ';
    text += name;
    text += L"=\"";
    text += value;
    text += L'"';
}

void AppendAttribute(std::wstring& text, const wchar_t* name, const std::wstring& value)
{
    if (!value.empty()) AppendAttributeAlways(text, name, value);
}

void AppendIdAndCoordinates(std::wstring& text, const std::wstring& id, const std::wstring& left,
                            const std::wstring& top, const std::wstring& width, const std::wstring& height)
{
    AppendAttribute(text, L"id", id);
    AppendAttribute(text, L"left", left);
    AppendAttribute(text, L"top", top);
    AppendAttribute(text, L"width", width);
    AppendAttribute(text, L"height", height);
}

void AppendOption(std::wstring& text, bool checked, const wchar_t* fragment)
{
    if (checked) text += fragment;
}

const wchar_t kTabCountHelp[] = L"タグの前に入れるタブ文字の数を 0 ～ 100 の範囲で指定します。";
const wchar_t kIdHelp[] =
    L"この要素を見分けるための名前を指定します。id 属性になり、JScript からこの要素を参照するときに使います。省略できます。";
const wchar_t kCoordinatesHelp[] =
    L"要素を置く位置 (横・縦) と大きさ (幅・高) をピクセル単位で指定します。それぞれ left、top、width、height 属性になります。入力できるのは数字だけです。横と縦は必須項目で、幅と高は省略できます。";

bool IndexInRange(int index, int count)
{
    return index >= 0 && index < count;
}

const wchar_t* PredefinedElementAt(const PredefinedElement* entries, int count, int index)
{
    return entries[IndexInRange(index, count) ? index : 0].element;
}

bool TabCountTooDeep(int count)
{
    return count > kMaxTabCount;
}

bool InsertionFitsWin9x(std::size_t documentLength, std::size_t textLength)
{
    return documentLength <= kWin9xTextLimit && textLength <= kWin9xTextLimit - documentLength;
}

std::wstring ColorCodeText(unsigned red, unsigned green, unsigned blue)
{
    wchar_t code[8];
    std::swprintf(code, std::size(code), L"#%02X%02X%02X", red & 0xFF, green & 0xFF, blue & 0xFF);
    return code;
}

std::wstring BuildHelpText(const wchar_t* opening, const std::vector<HelpSection>& sections,
                           const std::wstring& notes)
{
    std::wstring text = opening;
    text += L"\r\n\r\n";
    for (const HelpSection& section : sections) {
        text += L"・";
        text += section.heading;
        text += L"\r\n\r\n　";
        text += section.paragraph;
        text += L"\r\n\r\n";
    }
    // Every paragraph ends in a blank line; the text as a whole ends in one line break.
    if (notes.empty()) {
        text.resize(text.size() - 2);
    } else {
        text += notes;
    }
    return text;
}
