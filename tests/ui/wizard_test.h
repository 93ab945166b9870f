// The fixture of the wizard UI tests: the editor, its document, and the wizards' OK, refusal and help.
#pragma once
#include "kit.h"
#include "editor/resource.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

class WizardUiTest : public kit::UiTest {
protected:
    static constexpr wchar_t kNewTitle[] = L"Quillmere - 新規ファイル";
    static constexpr wchar_t kConfirm[] = L"挿入確認";
    static constexpr wchar_t kRefused[] = L"挿入失敗";
    static constexpr wchar_t kHelpCaption[] = L"ヘルプ";
    static constexpr wchar_t kTooDeep[] = L"タブの数が深すぎます。\nタブの数は 0 ～ 100 の間で指定してください。";
    enum { kEdit = IDC_MAIN_EDIT, kHelp = IDC_WIZARD_HELP, kHelpText = IDC_WIZARD_HELP_TEXT };

    void Start()
    {
        app_.emplace(L"Quillpad.exe");
        main_ = app_->WaitWindow(L"Quillpad", kNewTitle);
    }
    kit::Window Edit() const { return main_.Item(kEdit); }
    bool Modified() const { return Edit().Send(EM_GETMODIFY) != 0; }
    std::pair<DWORD, DWORD> Selection() const
    {
        DWORD start = 0, end = 0;
        Edit().Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    // Without an end the selection is a caret at start.
    void SetDocument(const std::wstring& text, DWORD start, std::optional<DWORD> end = std::nullopt) const
    {
        Edit().SetText(text);
        Edit().Send(EM_SETSEL, start, end.value_or(start));
        Edit().Send(EM_SETMODIFY, FALSE);
    }
    // Nothing inserted, nothing marked: the document as SetDocument left it.
    void ExpectUntouched(const std::wstring& text) const
    {
        EXPECT_EQ(text, Edit().Text());
        EXPECT_FALSE(Modified());
    }

    kit::Dialog OpenWizard(int command, const wchar_t* title) const
    {
        main_.PostCommand(command);
        return app_->WaitDialog(title);
    }
    kit::Dialog PressOk(const kit::Dialog& wizard, const wchar_t* caption = kConfirm) const
    {
        wizard.Item(IDOK).Click();
        return app_->WaitDialog(caption);
    }
    void ExpectQuestion(const kit::Dialog& box, const std::wstring& text) const
    {
        EXPECT_EQ(text, box.Message());
        EXPECT_EQ(kit::Icon::Question, box.IconKind()) << kit::IconName(box.IconKind());
        EXPECT_EQ((std::vector<int>{IDYES, IDNO}), box.Buttons());
    }
    // OK, then Yes to the confirmation titled caption; its text is checked when a question is given.
    void Accept(const kit::Dialog& wizard, const wchar_t* question = nullptr,
                const wchar_t* caption = kConfirm) const
    {
        kit::Dialog box = PressOk(wizard, caption);
        if (question) {
            EXPECT_EQ(question, box.Message());
        }
        box.Answer(IDYES);
    }
    // Accept, then the wizard closes.
    void AcceptAndWaitGone(const kit::Dialog& wizard, const wchar_t* caption = kConfirm) const
    {
        // Read before OK: afterwards the window may be gone.
        const std::wstring title = wizard.Caption();
        Accept(wizard, nullptr, caption);
        app_->WaitGone(L"#32770", title);
    }
    // Accept, then the refusal, which leaves the wizard open. Its buttons are compared only
    // when given; confirmCaption titles the confirmation.
    void ExpectRefusal(const kit::Dialog& wizard, const std::wstring& text, const wchar_t* question = nullptr,
                       const std::vector<int>& buttons = {}, kit::Icon icon = kit::Icon::Error,
                       const wchar_t* caption = kRefused, const wchar_t* confirmCaption = kConfirm) const
    {
        Accept(wizard, question, confirmCaption);
        kit::Dialog box = app_->WaitDialog(caption);
        EXPECT_EQ(text, box.Message());
        EXPECT_EQ(icon, box.IconKind()) << kit::IconName(box.IconKind());
        if (!buttons.empty()) {
            EXPECT_EQ(buttons, box.Buttons());
        }
        box.Answer(IDOK);
        EXPECT_TRUE(wizard.Exists());
    }

    // Inserted in front of the selection that started at start in the document before;
    // caret behind, document modified.
    void ExpectInsertedAt(const std::wstring& before, DWORD start, const std::wstring& inserted) const
    {
        EXPECT_SOON_EQ(before.substr(0, start) + inserted + before.substr(start), Edit().Text());
        DWORD caret = static_cast<DWORD>(start + inserted.size());
        EXPECT_SOON_EQ(std::make_pair(caret, caret), Selection());
        EXPECT_SOON_TRUE(Modified());
    }
    void ExpectInserted(const wchar_t* title, const std::wstring& document) const
    {
        app_->WaitGone(L"#32770", title);
        EXPECT_SOON_EQ(document, Edit().Text());
    }
    // The wizard has gone and text stands at the caret, between before and after.
    void ExpectInserted(const wchar_t* title, const std::wstring& before, const std::wstring& text,
                        const std::wstring& after) const
    {
        app_->WaitGone(L"#32770", title);
        ExpectInsertedAt(before + after, static_cast<DWORD>(before.size()), text);
    }

    void ExpectLimit(const kit::Dialog& wizard, int id, int limit) const
    {
        EXPECT_EQ(limit, wizard.Item(id).Send(EM_GETLIMITTEXT)) << "field " << id;
    }
    void ExpectLimits(const kit::Dialog& wizard, const std::vector<std::pair<int, int>>& limits) const
    {
        for (const auto& field : limits) ExpectLimit(wizard, field.first, field.second);
    }
    void ExpectDigitsOnly(const kit::Dialog& wizard, int id) const
    {
        EXPECT_TRUE((GetWindowLongW(wizard.Item(id).hwnd(), GWL_STYLE) & ES_NUMBER) != 0) << "field " << id;
    }
    void ExpectEnabled(const kit::Dialog& wizard, const std::vector<int>& ids, bool enabled) const
    {
        for (int id : ids) EXPECT_SOON_EQ(enabled, wizard.Item(id).Enabled()) << "control " << id;
    }
    HWND Focus(const kit::Dialog& wizard) const
    {
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(GetWindowThreadProcessId(wizard.hwnd(), nullptr), &info);
        return info.hwndFocus;
    }

    kit::Dialog OpenHelp(const kit::Dialog& wizard) const
    {
        wizard.Item(kHelp).Click();
        return app_->WaitDialog(kHelpCaption);
    }
    // The wizard's help, read and closed again; photographed while open when a name is given.
    std::wstring HelpText(const kit::Dialog& wizard, const wchar_t* screenshot = nullptr) const
    {
        kit::Dialog help = OpenHelp(wizard);
        if (screenshot) kit::Screenshot(screenshot, help.hwnd());
        std::wstring text = help.Item(kHelpText).Text();
        help.Answer(IDOK);
        return text;
    }
    // A wizard just opened may not be shown yet.
    void Shot(const wchar_t* name, const kit::Dialog& wizard) const
    {
        kit::WaitUntil([&] { return IsWindowVisible(wizard.hwnd()) != FALSE; });
        kit::Screenshot(name, wizard.hwnd());
    }

    std::optional<kit::App> app_;
    kit::Window main_;
};
