// Reads the JScript of skins without running it: its tokens, the names it declares, the names it uses.
#pragma once
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

enum ScriptTokenKind { ScriptName, ScriptNumber, ScriptString, ScriptRegex, ScriptPunctuator };

struct ScriptToken {
    ScriptTokenKind kind;
    size_t offset;
    size_t length;
};

enum ScriptFaultKind { ScriptUnclosedString, ScriptUnclosedComment };

// Where the text stops being JScript: the opening quote, or the "/*".
struct ScriptFault {
    ScriptFaultKind kind;
    size_t offset;
};

struct ScriptTokens {
    std::vector<ScriptToken> tokens;
    std::vector<ScriptFault> faults;
};

// The tokens of text[from, to), comments passed over. A '/' opens a regular expression where
// an operand may stand, else it divides. An unclosed string ends at its line's end and reading
// goes on after it; an unclosed comment runs to the end.
ScriptTokens TokenizeScript(const std::wstring& text, size_t from, size_t to);

enum ScriptUseKind {
    ScriptCall,     // name(…)
    ScriptObject,   // name.member
};

// Names are kept once each in ScriptFacts::names and given by their index there.
struct ScriptUse {
    int name;
    size_t offset;
    ScriptUseKind kind;
    int scope;
};

struct ScriptScope {
    int parent;      // -1 for the top level
    int function;    // its function's index, -1 for the top level
    bool open;       // holds a `with`: any name may come from its object
};

struct ScriptFunction {
    int name;                // -1 for an anonymous one
    size_t offset;           // the name's, else the keyword's
    int scope;               // of its body
    size_t firstParameter;   // in ScriptFacts::parameters
    size_t parameterCount;
};

struct ScriptFacts {
    std::vector<std::wstring> names;
    std::vector<ScriptFunction> functions;   // in text order, at any depth
    std::vector<int> parameters;
    std::vector<int> declared;               // top-level functions and vars
    std::vector<int> assigned;               // given a value where nothing declares them: globals of the engine
    std::vector<ScriptScope> scopes;         // [0] is the top level
    std::vector<ScriptUse> uses;             // bare names called or used as objects, in text order
    std::vector<ScriptFault> faults;
    // (scope, name) of every parameter, var, function and catch name, sorted
    std::vector<std::pair<int, int>> declarations;
};

// Linear in the text, but for sorting the declarations. Functions nested deeper than a limit
// share their enclosing scope.
ScriptFacts ReadScript(const std::wstring& text, size_t from = 0, size_t to = std::wstring::npos);

// Whether the name is declared in the scope or one around it, or may be, under a `with`.
bool IsDeclaredAround(const ScriptFacts& facts, int scope, int name);
