// What the three button wizards' texts share: the toggle rows, the images of the other
// states, and the help paragraphs that read the same; no window headers.
#pragma once
#include <string>

// enabled is true by default, so only False makes the button start disabled.
extern const wchar_t kDisabledFragment[];

// Paragraphs that read the same in more than one of the three help texts.
extern const wchar_t kHoverImageHelp[];
extern const wchar_t kHoverDownImageHelp[];
extern const wchar_t kDisabledImageHelp[];
extern const wchar_t kDownHelp[];

// The toggle rows that both the button element and the standard button write.
void AppendStickyRows(std::wstring& text, bool sticky, bool down, const std::wstring& downToolTip);
// The images of a button's other states, after its base image.
void AppendStateImages(std::wstring& text, const std::wstring& hover, const std::wstring& down,
                       const std::wstring& hoverDown, const std::wstring& disabled);
