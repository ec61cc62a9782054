#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "audio/volume_control.h"
#include "hotkeys/hotkey_record.h"

namespace vantrel::actions {

enum class BuiltIn { show_hide, volume_down, volume_up, volume_mute, none };

// Exact, case-sensitive match of the whole text; anything else is for the
// shell.
BuiltIn match_builtin(std::string_view action);

// The message for a shell launch's result code ("" for unlisted failures).
std::string_view launch_message(long long result_code);

// What the display shows for a launch: the text after the last backslash or
// colon, or the whole text when it has neither.
std::string_view file_name_part(std::string_view action);

// A channel level 0..65535 as a percentage with two decimals, truncated
// toward zero; the "not found" level -1 shows as 0.
double level_percentage(double level);

// The rule of the system's environment-variable expansion: each %NAME%
// whose name the lookup knows becomes its value; an unknown name, an empty
// one ("%%") and a lone "%" stay as written. Values are not expanded again.
std::string expand_environment(std::string_view text,
                               const std::function<std::optional<std::string>(std::string_view)>& lookup);

// What a row runs: its action text, and for a launch the arguments and the
// folder to start in ("" for none, as rows always had).
struct Launch {
  std::string action;
  std::string arguments;
  std::string start_in;
  bool operator==(const Launch&) const = default;
};
Launch launch_of(const hotkeys::HotkeyRow& row);

// What the shell is asked to open, with the environment expanded.
struct ShellRequest {
  std::string file;
  std::string parameters;
  std::string directory;
  bool operator==(const ShellRequest&) const = default;
};

// The longest texts a launch hands to the shell, in UTF-16 units as the
// system counts them. Windows opens no path longer than MAX_PATH - 1 and no
// command line longer than 32,767 units; an address it would take up to
// 2,083, but Wine's shell overruns a buffer, and takes the calling program
// down, from about 995 units of the file text on (measured: 990 opens, 1,000
// crashes). 960 leaves a margin and still holds every search address a
// browser's box makes of a few lines of text.
inline constexpr std::size_t kLongestLaunchPath = 259;
inline constexpr std::size_t kLongestLaunchAddress = 960;
inline constexpr std::size_t kLongestCommandLine = 32767;

// An address: a scheme of two or more letters, digits, "+", "-" or "."
// (starting with a letter) and a colon ("C:" is a drive).
bool is_address(std::string_view text);

// Why the shell must not be handed this request, or nullopt when it may.
std::optional<std::string> launch_refusal(const ShellRequest& request);

// What the display shows for a launch that failed with that result code:
// the Test button's message, or the shell's reason where that is empty.
std::string launch_failure_text(long long result_code);

// What carrying out an action needs from the rest of the program.
class ActionServices {
 public:
  virtual ~ActionServices() = default;
  virtual void toggle_application() = 0;
  virtual void lower_volume() = 0;
  virtual void raise_volume() = 0;
  virtual audio::Levels read_volume() = 0;
  virtual bool show_volume_progress_setting() const = 0;
  // Toggles mute on the selected line; true when the value written means
  // muted (or selected).
  virtual bool toggle_mute() = 0;
  // Opens the file through the shell with the verb "open"; the result code.
  virtual long long shell_open(const ShellRequest& request) = 0;
  // The text with the environment variables of this moment expanded.
  virtual std::string expand_environment(const std::string& text) = 0;
  virtual void show_osd(const std::string& text) = 0;
  // An error to report stops the action.
  virtual std::optional<std::string> show_volume_progress(double left_percent, double right_percent) = 0;
  virtual void show_message(const std::string& text) = 0;
};

// Carries out one action. The test flag (the editor's Test button) adds a
// message box with a launch's result. Built-in names are matched before
// any expansion; a launch expands the action, arguments and folder.
void run_hotkey_action(const Launch& launch, bool test, ActionServices& services);
inline void run_hotkey_action(const std::string& action, bool test, ActionServices& services) {
  run_hotkey_action(Launch{action, {}, {}}, test, services);
}

// The row a hotkey message belongs to: the one carrying its identifier, so
// that deleting rows never makes one shortcut run another's action.
const hotkeys::HotkeyRow* row_for_identifier(const std::vector<hotkeys::HotkeyRow>& rows, long long id);

}  // namespace vantrel::actions
