#include "host/dane/popup.hpp"

namespace funkcja::dane {

void POPUPCLASS::AddItem(std::string_view name, std::string_view text) {
  items_[std::string(name)].text = text;
}

bool POPUPCLASS::HasItem(std::string_view name) const {
  return items_.find(name) != items_.end();
}

void POPUPCLASS::SetText(std::string_view name, std::string_view text) {
  if (const auto it = items_.find(name); it != items_.end()) it->second.text = text;
}

void POPUPCLASS::SetIcon(std::string_view name, std::string_view icon) {
  if (const auto it = items_.find(name); it != items_.end()) it->second.icon = icon;
}

std::string POPUPCLASS::GetText(std::string_view name) const {
  const auto it = items_.find(name);
  return it != items_.end() ? it->second.text : std::string();
}

std::string POPUPCLASS::GetIcon(std::string_view name) const {
  const auto it = items_.find(name);
  return it != items_.end() ? it->second.icon : std::string();
}

}  // namespace funkcja::dane
