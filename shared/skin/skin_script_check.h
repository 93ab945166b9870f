// The script of a skin checked with its definition: each VIEW's scripts (its scriptFile) and the
// script in its attributes, against the functions, names and element ids the VIEW has.
#pragma once
#include "skin_elements.h"
#include "skin_files.h"
#include "skin_finding.h"
#include "skin_markup.h"
#include "skin_script.h"

#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

class SkinScriptCheck {
public:
    // Findings in the definition, at an offset of its text; false stops the check.
    using DefinitionReport = std::function<bool(size_t offset, SkinFindingKind kind, const std::wstring& message)>;
    // Findings in a script, with its name; false stops the check.
    using ScriptReport = std::function<bool(const SkinFinding& finding)>;

    SkinScriptCheck(SkinFileSource* scripts, const std::wstring& definitionName, bool english);

    // What is added between the two belongs to the VIEW; views may nest, as broken text does.
    void OpenView();
    void CloseView();
    // viewOwnId: the id of the VIEW being opened, which every view sees.
    void AddId(const std::wstring& id, bool viewOwnId);
    // An item of the open VIEW's scriptFile, where it stands in the definition.
    void AddScriptFile(const std::wstring& name, size_t offset);
    // Keeps the attribute when its value is script: an event handler, or a jscript: value.
    void AddAttribute(const SkinElementInfo* element, const MarkupAttribute& attribute);

    // Reads the scripts and checks the definition's own script against them.
    void CheckDefinition(const DefinitionReport& report);
    // Then each script that was read, by the VIEWs that name it; its findings in line order.
    void CheckScripts(const ScriptReport& report);

private:
    // The names that one VIEW, or several together, give its script.
    struct Known {
        bool complete = true;   // every script was read: a name none declares is missing
        std::unordered_set<std::wstring> names;   // declared or assigned by the scripts and handlers, as spelled
        std::unordered_set<std::wstring> ids;     // lower case
        std::vector<std::wstring> idSpellings;
        std::vector<std::pair<std::wstring, std::wstring>> callCandidates, objectCandidates;
        std::unordered_map<std::wstring, std::wstring> suggestions;   // by kind and name
    };
    struct View {
        std::vector<int> scripts;
        std::vector<int> handlers;
        Known known;
    };
    struct Script {
        std::wstring name;   // as first named
        size_t namedAt;      // the first naming item's offset in the definition
        std::vector<int> views;
        bool read = false;
        std::wstring text;
        ScriptFacts facts;
    };
    struct Handler {
        int view;
        const SkinElementInfo* element;
        MarkupAttribute attribute;
        size_t from;   // the script's start in the value, past any "jscript:"
        ScriptFacts facts;
    };
    struct Place {
        size_t offset;
        SkinFindingKind kind;
        std::wstring message;
    };

    View& Current() { return views_[openViews_.empty() ? 0 : openViews_.back()]; }
    void AddScriptToView(int view, const std::wstring& name, const std::wstring& key, size_t offset);
    bool ReadScripts(const DefinitionReport& report);
    bool ReadOne(Script* script, const DefinitionReport& report);
    void Fill(Known* known, int view);
    void Merge(Known* into, const Known& from);
    bool WithinWork(const DefinitionReport& report);
    // Passes a finding on; false once the report would have no more.
    bool Say(const DefinitionReport& report, size_t offset, SkinFindingKind kind, const std::wstring& message);
    void Check(const ScriptFacts& facts, const SkinElementInfo* element, Known* known, std::vector<Place>* found);
    bool IsKnown(const std::wstring& name, ScriptUseKind kind, const Known& known, const SkinElementInfo* element) const;
    std::wstring Suggest(Known* known, ScriptUseKind kind, const std::wstring& name);
    std::wstring Text(const wchar_t* japanese, const wchar_t* english) const { return english_ ? english : japanese; }
    std::wstring UseMessage(const std::wstring& name, ScriptUseKind kind, const std::wstring& guess) const;
    std::wstring FaultMessage(const ScriptFault& fault) const;

    SkinFileSource* source_;
    std::wstring namesake_;   // the definition's title with ".js"
    bool english_;
    std::vector<View> views_;   // [0]: outside every VIEW, checked by all scripts together
    std::vector<int> openViews_;
    std::unordered_set<std::wstring> everywhereIds_;   // lower case: outside every VIEW, and the VIEWs' own
    std::vector<std::wstring> everywhereIdSpellings_;
    std::vector<Script> scripts_;
    std::unordered_map<std::wstring, int> scriptByKey_;
    std::vector<Handler> handlers_;
    uint64_t readBytes_ = 0;
    size_t work_ = 0;
    size_t suggestionWork_ = 0;
    bool stopped_ = false;
};
