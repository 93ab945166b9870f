// The script of a skin checked with its definition: each VIEW's scripts (its scriptFile) and the
// script in its attributes, against the functions, names and element ids the VIEW has.
#include "skin_script_check.h"

#include "file_paths.h"
#include "skin_document.h"
#include "skin_limits.h"
#include "skin_vocabulary.h"

#include <algorithm>

namespace {

// A script larger than any written by hand is left unread, and so is any past the total.
const uint64_t kMostScriptBytes = 8 << 20;
const uint64_t kMostScriptBytesInAll = 32 << 20;
// Names gathered into the sets of views, and of views sharing a script, before the check
// gives up: each view sees the names of all its scripts, so many views over large shared
// scripts would otherwise cost their product.
const size_t kMostNameWork = 4000000;
// Names compared in looking for suggestions; past this the findings go on without them.
const size_t kMostSuggestionWork = 20000000;
// Names longer than this are cut in messages.
const size_t kLongestShownName = 64;

// The script language's own globals, which it spells in this case only.
const wchar_t* const kLanguageFunctions[] = {
    L"parseInt", L"parseFloat", L"isNaN", L"isFinite", L"escape", L"unescape", L"eval", L"encodeURI",
    L"encodeURIComponent", L"decodeURI", L"decodeURIComponent", L"GetObject", L"ScriptEngine",
    L"ScriptEngineBuildVersion", L"ScriptEngineMajorVersion", L"ScriptEngineMinorVersion", L"CollectGarbage",
    L"ActiveXObject", L"Array", L"Boolean", L"Date", L"Enumerator", L"Error", L"EvalError", L"Function",
    L"Number", L"Object", L"RangeError", L"ReferenceError", L"RegExp", L"String", L"SyntaxError", L"TypeError",
    L"URIError", L"VBArray"};
const wchar_t* const kLanguageObjects[] = {L"Math", L"JSON", L"Infinity", L"NaN", L"undefined", L"arguments"};
// The player's objects; like element ids, matched without regard to case.
const wchar_t* const kPlayerObjects[] = {L"player", L"view", L"theme", L"mediaCenter", L"event"};

const std::unordered_set<std::wstring>& LanguageGlobals()
{
    static const std::unordered_set<std::wstring> names = [] {
        std::unordered_set<std::wstring> all(std::begin(kLanguageFunctions), std::end(kLanguageFunctions));
        all.insert(std::begin(kLanguageObjects), std::end(kLanguageObjects));
        return all;
    }();
    return names;
}

bool IsPlayerObject(const std::wstring& lower)
{
    static const std::unordered_set<std::wstring> names = [] {
        std::unordered_set<std::wstring> lowered;
        for (const wchar_t* name : kPlayerObjects) {
            std::wstring known = name;
            LowerAsciiInPlace(&known);
            lowered.insert(known);
        }
        return lowered;
    }();
    return names.count(lower) != 0;
}

std::wstring Lower(std::wstring text)
{
    LowerAsciiInPlace(&text);
    return text;
}

std::wstring Shown(const std::wstring& name)
{
    return name.size() <= kLongestShownName ? name : name.substr(0, kLongestShownName) + L"…";
}

// An element's own properties are names in its handlers; the helpers take any attribute,
// so theirs cannot be told.
bool IsOwnProperty(const SkinElementInfo* element, const std::wstring& lower)
{
    if (!element || element->kind >= SkinPlayer) return false;
    return LookUpSkinAttribute(element->kind, lower) != SkinNameUnknown;
}

}  // namespace

SkinScriptCheck::SkinScriptCheck(SkinFileSource* scripts, const std::wstring& definitionName, bool english)
    : source_(scripts), english_(english), views_(1)
{
    const std::wstring title = TitleOfPath(definitionName);
    const size_t dot = title.rfind(L'.');
    if (dot != std::wstring::npos && dot > 0) namesake_ = title.substr(0, dot) + L".js";
}

void SkinScriptCheck::OpenView()
{
    openViews_.push_back(static_cast<int>(views_.size()));
    views_.emplace_back();
}

void SkinScriptCheck::CloseView()
{
    if (!openViews_.empty()) openViews_.pop_back();
}

void SkinScriptCheck::AddId(const std::wstring& id, bool viewOwnId)
{
    const bool everywhere = viewOwnId || openViews_.empty();
    Known& known = Current().known;
    if ((everywhere ? everywhereIds_ : known.ids).insert(Lower(id)).second)
        (everywhere ? everywhereIdSpellings_ : known.idSpellings).push_back(id);
}

void SkinScriptCheck::AddScriptFile(const std::wstring& name, size_t offset)
{
    std::wstring normal;
    if (openViews_.empty()) return;
    if (!NormaliseSkinFileName(name, &normal)) {
        Current().known.complete = false;
        return;
    }
    AddScriptToView(openViews_.back(), name, Lower(normal), offset);
}

void SkinScriptCheck::AddScriptToView(int view, const std::wstring& name, const std::wstring& key, size_t offset)
{
    auto found = scriptByKey_.emplace(key, static_cast<int>(scripts_.size()));
    if (found.second) {
        scripts_.emplace_back();
        scripts_.back().name = name;
        scripts_.back().namedAt = offset;
    }
    Script& script = scripts_[found.first->second];
    // A view names its scripts while it is open, so a repeat is the last view added.
    if (!script.views.empty() && script.views.back() == view) return;
    script.views.push_back(view);
    views_[view].scripts.push_back(found.first->second);
}

void SkinScriptCheck::AddAttribute(const SkinElementInfo* element, const MarkupAttribute& attribute)
{
    const std::wstring& value = attribute.value;
    const std::wstring& name = attribute.lowerName;
    size_t from = 0;
    if (StartsWithNoCase(value, 0, L"jscript:")) from = 8;
    else if (IsBoundValue(value) || StartsWithNoCase(value, 0, L"vbscript:")) return;   // not JScript
    else if (!StartsWithNoCase(name, 0, L"on") && !EndsWith(name, L"_onchange") && !(element && element->kind == SkinPlayer))
        return;
    if (from >= value.size()) return;
    const int view = openViews_.empty() ? 0 : openViews_.back();
    views_[view].handlers.push_back(static_cast<int>(handlers_.size()));
    handlers_.push_back({view, element, attribute, from, {}});
    if (!attribute.hasEntities) handlers_.back().attribute.offsets.clear();   // the reader's, from another value
}

void SkinScriptCheck::CheckDefinition(const DefinitionReport& report)
{
    if (!ReadScripts(report)) return;
    for (Handler& handler : handlers_) handler.facts = ReadScript(handler.attribute.value, handler.from);
    for (size_t view = 1; view < views_.size(); ++view) {
        Fill(&views_[view].known, static_cast<int>(view));
        if (!WithinWork(report)) return;
    }
    // Outside every VIEW no one VIEW's script is known: all of them together are.
    if (!views_[0].handlers.empty()) {
        Fill(&views_[0].known, 0);
        for (size_t view = 1; view < views_.size(); ++view) {
            Merge(&views_[0].known, views_[view].known);
            if (!WithinWork(report)) return;
        }
    }
    // In the definition's order, so that its places are found in one pass.
    for (const Handler& handler : handlers_) {
        std::vector<Place> found;
        Check(handler.facts, handler.element, &views_[handler.view].known, &found);
        for (const Place& place : found)
            if (!Say(report, handler.attribute.OffsetOf(place.offset), place.kind, place.message)) return;
    }
}

bool SkinScriptCheck::ReadScripts(const DefinitionReport& report)
{
    SkinFileFacts facts;
    if (source_ && !namesake_.empty() && source_->Find(namesake_, &facts))
        for (size_t view = 0; view < views_.size(); ++view)
            AddScriptToView(static_cast<int>(view), namesake_, Lower(namesake_), 0);
    for (Script& script : scripts_)
        if (!ReadOne(&script, report)) return false;
    return true;
}

// Only a script that is there is read: the definition's check says which are missing.
bool SkinScriptCheck::ReadOne(Script* script, const DefinitionReport& report)
{
    std::wstring normal;
    SkinFileFacts facts;
    if (!source_ || !NormaliseSkinFileName(script->name, &normal) || !source_->Find(normal, &facts)) return true;
    const std::wstring quoted = L"\"" + Shown(script->name) + L"\"";
    if (facts.size > kMostScriptBytes || readBytes_ + facts.size > kMostScriptBytesInAll)
        return Say(report, script->namedAt, SkinNote,
                      english_ ? L"The script " + quoted + L" was not checked: scripts are read up to 8 MB each and 32 MB in all."
                               : L"スクリプト " + quoted + L" は大きすぎるため調べませんでした (1 つ 8 MB、合わせて 32 MB まで)。");
    std::string bytes;
    if (!source_->Read(normal, kMostScriptBytes, &bytes))
        return Say(report, script->namedAt, SkinWarning,
                      english_ ? L"The script " + quoted + L" could not be read." : L"スクリプト " + quoted + L" を読めませんでした。");
    readBytes_ += bytes.size();
    script->text = DecodeSkinText(bytes);
    script->facts = ReadScript(script->text);
    script->read = true;
    return true;
}

void SkinScriptCheck::Fill(Known* known, int view)
{
    for (int index : views_[view].scripts) {
        const Script& script = scripts_[index];
        known->complete = known->complete && script.read;
        if (!script.read) continue;
        for (const std::vector<int>* names : {&script.facts.declared, &script.facts.assigned})
            for (int name : *names) known->names.insert(script.facts.names[name]);
        work_ += script.facts.declared.size() + script.facts.assigned.size();
    }
    for (int index : views_[view].handlers) {
        const ScriptFacts& facts = handlers_[index].facts;
        for (int name : facts.assigned) known->names.insert(facts.names[name]);
        work_ += facts.assigned.size();
    }
}

void SkinScriptCheck::Merge(Known* into, const Known& from)
{
    into->complete = into->complete && from.complete;
    into->names.insert(from.names.begin(), from.names.end());
    for (const std::wstring& id : from.idSpellings)
        if (into->ids.insert(Lower(id)).second) into->idSpellings.push_back(id);
    work_ += from.names.size() + from.idSpellings.size();
}

bool SkinScriptCheck::Say(const DefinitionReport& report, size_t offset, SkinFindingKind kind,
                          const std::wstring& message)
{
    if (!report(offset, kind, message)) stopped_ = true;
    return !stopped_;
}

// Says so once the work has gone past its limit; false then.
bool SkinScriptCheck::WithinWork(const DefinitionReport& report)
{
    if (work_ <= kMostNameWork) return true;
    Say(report, 0, SkinNote,
        Text(L"名前が多すぎるため、スクリプトの確認をここでやめました。",
             L"There are too many names: the check of the scripts stopped here."));
    stopped_ = true;
    return false;
}

void SkinScriptCheck::Check(const ScriptFacts& facts, const SkinElementInfo* element, Known* known,
                            std::vector<Place>* found)
{
    // The first fault already keeps the player from running the script.
    if (!facts.faults.empty()) found->push_back({facts.faults[0].offset, SkinWarning, FaultMessage(facts.faults[0])});
    // Without every script read, a name none declares may well be in one that was not.
    if (source_ && known->complete) {
        // Whether a name is known beyond the script's own scopes, by kind: asked once a name.
        std::vector<signed char> answers[2] = {std::vector<signed char>(facts.names.size(), -1),
                                               std::vector<signed char>(facts.names.size(), -1)};
        for (const ScriptUse& use : facts.uses) {
            if (found->size() > kSkinMostFindings) break;   // more than the check lists at all
            if (IsDeclaredAround(facts, use.scope, use.name)) continue;
            const std::wstring& name = facts.names[use.name];
            signed char& answer = answers[use.kind][use.name];
            if (answer < 0) answer = IsKnown(name, use.kind, *known, element);
            if (answer) continue;
            found->push_back({use.offset, use.kind == ScriptCall ? SkinError : SkinWarning,
                              UseMessage(name, use.kind, Suggest(known, use.kind, name))});
        }
    }
    std::stable_sort(found->begin(), found->end(), [](const Place& a, const Place& b) { return a.offset < b.offset; });
}

bool SkinScriptCheck::IsKnown(const std::wstring& name, ScriptUseKind kind, const Known& known,
                              const SkinElementInfo* element) const
{
    if (known.names.count(name) || LanguageGlobals().count(name)) return true;
    if (kind == ScriptCall) return false;
    const std::wstring lower = Lower(name);
    return known.ids.count(lower) || everywhereIds_.count(lower) || IsPlayerObject(lower) || IsOwnProperty(element, lower);
}

// Calls are matched as spelled, among the names the scripts declare and the language's
// functions; objects without regard to case, among the ids and the player's objects.
std::wstring SkinScriptCheck::Suggest(Known* known, ScriptUseKind kind, const std::wstring& name)
{
    const std::wstring key = (kind == ScriptCall ? L"(" : L".") + name;
    auto cached = known->suggestions.find(key);
    if (cached != known->suggestions.end()) return cached->second;
    auto& candidates = kind == ScriptCall ? known->callCandidates : known->objectCandidates;
    if (suggestionWork_ > kMostSuggestionWork) return std::wstring();
    if (candidates.empty() && kind == ScriptCall) {
        for (const std::wstring& declared : known->names) candidates.emplace_back(declared, declared);
        for (const wchar_t* function : kLanguageFunctions) candidates.emplace_back(function, function);
    } else if (candidates.empty()) {
        for (const auto* spellings : {&known->idSpellings, &everywhereIdSpellings_})
            for (const std::wstring& id : *spellings) candidates.emplace_back(Lower(id), id);
        for (const wchar_t* object : kPlayerObjects) candidates.emplace_back(Lower(object), object);
    }
    suggestionWork_ += candidates.size();
    return known->suggestions[key] = ClosestSkinName(candidates, kind == ScriptCall ? name : Lower(name));
}

std::wstring SkinScriptCheck::UseMessage(const std::wstring& used, ScriptUseKind kind, const std::wstring& guess) const
{
    const std::wstring name = Shown(used);
    std::wstring message;
    if (kind == ScriptCall)
        message = english_ ? L"The function " + name + L" is in none of the VIEW's scripts."
                           : L"関数 " + name + L" は VIEW のスクリプトにありません。";
    else
        message = english_ ? L"The name " + name + L" is neither an element id of the VIEW nor a name in its scripts."
                           : L"名前 " + name + L" は VIEW の要素の id にもスクリプトの名前にもありません。";
    if (!guess.empty()) message += english_ ? L" Did you mean " + guess + L"?" : L"もしかして " + guess + L" ですか?";
    return message;
}

std::wstring SkinScriptCheck::FaultMessage(const ScriptFault& fault) const
{
    if (fault.kind == ScriptUnclosedString)
        return Text(L"文字列が閉じられていないため、スクリプトを最後まで読めません。",
                    L"A string is not closed, so the script cannot be read to its end.");
    return Text(L"コメントが閉じられていないため、スクリプトを最後まで読めません。",
                L"A comment is not closed, so the script cannot be read to its end.");
}

void SkinScriptCheck::CheckScripts(const ScriptReport& report)
{
    for (Script& script : scripts_) {
        if (stopped_) return;
        if (!script.read) continue;
        Known merged;
        Known* known = &views_[script.views[0]].known;
        if (script.views.size() > 1) {
            for (int view : script.views) Merge(&merged, views_[view].known);
            if (!WithinWork([&](size_t, SkinFindingKind kind, const std::wstring& message) {
                    return report({1, 1, kind, message, script.name});
                }))
                return;
            known = &merged;
        }
        std::vector<Place> found;
        Check(script.facts, nullptr, known, &found);
        MarkupLines lines(script.text);
        for (const Place& place : found) {
            const MarkupPosition at = lines.At(place.offset);
            if (!report({at.line, at.column, place.kind, place.message, script.name})) {
                stopped_ = true;
                return;
            }
        }
    }
}
