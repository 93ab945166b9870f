// Texts of the initial input, comment, theme and view wizards; no window headers.
#pragma once
#include <cstddef>
#include <string>

struct InitialSkinFields {
    std::wstring title;
    std::wstring author;
    std::wstring copyright;
    std::wstring backgroundImage;
    std::wstring clippingColor;   // only its first kClippingColorLength characters are used
    bool showTitleBar = false;
};

// Room for #RRGGBB.
const std::size_t kClippingColorLength = 7;

// Radio indexes of the comment wizard's two groups.
enum CommentData { CommentDataSkin = 0, CommentDataScript = 1 };
enum CommentForm { CommentSingleLine = 0, CommentMultiLine = 1 };

struct CommentFields {
    int data = CommentDataSkin;
    int form = CommentSingleLine;
    std::wstring singleLine;
    std::wstring multiLine;   // CR LF as typed
};

struct ThemeFields {
    std::wstring id;
    std::wstring title;
    std::wstring author;
    std::wstring copyright;
    std::wstring authorVersion;
    std::wstring currentViewId;
    std::wstring version;
};

struct ViewFields {
    std::wstring id;
    std::wstring title;
    std::wstring backgroundImage;
    std::wstring clippingColor;
    std::wstring scriptFile;
    bool showTitleBar = false;
    bool tileBackground = false;
};

std::wstring BuildInitialSkinText(const InitialSkinFields& fields);
std::wstring BuildInitialScriptText();
// The content of the form that is selected; the other field is ignored.
const std::wstring& CommentContent(const CommentFields& fields);
std::wstring BuildCommentText(const CommentFields& fields);
std::wstring BuildThemeText(const ThemeFields& fields);
std::wstring BuildViewText(const ViewFields& fields);

std::wstring InitialInputHelpText();
std::wstring CommentHelpText();
std::wstring ThemeHelpText();
std::wstring ViewHelpText();
