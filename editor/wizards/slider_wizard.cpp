// The slider wizard: a modeless dialog with three sub-dialogs that keep their values while
// hidden, so the user can go back and forth between them before OK.
#include "resource.h"
#include "slider_wizard_text.h"
#include "wizard_dialog.h"
#include "wizards.h"

namespace {

const wchar_t kQuestion[] = L"入力した情報を使用してスライダー タグを挿入します。\nよろしいですか？";
const wchar_t kNoBounds[] =
    L"座標 (X/Y)、サイズ (Width/Height) に入力不備があります。\n座標およびサイズ項目はすべて入力してください。";
const wchar_t kNoImages[] =
    L"スライダー コントロールで使われる背景イメージとつまみイメージが指定されていません。\n"
    L"上記の背景イメージとつまみイメージ画像データは最低でも必要です。\n\n"
    L"なお、画像ファイルを指定するには [OK] ボタンを押したあと、[イメージ ファイル] ボタンを押してください。";
const wchar_t kNoHandlersCaption[] = L"Quillmere 警告";
const wchar_t kNoHandlers[] =
    L"イベント ハンドラが 1 つも設定されていません。イベント ハンドラの設定は必須ではありませんが、"
    L"定義しないと役割によっては正常に機能せず、あとで手動入力によるコード修正が必要になる場合があります。\n\n"
    L"なお、イベント ハンドラを設定する場合は [いいえ] ボタンを押して一旦処理を中止したあと、"
    L"[イベント ハンドラ] ボタンを押すことで定義することができます。\n\n"
    L"続行してもよろしいですか？";

HWND g_hwndSliderDialog = nullptr;
// The sub-dialogs live as long as the wizard; their controls hold what the user typed.
HWND g_hwndSliderImages = nullptr;
HWND g_hwndSliderHandlers = nullptr;
HWND g_hwndSliderOptions = nullptr;

int ColorField(int index) { return IDC_SLIDER_COLOR_FIRST + 2 * index; }
int ImageField(int index) { return IDC_SLIDER_IMAGE_FIRST + 2 * index; }

SliderFields ReadFields(HWND dialog)
{
    SliderFields fields;
    fields.kind = IsChecked(dialog, IDC_SLIDER_PREDEFINED) ? SliderKindPredefined : SliderKindStandard;
    fields.predefined = ListSelection(dialog, IDC_SLIDER_KIND);
    fields.id = FieldText(dialog, IDC_SLIDER_ID);
    fields.left = FieldText(dialog, IDC_SLIDER_LEFT);
    fields.top = FieldText(dialog, IDC_SLIDER_TOP);
    fields.width = FieldText(dialog, IDC_SLIDER_WIDTH);
    fields.height = FieldText(dialog, IDC_SLIDER_HEIGHT);
    fields.borderSize = FieldText(dialog, IDC_SLIDER_BORDER);
    for (int i = 0; i < kSliderColorCount; ++i) fields.colors[i] = FieldText(dialog, ColorField(i));
    fields.min = FieldText(dialog, IDC_SLIDER_MIN);
    fields.max = FieldText(dialog, IDC_SLIDER_MAX);
    fields.value = FieldText(dialog, IDC_SLIDER_VALUE);
    fields.toolTip = FieldText(dialog, IDC_SLIDER_TOOLTIP);
    for (int i = 0; i < kSliderImageCount; ++i) fields.images[i] = FieldText(g_hwndSliderImages, ImageField(i));
    for (int i = 0; i < kSliderHandlerCount; ++i)
        fields.handlers[i] = FieldText(g_hwndSliderHandlers, IDC_SLIDER_HANDLER_FIRST + i);
    fields.vertical = IsChecked(g_hwndSliderOptions, IDC_SLIDER_VERTICAL);
    fields.tiled = IsChecked(g_hwndSliderOptions, IDC_SLIDER_TILED);
    fields.progress = IsChecked(g_hwndSliderOptions, IDC_SLIDER_PROGRESS);
    return fields;
}

// Closing keeps the values: the sub-dialog is only hidden until the wizard ends.
void CloseSubDialog(HWND sub)
{
    // The owner first, so that it is the window activated when this one hides.
    EnableWindow(GetWindow(sub, GW_OWNER), TRUE);
    ShowWindow(sub, SW_HIDE);
}

void OpenSubDialog(HWND dialog, HWND sub)
{
    EnableWindow(dialog, FALSE);
    ShowWindow(sub, SW_SHOW);
}

void ApplyKindRule(HWND dialog)
{
    const bool standard = IsChecked(dialog, IDC_SLIDER_STANDARD);
    EnableControls(dialog, {IDC_SLIDER_KIND}, !standard);
    EnableControls(dialog,
                   {IDC_SLIDER_MIN_LABEL, IDC_SLIDER_MAX_LABEL, IDC_SLIDER_VALUE_LABEL, IDC_SLIDER_TOOLTIP_LABEL,
                    IDC_SLIDER_MIN, IDC_SLIDER_MAX, IDC_SLIDER_VALUE, IDC_SLIDER_TOOLTIP, IDC_SLIDER_HANDLERS_BUTTON},
                   standard);
    EnableControls(g_hwndSliderOptions, {IDC_SLIDER_PROGRESS}, standard);
}

// Ends the wizard, inserted or not; the next opening starts from the defaults again.
void EndSliderWizard(HWND dialog)
{
    for (HWND* sub : {&g_hwndSliderImages, &g_hwndSliderHandlers, &g_hwndSliderOptions}) {
        DestroyWindow(*sub);
        *sub = nullptr;
    }
    EnableWindow(GetWindow(dialog, GW_OWNER), TRUE);
    ShowWindow(dialog, SW_HIDE);
    DestroyWindow(dialog);
    g_hwndSliderDialog = nullptr;
}

void OnOk(HWND dialog)
{
    if (!ConfirmInsertion(dialog, kQuestion)) return;
    SliderFields fields = ReadFields(dialog);
    if (!SliderBoundsComplete(fields)) {
        RefuseInsertion(dialog, kNoBounds);
        return;
    }
    if (!SliderImagesComplete(fields)) {
        RefuseInsertion(dialog, kNoImages);
        return;
    }
    if (!ReadTabCount(dialog, &fields.tabCount)) return;
    if (SliderNeedsHandlerWarning(fields) &&
        MessageBoxW(dialog, kNoHandlers, kNoHandlersCaption, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) != IDYES)
        return;
    if (PutWizardText(dialog, BuildSliderText(fields))) EndSliderWizard(dialog);
}

void OnCommand(HWND dialog, int id)
{
    switch (id) {
    case IDC_SLIDER_STANDARD:
    case IDC_SLIDER_PREDEFINED:      ApplyKindRule(dialog); break;
    case IDC_SLIDER_IMAGES_BUTTON:   OpenSubDialog(dialog, g_hwndSliderImages); break;
    case IDC_SLIDER_HANDLERS_BUTTON: OpenSubDialog(dialog, g_hwndSliderHandlers); break;
    case IDC_SLIDER_OPTIONS_BUTTON:  OpenSubDialog(dialog, g_hwndSliderOptions); break;
    }
}

// Fields from firstId on, step ids apart, with the same limit.
std::vector<WizardFieldLimit> LimitsOf(int firstId, int step, int count, int limit)
{
    std::vector<WizardFieldLimit> limits;
    for (int i = 0; i < count; ++i) limits.push_back({firstId + step * i, limit});
    return limits;
}

// Fields from firstId on, each followed by its "..." button.
std::vector<WizardPicker> PickersOf(int firstId, int count, PickerKind kind)
{
    std::vector<WizardPicker> pickers;
    for (int i = 0; i < count; ++i) pickers.push_back({firstId + 2 * i + 1, firstId + 2 * i, kind});
    return pickers;
}

const WizardDialog kImagesDialog = {
    IDD_SLIDER_IMAGES, 0, LimitsOf(IDC_SLIDER_IMAGE_FIRST, 2, kSliderImageCount, 256),
    PickersOf(IDC_SLIDER_IMAGE_FIRST, kSliderImageCount, PickerImage), nullptr, nullptr,
    CloseSubDialog, SliderImagesHelpText, CloseSubDialog,
};
const WizardDialog kHandlersDialog = {
    IDD_SLIDER_HANDLERS, 0, LimitsOf(IDC_SLIDER_HANDLER_FIRST, 1, kSliderHandlerCount, 256), {}, nullptr, nullptr,
    CloseSubDialog, SliderHandlersHelpText, CloseSubDialog,
};
const WizardDialog kOptionsDialog = {
    IDD_SLIDER_OPTIONS, 0, {}, {}, nullptr, nullptr,
    CloseSubDialog, SliderOptionsHelpText, CloseSubDialog,
};

void Initialize(HWND dialog)
{
    SetDlgItemTextW(dialog, IDC_WIZARD_TABS, L"2");
    CheckDlgButton(dialog, IDC_SLIDER_STANDARD, BST_CHECKED);
    FillPredefinedList(dialog, IDC_SLIDER_KIND, kPredefinedSliders, kPredefinedSliderCount);
    const EditorWindow& window = WizardEditorWindow(dialog);
    g_hwndSliderImages = CreateWizardWindow(window, dialog, kImagesDialog);
    g_hwndSliderHandlers = CreateWizardWindow(window, dialog, kHandlersDialog);
    g_hwndSliderOptions = CreateWizardWindow(window, dialog, kOptionsDialog);
    ApplyKindRule(dialog);
}

std::vector<WizardFieldLimit> MainLimits()
{
    std::vector<WizardFieldLimit> limits = {
        {IDC_SLIDER_ID, 64},    {IDC_SLIDER_LEFT, 3},   {IDC_SLIDER_TOP, 3},       {IDC_SLIDER_WIDTH, 3},
        {IDC_SLIDER_HEIGHT, 3}, {IDC_SLIDER_BORDER, 2}, {IDC_SLIDER_MIN, 256},     {IDC_SLIDER_MAX, 256},
        {IDC_SLIDER_VALUE, 256}, {IDC_SLIDER_TOOLTIP, 1024}, {IDC_WIZARD_TABS, 3},
    };
    for (const WizardFieldLimit& color : LimitsOf(IDC_SLIDER_COLOR_FIRST, 2, kSliderColorCount, 8))
        limits.push_back(color);
    return limits;
}

const WizardDialog kSliderWizard = {
    IDD_SLIDER, IDI_SLIDER, MainLimits(), PickersOf(IDC_SLIDER_COLOR_FIRST, kSliderColorCount, PickerColor),
    Initialize, OnCommand,
    OnOk, SliderHelpText, EndSliderWizard,
};

}  // namespace

void ShowSliderWizard(const EditorWindow& window)
{
    if (g_hwndSliderDialog) return;   // one at a time; the disabled owner keeps a second away
    EnableWindow(window.main, FALSE);
    g_hwndSliderDialog = CreateWizardWindow(window, window.main, kSliderWizard);
    if (!g_hwndSliderDialog) {
        EnableWindow(window.main, TRUE);
        return;
    }
    ShowWindow(g_hwndSliderDialog, SW_SHOW);
}
