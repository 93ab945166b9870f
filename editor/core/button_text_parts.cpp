// What the three button wizards' texts share: the toggle rows, the state images, the help paragraphs.
#include "button_text_parts.h"

#include "wizard_text.h"

const wchar_t kDisabledFragment[] = L" enabled=\"False\"";

const wchar_t kHoverImageHelp[] =
    L"マウス ポインタがボタンの上にあるときに表示する画像ファイルを指定します。hoverImage 属性になります。省略できます。";
const wchar_t kHoverDownImageHelp[] =
    L"押された状態のボタンの上にマウス ポインタがあるときに表示する画像ファイルを指定します。hoverDownImage 属性になります。ボタンを押している間に表示する画像はダウン イメージ欄に指定し、downImage 属性になります。どちらも省略できます。";
const wchar_t kDisabledImageHelp[] =
    L"ボタンが使用不可のときに表示する画像ファイルを指定します。disabledImage 属性になります。省略できます。";
const wchar_t kDownHelp[] =
    L"チェックすると、ボタンは押された状態で始まります。down 属性に True を書き込みます。トグル モードに設定したときだけ指定できます。省略できます。";

namespace {

const wchar_t kStickyFragment[] = L" sticky=\"True\"";
const wchar_t kDownFragment[] = L" down=\"True\"";

}  // namespace

void AppendStickyRows(std::wstring& text, bool sticky, bool down, const std::wstring& downToolTip)
{
    if (!sticky) return;
    text += kStickyFragment;
    AppendOption(text, down, kDownFragment);
    AppendAttribute(text, L"downToolTip", downToolTip);
}

void AppendStateImages(std::wstring& text, const std::wstring& hover, const std::wstring& down,
                       const std::wstring& hoverDown, const std::wstring& disabled)
{
    AppendAttribute(text, L"hoverImage", hover);
    AppendAttribute(text, L"downImage", down);
    AppendAttribute(text, L"hoverDownImage", hoverDown);
    AppendAttribute(text, L"disabledImage", disabled);
}
