// Texts of the text, effects, video and playlist wizards.
#include "display_texts.h"

#include "wizard_text.h"

const PredefinedElement kPredefinedTexts[kPredefinedTextCount] = {
    {L"再生位置表示テキスト", L"CurrentPositionText"},
    {L"再生時間表示テキスト", L"DurationText"},
    {L"状態表示テキスト", L"StatusText"},
    {L"クリップ名表示テキスト", L"TrackNameText"},
};

const wchar_t* const kFontSizes[kFontSizeCount] = {
    L"なし", L"8", L"9", L"10", L"11", L"12", L"14", L"16", L"18",
    L"20", L"24", L"28", L"32", L"36", L"40", L"48", L"64", L"72",
};

const PredefinedElement kPredefinedPlaylists[kPredefinedPlaylistCount] = {
    {L"ドロップダウン プレイリスト (リスト領域なし)", L"DropDownPlaylist"},
    {L"アイテム プレイリスト (リスト領域のみ)", L"ItemsPlaylist"},
};

namespace {

// What tells the effects element from the video element; the rest of their text is shared.
struct VisualElement {
    const wchar_t* plainName;
    const wchar_t* wmpName;
    bool hasOnClick;
    const wchar_t* optionFragment;
    // Ties the plain element to the player's full mode settings; the WMP element has them built in.
    const wchar_t* plainBindings;
};

const VisualElement kEffectsElement = {
    L"effects", L"WMPEffects", true, L" windowed=\"True\"",
    L" currentEffectType=\"wmpprop:mediacenter.effectType\""
    L" currentEffectType_onChange=\"mediacenter.effectType = currentEffectType;\""
    L" currentPreset=\"wmpprop:mediacenter.effectPreset\""
    L" currentPreset_onChange=\"mediacenter.effectPreset = currentPreset;\"",
};

const VisualElement kVideoElement = {
    L"video", L"WMPVideo", false, L" windowless=\"True\"",
    L" stretchToFit=\"wmpprop:mediacenter.videoStretchToFit\" zoom=\"wmpprop:mediacenter.videoZoom\"",
};

const wchar_t* const kHorizontalAlignments[kAlignmentCount] = {L"Left", L"Center", L"Right", L"Stretch"};
const wchar_t* const kVerticalAlignments[kAlignmentCount] = {L"Top", L"Center", L"Bottom", L"Stretch"};

// Paragraphs that read the same in more than one help text.
const wchar_t kIdHelp[] =
    L"この要素を見分けるための名前を指定します。id 属性になり、JScript からこの要素を参照するときに使います。省略できます。";
const wchar_t kCoordinatesHelp[] =
    L"要素を置く位置 (横・縦) と大きさ (幅・高) をピクセル単位で指定します。それぞれ left、top、width、height 属性になります。入力できるのは数字だけです。横と縦は必須項目で、幅と高は省略できます。";
const wchar_t kAlignmentHelp[] =
    L"ビューの大きさが変わったときに、この要素の位置と大きさをどちらに合わせるかを選びます。横位置は horizontalAlignment 属性、縦位置は verticalAlignment 属性になり、左端・上端は Left・Top、中央は Center、右端・下端は Right・Bottom、両端は Stretch を書き込みます。左端と上端は、WMP で始まる要素を選んだときだけ書き込みます。どのボタンも選ばなければ何も書き込みません。";

void AppendAlignment(std::wstring& text, const wchar_t* name, const wchar_t* const values[], int choice,
                     bool wmp)
{
    if (!IndexInRange(choice, kAlignmentCount)) return;
    if (choice == 0 && !wmp) return;   // Left and Top belong to the WMP elements only
    AppendAttribute(text, name, values[choice]);
}

std::wstring BuildVisualText(const VisualElement& element, const VisualFields& fields)
{
    const bool wmp = fields.kind == VisualKindWmp;
    std::wstring text;
    AppendTabs(text, fields.tabCount);
    text += L'<';
    text += wmp ? element.wmpName : element.plainName;
    AppendIdAndCoordinates(text, fields.id, fields.left, fields.top, fields.width, fields.height);
    if (element.hasOnClick) AppendAttribute(text, L"onClick", fields.onClick);
    AppendAlignment(text, L"horizontalAlignment", kHorizontalAlignments, fields.horizontal, wmp);
    AppendAlignment(text, L"verticalAlignment", kVerticalAlignments, fields.vertical, wmp);
    AppendOption(text, fields.option, element.optionFragment);
    if (!wmp) text += element.plainBindings;
    text += L"/>\r\n";
    return text;
}

const wchar_t* TextElementOf(const TextElementFields& fields)
{
    if (fields.kind != TextKindPredefined) return L"text";
    return PredefinedElementAt(kPredefinedTexts, kPredefinedTextCount, fields.predefined);
}

// The rows that only the standard text element writes.
void AppendStandardTextRows(std::wstring& text, const TextElementFields& fields)
{
    AppendAttribute(text, L"hoverForegroundColor", fields.hoverForegroundColor);
    AppendAttribute(text, L"disabledForegroundColor", fields.disabledForegroundColor);
    AppendOption(text, fields.justification == JustificationCenter, L" justification=\"Center\"");
    AppendOption(text, fields.justification == JustificationRight, L" justification=\"Right\"");
    AppendAttribute(text, L"value", fields.value);
    AppendAttribute(text, L"toolTip", fields.toolTip);
    AppendAttribute(text, L"onClick", fields.onClick);
}

// columns and the colours go in even when empty, as an empty pair of quotes.
void AppendPlaylistLook(std::wstring& text, const PlaylistFields& fields)
{
    AppendAttributeAlways(text, L"columns", fields.columns);
    AppendAttributeAlways(text, L"backgroundColor", fields.backgroundColor);
    AppendAttributeAlways(text, L"foregroundColor", fields.foregroundColor);
    AppendAttributeAlways(text, L"disabledItemColor", fields.disabledItemColor);
    AppendAttributeAlways(text, L"itemPlayingBackgroundColor", fields.itemPlayingBackgroundColor);
    AppendAttributeAlways(text, L"itemPlayingColor", fields.itemPlayingColor);
}

}  // namespace

std::wstring BuildTextElementText(const TextElementFields& fields)
{
    std::wstring text;
    AppendTabs(text, fields.tabCount);
    text += L'<';
    text += TextElementOf(fields);
    AppendIdAndCoordinates(text, fields.id, fields.left, fields.top, fields.width, fields.height);
    AppendAttribute(text, L"fontFace", fields.fontFace.substr(0, kFontFaceLength));
    if (IndexInRange(fields.fontSize, kFontSizeCount) && fields.fontSize != kNoFontSize)
        AppendAttribute(text, L"fontSize", kFontSizes[fields.fontSize]);
    AppendOption(text, fields.fontSmoothing, L" fontSmoothing=\"True\"");
    AppendOption(text, fields.wordWrap, L" wordWrap=\"True\"");
    AppendAttribute(text, L"foregroundColor", fields.foregroundColor);
    if (fields.kind != TextKindPredefined) AppendStandardTextRows(text, fields);
    text += L"/>\r\n";
    return text;
}

std::wstring BuildEffectsText(const VisualFields& fields)
{
    return BuildVisualText(kEffectsElement, fields);
}

std::wstring BuildVideoText(const VisualFields& fields)
{
    return BuildVisualText(kVideoElement, fields);
}

std::wstring BuildPlaylistText(const PlaylistFields& fields)
{
    const bool standard = fields.kind != PlaylistKindPredefined;
    const int predefined = IndexInRange(fields.predefined, kPredefinedPlaylistCount) ? fields.predefined : 0;
    // The drop-down playlist has no list area to size, fill or colour.
    const bool dropDown = !standard && predefined == PlaylistDropDown;
    std::wstring text;
    AppendTabs(text, fields.tabCount);
    text += L'<';
    text += standard ? L"playlist" : kPredefinedPlaylists[predefined].element;
    AppendIdAndCoordinates(text, fields.id, fields.left, fields.top, fields.width,
                           dropDown ? std::wstring() : fields.height);
    if (!dropDown) AppendPlaylistLook(text, fields);
    if (standard) {
        AppendOption(text, fields.hideDropDown, L" dropDownVisible=\"False\"");
        AppendOption(text, fields.hideItems, L" playlistItemsVisible=\"False\"");
    }
    if (!dropDown) {
        AppendOption(text, fields.hideColumns, L" columnsVisible=\"False\"");
        AppendOption(text, fields.noSorting, L" allowColumnSorting=\"False\"");
        AppendOption(text, fields.noEditing, L" allowItemEditing=\"False\"");
    }
    text += L"/>\r\n";
    return text;
}

std::wstring TextElementHelpText()
{
    return BuildHelpText(
        L"テキスト (text) 要素を挿入します。テキスト要素は、ビューの上に文字列を表示する要素です。再生位置や曲名のように、表示する内容を Windows Media Player が決める定義済みのテキスト要素を選ぶこともできます。",
        {
            {L"テキスト コントロールの種類", L"挿入する要素を選びます。標準は text 要素になり、表示する文字列をテキストの値で決めます。定義済みを選ぶと、一覧で選んだ要素 (再生位置表示テキストは CurrentPositionText、再生時間表示テキストは DurationText、状態表示テキストは StatusText、クリップ名表示テキストは TrackNameText 要素) になり、表示する内容は Windows Media Player が決めます。定義済みの要素には、ポイント時とディセーブルの文字色、整列方法、テキストの値、ツール チップ、OnClick ハンドラは書き込まれません。"},
            {L"識別 ID", kIdHelp},
            {L"座標・サイズ", kCoordinatesHelp},
            {L"フォント・サイズ", L"文字の書体名と大きさ (ポイント) を指定します。書体名は fontFace 属性になり、63 文字まで入力できます。空にすると書き込まれません。大きさは fontSize 属性になり、「なし」を選ぶと書き込まれません。どの種類の要素にも書き込まれます。"},
            {L"前景文字色", L"文字の色を #RRGGBB の形式で指定します。通常の色は foregroundColor 属性、マウス ポインタが文字の上にあるときの色 (ポイント時) は hoverForegroundColor 属性、要素が使用不可のときの色 (ディセーブル) は disabledForegroundColor 属性になります。\"...\" ボタンで色を選ぶこともできます。ポイント時とディセーブルは標準のテキスト要素だけに書き込まれます。どれも省略できます。"},
            {L"整列方法", L"幅の中で文字列をどちらに寄せるかを選びます。Center を選ぶと justification 属性に Center を、Right を選ぶと Right を書き込みます。Left は初めからの配置なので、何も書き込みません。標準のテキスト要素だけのオプションです。"},
            {L"(*)テキストの値", L"表示する文字列を指定します。value 属性になります。標準のテキスト要素では必須項目です。定義済みの要素では使われません。"},
            {L"ツール チップ", L"マウス ポインタを文字の上に置いたときに表示する説明を指定します。toolTip 属性になります。標準のテキスト要素だけに書き込まれます。省略できます。"},
            {L"OnClick ハンドラ", L"文字をクリックしたときに実行する処理を JScript で指定します。onClick 属性になります。標準のテキスト要素だけに書き込まれます。省略できます。"},
            {L"フォント スムージングを有効にする", L"チェックすると、文字の縁を滑らかにして表示します。fontSmoothing 属性に True を書き込みます。どの種類の要素でも使えます。省略できます。"},
            {L"文字列を折り返す", L"チェックすると、幅に収まらない文字列を折り返して、複数の行に表示します。wordWrap 属性に True を書き込みます。どの種類の要素でも使えます。省略できます。"},
            {L"タブの数", kTabCountHelp},
        });
}

std::wstring EffectsHelpText()
{
    return BuildHelpText(
        L"視覚エフェクト要素を挿入します。視覚エフェクトは、再生中の音楽に合わせて動く模様を表示する領域です。",
        {
            {L"タグの種類", L"挿入する要素を選びます。「Effects タグを使う」を選ぶと effects 要素に、「WMPEffects タグを使う」を選ぶと WMPEffects 要素になります。ふだんは WMPEffects 要素をお勧めします。"},
            {L"識別 ID", kIdHelp},
            {L"座標・サイズ (X/Y 座標は必須)", kCoordinatesHelp},
            {L"サイズ変更基準", kAlignmentHelp},
            {L"OnClick ハンドラ", L"視覚エフェクトをクリックしたときに実行する処理を JScript で指定します。onClick 属性になります。省略できます。"},
            {L"視覚エフェクト全体を表示する", L"チェックすると、視覚エフェクトを独自のウィンドウに描き、その全体を表示します。windowed 属性に True を書き込みます。省略できます。"},
            {L"タブの数", kTabCountHelp},
        },
        L"参考 : WMPEffects 要素は、Windows Media Player があらかじめ用意している定義済みの要素です。effects 要素に、フル モードで選んでいる視覚エフェクトとそのプリセットに連動する設定を組み込んだものです。\r\n"
        L"\r\n"
        L"注意 : effects 要素を選ぶと、フル モードとスキン モードで同じ視覚エフェクトが表示されるように、currentEffectType、currentEffectType_onChange、currentPreset、currentPreset_onChange の 4 つの属性も書き込みます。\r\n");
}

std::wstring VideoHelpText()
{
    return BuildHelpText(
        L"ビデオ要素を挿入します。ビデオ要素は、再生中のビデオを表示する領域です。",
        {
            {L"タグの種類", L"挿入する要素を選びます。「Video タグを使う」を選ぶと video 要素に、「WMPVideo タグを使う」を選ぶと WMPVideo 要素になります。ふだんは WMPVideo 要素をお勧めします。"},
            {L"識別 ID", kIdHelp},
            {L"座標・サイズ (X/Y 座標は必須)", kCoordinatesHelp},
            {L"サイズ変更基準", kAlignmentHelp},
            {L"ビデオ ウィンドウの切り取りを可能にする", L"チェックすると、ビデオを専用のウィンドウを使わずに描き、ほかの要素と重ねたり、ビューの形に合わせて切り取ったりできるようにします。windowless 属性に True を書き込みます。省略できます。"},
            {L"タブの数", kTabCountHelp},
        },
        L"参考 : WMPVideo 要素は、Windows Media Player があらかじめ用意している定義済みの要素です。video 要素に、フル モードのズームと拡大縮小の設定に連動する設定を組み込んだものです。\r\n"
        L"\r\n"
        L"注意 : video 要素を選ぶと、フル モードとスキン モードでビデオのズームと拡大縮小が同じになるように、stretchToFit と zoom の 2 つの属性も書き込みます。\r\n");
}

std::wstring PlaylistHelpText()
{
    return BuildHelpText(
        L"プレイリスト要素を挿入します。プレイリスト要素は、再生するメディアの一覧を表示し、そこから選んで再生できるようにする要素です。",
        {
            {L"プレイリストの種類", L"挿入する要素を選びます。標準は playlist 要素になります。定義済みを選ぶと、一覧で選んだ要素になります。ドロップダウン プレイリストは DropDownPlaylist 要素で、プレイリストを選ぶコンボ ボックスだけを表示し、高、表示項目、表示色、オプションは書き込みません。アイテム プレイリストは ItemsPlaylist 要素で、リスト領域だけを表示し、コンボ ボックスとリスト領域を非表示にするオプションは書き込みません。"},
            {L"識別 ID", kIdHelp},
            {L"座標・サイズ (X/Y 座標は必須)", L"要素を置く位置 (横・縦) と大きさ (幅・高) をピクセル単位で指定します。それぞれ left、top、width、height 属性になります。入力できるのは数字だけです。横と縦は必須項目で、幅と高は省略できます。ドロップダウン プレイリストでは高は書き込みません。"},
            {L"表示項目 (カラム名=見出し文字列 の形式で指定)",
             L"リスト領域に並べる列を指定します。columns 属性になります。列ごとにカラム名と見出しの文字列を = でつなぎ、セミコロン (;) で区切って並べます。たとえば、曲名と長さを表示するには次のように指定します。\r\n"
             L"\r\n"
             L"\tName=名前;Duration=長さ\r\n"
             L"\r\n"
             L"　使えるカラム名には次のものがあります。\r\n"
             L"\r\n"
             L"\tAlbum : アルバム名\r\n"
             L"\tArtist : アーティスト名\r\n"
             L"\tAuthor : 作成者名\r\n"
             L"\tDuration : クリップの長さ (例えば音楽なら演奏時間)\r\n"
             L"\tName : クリップ名 (曲名など)\r\n"
             L"\r\n"
             L"　columns 属性は空でも書き込みます。ドロップダウン プレイリストでは書き込みません。"},
            {L"表示色", L"プレイリストの色を #RRGGBB の形式で指定します。背景色は backgroundColor 属性、文字色は foregroundColor 属性、ディセーブル (使用できない項目の文字色) は disabledItemColor 属性、再生背景色 (再生中の項目の背景色) は itemPlayingBackgroundColor 属性、再生文字色 (再生中の項目の文字色) は itemPlayingColor 属性になります。\"...\" ボタンで色を選ぶこともできます。5 つの属性は空でも書き込みます。ドロップダウン プレイリストでは書き込みません。"},
            {L"コンボボックスを非表示にする", L"チェックすると、プレイリストを選ぶコンボ ボックスを表示しません。dropDownVisible 属性に False を書き込みます。標準のプレイリストだけのオプションです。"},
            {L"リスト領域を非表示にする", L"チェックすると、項目の一覧を表示しません。playlistItemsVisible 属性に False を書き込みます。標準のプレイリストだけのオプションです。"},
            {L"カラムを非表示にする", L"チェックすると、列の見出しを表示しません。columnsVisible 属性に False を書き込みます。標準のプレイリストとアイテム プレイリストで使えます。"},
            {L"並べ替えを不可能にする", L"チェックすると、列の見出しをクリックして項目を並べ替えることができなくなります。allowColumnSorting 属性に False を書き込みます。標準のプレイリストとアイテム プレイリストで使えます。"},
            {L"直接編集を不可能にする", L"チェックすると、一覧の項目をその場で書き換えることができなくなります。allowItemEditing 属性に False を書き込みます。標準のプレイリストとアイテム プレイリストで使えます。"},
            {L"タブの数", L"タグの前に入れるタブ文字の数を 0 ～ 100 の範囲で指定します。数字以外の文字が入っていると 0 として扱います。"},
        });
}
