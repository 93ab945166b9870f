// Known state between tests: processes, registry keys, folders and files the programs keep.
#include "kit.h"
#include <shlobj.h>
#include <tlhelp32.h>
#include <algorithm>
#include <cstring>
#include <cwctype>
#include <thread>

namespace kit {
namespace {

const wchar_t* const kPrograms[] = {L"Quillpad.exe", L"Fennick.exe", L"Setwright.exe",
                                    L"Migrato.exe", L"Zipwright.exe", L"kit_target.exe"};

const wchar_t* const kKeys[] = {
    L"Software\\Halvenor's Software",
    L"Software\\Corvel-Halvenor",
    L"Software\\Wine\\AppDefaults\\Quillpad.exe",
    L"Software\\Wine\\AppDefaults\\Fennick.exe",
    L"Software\\Wine\\AppDefaults\\Setwright.exe",
    L"Software\\Wine\\AppDefaults\\Migrato.exe",
    L"Software\\Wine\\AppDefaults\\kit_target.exe",
};

std::vector<std::wstring>& ExtraPaths()
{
    static std::vector<std::wstring> paths;
    return paths;
}

std::vector<std::wstring>& DiskFullLinks()
{
    static std::vector<std::wstring> paths;
    return paths;
}

std::wstring UnixFileName(const std::wstring& path)
{
    using UnixName = char*(CDECL*)(const wchar_t*);
    auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* name = unixName ? unixName(path.c_str()) : nullptr;
    if (!name)
        throw Failure(L"no Unix name for " + path);
    std::wstring wide(name, name + strlen(name));
    HeapFree(GetProcessHeap(), 0, name);
    return wide;
}

// Wine starts Unix programs too, but gives no usable exit code: callers wait for the effect.
void RunUnix(std::wstring command)
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        throw Failure(L"cannot start " + command);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

bool Listed(const std::wstring& path)
{
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(path.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    FindClose(find);
    return true;
}

// Wine can neither see nor delete a link to a device, so Unix removes it.
void RemoveDiskFullLinks()
{
    for (const std::wstring& path : DiskFullLinks()) {
        if (!Listed(path))
            continue;
        RunUnix(L"/bin/rm -f \"" + UnixFileName(path) + L"\"");
        if (!WaitUntil([&] { return !Listed(path); }))
            throw Failure(L"cannot remove the disk-full link " + path);
    }
    DiskFullLinks().clear();
}

struct MappedDrive {
    std::wstring root;   // "Q:\\"
    std::wstring link;   // its Unix link in the prefix's dosdevices folder
};

std::vector<MappedDrive>& MappedDrives()
{
    static std::vector<MappedDrive> drives;
    return drives;
}

bool DriveSeen(const std::wstring& root) { return GetFileAttributesW(root.c_str()) != INVALID_FILE_ATTRIBUTES; }

struct FileType {
    std::wstring extension;
    std::optional<std::wstring> earlier;
};

std::vector<FileType>& FileTypes()
{
    static std::vector<FileType> types;
    return types;
}

std::wstring TestProgId(const std::wstring& extension) { return L"QuillmereTest" + extension; }

void SetClassesDefault(const std::wstring& key, const std::wstring& value)
{
    LSTATUS rc = RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    if (rc != ERROR_SUCCESS)
        throw Failure(L"cannot write HKCR\\" + key);
}

void RestoreFileTypes()
{
    for (const FileType& type : FileTypes()) {
        if (type.earlier)
            SetClassesDefault(type.extension, *type.earlier);
        else
            RegDeleteTreeW(HKEY_CLASSES_ROOT, type.extension.c_str());
        RegDeleteTreeW(HKEY_CLASSES_ROOT, TestProgId(type.extension).c_str());
    }
    FileTypes().clear();
}

// HKCR keys of the editor's file associations, deleted whole at every reset.
const wchar_t* const kAssociationKeys[] = {
    L".qlmc", L"QLMCFile", L".qlmt", L"QLMTFile", L"WMSFile\\Shell\\QLM3Edit",
    L"WMP11.AssocFile.WMS\\Shell\\QLM3Edit", L".wms\\ShellNew", L"JSFile\\Shell\\QLM3Edit", L".js\\ShellNew",
};
// Keys the associations create around them, children first: deleted unless the first reset
// found them. (The prefix has none of the "Shell" keys, whose default verb would need keeping.)
const wchar_t* const kAssociationParents[] = {
    L"WMSFile\\Shell", L"WMSFile", L"WMP11.AssocFile.WMS\\Shell", L"WMP11.AssocFile.WMS",
    L".wms", L"JSFile\\Shell", L"JSFile", L".js",
};

bool ClassesKeyExists(const wchar_t* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void RemoveAssociations()
{
    static std::vector<bool> existed;
    if (existed.empty())
        for (const wchar_t* path : kAssociationParents)
            existed.push_back(ClassesKeyExists(path));
    for (const wchar_t* path : kAssociationKeys)
        RegDeleteTreeW(HKEY_CLASSES_ROOT, path);
    for (size_t i = 0; i < existed.size(); ++i)
        if (!existed[i])
            RegDeleteTreeW(HKEY_CLASSES_ROOT, kAssociationParents[i]);
}

std::vector<std::wstring>& SmallDisks()
{
    static std::vector<std::wstring> paths;
    return paths;
}

// A marker file shows whether the folder's own contents or a mount over them is seen.
std::wstring MountMarker(const std::wstring& folder) { return folder + L"\\kit-unmounted"; }

std::wstring FolderPath(int csidl)
{
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, 0, path)))
        throw Failure(L"SHGetFolderPath failed for CSIDL " + std::to_wstring(csidl));
    return path;
}

bool IsProgram(const wchar_t* exe)
{
    return std::any_of(std::begin(kPrograms), std::end(kPrograms),
                       [&](const wchar_t* p) { return _wcsicmp(p, exe) == 0; });
}

void KillPrograms()
{
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE)
        throw Failure(L"CreateToolhelp32Snapshot failed");
    std::vector<HANDLE> dying;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL ok = Process32FirstW(snap, &entry); ok; ok = Process32NextW(snap, &entry)) {
        if (!IsProgram(entry.szExeFile))
            continue;
        HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID);
        if (h && TerminateProcess(h, 1))
            dying.push_back(h);
        else if (h)
            CloseHandle(h);
    }
    CloseHandle(snap);
    for (HANDLE h : dying) {
        WaitForSingleObject(h, 5000);
        CloseHandle(h);
    }
}

// Read-only attributes would make DeleteFile fail on files a test marked so.
void RemoveTree(const std::wstring& path)
{
    DWORD attrs = GetFileAttributesW(path.c_str());
    if (attrs == INVALID_FILE_ATTRIBUTES)
        return;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attrs & FILE_ATTRIBUTE_DIRECTORY) || (attrs & FILE_ATTRIBUTE_REPARSE_POINT)) {
        if (!DeleteFileW(path.c_str()) && !RemoveDirectoryW(path.c_str()))
            throw Failure(L"cannot delete " + path);
        return;
    }
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name != L"." && name != L"..")
                RemoveTree(path + L"\\" + name);
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    if (!RemoveDirectoryW(path.c_str()))
        throw Failure(L"cannot remove folder " + path);
}

HKEY OpenKey(const std::wstring& key, REGSAM access, bool create)
{
    HKEY h = nullptr;
    LSTATUS rc = create ? RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0,
                                          access, nullptr, &h, nullptr)
                        : RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, access, &h);
    if (rc != ERROR_SUCCESS) {
        if (create)
            throw Failure(L"cannot create HKCU\\" + key);
        return nullptr;
    }
    return h;
}

void SetValue(const std::wstring& key, const std::wstring& name, DWORD type, const void* data,
              DWORD size)
{
    HKEY h = OpenKey(key, KEY_SET_VALUE, true);
    LSTATUS rc = RegSetValueExW(h, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(h);
    if (rc != ERROR_SUCCESS)
        throw Failure(L"cannot set HKCU\\" + key + L" " + name);
}

}  // namespace

Failure::Failure(const std::wstring& message) : std::runtime_error(Utf8(message))
{
    ShotAtFailure();
}

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                0, nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

bool WaitUntil(const std::function<bool()>& cond, Ms timeout)
{
    auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (cond())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(Ms(20));
    }
}

void ResetState()
{
    KillPrograms();
    UnmapDrives();
    RemoveDiskFullLinks();
    UnmountSmallDisks();
    RestoreFileTypes();
    RemoveAssociations();
    // Without a window manager, Wine waits 2 s for one at every hide of a "managed"
    // window (each closed dialog); unmanaged windows close at once.
    SetRegString(L"Software\\Wine\\X11 Driver", L"Managed", L"N");
    for (const wchar_t* key : kKeys) {
        LSTATUS rc = RegDeleteTreeW(HKEY_CURRENT_USER, key);
        if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND)
            throw Failure(std::wstring(L"cannot delete HKCU\\") + key);
    }
    std::wstring docs = DocumentsDir();
    RemoveTree(docs + L"\\QLMテンプレート");
    RemoveTree(docs + L"\\QLM Templates");
    RemoveTree(AppDataDir() + L"\\Halvenor's Software");
    RemoveTree(SkinsDir());
    for (const std::wstring& path : ExtraPaths())
        RemoveTree(path);
    std::wstring scratch = ScratchDir();
    RemoveTree(scratch);
    CreateDirectoryW(scratch.c_str(), nullptr);
}

void RemoveAtReset(const std::wstring& path)
{
    auto& paths = ExtraPaths();
    if (std::find(paths.begin(), paths.end(), path) == paths.end())
        paths.push_back(path);
}

std::wstring DocumentsDir() { return FolderPath(CSIDL_PERSONAL); }
std::wstring AppDataDir() { return FolderPath(CSIDL_APPDATA); }
std::wstring SkinsDir() { return AppDataDir() + L"\\Microsoft\\Media Player\\Skins"; }
std::wstring SuspendFilePath() { return AppDataDir() + L"\\Halvenor's Software\\Quillmere\\QLM_TEMP.TXT"; }

std::wstring ScratchDir()
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring dir = std::wstring(temp) + L"qlm-ui";
    CreateDirectoryW(dir.c_str(), nullptr);
    return dir;
}

std::wstring ProgramPath(const std::wstring& exeName)
{
    bool absolute = (exeName.size() > 2 && exeName[1] == L':') || exeName.compare(0, 2, L"\\\\") == 0;
    if (absolute)
        return exeName;
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring dir = self;
    dir.resize(dir.find_last_of(L'\\') + 1);
    return dir + exeName;
}

std::optional<std::string> FileBytes(const std::wstring& path)
{
    HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string bytes;
    char buf[65536];
    DWORD got = 0;
    while (ReadFile(f, buf, sizeof buf, &got, nullptr) && got > 0)
        bytes.append(buf, got);
    CloseHandle(f);
    return bytes;
}

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD put = 0;
    bool ok = f != INVALID_HANDLE_VALUE &&
              WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr) &&
              put == bytes.size();
    if (f != INVALID_HANDLE_VALUE)
        CloseHandle(f);
    if (!ok)
        throw Failure(L"cannot write " + path);
}

void MakeDiskFullFile(const std::wstring& path)
{
    DiskFullLinks().push_back(path);
    RunUnix(L"/bin/ln -sf /dev/full \"" + UnixFileName(path) + L"\"");
    bool linked = WaitUntil([&] {
        HANDLE device = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        if (device == INVALID_HANDLE_VALUE)
            return false;
        DWORD put = 0;
        bool full = !WriteFile(device, "x", 1, &put, nullptr) && GetLastError() == ERROR_DISK_FULL;
        CloseHandle(device);
        return full;
    });
    if (!linked)
        throw Failure(L"no disk-full link at " + path);
}

void UnmountSmallDisks()
{
    for (const std::wstring& folder : SmallDisks()) {
        RunUnix(L"/bin/umount -l \"" + UnixFileName(folder) + L"\"");
        if (!WaitUntil([&] { return Listed(MountMarker(folder)); }))
            throw Failure(L"cannot unmount the small disk at " + folder);
        DeleteFileW(MountMarker(folder).c_str());
    }
    SmallDisks().clear();
}

std::wstring UnixPath(const std::wstring& windowsPath)
{
    return UnixFileName(windowsPath);
}

std::string UnixOutput(const std::string& shellCommand)
{
    std::wstring script = ScratchDir() + L"\\unix-command.sh";
    std::wstring output = ScratchDir() + L"\\unix-output.txt";
    std::wstring done = ScratchDir() + L"\\unix-done";
    DeleteFileW(done.c_str());
    WriteBytes(script, "(" + shellCommand + ") > '" + Utf8(UnixFileName(output)) + "' 2>&1\ntouch '" +
                           Utf8(UnixFileName(done)) + "'\n");
    RunUnix(L"/bin/sh \"" + UnixFileName(script) + L"\"");
    if (!WaitUntil([&] { return Listed(done); }, Ms(30000)))
        throw Failure(L"the Unix command did not end: " + std::wstring(shellCommand.begin(), shellCommand.end()));
    return FileBytes(output).value_or("");
}

void UnmapDrives()
{
    for (const MappedDrive& drive : MappedDrives()) {
        RunUnix(L"/bin/rm -f \"" + drive.link + L"\"");
        if (!WaitUntil([&] { return !DriveSeen(drive.root); }))
            throw Failure(L"cannot remove the drive " + drive.root);
    }
    MappedDrives().clear();
}

void MapDrive(wchar_t letter, const std::wstring& folder)
{
    // Wine finds a drive by its link in dosdevices, beside the link of C:.
    std::wstring system = UnixFileName(L"C:\\");
    size_t devices = system.rfind(L"/dosdevices/");
    std::wstring root = std::wstring(1, static_cast<wchar_t>(towupper(letter))) + L":\\";
    if (devices == std::wstring::npos)
        throw Failure(L"no dosdevices folder for the drive " + root);
    std::wstring link = system.substr(0, devices) + L"/dosdevices/" + static_cast<wchar_t>(towlower(letter)) + L":";
    // A drive of the prefix stays; one a test run left behind in the scratch folder is taken.
    if (DriveSeen(root) && UnixOutput("readlink '" + Utf8(link) + "'").find(Utf8(UnixFileName(ScratchDir()))) != 0)
        throw Failure(L"the drive " + root + L" exists already");
    MappedDrives().push_back({root, link});
    RunUnix(L"/bin/ln -sfn \"" + UnixFileName(folder) + L"\" \"" + link + L"\"");
    if (!WaitUntil([&] { return DriveSeen(root); }))
        throw Failure(L"the drive " + root + L" did not appear");
}

void SetOpenCommand(const std::wstring& extension, const std::wstring& command)
{
    wchar_t earlier[MAX_PATH] = {};
    DWORD size = sizeof earlier;
    bool had = RegGetValueW(HKEY_CLASSES_ROOT, extension.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, earlier, &size) ==
               ERROR_SUCCESS;
    FileTypes().push_back({extension, had ? std::optional<std::wstring>(earlier) : std::nullopt});
    SetClassesDefault(extension, TestProgId(extension));
    SetClassesDefault(TestProgId(extension) + L"\\shell\\open\\command", command);
}

bool MountSmallDisk(const std::wstring& folder, int kilobytes)
{
    SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    WriteBytes(MountMarker(folder), "");
    SmallDisks().push_back(folder);
    RunUnix(L"/bin/mount -t tmpfs -o size=" + std::to_wstring(kilobytes) + L"k qlmsmall \"" + UnixFileName(folder) +
            L"\"");
    if (WaitUntil([&] { return !Listed(MountMarker(folder)); }, Ms(3000)))
        return true;
    SmallDisks().pop_back();
    DeleteFileW(MountMarker(folder).c_str());
    return false;
}

void SetRegString(const std::wstring& key, const std::wstring& name, const std::wstring& value)
{
    SetValue(key, name, REG_SZ, value.c_str(),
             static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void SetRegDword(const std::wstring& key, const std::wstring& name, DWORD value)
{
    SetValue(key, name, REG_DWORD, &value, sizeof value);
}

std::optional<std::wstring> RegString(const std::wstring& key, const std::wstring& name)
{
    HKEY h = OpenKey(key, KEY_QUERY_VALUE, false);
    if (!h)
        return std::nullopt;
    DWORD type = 0, size = 0;
    std::optional<std::wstring> out;
    if (RegQueryValueExW(h, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
        std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(h, name.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(value.data()), &size) == ERROR_SUCCESS) {
            value.resize(wcsnlen(value.c_str(), size / sizeof(wchar_t)));
            out = value;
        }
    }
    RegCloseKey(h);
    return out;
}

std::optional<DWORD> RegDword(const std::wstring& key, const std::wstring& name)
{
    HKEY h = OpenKey(key, KEY_QUERY_VALUE, false);
    if (!h)
        return std::nullopt;
    DWORD type = 0, value = 0, size = sizeof value;
    LSTATUS rc = RegQueryValueExW(h, name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(h);
    if (rc != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value)
        return std::nullopt;
    return value;
}

bool RegKeyExists(const std::wstring& key)
{
    HKEY h = OpenKey(key, KEY_READ, false);
    if (h)
        RegCloseKey(h);
    return h != nullptr;
}

void SetWindowsVersion(const std::wstring& exeName, const std::wstring& version)
{
    SetRegString(L"Software\\Wine\\AppDefaults\\" + exeName, L"Version", version);
}

}  // namespace kit
