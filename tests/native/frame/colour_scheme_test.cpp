#include "frame/colour_scheme.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel::app {
namespace {

// Colours as the settings hold them, written out here rather than taken
// from the program: red + 256 * green + 65536 * blue, or a system colour's
// index with the high byte set.
constexpr base::ColourValue colour(unsigned red, unsigned green, unsigned blue) {
  return red + 256 * green + 65536 * blue;
}
constexpr base::ColourValue system(unsigned index) {
  return 0xFF000000u + index;
}

TEST(ColourScheme, EverySchemeByItsExactName) {
  const struct {
    const char* name;
    base::ColourValue dark, light, list, window;
  } cases[] = {
      // Button shadow, button highlight, window background, button face.
      {"_System (beta)", system(16), system(20), system(5), system(15)},
      {"Black", colour(0, 0, 0), colour(192, 192, 192), colour(160, 160, 164), colour(128, 128, 128)},
      {"Blue", colour(0, 0, 128), colour(166, 202, 240), colour(230, 250, 255), colour(220, 240, 255)},
      {"Green", colour(0, 128, 0), colour(192, 220, 192), colour(235, 255, 240), colour(210, 245, 220)},
      {"Purple", colour(128, 0, 128), colour(255, 0, 255), colour(255, 235, 235), colour(245, 220, 220)},
      {"Red", colour(50, 0, 0), colour(220, 70, 70), colour(255, 235, 240), colour(245, 210, 220)},
      {"Silver", colour(100, 100, 100), colour(192, 192, 192), colour(235, 235, 235), colour(245, 245, 245)},
      {"Yellow", colour(50, 20, 0), colour(220, 200, 70), colour(255, 240, 245), colour(245, 220, 225)},
      // Any other name, even one letter off, gets the fallback: Blue's
      // colours with a paler list.
      {"blue", colour(0, 0, 128), colour(166, 202, 240), colour(235, 245, 255), colour(220, 240, 255)},
      {"Blue ", colour(0, 0, 128), colour(166, 202, 240), colour(235, 245, 255), colour(220, 240, 255)},
      {"", colour(0, 0, 128), colour(166, 202, 240), colour(235, 245, 255), colour(220, 240, 255)},
      {"_System", colour(0, 0, 128), colour(166, 202, 240), colour(235, 245, 255), colour(220, 240, 255)},
  };
  for (const auto& c : cases) {
    const ColourScheme scheme = colour_scheme(c.name);
    EXPECT_EQ((std::vector<base::ColourValue>{scheme.dark, scheme.light, scheme.list, scheme.window}),
              (std::vector<base::ColourValue>{c.dark, c.light, c.list, c.window}))
        << '"' << c.name << '"';
  }
}

TEST(ColourScheme, TitleBarAndActionButtonColours) {
  const ColourScheme blue = colour_scheme("Blue");
  ui::TGradientColors bar;
  int rebuilds = 0;
  bar.on_change = [&rebuilds] { ++rebuilds; };
  apply_title_bar_colours(bar, blue);
  EXPECT_EQ(bar.get(ui::GradientColour::FocusedFrom), blue.dark);
  EXPECT_EQ(bar.get(ui::GradientColour::HighlightTo), blue.light);
  EXPECT_EQ(rebuilds, 8);
  apply_title_bar_colours(bar, blue);
  EXPECT_EQ(rebuilds, 8) << "the same colours again rebuild nothing";

  ui::TGradientColors button;
  apply_action_button_colours(button, blue);
  EXPECT_EQ(button.get(ui::GradientColour::ClickedFrom), base::rgb(214, 207, 198)) << "as designed";
  EXPECT_EQ(button.get(ui::GradientColour::ClickedTo), blue.dark);
}

TEST(ColourScheme, MenuButtonsRunFromSchemeColoursToWhiteInEveryScheme) {
  using ui::GradientColour;
  const base::ColourValue white = base::rgb(255, 255, 255);
  for (const char* name : {"Black", "Blue", "Green", "Purple", "Red", "Silver", "Yellow"}) {
    const ColourScheme scheme = colour_scheme(name);
    ui::TGradientColors button;
    const ui::TGradientColors designed;
    apply_menu_button_colours(button, scheme);
    EXPECT_EQ(button.get(GradientColour::BackgroundFrom), scheme.light) << name;
    EXPECT_EQ(button.get(GradientColour::BorderLine), scheme.dark) << name;
    EXPECT_EQ(button.get(GradientColour::ClickedFrom), scheme.dark) << name;
    EXPECT_EQ(button.get(GradientColour::FocusedFrom), scheme.light) << name;
    EXPECT_EQ(button.get(GradientColour::HighlightFrom), scheme.dark) << name;
    for (const GradientColour to : {GradientColour::BackgroundTo, GradientColour::ClickedTo,
                                    GradientColour::FocusedTo, GradientColour::HighlightTo})
      EXPECT_EQ(button.get(to), white) << name;
    EXPECT_EQ(button.get(GradientColour::BorderEdges), designed.get(GradientColour::BorderEdges)) << name;
    EXPECT_EQ(button.get(GradientColour::HotTrack), designed.get(GradientColour::HotTrack)) << name;
  }
}

// Writes down the scheme's dark colour and the quality each window gets.
class RecordingWindow : public SchemedWindow {
 public:
  RecordingWindow(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}
  void apply_colour_scheme(const ColourScheme& scheme) override {
    log_.push_back(name_ + " " + std::to_string(scheme.dark) + "/" + std::to_string(scheme.list));
  }
  void apply_quality(ui::TGradientQuality quality) override {
    log_.push_back(name_ + " q" + std::to_string(static_cast<int>(quality)));
  }

 private:
  std::string name_;
  std::vector<std::string>& log_;
};

TEST(WindowLooks, ASchemeReachesEveryWindowInOrder) {
  std::vector<std::string> log;
  RecordingWindow about("about", log), main("main", log), options("options", log);
  WindowLooks looks;
  // Attached in another order than they are served; the splash is missing.
  looks.attach(SchemedWindowRole::options, &options);
  looks.attach(SchemedWindowRole::main, &main);
  looks.attach(SchemedWindowRole::about, &about);
  log.clear();
  looks.ApplyColorScheme("Red");
  const std::string red = std::to_string(colour(50, 0, 0)) + "/" + std::to_string(colour(255, 235, 240));
  EXPECT_EQ(log, (std::vector<std::string>{"about " + red, "main " + red, "options " + red}));

  log.clear();
  looks.ApplyColorScheme("");  // a stored index past the list
  const std::string fallback =
      std::to_string(colour(0, 0, 128)) + "/" + std::to_string(colour(235, 245, 255));
  EXPECT_EQ(log.front(), "about " + fallback);

  looks.detach(SchemedWindowRole::about);
  log.clear();
  looks.ApplyColorScheme("Blue");
  EXPECT_EQ(log.size(), 2u);
}

TEST(WindowLooks, QualityByIndexAndAWindowAttachedLaterStartsWithTheLookInForce) {
  std::vector<std::string> log;
  RecordingWindow main("main", log);
  WindowLooks looks;
  looks.attach(SchemedWindowRole::main, &main);
  const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 1}, {-1, 1}};
  for (const auto& [index, quality] : cases) {
    log.clear();
    looks.ComboBoxQualityChange(index);
    EXPECT_EQ(log, (std::vector<std::string>{"main q" + std::to_string(quality)})) << index;
  }
  looks.ComboBoxQualityChange(2);
  looks.ApplyColorScheme("Green");
  log.clear();
  RecordingWindow splash("splash", log);
  looks.attach(SchemedWindowRole::splash, &splash);
  EXPECT_EQ(log, (std::vector<std::string>{"splash " + std::to_string(colour(0, 128, 0)) + "/" +
                                               std::to_string(colour(235, 255, 240)),
                                           "splash q2"}));
}

}  // namespace
}  // namespace vantrel::app
