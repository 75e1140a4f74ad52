// POPUPCLASS: a pop-up menu of the host's browses, as far as the library touches it: items by
// name, each with the text it shows and its icon.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace funkcja::dane {

class POPUPCLASS {
 public:
  void AddItem(std::string_view name, std::string_view text);
  bool HasItem(std::string_view name) const;
  // Changing an item that the menu does not have does nothing.
  void SetText(std::string_view name, std::string_view text);
  void SetIcon(std::string_view name, std::string_view icon);
  std::string GetText(std::string_view name) const;
  std::string GetIcon(std::string_view name) const;

 private:
  struct Item {
    std::string text;
    std::string icon;
  };
  std::map<std::string, Item, std::less<>> items_;
};

}  // namespace funkcja::dane
