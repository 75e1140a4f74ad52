// The platform seam's clock and environment are what the library sees: a test Env with a fixed
// clock moves "today" for the logs and the database's getdate(), and a made-up environment
// moves the default database and settings file.
#include "host/platform/env.hpp"

#include <cstdlib>
#include <map>
#include <thread>

#include "frame/standard_date.hpp"
#include "funkcja/gateway.hpp"
#include "funkcja/lookups.hpp"
#include "host/connect.hpp"
#include "host/dane/globals.hpp"
#include "host/platform/clipboard.hpp"
#include "lookups/logs.hpp"
#include "support/database_fixture.hpp"

namespace funkcja {
namespace {

using platform::Env;

// A fixed clock and a made-up environment over the Env in use.
class MadeUpEnv : public platform::EnvWrapper {
 public:
  MadeUpEnv() : EnvWrapper(Env::current()) {}

  platform::LocalTime clock;
  std::map<std::string, std::string, std::less<>> variables;
  std::string data;
  std::string config;

  platform::LocalTime now() override { return clock; }
  std::optional<std::string> environment(std::string_view name) override {
    const auto it = variables.find(name);
    if (it == variables.end()) return std::nullopt;
    return it->second;
  }
  std::string data_folder() override { return data; }
  std::string config_folder() override { return config; }
};

std::int64_t at(int hours, int minutes, int seconds, int millis) {
  return ((hours * 60LL + minutes) * 60 + seconds) * 1000 + millis;
}

class EnvClock : public testing::DemoDatabase {
 protected:
  void SetUp() override {
    DemoDatabase::SetUp();
    lookups::reset_operation_numbers();
  }
};

TEST_F(EnvClock, TheEnvsClockIsTodayForTheLogsAndTheDatabase) {
  const struct Case {
    int year, month, day;
    std::int64_t millis;
    const char* getdate;
  } cases[] = {
      {2031, 2, 28, at(13, 5, 7, 250), "2031-02-28 13:05:07.250"},
      {2028, 2, 29, at(0, 0, 0, 0), "2028-02-29 00:00:00.000"},
      {1999, 12, 31, at(23, 59, 59, 999), "1999-12-31 23:59:59.999"},
  };
  for (const Case& c : cases) {
    auto env = std::make_unique<MadeUpEnv>();
    const std::int32_t day = *date::from_civil(c.year, c.month, c.day);
    env->clock = {day, c.millis};
    platform::ScopedEnv installed(std::move(env));

    EXPECT_EQ(platform::today(), day);
    EXPECT_EQ(FUNCVAY("select getdate()"), c.getdate);
    EXPECT_EQ(FUNCVAY("select convert(varchar(10), getdate(), 120)"),
              std::string(c.getdate).substr(0, 10));

    LOG_DODAJ(c.year, "TEST", "Zegar", std::to_string(c.year), "", "", "");
    EXPECT_EQ(
        rows("select data_operacji from FK_LOG_1 where tekst_1 = '" + std::to_string(c.year) + "'"),
        std::vector<std::string>{std::to_string(day)});
    LOG_ADD(c.year, "D", "DOK", "zegar");
    EXPECT_EQ(
        rows("select dataczas from UZYTKOWNIK_FK_LOG where id_zapisu = " + std::to_string(c.year)),
        std::vector<std::string>{c.getdate});
  }
}

TEST(EnvEnvironment, TheEnvNamesTheDefaultDatabaseAndSettingsFile) {
  const struct Case {
    const char* name;
    std::map<std::string, std::string, std::less<>> variables;
    const char* data;
    const char* config;
    const char* database;
    const char* settings;
  } cases[] = {
      {"user folders",
       {},
       "/d/funkcja",
       "/c/funkcja",
       "sqlite:/d/funkcja/funkcja.db",
       "/c/funkcja/funkcja.ini"},
      {"settings named outright",
       {{"FUNKCJA_SETTINGS", "/etc/funkcja/firma.ini"}},
       "/d/funkcja",
       "/c/funkcja",
       "sqlite:/d/funkcja/funkcja.db",
       "/etc/funkcja/firma.ini"},
      {"an empty name counts as none",
       {{"FUNKCJA_SETTINGS", ""}},
       "/d/funkcja",
       "/c/funkcja",
       "sqlite:/d/funkcja/funkcja.db",
       "/c/funkcja/funkcja.ini"},
      {"no folders: the working folder", {}, "", "", "sqlite:./funkcja.db", "funkcja.ini"},
  };
  for (const Case& c : cases) {
    auto env = std::make_unique<MadeUpEnv>();
    env->variables = c.variables;
    env->data = c.data;
    env->config = c.config;
    {
      platform::ScopedEnv installed(std::move(env));
      dane::reset_all();
      EXPECT_EQ(database::default_url(), c.database) << c.name;
      EXPECT_EQ(dane::get_text(dane::Global::GGG_SCIEZKA_SET), c.settings) << c.name;
    }
    dane::reset_all();
  }
}

// The headless Env's folders follow the freedesktop variables, then the home folder.
TEST(EnvEnvironment, HeadlessFoldersFollowTheUsersVariables) {
  const struct Case {
    const char* data_home;  // nullptr: unset
    const char* config_home;
    const char* home;
    const char* data;
    const char* config;
  } cases[] = {
      {"/x/data", "/x/config", "/home/ola", "/x/data/funkcja", "/x/config/funkcja"},
      {nullptr, nullptr, "/home/ola", "/home/ola/.local/share/funkcja",
       "/home/ola/.config/funkcja"},
      {"relative", "", "/home/ola", "/home/ola/.local/share/funkcja", "/home/ola/.config/funkcja"},
      {nullptr, nullptr, nullptr, "", ""},
  };
  const char* names[] = {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "HOME"};
  std::optional<std::string> saved[3];
  for (int i = 0; i < 3; ++i) saved[i] = Env::headless().environment(names[i]);
  for (const Case& c : cases) {
    const char* values[] = {c.data_home, c.config_home, c.home};
    for (int i = 0; i < 3; ++i) {
      if (values[i] != nullptr) {
        ::setenv(names[i], values[i], 1);
      } else {
        ::unsetenv(names[i]);
      }
    }
    EXPECT_EQ(Env::headless().data_folder(), c.data) << c.data;
    EXPECT_EQ(Env::headless().config_folder(), c.config) << c.config;
  }
  for (int i = 0; i < 3; ++i) {
    if (saved[i]) {
      ::setenv(names[i], saved[i]->c_str(), 1);
    } else {
      ::unsetenv(names[i]);
    }
  }
}

TEST(EnvInstall, ScopedEnvsNestAndPutThePreviousOneBack) {
  Env* const headless = &Env::current();
  ASSERT_EQ(headless, &Env::headless());
  {
    auto outer = std::make_unique<MadeUpEnv>();
    Env* const outer_env = outer.get();
    platform::ScopedEnv a(std::move(outer));
    EXPECT_EQ(&Env::current(), outer_env);
    {
      auto inner = std::make_unique<MadeUpEnv>();
      EXPECT_EQ(&inner->target(), outer_env);
      Env* const inner_env = inner.get();
      platform::ScopedEnv b(std::move(inner));
      EXPECT_EQ(&Env::current(), inner_env);
    }
    EXPECT_EQ(&Env::current(), outer_env);
  }
  EXPECT_EQ(&Env::current(), headless);
}

TEST(EnvHeadless, TheClipboardIsOneForTheWholeProcess) {
  Env& env = Env::headless();
  std::thread([&env] { env.set_clipboard_text("PL61 1090 1014 0000 0712 1981 2874"); }).join();
  EXPECT_EQ(env.clipboard_text(), "PL61 1090 1014 0000 0712 1981 2874");
  env.set_clipboard_text("");
}

TEST(EnvHeadless, TheSaveDialogAnswersFromItsQueueThenCancels) {
  platform::headless_folder_dialog().clear();
  platform::headless_folder_dialog().push_save_answer(std::string("/tmp/lista.csv"));
  platform::headless_folder_dialog().push_save_answer(std::nullopt);
  Env& env = Env::headless();
  const platform::SaveFileRequest request{"Zapisz jako", "/tmp", "lista.csv", "CSV|*.csv"};
  EXPECT_EQ(env.choose_save_file(request), std::optional<std::string>("/tmp/lista.csv"));
  EXPECT_EQ(env.choose_save_file(request), std::nullopt);  // cancelled
  EXPECT_EQ(env.choose_save_file(request), std::nullopt);  // nothing queued: cancelled
  const auto asked = platform::headless_folder_dialog().save_requests();
  ASSERT_EQ(asked.size(), 3u);
  EXPECT_EQ(asked[0].file_name, "lista.csv");
  EXPECT_EQ(asked[0].filter, "CSV|*.csv");
  platform::headless_folder_dialog().clear();
}

}  // namespace
}  // namespace funkcja
