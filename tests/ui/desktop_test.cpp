#include "ui/desktop.hpp"

#include <filesystem>
#include <fstream>
#include <future>
#include <map>
#include <thread>

#include "frame/cp_literal.hpp"
#include "frame/standard_date.hpp"
#include "host/dane/globals.hpp"
#include "host/platform/env.hpp"
#include "support/demo_window_test.hpp"
#include "ui/window_threads.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;
using dane::Global;
namespace fs = std::filesystem;

constexpr const char* kService = "https://uslugi.example.pl/pulpit";

// Environment variables of the test's own, and a fixed day for the SMS tile's company data.
class DesktopEnv : public platform::EnvWrapper {
 public:
  explicit DesktopEnv(std::map<std::string, std::string>& variables)
      : EnvWrapper(platform::Env::current()), variables_(variables) {}
  std::optional<std::string> environment(std::string_view name) override {
    const auto it = variables_.find(std::string(name));
    if (it == variables_.end()) return std::nullopt;
    return it->second;
  }
  platform::LocalTime now() override { return {date::from_civil(2026, 12, 7).value(), 0}; }

 private:
  std::map<std::string, std::string>& variables_;
};

class Desktop : public testing::DemoWindowTest {
 protected:
  void SetUp() override {
    DemoWindowTest::SetUp();
    folder_ = fs::temp_directory_path() / ("funkcja_desktop_" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "common" / "Aktualnosci");
    fs::create_directories(folder_ / "local");
    dane::set_text(Global::GGG_PROGCOMMONTEMIX, (folder_ / "common").string());
    dane::set_text(Global::GLO_LOCALPATH, (folder_ / "local").string());
    env_.emplace(std::make_unique<DesktopEnv>(variables_));
  }
  void TearDown() override {
    env_.reset();
    fs::remove_all(folder_);
    DemoWindowTest::TearDown();
  }

  void news_file(const char* name) {
    std::ofstream(folder_ / "common" / "Aktualnosci" / name) << "<html></html>";
  }
  std::string address_of(const char* name) const {
    return "file://" + (folder_ / "common" / "Aktualnosci" / name).string();
  }
  static const desktop::Tile& tile(std::string_view code) {
    for (const auto& t : desktop::tiles()) {
      if (t.code == code) return t;
    }
    throw std::logic_error("no tile");
  }
  // The browser of the desktop's last snapshot.
  static Control browser() {
    const auto h = headless_driver().history();
    if (h.empty()) return {};
    for (const Control& c : h.back().controls) {
      if (c.type == control_type::kBrowser) return c;
    }
    return {};
  }
  static Control shown(std::string_view text) {
    const auto h = headless_driver().history();
    const Control* c = h.empty() ? nullptr : h.back().by_text(text);
    return c != nullptr ? *c : Control{};
  }

  fs::path folder_;
  std::map<std::string, std::string> variables_;
  std::optional<platform::ScopedEnv> env_;
};

TEST_F(Desktop, EachServiceTilesAddressWithAndWithoutTheServiceSetting) {
  news_file("aktualnosci.html");
  const std::string sms_keys =
      "&street=D%C5%82uga%205%2F3&zipCode=00-238&companyName=PHU%20%C5%BBuraw%20Sp.%20z%20o.o."
      "&vatNumber=5269458071&city=Warszawa";
  for (const char* code : {"akt", "wpr", "wab", "zbr", "wib", "zde", "ihd", "sms"}) {
    variables_["FUNKCJA_DESKTOP_URL"] = std::string(kService) + "  ";
    const desktop::Page online = desktop::service_page(tile(code));
    EXPECT_EQ(online.address, std::string(kService) + "?opr=" + code +
                                  (std::string_view(code) == "sms" ? sms_keys : ""));
    variables_["FUNKCJA_DESKTOP_URL"] = "   ";
    const desktop::Page offline = desktop::service_page(tile(code));
    EXPECT_EQ(offline.missing_file, "");
    if (std::string_view(code) == "akt") {
      EXPECT_EQ(offline.address, address_of("aktualnosci.html"));
      continue;
    }
    // A page of our own says that the service is not configured.
    const fs::path page = folder_ / "local" / ("pulpit_bez_uslugi_" + std::string(code) + ".html");
    EXPECT_EQ(offline.address, "file://" + page.string());
    std::string html;
    ASSERT_TRUE(platform::read_file(page.string(), html)) << code;
    EXPECT_NE(html.find("nie jest skonfigurowana"), std::string::npos);
    EXPECT_NE(html.find(cp1250::cp1250_to_utf8(tile(code).title)), std::string::npos);
  }
  EXPECT_TRUE(warnings().empty());
  // A company without data sends the service no keys.
  variables_["FUNKCJA_DESKTOP_URL"] = kService;
  dane::set_number(Global::DANE_ID_FIRMY, 99);
  EXPECT_EQ(desktop::service_page(tile("sms")).address, std::string(kService) + "?opr=sms");
}

TEST_F(Desktop, NotConfiguredPageWithoutAWritableFolderIsADataAddress) {
  std::ofstream(folder_ / "plik") << "x";
  dane::set_text(Global::GLO_LOCALPATH, (folder_ / "plik").string());
  const std::string address = desktop::not_configured_page(tile("wib"));
  EXPECT_EQ(address.rfind("data:text/html;charset=utf-8,", 0), 0u) << address;
  EXPECT_NE(address.find("Sklep%20internetowy"), std::string::npos);
  EXPECT_EQ(fs::file_size(folder_ / "plik"), 1u);
}

TEST_F(Desktop, OfflineNewsFromTheCommonFolder) {
  struct Case {
    std::vector<const char*> files;
    std::string address;  // empty: the news are missing
  };
  const Case cases[] = {
      {{"aktualnosci.html", "offline.html"}, address_of("aktualnosci.html")},
      {{"offline.html"}, address_of("offline.html")},
      {{}, ""},
  };
  const std::string news = (folder_ / "common" / "Aktualnosci" / "aktualnosci.html").string();
  for (const Case& c : cases) {
    fs::remove_all(folder_ / "common" / "Aktualnosci");
    fs::create_directories(folder_ / "common" / "Aktualnosci");
    for (const char* f : c.files) news_file(f);
    // The common folder with trailing blanks, as the host's fixed-length global holds it.
    dane::set_text(Global::GGG_PROGCOMMONTEMIX, (folder_ / "common").string() + "   ");
    const desktop::Page page = desktop::local_news();
    EXPECT_EQ(page.address, c.address);
    EXPECT_EQ(page.missing_file, c.address.empty() ? news : "");

    headless_driver().clear();
    platform::headless_message_box().clear();
    PULPITPROGRAMU("");
    EXPECT_EQ(browser().browser.address(), c.address);
    EXPECT_EQ(warnings(), c.address.empty()
                              ? std::vector<std::string>{"Nie znaleziono pliku|" + news}
                              : std::vector<std::string>{});
  }
}

TEST_F(Desktop, PageCodesChooseTheFirstPage) {
  variables_["FUNKCJA_DESKTOP_URL"] = kService;
  const std::pair<const char*, const char*> cases[] = {
      {"", "akt"},    {"sms", "sms"},  {"WIB  ", "wib"}, {"ihd", "ihd"},
      {"xyz", "akt"}, {" wpr", "akt"}, {"wsk", "akt"},
  };
  for (const auto& [page_code, shown_code] : cases) {
    headless_driver().clear();
    PULPITPROGRAMU(page_code);
    const std::string address = browser().browser.address();
    EXPECT_EQ(address.substr(0, address.find('&')), std::string(kService) + "?opr=" + shown_code)
        << page_code;
  }
  // The first start after an update shows what changed, unless a page is asked for.
  dane::set_number(Global::GLO_STARTPOAKTUALIZACJI, 1);
  dane::set_text(Global::GLO_HTM_AKTUALNEZMIANY, "https://example.pl/zmiany.html ");
  PULPITPROGRAMU("");
  EXPECT_EQ(browser().browser.address(), "https://example.pl/zmiany.html");
  PULPITPROGRAMU("wpr");
  EXPECT_EQ(browser().browser.address(), std::string(kService) + "?opr=wpr");
}

TEST_F(Desktop, TilesBackForwardRefreshAndTheTranscript) {
  variables_["FUNKCJA_DESKTOP_URL"] = kService;
  const std::string at = std::string(kService) + "?opr=";
  // The application frame's thread: it reads the events the host's tiles post to it.
  std::promise<std::int32_t> frame_number;
  std::promise<void> desktop_closed;
  std::vector<std::optional<std::int32_t>> frame_events;
  std::thread frame([&] {
    frame_number.set_value(thread_number());
    desktop_closed.get_future().wait();
    for (int i = 0; i < 3; ++i)
      frame_events.push_back(take_posted_event(std::chrono::milliseconds(0)));
  });
  dane::set_number(Global::GGG_WATEKAPP, frame_number.get_future().get());
  script({"click Sklep internetowy", std::string("click Zgłoszenia serwisowe"_cp), "key Ctrl+Left",
          "key Ctrl+Left", "key Ctrl+Left", "key Ctrl+Right", "click Strona producenta",
          "key Ctrl+Right", "key F5", std::string("click Kluczowe wskaźniki"_cp),
          std::string("click Moje skróty"_cp), "click Zamknij pulpit informacyjny"});
  PULPITPROGRAMU("");
  desktop_closed.set_value();
  frame.join();
  const auto h = headless_driver().history();
  ASSERT_FALSE(h.empty());
  EXPECT_EQ(h.front().key, "PulpitProgramu");
  EXPECT_TRUE(h.back().closed);
  EXPECT_EQ(browser().browser.history,
            (std::vector<std::string>{at + "akt", at + "wib", at + "wpr"}));
  EXPECT_EQ(browser().browser.address(), at + "wpr");
  EXPECT_TRUE(browser().browser.silent);
  const std::string t = headless_driver().transcript();
  const std::string browser_number = std::to_string(browser().number);
  for (const std::string& line :
       {"browser navigate \"" + at + "akt\"", "browser navigate \"" + at + "ihd\"",
        "browser back \"" + at + "wib\"", "browser back \"" + at + "akt\"",
        "browser forward \"" + at + "wib\"", "browser navigate \"" + at + "wpr\""}) {
    EXPECT_NE(t.find("  * #" + browser_number + " " + line + "\n"), std::string::npos) << line;
  }
  // Ctrl+Left at the first page and Ctrl+Right at the last load nothing; F5 loads the tile's
  // page again.
  EXPECT_EQ(browser().browser.loads, 8);
  EXPECT_EQ(frame_events, (std::vector<std::optional<std::int32_t>>{
                              desktop::kIndicatorsEvent, desktop::kShortcutsEvent, std::nullopt}));
  EXPECT_EQ(dane::get_int(Global::GLO_PANELWYSTARTOWANY), 1);
}

TEST_F(Desktop, ListCollapsesByItsButtonAndAfterAChoiceWhenPinned) {
  variables_["FUNKCJA_DESKTOP_URL"] = kService;
  const std::int32_t collapse = 1;  // the toolbar's first button
  const std::int32_t pin = 2;
  script({"mouse " + std::to_string(collapse)});
  PULPITPROGRAMU("");
  EXPECT_TRUE(shown("Sklep internetowy").hidden);
  EXPECT_TRUE(shown("Pulpit informacyjny").hidden);
  EXPECT_EQ(headless_driver().history().back().control(collapse)->icon, "~pulpit_rozwin.ico");

  headless_driver().clear();
  script({"mouse " + std::to_string(collapse), "mouse " + std::to_string(collapse)});
  PULPITPROGRAMU("");
  EXPECT_FALSE(shown("Sklep internetowy").hidden);
  EXPECT_EQ(headless_driver().history().back().control(collapse)->icon, "~pulpit_zwin.ico");

  headless_driver().clear();
  script({"click Sklep internetowy", "mouse " + std::to_string(pin), "click Sklep internetowy"});
  PULPITPROGRAMU("");
  EXPECT_TRUE(shown("Sklep internetowy").hidden);
  const auto h = headless_driver().history();
  EXPECT_FALSE(h[1].by_text("Sklep internetowy")->hidden);  // not pinned at the first choice
  EXPECT_EQ(h.back().control(pin)->tooltip,
            "Ukryj listę pulpitu informacyjnego po wybraniu opcji."_cp);
  EXPECT_EQ(shown("Zamknij pulpit informacyjny").tooltip, "Zamknij pulpit.");
}

TEST_F(Desktop, SettingsAreSavedOnCloseAndReadOnTheNextOpen) {
  const auto stored = [] {
    return rows(
        "SELECT id_firmy, id_opcje, nazwa_wartosci FROM OPCJE_UZYTKOWNIKA WHERE id_uzyt = "
        "'AKOWALSKA' AND id_opcje IN (260, 261) ORDER BY id_firmy, id_opcje");
  };
  const std::string start = "click Uruchom pulpit informacyjny na starcie";
  // The defaults when the user has no rows: the list stays, the desktop starts after login.
  EXPECT_EQ(desktop::read_settings(), (desktop::Settings{false, true}));
  struct Case {
    std::vector<std::string> actions;
    desktop::Settings shown_at_open;
    std::vector<std::string> rows;
  };
  const Case cases[] = {
      {{"close"}, {false, true}, {"1|260|nie", "1|261|tak"}},
      {{"mouse 2", start, "key Esc"}, {false, true}, {"1|260|tak", "1|261|nie"}},
      {{"mouse 2", "click Zamknij pulpit informacyjny"}, {true, false}, {"1|260|nie", "1|261|nie"}},
      {{start}, {false, false}, {"1|260|nie", "1|261|tak"}},
  };
  for (const Case& c : cases) {
    headless_driver().clear();
    script(c.actions);
    PULPITPROGRAMU("");
    const auto h = headless_driver().history();
    ASSERT_FALSE(h.empty());
    EXPECT_EQ(h.front().control(2)->value, c.shown_at_open.hide_after_choice ? 1 : 0);
    EXPECT_EQ(h.front().by_text("Uruchom pulpit informacyjny na starcie")->value,
              c.shown_at_open.start_after_login ? 1 : 0);
    EXPECT_EQ(stored(), c.rows);
  }
  // Another company of the same user keeps its own settings.
  set_session(2, "AKOWALSKA", 2, 4);
  EXPECT_EQ(desktop::read_settings(), (desktop::Settings{false, true}));
  EXPECT_TRUE(desktop::save_settings({true, true}));
  EXPECT_EQ(stored(),
            (std::vector<std::string>{"1|260|nie", "1|261|tak", "2|260|tak", "2|261|tak"}));
}

}  // namespace
}  // namespace funkcja::ui
