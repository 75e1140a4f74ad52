#include "host/lifecycle.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "host/dane/globals.hpp"
#include "host/dane/tables.hpp"

namespace funkcja {
namespace {

using dane::ERRORCLASS;
using dane::INICLASS;

std::vector<dane::FILEMANAGER*> managers_in_init_order() {
  dane::ThreadTables& t = dane::thread_tables();
  return {&t.XMLTABLE.manager(),     &t.TXT.manager(),
          &t.ZAPYTANIESQL.manager(), &t.ZAPYTANIESQL1.manager(),
          &t.VAX_FK.manager(),       &t.VAZ_FK.manager(),
          &t.VAY_FK.manager(),       &t.UZYTKOWNIK_FK_LOG.manager()};
}

void forget_managers() {
  for (auto* m : managers_in_init_order()) m->SETERRORS(nullptr);
}

TEST(Lifecycle, LoadBuildsOwnManagersAndSharedObjects) {
  dane::DataLibrary data;
  Library lib(data);
  EXPECT_EQ(&lib.errors(), &lib.own_errors());
  EXPECT_EQ(&lib.settings(), &lib.own_settings());
  EXPECT_TRUE(lib.own_errors().initialised());
  EXPECT_EQ(lib.own_settings().path(), dane::get_text(dane::Global::GGG_SCIEZKA_SET));
  EXPECT_TRUE(lib.fuzzy().initialised());
  EXPECT_EQ(lib.fuzzy().option(1), 1);
  EXPECT_EQ(lib.fuzzy().option(2), 0);
  EXPECT_TRUE(data.XTOOLTIP().initialised());
  EXPECT_EQ(data.XTOOLTIP().mode(), 2);
  EXPECT_FALSE(lib.init_done());
  EXPECT_FALSE(lib.kill_done());
}

TEST(Lifecycle, InitWithNullsInstallsOwnErrorManagerOnAllEightInOrder) {
  forget_managers();
  dane::DataLibrary data;
  Library lib(data);
  lib.init(nullptr, nullptr);

  std::uint64_t previous = 0;
  for (auto* m : managers_in_init_order()) {
    EXPECT_EQ(m->errors(), &lib.own_errors());
    EXPECT_GT(m->seterrors_order(), previous) << "SETERRORS out of order";
    previous = m->seterrors_order();
  }
  const auto state = data.state();
  EXPECT_EQ(state.init_calls, 1);
  EXPECT_EQ(state.errors, nullptr);  // the data library gets the arguments as received
  EXPECT_EQ(state.settings, nullptr);
  EXPECT_EQ(&lib.settings(), &lib.own_settings());
}

TEST(Lifecycle, InitWithHostManagersUsesThemAndSecondInitChangesNothing) {
  forget_managers();
  dane::DataLibrary data;
  Library lib(data);
  ERRORCLASS host_errors, other_errors;
  INICLASS host_settings, other_settings;

  lib.init(&host_errors, &host_settings);
  lib.init(&other_errors, &other_settings);

  EXPECT_EQ(&lib.errors(), &host_errors);
  EXPECT_EQ(&lib.settings(), &host_settings);
  for (auto* m : managers_in_init_order()) EXPECT_EQ(m->errors(), &host_errors);
  const auto state = data.state();
  EXPECT_EQ(state.init_calls, 1);
  EXPECT_EQ(state.errors, &host_errors);
  EXPECT_EQ(state.settings, &host_settings);
}

TEST(Lifecycle, OnlyOneManagerGivenKeepsTheOwnOther) {
  dane::DataLibrary data;
  Library lib(data);
  INICLASS host_settings;
  lib.init(nullptr, &host_settings);
  EXPECT_EQ(&lib.errors(), &lib.own_errors());
  EXPECT_EQ(&lib.settings(), &host_settings);
}

TEST(Lifecycle, KillActsOnceAndIndependentlyOfInit) {
  struct Case {
    const char* name;
    std::vector<char> steps;  // 'i' init, 'k' kill
    int init_calls, kill_calls;
  };
  const Case cases[] = {{"kill twice", {'i', 'k', 'k'}, 1, 1},
                        {"kill without init", {'k'}, 0, 1},
                        {"init after kill does nothing", {'k', 'i'}, 0, 1},
                        {"init twice, kill twice", {'i', 'i', 'k', 'k'}, 1, 1}};
  for (const Case& c : cases) {
    dane::DataLibrary data;
    Library lib(data);
    for (char step : c.steps) step == 'i' ? lib.init(nullptr, nullptr) : lib.kill();
    EXPECT_EQ(data.state().init_calls, c.init_calls) << c.name;
    EXPECT_EQ(data.state().kill_calls, c.kill_calls) << c.name;
  }
}

TEST(Lifecycle, InitReachesOnlyTheCallingThreadsManagers) {
  forget_managers();
  dane::DataLibrary data;
  Library lib(data);
  dane::ERRORCLASS* seen_on_other_thread = &lib.own_errors();
  std::thread other([&] {
    lib.init(nullptr, nullptr);
    seen_on_other_thread = dane::thread_tables().VAX_FK.manager().errors();
  });
  other.join();
  EXPECT_EQ(seen_on_other_thread, &lib.own_errors());
  EXPECT_EQ(dane::thread_tables().VAX_FK.manager().errors(), nullptr);
}

}  // namespace
}  // namespace funkcja
