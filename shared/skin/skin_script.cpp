// Reads the JScript of skins without running it: its tokens, the names it declares, the names it uses.
#include "skin_script.h"

#include <algorithm>
#include <cwchar>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace {

// Functions nested deeper than this declare into the scope around them: a chain this long
// is never written by hand, and a longer one would make every lookup walk it.
const size_t kDeepestFunctions = 64;

bool IsLineEnd(wchar_t c) { return c == L'\n' || c == L'\r' || c == 0x2028 || c == 0x2029; }
bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\v' || c == L'\f' || c == 0xA0 || c == 0xFEFF || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000;
}
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsHexDigit(wchar_t c) { return IsDigit(c) || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }
// Letters beyond ASCII are taken whole: the engine accepts them in names, and nothing else uses them.
bool IsNameStart(wchar_t c)
{
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'_' || c == L'$' ||
           (c >= 0x80 && !IsBlank(c) && !IsLineEnd(c));
}
bool IsNamePart(wchar_t c) { return IsNameStart(c) || IsDigit(c); }

// Longest first, so that the first match is the longest.
const wchar_t* const kPunctuators[] = {L">>>=", L"===", L"!==", L">>>", L"<<=", L">>=", L"==", L"!=", L"<=",
                                       L">=",   L"&&",  L"||",  L"++",  L"--",  L"+=",  L"-=", L"*=", L"/=",
                                       L"%=",   L"&=",  L"|=",  L"^=",  L"<<",  L">>"};

const std::unordered_set<std::wstring_view> kKeywords = {
    L"break", L"case",  L"catch",   L"class",  L"const",  L"continue", L"debugger", L"default", L"delete",
    L"do",    L"else",  L"enum",    L"export", L"extends", L"false",   L"finally",  L"for",     L"function",
    L"if",    L"import", L"in",     L"instanceof", L"new", L"null",    L"return",   L"super",   L"switch",
    L"this",  L"throw", L"true",    L"try",    L"typeof", L"var",      L"void",     L"while",   L"with"};
const std::unordered_set<std::wstring_view> kBeforeCondition = {L"if", L"while", L"for", L"with"};
const std::unordered_set<std::wstring_view> kBeforeBlock = {L"else", L"do", L"try", L"finally"};
// After these an operand follows, so a '/' opens a regular expression.
const std::unordered_set<std::wstring_view> kBeforeOperand = {L"return", L"typeof", L"instanceof", L"in", L"new",
                                                              L"delete", L"void",   L"throw",      L"case", L"do",
                                                              L"else"};

// What an open bracket began, which decides what may follow its close.
enum Nest : char { NestParen, NestConditionParen, NestBracket, NestBlock, NestObject };

class Tokenizer {
public:
    Tokenizer(const std::wstring& text, size_t from, size_t to)
        : text_(text), pos_(std::min(from, text.size())), end_(std::min(to, text.size())),
          vainScans_(4 * (end_ - pos_) + 1024)
    {
    }
    ScriptTokens Run();

private:
    std::wstring_view Text(const ScriptToken& token) const { return {text_.data() + token.offset, token.length}; }
    bool LastIs(const wchar_t* text, size_t back = 1) const;
    bool LastIsKeyword(const std::unordered_set<std::wstring_view>& words) const;
    bool RegexMayStart() const;
    void Add(ScriptTokenKind kind, size_t start) { out_.tokens.push_back({kind, start, pos_ - start}); }
    bool SkipComment();
    void ReadName();
    void ReadNumber();
    void ReadString();
    bool ReadRegex();
    void ReadPunctuator();
    void Open(Nest nest);
    void Close();

    const std::wstring& text_;
    size_t pos_, end_;
    ScriptTokens out_;
    std::vector<Nest> nests_;
    bool closeTakesOperand_ = false;   // the last ')' or '}' ended a condition or a block
    size_t vainScans_;                 // characters patterns may still be looked for in without ending
};

ScriptTokens Tokenizer::Run()
{
    while (pos_ < end_) {
        const wchar_t c = text_[pos_];
        const wchar_t next = pos_ + 1 < end_ ? text_[pos_ + 1] : L'\0';
        if (IsBlank(c) || IsLineEnd(c)) ++pos_;
        else if (c == L'/' && (next == L'/' || next == L'*')) {
            if (!SkipComment()) break;
        } else if (IsNameStart(c)) ReadName();
        else if (IsDigit(c) || (c == L'.' && IsDigit(next))) ReadNumber();
        else if (c == L'"' || c == L'\'') ReadString();
        else if (!(c == L'/' && RegexMayStart() && ReadRegex())) ReadPunctuator();
    }
    return std::move(out_);
}

bool Tokenizer::LastIs(const wchar_t* text, size_t back) const
{
    if (out_.tokens.size() < back) return false;
    const ScriptToken& token = out_.tokens[out_.tokens.size() - back];
    return token.kind != ScriptString && Text(token) == text;
}

// A keyword as a member name (x.in) is a name like any other.
bool Tokenizer::LastIsKeyword(const std::unordered_set<std::wstring_view>& words) const
{
    return !out_.tokens.empty() && out_.tokens.back().kind == ScriptName && words.count(Text(out_.tokens.back())) &&
           !LastIs(L".", 2);
}

bool Tokenizer::RegexMayStart() const
{
    if (out_.tokens.empty()) return true;
    const ScriptToken& last = out_.tokens.back();
    switch (last.kind) {
    case ScriptName:       return LastIsKeyword(kBeforeOperand);
    case ScriptPunctuator: break;
    default:               return false;
    }
    if (LastIs(L")") || LastIs(L"}")) return closeTakesOperand_;
    return !LastIs(L"]") && !LastIs(L"++") && !LastIs(L"--");
}

// False when a block comment runs to the end.
bool Tokenizer::SkipComment()
{
    if (text_[pos_ + 1] == L'/') {
        while (pos_ < end_ && !IsLineEnd(text_[pos_])) ++pos_;
        return true;
    }
    size_t close = text_.find(L"*/", pos_ + 2);
    if (close == std::wstring::npos || close + 2 > end_) {
        out_.faults.push_back({ScriptUnclosedComment, pos_});
        pos_ = end_;
        return false;
    }
    pos_ = close + 2;
    return true;
}

void Tokenizer::ReadName()
{
    const size_t start = pos_;
    while (pos_ < end_ && IsNamePart(text_[pos_])) ++pos_;
    Add(ScriptName, start);
}

void Tokenizer::ReadNumber()
{
    const size_t start = pos_;
    if (text_[pos_] == L'0' && pos_ + 1 < end_ && (text_[pos_ + 1] == L'x' || text_[pos_ + 1] == L'X')) {
        pos_ += 2;
        while (pos_ < end_ && IsHexDigit(text_[pos_])) ++pos_;
    } else {
        while (pos_ < end_ && IsDigit(text_[pos_])) ++pos_;
        if (pos_ < end_ && text_[pos_] == L'.') ++pos_;
        while (pos_ < end_ && IsDigit(text_[pos_])) ++pos_;
        if (pos_ + 1 < end_ && (text_[pos_] == L'e' || text_[pos_] == L'E') &&
            (IsDigit(text_[pos_ + 1]) || text_[pos_ + 1] == L'+' || text_[pos_ + 1] == L'-'))
            pos_ += 2;
        while (pos_ < end_ && IsDigit(text_[pos_])) ++pos_;
    }
    // "12px" and the like stay one token rather than a number and a name.
    while (pos_ < end_ && IsNamePart(text_[pos_])) ++pos_;
    Add(ScriptNumber, start);
}

// A backslash takes the next character, a line end included (a continued line).
void Tokenizer::ReadString()
{
    const size_t start = pos_;
    const wchar_t quote = text_[pos_++];
    while (pos_ < end_) {
        const wchar_t c = text_[pos_];
        if (c == quote) {
            ++pos_;
            Add(ScriptString, start);
            return;
        }
        if (IsLineEnd(c)) break;
        if (c == L'\\' && pos_ + 2 < end_ && text_[pos_ + 1] == L'\r' && text_[pos_ + 2] == L'\n') ++pos_;
        pos_ = std::min(pos_ + (c == L'\\' ? 2 : 1), end_);
    }
    out_.faults.push_back({ScriptUnclosedString, start});
    Add(ScriptString, start);
}

// False when no closing '/' stands on the line: then it was a division after all. Lines
// scanned in vain count against a budget, which lines of "(/[" repeated would otherwise
// make quadratic.
bool Tokenizer::ReadRegex()
{
    bool inClass = false;
    size_t at = pos_ + 1;
    for (; at < end_; ++at) {
        const wchar_t c = text_[at];
        if (IsLineEnd(c) || vainScans_ == 0) return false;
        --vainScans_;
        if (c == L'\\') {
            if (at + 1 < end_ && IsLineEnd(text_[at + 1])) return false;
            ++at;
        } else if (c == L'[') {
            inClass = true;
        } else if (c == L']') {
            inClass = false;
        } else if (c == L'/' && !inClass) {
            break;
        }
    }
    if (at >= end_) return false;
    vainScans_ += at - pos_;   // not in vain after all
    const size_t start = pos_;
    pos_ = at + 1;
    while (pos_ < end_ && IsNamePart(text_[pos_])) ++pos_;
    Add(ScriptRegex, start);
    return true;
}

void Tokenizer::ReadPunctuator()
{
    const size_t start = pos_;
    size_t length = 1;
    // Every longer punctuator has one of these second.
    const bool mayBeLonger = pos_ + 1 < end_ && text_[pos_ + 1] && wcschr(L"=&|+-<>", text_[pos_ + 1]);
    for (size_t index = 0; mayBeLonger && index < sizeof(kPunctuators) / sizeof(kPunctuators[0]); ++index) {
        const wchar_t* punctuator = kPunctuators[index];
        const size_t size = wcslen(punctuator);
        if (text_.compare(pos_, size, punctuator) == 0 && pos_ + size <= end_) {
            length = size;
            break;
        }
    }
    const wchar_t c = text_[pos_];
    if (c == L'(') Open(LastIsKeyword(kBeforeCondition) ? NestConditionParen : NestParen);
    else if (c == L'[') Open(NestBracket);
    else if (c == L'{') {
        const bool inObject = !nests_.empty() && nests_.back() == NestObject;
        const bool block = out_.tokens.empty() || LastIs(L";") || LastIs(L"{") || LastIs(L"}") || LastIs(L")") ||
                           (LastIs(L":") && !inObject) || LastIsKeyword(kBeforeBlock);
        Open(block ? NestBlock : NestObject);
    } else if (c == L')' || c == L']' || c == L'}') Close();
    pos_ += length;
    Add(ScriptPunctuator, start);
}

void Tokenizer::Open(Nest nest) { nests_.push_back(nest); }

void Tokenizer::Close()
{
    const Nest nest = nests_.empty() ? NestBlock : nests_.back();
    if (!nests_.empty()) nests_.pop_back();
    closeTakesOperand_ = nest == NestConditionParen || nest == NestBlock;
}

// The names a script declares and uses, from its tokens in one pass.
class Reader {
public:
    Reader(const std::wstring& text, size_t from, size_t to) : text_(text), tokens_(TokenizeScript(text, from, to)) {}
    ScriptFacts Run();

private:
    // A function body (or the top level) being read, and the var statement in it.
    struct Frame {
        int scope;
        int bodyNest;   // the nesting inside its braces
        bool inVar = false;
        int varNest = 0;
        bool expectName = false;   // the next name is a var's
    };

    std::wstring_view Text(size_t index) const { return {text_.data() + Token(index).offset, Token(index).length}; }
    const ScriptToken& Token(size_t index) const { return tokens_.tokens[index]; }
    bool Is(size_t index, const wchar_t* text) const
    {
        return index < tokens_.tokens.size() && Token(index).kind != ScriptString && Text(index) == text;
    }
    int Name(size_t index);
    void ReadPunctuator(size_t index);
    void ReadKeyword(size_t index, size_t* next);
    void ReadName(size_t index);
    void ReadFunction(size_t index, size_t* next);
    void Declare(int scope, int name);

    const std::wstring& text_;
    ScriptTokens tokens_;
    ScriptFacts facts_;
    std::unordered_map<std::wstring_view, int> names_;   // views into the text
    std::vector<bool> declaredAtTop_;                     // by name
    std::vector<Frame> frames_;
    int nest_ = 0;
    std::vector<std::pair<int, int>> assignments_;   // name, scope
};

ScriptFacts Reader::Run()
{
    facts_.scopes.push_back({-1, -1, false});
    frames_.push_back({0, 0});
    for (size_t index = 0; index < tokens_.tokens.size(); ++index) {
        if (Token(index).kind == ScriptPunctuator) ReadPunctuator(index);
        else if (Token(index).kind != ScriptName || Is(index - 1, L".")) frames_.back().expectName = false;
        else if (kKeywords.count(Text(index))) ReadKeyword(index, &index);
        else ReadName(index);
    }
    std::sort(facts_.declarations.begin(), facts_.declarations.end());
    facts_.declarations.erase(std::unique(facts_.declarations.begin(), facts_.declarations.end()),
                              facts_.declarations.end());
    std::vector<bool> assigned(facts_.names.size());
    for (const auto& assignment : assignments_) {
        if (assigned[assignment.first] || IsDeclaredAround(facts_, assignment.second, assignment.first)) continue;
        assigned[assignment.first] = true;
        facts_.assigned.push_back(assignment.first);
    }
    facts_.faults = std::move(tokens_.faults);
    return std::move(facts_);
}

// The name's index, the name kept when it is new.
int Reader::Name(size_t index)
{
    auto found = names_.emplace(Text(index), static_cast<int>(facts_.names.size()));
    if (found.second) {
        facts_.names.emplace_back(Text(index));
        declaredAtTop_.push_back(false);
    }
    return found.first->second;
}

void Reader::ReadPunctuator(size_t index)
{
    const wchar_t c = text_[Token(index).offset];
    if (c == L'(' || c == L'[' || c == L'{') ++nest_;
    if (c == L')' || c == L']' || c == L'}') {
        nest_ = std::max(0, nest_ - 1);
        if (c == L'}' && frames_.size() > 1 && nest_ < frames_.back().bodyNest) frames_.pop_back();
    }
    Frame& frame = frames_.back();
    if (!frame.inVar) return;
    if (nest_ < frame.varNest || (nest_ == frame.varNest && Is(index, L";"))) frame.inVar = false;
    else if (nest_ == frame.varNest && Is(index, L",")) frame.expectName = true;
}

void Reader::ReadKeyword(size_t index, size_t* next)
{
    Frame& frame = frames_.back();
    frame.expectName = false;
    if (Is(index, L"function")) {
        ReadFunction(index, next);
    } else if (Is(index, L"var") || Is(index, L"const")) {
        frame.inVar = frame.expectName = true;
        frame.varNest = nest_;
    } else if (Is(index, L"in") && frame.inVar && nest_ == frame.varNest) {
        frame.inVar = false;   // for (var key in object)
    } else if (Is(index, L"catch") && Is(index + 1, L"(") && Is(index + 3, L")") && Token(index + 2).kind == ScriptName) {
        // The catch's own name, never a global.
        facts_.declarations.emplace_back(frame.scope, Name(index + 2));
    } else if (Is(index, L"with")) {
        facts_.scopes[frame.scope].open = true;
    }
}

void Reader::ReadName(size_t index)
{
    Frame& frame = frames_.back();
    if (frame.inVar && frame.expectName) {
        frame.expectName = false;
        Declare(frame.scope, Name(index));
    } else if (Is(index + 1, L"(")) {
        facts_.uses.push_back({Name(index), Token(index).offset, ScriptCall, frame.scope});
    } else if (Is(index + 1, L".")) {
        facts_.uses.push_back({Name(index), Token(index).offset, ScriptObject, frame.scope});
    } else if (Is(index + 1, L"=")) {
        assignments_.emplace_back(Name(index), frame.scope);
    }
}

// function [name] ( [parameter {, parameter}] ) {  — anything else is left to the main loop.
void Reader::ReadFunction(size_t index, size_t* next)
{
    size_t at = index + 1;
    const bool named = at < tokens_.tokens.size() && Token(at).kind == ScriptName && !kKeywords.count(Text(at));
    if (named) ++at;
    if (!Is(at++, L"(")) return;
    const size_t firstParameter = at;
    while (at < tokens_.tokens.size() && Token(at).kind == ScriptName) {
        if (!Is(++at, L",")) break;
        ++at;
    }
    if (!Is(at, L")") || !Is(at + 1, L"{")) return;
    const int name = named ? Name(index + 1) : -1;
    if (named) Declare(frames_.back().scope, name);
    const int function = static_cast<int>(facts_.functions.size());
    int scope = frames_.back().scope;
    if (frames_.size() < kDeepestFunctions) {
        scope = static_cast<int>(facts_.scopes.size());
        facts_.scopes.push_back({frames_.back().scope, function, false});
        frames_.push_back({scope, nest_ + 1});
    }
    const size_t parametersBefore = facts_.parameters.size();
    for (size_t parameter = firstParameter; parameter < at; parameter += 2) {
        facts_.parameters.push_back(Name(parameter));
        facts_.declarations.emplace_back(scope, facts_.parameters.back());
    }
    facts_.functions.push_back({name, Token(named ? index + 1 : index).offset, scope, parametersBefore,
                                facts_.parameters.size() - parametersBefore});
    ++nest_;
    *next = at + 1;
}

void Reader::Declare(int scope, int name)
{
    facts_.declarations.emplace_back(scope, name);
    if (scope != 0 || declaredAtTop_[name]) return;
    declaredAtTop_[name] = true;
    facts_.declared.push_back(name);
}

}  // namespace

ScriptTokens TokenizeScript(const std::wstring& text, size_t from, size_t to)
{
    return Tokenizer(text, from, to).Run();
}

ScriptFacts ReadScript(const std::wstring& text, size_t from, size_t to) { return Reader(text, from, to).Run(); }

bool IsDeclaredAround(const ScriptFacts& facts, int scope, int name)
{
    for (; scope >= 0; scope = facts.scopes[scope].parent)
        if (facts.scopes[scope].open ||
            std::binary_search(facts.declarations.begin(), facts.declarations.end(), std::make_pair(scope, name)))
            return true;
    return false;
}
