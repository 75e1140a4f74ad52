#include "host/lifecycle.hpp"

#include "host/dane/globals.hpp"
#include "host/dane/tables.hpp"

namespace funkcja {

Library::Library(dane::DataLibrary& data) : data_(data) {
  own_errors_.Init(&dane::thread_error_status());
  // A settings file that cannot be read is reported to the library's own error manager.
  own_settings_.SETERRORS(&own_errors_);
  own_settings_.Init(dane::get_text(dane::Global::GGG_SCIEZKA_SET), 0, 0);
  settings_in_use_ = &own_settings_;
  if (errors_in_use_.load() == nullptr) errors_in_use_ = &own_errors_;
  fuzzy_.Init();
  fuzzy_.SetOption(1, 1);
  fuzzy_.SetOption(2, 0);
  data_.XTOOLTIP().Init(2, "", 0);
}

Library::~Library() {
  data_.XTOOLTIP().Kill();
  fuzzy_.Kill();
  own_settings_.Kill();
  errors_in_use_ = nullptr;
  settings_in_use_ = nullptr;
}

void Library::init(dane::ERRORCLASS* errors, dane::INICLASS* settings) {
  dane::ThreadTables& t = dane::thread_tables();
  dane::FILEMANAGER* const managers[] = {&t.XMLTABLE.manager(),     &t.TXT.manager(),
                                         &t.ZAPYTANIESQL.manager(), &t.ZAPYTANIESQL1.manager(),
                                         &t.VAX_FK.manager(),       &t.VAZ_FK.manager(),
                                         &t.VAY_FK.manager(),       &t.UZYTKOWNIK_FK_LOG.manager()};
  std::lock_guard lock(entry_mutex_);
  // Acts once; and a killed library stays killed, so an init after the kill does nothing.
  if (init_done_ || kill_done_) return;
  init_done_ = true;
  if (errors != nullptr) errors_in_use_ = errors;
  if (settings != nullptr) settings_in_use_ = settings;
  for (dane::FILEMANAGER* manager : managers) manager->SETERRORS(errors_in_use_.load());
  data_.DANE_INIT(errors, settings);
}

void Library::kill() {
  std::lock_guard lock(entry_mutex_);
  if (kill_done_) return;
  kill_done_ = true;
  data_.DANE_KILL();
}

Library& library() {
  static Library instance(dane::data_library());
  return instance;
}

namespace {
// Runs the load steps when the shared object is loaded rather than on first use.
[[maybe_unused]] const Library& loaded = library();
}  // namespace

}  // namespace funkcja
