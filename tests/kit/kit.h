// The UI test kit: drives the real programs from a separate test process under Wine.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>
#include <chrono>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kit {

using Ms = std::chrono::milliseconds;
inline constexpr Ms kTimeout{10000};

// Thrown by every kit call that cannot do its job; gtest reports it as a test failure
// with this text and the test stops there.
class Failure : public std::runtime_error {
public:
    explicit Failure(const std::wstring& message);
};

std::string Utf8(const std::wstring& text);

// Polls cond every 20 ms until it holds or the timeout passes; true when it held.
bool WaitUntil(const std::function<bool()>& cond, Ms timeout = kTimeout);

// Reads until the value equals expected or the timeout passes, and returns the last value
// read: a program shows the result of an action a moment after any sign of it (a dialog
// gone, a title set), so a check waits for its own state and still reports what it saw.
template <class Expected, class Read>
auto WaitFor(const Expected& expected, Read read, Ms timeout = kTimeout)
{
    std::optional<decltype(read())> last;
    WaitUntil([&] { return (last = read()) == expected; }, timeout);
    return *last;
}

}  // namespace kit

// EXPECT_EQ and friends once the value has had the kit's deadline to become the expected one.
#define EXPECT_SOON_EQ(expected, actual) EXPECT_EQ(expected, ::kit::WaitFor(expected, [&] { return actual; }))
#define EXPECT_SOON_TRUE(condition) EXPECT_TRUE(::kit::WaitFor(true, [&] { return static_cast<bool>(condition); }))
#define EXPECT_SOON_FALSE(condition) EXPECT_FALSE(::kit::WaitFor(false, [&] { return static_cast<bool>(condition); }))

namespace kit {

// ---- Known state -------------------------------------------------------------------

// Kills the programs, deletes their registry keys, template folders, suspend file,
// everything registered with RemoveAtReset, and empties ScratchDir(). Also makes Wine
// leave windows unmanaged, which saves 2 s per closed dialog under Xvfb.
void ResetState();
// A file or folder a test creates outside ScratchDir(); deleted at every later reset.
void RemoveAtReset(const std::wstring& path);

std::wstring DocumentsDir();
std::wstring AppDataDir();
// A folder for the running test's files, emptied at every reset.
std::wstring ScratchDir();
// A program of the build, beside ui_tests.exe; an absolute path is taken as it is.
std::wstring ProgramPath(const std::wstring& exeName);
// Whole-file bytes (std::nullopt when the file cannot be read), and a whole-file write.
std::optional<std::string> FileBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
// Makes the path a link to the Unix /dev/full: it opens for writing, but every write
// fails with "disk full". Removed by the next reset like any scratch file.
void MakeDiskFullFile(const std::wstring& path);

// Mounts a file system of that size over the folder (made if missing), hiding what it
// holds, until the next reset. False when this machine does not allow the mount.
bool MountSmallDisk(const std::wstring& folder, int kilobytes);
// Unmounts them; done at every reset and at the end of every UI test.
void UnmountSmallDisks();
// Makes the drive letter (L'q') a drive whose root is the folder, as a drive of its own
// would be; removed at the end of the test.
void MapDrive(wchar_t letter, const std::wstring& folder);
// Removes them; done at every reset and at the end of every UI test.
void UnmapDrives();
// Runs a Unix shell command (UTF-8) and returns what it printed, stdout and stderr.
std::string UnixOutput(const std::string& shellCommand);
// Windows Media Player's skins folder, which Fennick lists (emptied at every reset).
std::wstring SkinsDir();
// The editor's suspend file.
std::wstring SuspendFilePath();

// ---- Registry under HKEY_CURRENT_USER ----------------------------------------------

void SetRegString(const std::wstring& key, const std::wstring& name, const std::wstring& value);
void SetRegDword(const std::wstring& key, const std::wstring& name, DWORD value);
std::optional<std::wstring> RegString(const std::wstring& key, const std::wstring& name);
std::optional<DWORD> RegDword(const std::wstring& key, const std::wstring& name);
bool RegKeyExists(const std::wstring& key);
// Makes the shell open files of the extension (".js") with the command ("... \"%1\"");
// the extension's earlier file type comes back at the next reset.
void SetOpenCommand(const std::wstring& extension, const std::wstring& command);
// Wine's per-program Windows version: "win95", "win98", "nt40", "winxp", "win7", ...
void SetWindowsVersion(const std::wstring& exeName, const std::wstring& version);

// ---- Windows of another process ----------------------------------------------------

enum class Icon { None, Error, Warning, Question, Information };
const char* IconName(Icon icon);

struct MenuItem {
    bool exists = false;
    bool enabled = false;  // neither MFS_GRAYED nor MFS_DISABLED
    bool checked = false;
    std::wstring label;    // as in the menu: with '&' and any "\t" accelerator text
};

// A window handle with the operations tests need. Sends time out (5 s) and throw
// rather than hang; commands and clicks are posted, so an operation that opens a
// modal dialog does not block the test.
class Window {
public:
    Window() = default;
    explicit Window(HWND hwnd) : hwnd_(hwnd) {}
    HWND hwnd() const { return hwnd_; }
    explicit operator bool() const { return hwnd_ != nullptr; }
    bool Exists() const;
    DWORD Pid() const;

    std::wstring ClassName() const;
    std::wstring Text() const;
    void SetText(const std::wstring& text) const;
    int Id() const;
    bool Visible() const;
    bool Enabled() const;

    // The child control with this id (throws when there is none).
    Window Item(int id) const;
    bool HasItem(int id) const;

    // Button states: BST_CHECKED etc. SetChecked clicks like a user when the state
    // differs, so the dialog sees BN_CLICKED, and waits for the new state (for a radio
    // button, until the others of its group are unchecked too).
    bool Checked() const;
    void SetChecked(bool checked) const;
    // The item texts of a combo box, in order.
    std::vector<std::wstring> ComboTexts() const;
    void Click() const;                    // posted BM_CLICK

    void PostCommand(int id, int code = 0) const;   // WM_COMMAND as from a menu
    void SendCommand(int id, int code = 0) const;   // same, returns after it ran
    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const;
    void Post(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const;
    void Close() const;                    // posted WM_CLOSE

    // A key as WM_KEYDOWN/WM_KEYUP posted to this window: enough for accelerators and
    // dialog keys without modifiers (F3, Esc, Enter); GetKeyState does not see it.
    void PostKey(UINT vk) const;
    // A key chord (e.g. {VK_CONTROL, 'S'}) through SendInput after making this
    // window's top-level window the foreground window; modifiers are seen.
    void SendKeys(const std::vector<WORD>& chord) const;
    // Makes this window's top-level window the foreground window, as SendKeys does first.
    void Activate() const;
    // The active window and the keyboard focus of this window's thread.
    Window ThreadActive() const;
    Window ThreadFocus() const;

    // Status bar part text, toolbar button state, menu item of this window's menu.
    std::wstring StatusText(int part) const;
    bool ToolbarButtonEnabled(int commandId) const;
    bool ToolbarButtonChecked(int commandId) const;
    bool ToolbarHasButton(int commandId) const;
    MenuItem Menu(int commandId) const;
    // List view: one item's text, a whole column in item order, and a new selection
    // (the selection mark on its first item), as a click would leave it.
    std::wstring ListItemText(int index, int column) const;
    std::vector<std::wstring> ListColumn(int column) const;
    int ListItemImage(int index) const;
    void SelectListItems(const std::vector<int>& indexes) const;
    // Clicks, then double-clicks the middle of the item's label (posted).
    void DoubleClickListItem(int index) const;
    // Drops the files on this window as Explorer would (WM_DROPFILES, posted).
    void DropFiles(const std::vector<std::wstring>& paths) const;

    std::wstring Describe() const;   // for failure texts

protected:
    HWND hwnd_ = nullptr;
};

// A #32770 dialog; message boxes also answer Message/IconKind/Buttons.
class Dialog : public Window {
public:
    Dialog() = default;
    explicit Dialog(HWND hwnd) : Window(hwnd) {}
    std::wstring Caption() const { return Text(); }
    std::wstring Message() const;           // the static 0xFFFF of a message box
    Icon IconKind() const;                  // waits until the icon has painted
    std::vector<int> Buttons() const;       // ids of the visible buttons, in z-order
    int DefaultButton() const;              // DM_GETDEFID, 0 when none
    // Clicks the button and waits until the dialog has gone.
    void Answer(int buttonId, Ms timeout = kTimeout) const;
};

// Fills a common Open or Save As dialog: the file name, the filter (1-based, 0 keeps the
// current one), then OK. The dialog may still answer with a box of its own.
void ChooseInFileDialog(const Dialog& dialog, const std::wstring& fileName, int filterIndex = 0);
// The 1-based filter selected in a common file dialog.
int FileDialogFilter(const Dialog& dialog);

// ---- Programs ----------------------------------------------------------------------

// A started program; terminated by the destructor if it is still running.
class App {
public:
    // exeName is resolved beside ui_tests.exe unless it is an absolute path; args are appended raw.
    explicit App(const std::wstring& exeName, const std::wstring& args = L"",
                 const std::wstring& workDir = L"");
    ~App();
    App(App&& other) noexcept;
    App& operator=(App&& other) noexcept;
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    DWORD Pid() const { return pid_; }
    HANDLE Handle() const { return process_; }
    const std::wstring& Name() const { return name_; }
    bool Running() const;

    // Visible top-level windows of the process, and the first that matches (an empty
    // class or title matches any).
    std::vector<Window> TopWindows() const;
    Window Find(const std::wstring& cls, const std::wstring& title = L"") const;

    // Waits for a visible top-level window. A #32770 box that appears meanwhile and is
    // not the one waited for fails the test with its caption and text (and is closed);
    // so does the program's exit.
    Window WaitWindow(const std::wstring& cls, const std::wstring& title = L"",
                      Ms timeout = kTimeout) const;
    Dialog WaitDialog(const std::wstring& caption, Ms timeout = kTimeout) const;
    // Waits until no window of the given class and title is left.
    void WaitGone(const std::wstring& cls, const std::wstring& title = L"",
                  Ms timeout = kTimeout) const;
    DWORD WaitExit(Ms timeout = kTimeout) const;
    void Kill();
    // The full path of a DLL the program has loaded ("comctl32.dll"); empty when none.
    std::wstring ModulePath(const std::wstring& dllName) const;

private:
    std::wstring name_;
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
};

// ---- Screen --------------------------------------------------------------------------

// The screen's DPI, the same for every program in the prefix.
int ScreenDpi();

// Saves the screen (or one window's rectangle) as a 24-bit BMP <build>/screenshots/<name>.bmp,
// prints its Unix path and returns its Windows path.
std::wstring Screenshot(const std::wstring& name, HWND window = nullptr);
// The colour on the screen at a point of the window's client area.
COLORREF ScreenPixel(HWND window, int x, int y);
// The same without the printing.
std::wstring SaveScreen(const std::wstring& name, HWND window = nullptr);
std::wstring UnixPath(const std::wstring& windowsPath);
// The colour shown at a point of the window's client area, as GetPixel gives it (0x00BBGGRR).
COLORREF ClientPixel(const Window& window, int x, int y);
// Puts the mouse pointer on a point of the window's client area, as a user's hand would.
void MoveMouseTo(const Window& window, int x, int y);

// ---- Fixture -------------------------------------------------------------------------

// Base of every UI test: checks the suite runs in its locale and prefix (English*:
// code page 1252; Wow64*: 64-bit prefix; others: 932 in the 32-bit prefix), at the DPI
// that QLM_DPI names if set, and resets the state. At a test's first failure the screen is saved as
// screenshots/failed-<Suite>.<Test>.bmp, while its windows are still open.
class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Takes the failure screenshot of the running test, once per test.
void ShotAtFailure();

}  // namespace kit
