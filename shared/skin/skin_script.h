// Reads the JScript of skins without running it: its tokens, the names it declares, the names it uses.
#pragma once
#include <cstddef>
#include <string>
#include <unordered_set>
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

struct ScriptUse {
    std::wstring name;
    size_t offset;
    ScriptUseKind kind;
    int scope;
};

struct ScriptScope {
    int parent;      // -1 for the top level
    int function;    // its function's index, -1 for the top level
    bool open;       // holds a `with`: any name may come from its object
    std::unordered_set<std::wstring> names;   // parameters, vars, functions and catch names declared in it
};

struct ScriptFunction {
    std::wstring name;
    std::vector<std::wstring> parameters;
    size_t offset;   // the name's
    int scope;       // of its body
};

struct ScriptFacts {
    std::vector<ScriptFunction> functions;   // every named function, at any depth, in text order
    std::vector<std::wstring> declared;      // top-level functions and vars
    std::vector<std::wstring> assigned;      // names given a value nowhere declared: globals of the player's engine
    std::vector<ScriptScope> scopes;         // [0] is the top level
    std::vector<ScriptUse> uses;             // bare names called or used as objects, in text order
    std::vector<ScriptFault> faults;
};

// Linear in the text. Functions nested deeper than a limit share their enclosing scope.
ScriptFacts ReadScript(const std::wstring& text, size_t from = 0, size_t to = std::wstring::npos);

// Whether the name is declared in the scope or one around it, or may be, under a `with`.
bool IsDeclaredAround(const ScriptFacts& facts, int scope, const std::wstring& name);
