// The reader of skin scripts and the check of a skin's scripts with its definition.
#include "file_paths.h"
#include "package_check.h"
#include "skin_check.h"
#include "skin_script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

// Tokens as "kind:text", kinds N name, U number, S string, R regular expression, P punctuator;
// a fault as "!string@offset" or "!comment@offset".
std::wstring Spelled(const std::wstring& text)
{
    const ScriptTokens read = TokenizeScript(text, 0, text.size());
    std::wstring spelled;
    for (const ScriptToken& token : read.tokens)
        spelled += std::wstring(spelled.empty() ? L"" : L" ") + L"NUSRP"[token.kind] + L":" +
                   text.substr(token.offset, token.length);
    for (const ScriptFault& fault : read.faults)
        spelled += (fault.kind == ScriptUnclosedString ? L" !string@" : L" !comment@") + std::to_wstring(fault.offset);
    return spelled;
}

const std::wstring kSkins = std::wstring(_wgetenv(L"QLM_TEST_DATA")) + L"\\skins\\";

// The skin's folder, with some files' bytes replaced.
class EditedFolder : public SkinFolderSource {
public:
    explicit EditedFolder(const std::wstring& folder) : SkinFolderSource(folder) {}
    bool Read(const std::wstring& name, uint64_t most, std::string* bytes) override
    {
        for (const auto& edit : edits)
            if (SameName(edit.first, name)) return *bytes = edit.second, true;
        return SkinFolderSource::Read(name, most, bytes);
    }
    std::map<std::wstring, std::string> edits;
};

std::string Bytes(const std::wstring& path)
{
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, &bytes));
    return bytes;
}

// The first occurrence of from replaced; the bytes must hold it.
std::string Replaced(std::string bytes, const std::string& from, const std::string& to)
{
    const size_t at = bytes.find(from);
    EXPECT_NE(std::string::npos, at) << from;
    return at == std::string::npos ? bytes : bytes.replace(at, from.size(), to);
}

std::string Utf16(const std::string& ascii)
{
    std::string wide;
    for (char c : ascii) wide += std::string(1, c) + '\0';
    return wide;
}

std::wstring Listed(const std::vector<SkinFinding>& findings)
{
    std::wstring listed;
    for (const SkinFinding& finding : findings)
        if (finding.kind != SkinNote)
            listed += (finding.file.empty() ? L"" : finding.file + L" ") + std::to_wstring(finding.line) + L":" +
                      std::to_wstring(finding.column) + L" " + finding.message + L"\n";
    return listed;
}

}  // namespace

TEST(SkinScript, TokensTellPatternsFromDivisionAndSkipComments)
{
    const struct {
        std::wstring text, tokens;
    } cases[] = {
        {L"a / b /c", L"N:a P:/ N:b P:/ N:c"},
        {L"x = /ab+c/gi.test(y)", L"N:x P:= R:/ab+c/gi P:. N:test P:( N:y P:)"},
        {L"return /[/]\\//;", L"N:return R:/[/]\\// P:;"},
        {L"(a) / 2 + a[1] / 2 + i++ / 2", L"P:( N:a P:) P:/ U:2 P:+ N:a P:[ U:1 P:] P:/ U:2 P:+ N:i P:++ P:/ U:2"},
        {L"if (a) /re/.exec(b)", L"N:if P:( N:a P:) R:/re/ P:. N:exec P:( N:b P:)"},
        {L"f(){} /x/; o = {a:1} / 2", L"N:f P:( P:) P:{ P:} R:/x/ P:; N:o P:= P:{ N:a P:: U:1 P:} P:/ U:2"},
        {L"x.return / 2; typeof /y/", L"N:x P:. N:return P:/ U:2 P:; N:typeof R:/y/"},
        {L"a /= 2 >>>= 1.5e3 0x1F .5", L"N:a P:/= U:2 P:>>>= U:1.5e3 U:0x1F U:.5"},
        {L"\"a\\\"b\" + 'c\\'d' + \"e\\\\\" + '//'", L"S:\"a\\\"b\" P:+ S:'c\\'d' P:+ S:\"e\\\\\" P:+ S:'//'"},
        {L"'one\\\r\ntwo' $x _y 表示", L"S:'one\\\r\ntwo' N:$x N:_y N:表示"},
        {L"a // b /* c\r\nd /* e\n */ f", L"N:a N:d N:f"},
        {L"( / x\n)", L"P:( P:/ N:x P:)"},
        {L"s = 'abc\nb", L"N:s P:= S:'abc N:b !string@4"},
        {L"a /* b", L"N:a !comment@2"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.tokens, Spelled(c.text)) << c.text;
}

TEST(SkinScript, DeclaredNamesAndTheNamesUsed)
{
    const std::wstring text =
        L"var a = 1, b = f(2, [3, 4]), c;\n"
        L"function g(x, y) { var z = x.w; function inner(q) { return q.w + z(); } return inner(y); }\n"
        L"h = 5; h2 == 6; o.p = 7;\n"
        L"for (var i in list) k.m();\n"
        L"try { } catch (e) { e.message; }\n"
        L"var cb = function (r) { with (player) { controls.play(); } };\n";
    const ScriptFacts facts = ReadScript(text);
    auto spelled = [&](const std::vector<int>& names) {
        std::wstring list;
        for (int name : names) list += (name < 0 ? L"?" : facts.names[name]) + L" ";
        return list;
    };
    EXPECT_EQ(L"a b c g i cb ", spelled(facts.declared));
    EXPECT_EQ(L"h ", spelled(facts.assigned));
    std::vector<int> functions;
    for (const ScriptFunction& function : facts.functions) functions.push_back(function.name);
    EXPECT_EQ(L"g inner ? ", spelled(functions));
    EXPECT_EQ(L"x y q r ", spelled(facts.parameters));
    EXPECT_EQ(2u, facts.functions[0].parameterCount);
    std::wstring uses;
    for (const ScriptUse& use : facts.uses)
        uses += facts.names[use.name] + (use.kind == ScriptCall ? L"() " : L". ") +
                (IsDeclaredAround(facts, use.scope, use.name) ? L"local " : L"free ");
    EXPECT_EQ(L"f() free x. local q. local z() local inner() local o. free k. free e. local controls. local ", uses);
}

TEST(SkinScript, CorrectSkinsGiveNoErrorOrWarning)
{
    for (const wchar_t* skin : {L"classic\\classic.wms", L"lowercase\\nightshift.wms", L"mixed\\aurora.wms",
                                L"scripted\\scripted.wms"}) {
        const std::wstring path = kSkins + skin, folder = ParentFolder(path);
        EXPECT_EQ(L"", Listed(CheckSkinDefinition(DecodeSkinText(Bytes(path)), folder, TitleOfPath(path)))) << skin;
        EXPECT_TRUE(CountSkinErrorsInFolder(folder).empty()) << skin;
    }
}

TEST(SkinScript, EachSeededTypoIsFound)
{
    const std::wstring folder = kSkins + L"scripted";
    const std::string definition = Bytes(folder + L"\\scripted.wms");
    const std::string full = Bytes(folder + L"\\scripts\\full.js.wmx"), common = Bytes(folder + L"\\common.js");
    const std::string mini = Bytes(folder + L"\\mini.js.wmx");
    const struct {
        std::wstring file;   // empty: the definition
        std::string from, to;
        std::wstring found;
    } cases[] = {
        {L"", "startFull();", "startFul();",
         L"6:19 関数 startFul は VIEW のスクリプトにありません。もしかして startFull ですか?\n"},
        {L"", "onclick=\"jscript:b1.image", "onclick=\"jscript:b11.image",
         L"9:21 名前 b11 は VIEW の要素の id にもスクリプトの名前にもありません。もしかして b1 ですか?\n"},
        {L"", "togglePlay(b1)\"", "TogglePlay(b1)\"",
         L"20:70 関数 TogglePlay は VIEW のスクリプトにありません。もしかして togglePlay ですか?\n"},
        {L"", ";common.js", ";comon.js",
         L"5:64 ファイル \"comon.js\" がスキンのフォルダにありません。\n"},
        {L"scripts\\full.js.wmx", Utf16("percent("), Utf16("percnt("),
         L"scripts\\full.js.wmx 23:13 関数 percnt は VIEW のスクリプトにありません。もしかして percent ですか?\n"},
        {L"mini.js.wmx", "title.value", "titel.value",
         L"mini.js.wmx 4:5 名前 titel は VIEW の要素の id にもスクリプトの名前にもありません。もしかして title ですか?\n"},
        {L"mini.js.wmx", "b1.image", "seek.image",
         L"mini.js.wmx 5:5 名前 seek は VIEW の要素の id にもスクリプトの名前にもありません。\n"},
        {L"common.js", "'play.bmp';", "'play.bmp;",
         L"common.js 9:24 文字列が閉じられていないため、スクリプトを最後まで読めません。\n"},
        {L"common.js", "// a division", "/* a division",
         L"common.js 25:59 コメントが閉じられていないため、スクリプトを最後まで読めません。\n"},
    };
    for (const auto& c : cases) {
        EditedFolder scripts(folder);
        std::string text = definition;
        if (c.file.empty()) text = Replaced(text, c.from, c.to);
        else scripts.edits[c.file] = Replaced(c.file == L"common.js" ? common : c.file == L"mini.js.wmx" ? mini : full,
                                              c.from, c.to);
        SkinCheckSetup setup;
        setup.folder = folder;
        setup.scripts = &scripts;
        EXPECT_EQ(c.found, Listed(CheckSkinDefinition(DecodeSkinText(text), setup))) << c.found;
    }
}

TEST(SkinScript, TheNamesakeScriptServesEveryView)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"qlm-namesake";
    CreateDirectoryW(folder.c_str(), nullptr);
    HANDLE file = CreateFileW((folder + L"\\Blue.js").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    WriteAll(file, "function go() { }", 17);
    CloseHandle(file);
    const std::wstring text = L"<THEME><VIEW onload=\"go()\"/><VIEW><BUTTON onclick=\"went()\"/></VIEW></THEME>";
    EXPECT_EQ(L"1:52 関数 went は VIEW のスクリプトにありません。\n", Listed(CheckSkinDefinition(text, folder, L"blue.wms")));
    EXPECT_EQ(L"1:22 関数 go は VIEW のスクリプトにありません。\n1:52 関数 went は VIEW のスクリプトにありません。\n",
              Listed(CheckSkinDefinition(text, folder, L"red.wms")));
    DeleteFileW((folder + L"\\Blue.js").c_str());
    RemoveDirectoryW(folder.c_str());
}

// Whatever a script holds, reading it stays in its bounds and in order.
TEST(SkinScript, GarbledAndDeeplyNestedScriptsAreSafe)
{
    const wchar_t pieces[] = L"/*'\"\\[](){}.=;,\n ab1";
    std::wstring garbage;
    unsigned seed = 11;
    for (int i = 0; i < 20000; ++i) garbage += pieces[(seed = seed * 1103515245 + 12345) >> 16 & 15];
    std::wstring nested;
    for (int i = 0; i < 5000; ++i) nested += L"function f" + std::to_wstring(i) + L"(p) { x.y; (";
    std::wstring classes;   // each '/' a pattern whose class never closes on the line
    for (int i = 0; i < 100000; ++i) classes += L"(/[";
    for (const std::wstring& text : {garbage, nested, classes, std::wstring(100000, L'{'), std::wstring(100000, L'/')}) {
        const ScriptTokens read = TokenizeScript(text, 0, text.size());
        for (size_t i = 1; i < read.tokens.size(); ++i)
            ASSERT_LE(read.tokens[i - 1].offset + read.tokens[i - 1].length, read.tokens[i].offset);
        ASSERT_TRUE(read.tokens.empty() || read.tokens.back().offset + read.tokens.back().length <= text.size());
        const ScriptFacts facts = ReadScript(text);
        ASSERT_LE(facts.scopes.size(), 65u);
        for (const ScriptUse& use : facts.uses) IsDeclaredAround(facts, use.scope, use.name);
    }
}
