// Writing and removing the file associations under HKEY_CLASSES_ROOT.
#include "associations.h"

#include <windows.h>

namespace {

const WORD kIsUserAnAdminOrdinal = 680;

// Creates the key if it is missing, as both actions do for every key they touch.
HKEY CreateClassesKey(const wchar_t* path)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

bool WriteValue(const AssociationValue& value)
{
    HKEY key = CreateClassesKey(value.key.c_str());
    if (!key) return false;
    DWORD bytes = static_cast<DWORD>((value.data.size() + 1) * sizeof(wchar_t));
    LSTATUS result = RegSetValueExW(key, value.name.empty() ? nullptr : value.name.c_str(), 0, REG_EXPAND_SZ,
                                    reinterpret_cast<const BYTE*>(value.data.c_str()), bytes);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

// A key that is already gone counts as removed; a refusal, or a key that has gained a
// subkey of its own, does not.
RemoveResult RunRemoval(const AssociationRemoval& row)
{
    HKEY parent = CreateClassesKey(row.parent);
    if (!parent) return RemoveResultRefused;
    RemoveResult result = RemoveResultDone;
    for (const wchar_t* subkey : row.subkeys) {
        LSTATUS deleted = subkey ? RegDeleteKeyW(parent, subkey) : ERROR_SUCCESS;
        if (deleted != ERROR_SUCCESS && deleted != ERROR_FILE_NOT_FOUND) result = RemoveResultPartial;
    }
    RegCloseKey(parent);
    return result;
}

}  // namespace

AssociateResult WriteAssociations(const std::wstring& editorPath)
{
    std::vector<AssociationValue> values = AssociationValues(editorPath);
    if (!WriteValue(values.front())) return AssociateResultRefused;
    bool all = true;
    for (size_t i = 1; i < values.size(); ++i)
        if (!WriteValue(values[i])) all = false;
    return all ? AssociateResultDone : AssociateResultPartial;
}

RemoveResult RemoveAssociations()
{
    RemoveResult result = RunRemoval(kAssociationRemovals[0]);
    if (result == RemoveResultRefused) return result;
    for (size_t i = 1; i < _countof(kAssociationRemovals); ++i)
        if (RunRemoval(kAssociationRemovals[i]) != RemoveResultDone) result = RemoveResultPartial;
    return result;
}

AdminAnswer AskIsUserAnAdmin()
{
    using IsUserAnAdminFn = BOOL(WINAPI*)();
    HMODULE shell = GetModuleHandleW(L"Shell32.dll");
    if (!shell) return AdminAnswerMissing;
    auto isUserAnAdmin = reinterpret_cast<IsUserAnAdminFn>(
        reinterpret_cast<void*>(GetProcAddress(shell, MAKEINTRESOURCEA(kIsUserAnAdminOrdinal))));
    if (!isUserAnAdmin) return AdminAnswerMissing;
    return isUserAnAdmin() ? AdminAnswerYes : AdminAnswerNo;
}
