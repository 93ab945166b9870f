// The file associations as data: what is written and deleted, in order, and who may do it.
#include "associations_table.h"

#include "program_folder.h"

namespace {

const unsigned long kPlatformNt = 2;   // VER_PLATFORM_WIN32_NT

std::wstring OpenCommand(const std::wstring& program)
{
    return L"\"" + program + L"\" \"%1\"";
}

}  // namespace

std::vector<AssociationValue> AssociationValues(const std::wstring& editorPath)
{
    const std::wstring explorer = FolderOfProgram(editorPath) + L"Fennick.exe";
    const std::wstring editorCommand = OpenCommand(editorPath);
    const wchar_t open[] = L"開く(&O)";
    const wchar_t edit[] = L"Quillmere で編集(&W)";
    return {
        {L".qlmc", L"", L"QLMCFile"},
        {L"QLMCFile", L"", L"Ferncastle スキン セットアップ ファイル"},
        {L"QLMCFile\\DefaultIcon", L"", explorer + L",1"},
        {L"QLMCFile\\Shell", L"", L"Open"},
        {L"QLMCFile\\Shell\\Open", L"", open},
        {L"QLMCFile\\Shell\\Open\\Command", L"", OpenCommand(explorer)},
        {L".qlmt", L"", L"QLMTFile"},
        {L"QLMTFile", L"", L"Quillmere 雛形ファイル"},
        {L"QLMTFile\\DefaultIcon", L"", editorPath + L",1"},
        {L"QLMTFile\\Shell", L"", L"Open"},
        {L"QLMTFile\\Shell\\Open", L"", open},
        {L"QLMTFile\\Shell\\Open\\Command", L"", editorCommand},
        {L"WMSFile\\Shell", L"", L"Open"},
        {L"WMSFile\\Shell\\QLM3Edit", L"", edit},
        {L"WMSFile\\Shell\\QLM3Edit\\Command", L"", editorCommand},
        {L"WMP11.AssocFile.WMS\\Shell", L"", L"Open"},
        {L"WMP11.AssocFile.WMS\\Shell\\QLM3Edit", L"", edit},
        {L"WMP11.AssocFile.WMS\\Shell\\QLM3Edit\\Command", L"", editorCommand},
        {L".wms\\ShellNew", L"NullFile", L""},
        {L"JSFile\\Shell", L"", L"Open"},
        {L"JSFile\\Shell\\QLM3Edit", L"", edit},
        {L"JSFile\\Shell\\QLM3Edit\\Command", L"", editorCommand},
        {L".js\\ShellNew", L"NullFile", L""},
    };
}

const AssociationRemoval kAssociationRemovals[16] = {
    {L"QLMCFile\\Shell\\Open", {L"Command", nullptr}},
    {L"QLMCFile\\Shell", {L"Open", nullptr}},
    {L"QLMCFile", {L"Shell", L"DefaultIcon"}},
    {L"", {L".qlmc", L"QLMCFile"}},
    {L"QLMTFile\\Shell\\Open", {L"Command", nullptr}},
    {L"QLMTFile\\Shell", {L"Open", nullptr}},
    {L"QLMTFile", {L"Shell", L"DefaultIcon"}},
    {L"", {L".qlmt", L"QLMTFile"}},
    {L"WMSFile\\Shell\\QLM3Edit", {L"Command", nullptr}},
    {L"WMSFile\\Shell", {L"QLM3Edit", nullptr}},
    {L"WMP11.AssocFile.WMS\\Shell\\QLM3Edit", {L"Command", nullptr}},
    {L"WMP11.AssocFile.WMS\\Shell", {L"QLM3Edit", nullptr}},
    {L".wms", {L"ShellNew", nullptr}},
    {L"JSFile\\Shell\\QLM3Edit", {L"Command", nullptr}},
    {L"JSFile\\Shell", {L"QLM3Edit", nullptr}},
    {L".js", {L"ShellNew", nullptr}},
};

AssociationsWindow ChooseAssociationsWindow(unsigned long platformId, unsigned long majorVersion,
                                            AdminAnswer isUserAnAdmin)
{
    bool vistaOrLater = platformId == kPlatformNt && majorVersion > 5;
    return vistaOrLater && isUserAnAdmin == AdminAnswerNo ? AssociationsWindowNotice : AssociationsWindowDialog;
}

bool AssociationButtonsEnabled(unsigned long platformId, AdminAnswer isUserAnAdmin)
{
    return !(platformId == kPlatformNt && isUserAnAdmin == AdminAnswerNo);
}
