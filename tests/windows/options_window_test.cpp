// The Options window against the real controls and common dialogs: its
// fields apply their typing and leaving rules to the settings, the slider
// sets the opacity's label, a change made elsewhere shows in the controls,
// and the colour and font dialogs open and a confirmed choice is applied.
#include <windows.h>
#include <colordlg.h>
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "memory_storage.h"
#include "options/options_window_win32.h"
#include "settings/stored_settings.h"
#include "win32/text.h"

namespace vantrel::app {
namespace {

std::wstring text_of(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

struct Options {
  testing::MemoryStorage storage;
  StoredSettings settings{storage, "S.ini", ScreenSize{1024, 768}};
  TFormOptions window{GetModuleHandleW(nullptr), settings};

  Options() { window.show(); }
  HWND control(int id) const { return window.control(id); }
};

// Waits on another thread for a dialog that the window opens, works it,
// and confirms it; the window's own thread runs the dialog meanwhile.
class DialogDriver {
 public:
  DialogDriver(HWND owner, std::function<void(HWND dialog)> work)
      : thread_([this, owner, work = std::move(work)] {
          for (int tries = 0; tries < 500 && !done_; ++tries) {
            HWND dialog = nullptr;
            while ((dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr))) {
              if (GetWindow(dialog, GW_OWNER) == owner && IsWindowVisible(dialog)) break;
            }
            if (dialog) {
              work(dialog);
              found_ = true;
              return;
            }
            Sleep(20);
          }
        }) {}
  ~DialogDriver() {
    done_ = true;
    thread_.join();
  }
  bool found() const { return found_; }

 private:
  std::atomic<bool> done_{false};
  std::atomic<bool> found_{false};
  std::thread thread_;
};

TEST(OptionsWindow, NumericFieldsApplyTheirRulesToTheSettings) {
  Options options;
  const HWND height = options.control(kEditProgressHeight);
  SetWindowTextW(height, L"150");
  EXPECT_EQ(text_of(height), L"100") << "above the limit while typing";
  EXPECT_EQ(options.settings.model().progress_height, "100");
  SetWindowTextW(height, L"x");
  EXPECT_EQ(text_of(height), L"20") << "no number: the reset";
  SetWindowTextW(height, L"5");
  EXPECT_EQ(options.settings.display().bar_height, "5") << "left as typed while typing";
  SetFocus(height);
  SetFocus(options.control(kEditProgressX));
  EXPECT_EQ(text_of(height), L"10") << "raised to the lower limit on leaving";
  EXPECT_EQ(options.settings.model().progress_height, "10");

  const HWND x = options.control(kEditProgressX);
  SetWindowTextW(x, L"007");
  SetFocus(options.control(kEditProgressY));
  EXPECT_EQ(text_of(x), L"7");
  EXPECT_EQ(options.settings.display().bar_x, "7");
}

// Keys typed into the real edit control: a rejected letter leaves the caret
// where the user was typing, so that the next key lands there.
TEST(OptionsWindow, ARejectedLetterKeepsTheCaretWhereTheUserWasTyping) {
  Options options;
  const struct {
    int field;
    const wchar_t* before;
    int caret;
    wchar_t letter;
    const wchar_t* shown;
    int caret_after;
  } cases[] = {
      {kEditProgressHeight, L"45", 2, L'x', L"20", 2},
      {kEditProgressHeight, L"45", 1, L'q', L"20", 1},
      {kEditOSDX, L"370", 1, L'-', L"100", 1},
      {kEditOSDX, L"370", 3, L'k', L"100", 3},
  };
  for (const auto& c : cases) {
    const HWND field = options.control(c.field);
    SetWindowTextW(field, c.before);
    SendMessageW(field, EM_SETSEL, c.caret, c.caret);
    SendMessageW(field, WM_CHAR, c.letter, 0);
    EXPECT_EQ(text_of(field), c.shown) << c.before << " + " << static_cast<char>(c.letter);
    DWORD start = 0, end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(static_cast<int>(start), c.caret_after) << c.before << " + " << static_cast<char>(c.letter);
    EXPECT_EQ(end, start);
  }
  // The next keys act at the caret: after "100" took the place of "12z",
  // a backspace and a digit there give "150" (at the front, "5100" would
  // have been cut to the limit).
  const HWND x = options.control(kEditOSDX);
  SetWindowTextW(x, L"12");
  SendMessageW(x, EM_SETSEL, 2, 2);
  for (const wchar_t key : {L'z', L'\b', L'5'}) SendMessageW(x, WM_CHAR, key, 0);
  EXPECT_EQ(text_of(x), L"150");
}

TEST(OptionsWindow, SliderCheckBoxesAndListsChangeTheSettings) {
  Options options;
  const HWND alpha = options.control(kTrackBarMainAlpha);
  SendMessageW(alpha, TBM_SETPOS, TRUE, 4);
  SendMessageW(options.window.handle(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
               reinterpret_cast<LPARAM>(alpha));
  EXPECT_EQ(text_of(options.control(kLabel1)), L"40%");
  EXPECT_EQ(options.settings.model().alpha, 4);

  SendMessageW(options.control(kCheckBoxAutorun), BM_CLICK, 0, 0);
  EXPECT_FALSE(options.settings.model().autorun);

  const HWND time = options.control(kComboBoxVisibleTime);
  SendMessageW(time, CB_SETCURSEL, 7, 0);
  SendMessageW(options.window.handle(), WM_COMMAND, MAKEWPARAM(kComboBoxVisibleTime, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(time));
  EXPECT_EQ(options.settings.display().visible_ms, 8000);
}

TEST(OptionsWindow, SettingsChangedElsewhereShowInTheControls) {
  Options options;
  options.storage.files["S.ini"] = "[General]\r\nColor=5\r\nLogo=0\r\n[MainWindow]\r\nAlpha=3\r\n";
  options.settings.load();
  EXPECT_EQ(SendMessageW(options.control(kComboBoxColorScheme), CB_GETCURSEL, 0, 0), 5);
  EXPECT_EQ(SendMessageW(options.control(kCheckBoxLogo), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(options.control(kTrackBarMainAlpha), TBM_GETPOS, 0, 0), 3);
  EXPECT_EQ(text_of(options.control(kLabel1)), L"30%");

  options.settings.reset_to_defaults();
  EXPECT_EQ(SendMessageW(options.control(kComboBoxColorScheme), CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(text_of(options.control(kLabel1)), L"Disabled");
}

TEST(OptionsWindow, DefaultAsksThenAppliesEveryDefaultWithoutWriting) {
  Options options;
  options.storage.files["S.ini"] = "[General]\r\nColor=5\r\n[OSD]\r\nVisibleTime=0\r\n";
  options.settings.load();
  const UINT_PTR answers[] = {IDNO, IDCANCEL, IDYES};
  for (const UINT_PTR answer : answers) {
    std::wstring title;
    DialogDriver driver(options.window.handle(), [&title, answer](HWND box) {
      wchar_t text[64] = {};
      GetWindowTextW(box, text, 64);
      title = text;
      PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
    });
    options.window.gradient_button(kButtonDefault)->click();
    ASSERT_TRUE(driver.found()) << "the question was asked";
    EXPECT_EQ(title, L"Default ?");
    const bool reset = answer == IDYES;
    EXPECT_EQ(options.settings.model().colour_scheme, reset ? 2 : 5) << answer;
    EXPECT_EQ(options.settings.display().visible_ms, reset ? 2000 : 200) << answer;
  }
  EXPECT_EQ(SendMessageW(options.control(kComboBoxColorScheme), CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(options.storage.files["S.ini"], "[General]\r\nColor=5\r\n[OSD]\r\nVisibleTime=0\r\n")
      << "the file waits for the next save";
}

TEST(OptionsWindow, ColourDialogOpensAndTheConfirmedColourIsApplied) {
  Options options;
  options.window.show_page(1);
  DialogDriver driver(options.window.handle(), [](HWND dialog) {
    // The red, green and blue fields of the dialog's custom colour part.
    SetDlgItemTextW(dialog, COLOR_RED, L"1");
    SetDlgItemTextW(dialog, COLOR_GREEN, L"2");
    SetDlgItemTextW(dialog, COLOR_BLUE, L"3");
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  SendMessageW(options.control(kButtonBorderColor), BM_CLICK, 0, 0);
  ASSERT_TRUE(driver.found()) << "the colour dialog opened";
  EXPECT_EQ(options.settings.model().border_colour, base::rgb(1, 2, 3));
  EXPECT_EQ(options.settings.display().border_colour, base::rgb(1, 2, 3));
  ASSERT_EQ(options.settings.save(), std::nullopt);
  EXPECT_NE(options.storage.files["S.ini"].find("BorderColor=$00030201\r\n"), std::string::npos);
}

TEST(OptionsWindow, FontDialogOpensAndTheConfirmedFontIsApplied) {
  Options options;
  options.window.show_page(3);
  std::wstring chosen_face;
  DialogDriver driver(options.window.handle(), [&chosen_face](HWND dialog) {
    // Another face than the one it opened on that comes in 24 points, and red.
    const HWND faces = GetDlgItem(dialog, cmb1);
    const HWND sizes = GetDlgItem(dialog, cmb3);
    const LRESULT current = SendMessageW(faces, CB_GETCURSEL, 0, 0);
    const LRESULT count = SendMessageW(faces, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count && chosen_face.empty(); ++i) {
      if (i == current) continue;
      SendMessageW(faces, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
      SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(faces));
      const LRESULT size =
          SendMessageW(sizes, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"24"));
      if (size == CB_ERR) continue;
      SendMessageW(sizes, CB_SETCURSEL, static_cast<WPARAM>(size), 0);
      SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb3, CBN_SELCHANGE), reinterpret_cast<LPARAM>(sizes));
      wchar_t face[LF_FACESIZE] = {};
      SendMessageW(faces, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(face));
      chosen_face = face;
    }
    const HWND colours = GetDlgItem(dialog, cmb4);
    const LRESULT colour_count = SendMessageW(colours, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < colour_count; ++i) {
      if (static_cast<COLORREF>(SendMessageW(colours, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)) ==
          RGB(255, 0, 0)) {
        SendMessageW(colours, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb4, CBN_SELCHANGE), reinterpret_cast<LPARAM>(colours));
      }
    }
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  SendMessageW(options.control(kButtonOSDFont), BM_CLICK, 0, 0);
  ASSERT_TRUE(driver.found()) << "the font dialog opened";
  ASSERT_FALSE(chosen_face.empty()) << "no face comes in 24 points";
  const FontSetting& font = options.settings.model().osd_font;
  EXPECT_EQ(font.name, std::string(chosen_face.begin(), chosen_face.end()));
  EXPECT_EQ(font.points, 24);
  EXPECT_EQ(font.colour, base::rgb(255, 0, 0));
  EXPECT_EQ(options.settings.display().text_font.face, font.name);
}

// The dialog offers only what the settings keep, and a stored face that is
// not installed opens on an installed face at the stored size.
TEST(OptionsWindow, FontDialogOffersWhatIsKeptOnAnInstalledFace) {
  Options options;
  options.storage.files["S.ini"] = "[OSD]\r\nFontName=No Such Face Vantrel\r\nFontSize=20\r\n";
  options.settings.load();
  std::wstring face, size;
  bool hidden = true;
  bool faces_and_colours_shown = true;
  DialogDriver driver(options.window.handle(), [&](HWND dialog) {
    for (const int item : {cmb2, chx1, chx2, cmb5})
      hidden = hidden && !IsWindowVisible(GetDlgItem(dialog, item));
    for (const int item : {cmb1, cmb3, cmb4})
      faces_and_colours_shown = faces_and_colours_shown && IsWindowVisible(GetDlgItem(dialog, item));
    face = text_of(GetDlgItem(dialog, cmb1));
    size = text_of(GetDlgItem(dialog, cmb3));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  SendMessageW(options.control(kButtonOSDFont), BM_CLICK, 0, 0);
  ASSERT_TRUE(driver.found()) << "the font dialog opened";
  EXPECT_TRUE(hidden) << "style, underline, strikeout and script are not offered";
  EXPECT_TRUE(faces_and_colours_shown);
  EXPECT_FALSE(face.empty());
  EXPECT_NE(face, L"No Such Face Vantrel");
  EXPECT_EQ(size, L"20") << win32::narrow(face);
  const FontSetting& font = options.settings.model().osd_font;
  EXPECT_EQ(win32::widen(font.name), face) << "confirmed, the face offered is kept";
  EXPECT_EQ(font.points, 20);
}

}  // namespace
}  // namespace vantrel::app
