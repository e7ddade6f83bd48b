#pragma once
// The action catalogue: the plug-in's script vocabulary, registered with the host in this
// order, 10 category rows and the 111 actions with their parameter types, hint keys and
// default hints. The one table every layer reads (registration, dispatch, editors).
//
// Texts are Windows-1251; the Russian defaults are converted once, on first use.

#include <cstdint>
#include <string>
#include <vector>

namespace ix::boundary {

inline constexpr std::int32_t kActionCount = 111;

// Parameter type codes.
inline constexpr std::uint8_t kTypeText = 1;
inline constexpr std::uint8_t kTypeFileName = 5;
inline constexpr std::uint8_t kTypeVariable = 6;

struct CatalogueRow {
  std::int32_t id = 0;               // 1 to 111; 0 for a category row
  std::string name;                  // action name, or the category caption
  std::vector<std::uint8_t> types;   // one code per parameter; empty for a category row
  std::string hintKey;               // localization key such as "002*"; empty for a category
  std::string defaultHint;           // empty for a category row

  bool isCategory() const { return id == 0; }
  int parameterCount() const { return static_cast<int>(types.size()); }
};

// Every row in registration order.
const std::vector<CatalogueRow>& CatalogueRows();
// The action row with `id`, or null when no action has that id.
const CatalogueRow* CatalogueAction(std::int32_t id);

}  // namespace ix::boundary
