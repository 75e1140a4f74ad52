// KOMUNIKAT_INFO: the messages stored for the current user in one place of the program, read
// from the KOMUNIKAT table and shown as a list with an information or warning icon per row.
// No rows, no window. For example KOMUNIKAT_INFO("MWONLAKTOUT", "Aktualizacja", "Nowa wersja")
// shows the user's "MWONLAKTOUT" messages under the caption "Aktualizacja" and that header;
// any other context is captioned "Informacja" with an empty header.
#include <vector>

#include "frame/cp_literal.hpp"
#include "host/dane/tables.hpp"
#include "host/gateway.hpp"
#include "host/sql_text.hpp"
#include "text/case.hpp"
#include "ui/list_colours.hpp"
#include "ui/message_window_parts.hpp"
#include "ui/procedures.hpp"
#include "ui/window.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::ui;
namespace ct = control_type;

constexpr std::size_t kHeaderCapacity = 500;
constexpr std::size_t kRowCapacity = 1000;
constexpr std::string_view kOwnContext = "MWONLAKTOUT";

struct Message {
  std::string text;
  std::uint8_t icon = 0;
};

// The icon number of a row; a number that does not fit a byte shows no icon.
std::uint8_t icon_number(std::int32_t value) {
  return value >= 0 && value <= 255 ? static_cast<std::uint8_t>(value) : 0;
}

std::vector<Message> load_messages(std::string_view context) {
  sql::Statement statement(
      "select tekst1, tekst2 from KOMUNIKAT with (NOLOCK) where id_uzytkownika=");
  statement.number(dane::get_int(dane::Global::DANE_ID_UZYTKOWNIKA_NR))
      .text(" AND kontekst=")
      .quoted(text::clip(context));

  dane::QueryTable& t = dane::thread_tables().VAY_FK;
  gateway::run(t, statement);
  std::vector<Message> rows;
  while (gateway::next(t)) {
    rows.push_back({std::string(text::cut(t.field(1).text, kRowCapacity)),
                    icon_number(t.field(2).as_int32())});
  }
  return rows;
}

class MessageListWindow : public Window {
 public:
  MessageListWindow(std::string caption, std::string_view header, const std::vector<Message>& rows)
      : Window(options(std::move(caption))) {
    add(ct::kImage, {}, {0, 0, 360, 20});
    control(1).icon = "~msg_pasek.png";
    const std::int32_t heading =
        add(ct::kString, text::cut(header, kHeaderCapacity), {8, 24, 344, 14});
    control(heading).font.name = "Tahoma";
    control(heading).font.weight = 700;
    list_ = add(ct::kList, {}, {8, 42, 344, 130});
    Control& list = control(list_);
    list.icons = {{1, std::string(messages::kInformationIcon)},
                  {2, std::string(messages::kWarningIcon)}};
    for (const Message& m : rows) {
      // Icon numbers other than 1 and 2 show no icon.
      list.rows.push_back({{m.text}, m.icon == 1 || m.icon == 2 ? m.icon : 0, 0});
    }
    list.selected = 1;
    const std::int32_t band = add(ct::kImage, {}, {0, 176, 360, 20});
    control(band).icon = "~msg_pasek_dol.png";
    add(ct::kPrompt, "Esc", {262, 182, 20, 10});
    close_ = add(ct::kButton, "Zamknij", {286, 178, 66, 16});
  }

 protected:
  void on_event() override {
    apply_selection_colours(*this, list_);
    if (event() == event::kAccepted && field() == close_) close();
  }

 private:
  static WindowOptions options(std::string caption) {
    WindowOptions o("Komunikat_Info", std::move(caption));
    o.rect = {0, 0, 360, 200};
    return o;
  }
  std::int32_t list_ = 0;
  std::int32_t close_ = 0;
};

}  // namespace

void KOMUNIKAT_INFO(std::string_view context, std::string_view caption, std::string_view header) {
  const std::vector<Message> rows = load_messages(context);
  if (rows.empty()) return;
  // The database matches the context without regard to case, so the window does the same.
  const bool own = text::same(text::upper(context), kOwnContext);
  MessageListWindow w(own ? std::string(caption) : std::string("Informacja"),
                      own ? header : std::string_view(), rows);
  w.run();
}

}  // namespace funkcja::ui
