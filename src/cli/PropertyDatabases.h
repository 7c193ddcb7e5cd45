#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "fluids/AqueousSolution.h"
#include "fluids/GasDatabase.h"
#include "fluids/HeatTransferOil.h"
#include "fluids/LiquidDatabase.h"
#include "fluids/SubstanceDatabase.h"
#include "fluids/VapourPressure.h"
#include "text/Message.h"
#include "text/TextStore.h"

// The property tables of the program folder as velmora-calc uses them: each read on first use,
// once per run; lines it skips are noted once on standard error.
namespace velmora::cli {

class PropertyDatabases {
 public:
  PropertyDatabases(std::filesystem::path folder, const text::TextStore& texts)
      : folder_(std::move(folder)), texts_(texts) {}

  // The tables; nothing (after `missing` got the file-missing message) when the file cannot be read.
  const fluids::GasDatabase* Gases(std::optional<text::Message>& missing);
  const fluids::LiquidDatabase* Liquids(std::optional<text::Message>& missing);
  const fluids::VapourPressureDatabase* VapourPressures(std::optional<text::Message>& missing);
  const fluids::OilDatabase* Oils(std::optional<text::Message>& missing);
  const fluids::AqueousDatabase* Solutes(std::optional<text::Message>& missing);
  const fluids::SubstanceDatabase* Substances(std::optional<text::Message>& missing);
  const std::filesystem::path& Folder() const { return folder_; }

 private:
  template <typename Database>
  struct Slot {
    bool read = false;
    std::optional<Database> database;
  };

  std::filesystem::path folder_;
  const text::TextStore& texts_;
  Slot<fluids::GasDatabase> gases_;
  Slot<fluids::LiquidDatabase> liquids_;
  Slot<fluids::VapourPressureDatabase> vapourPressures_;
  Slot<fluids::OilDatabase> oils_;
  Slot<fluids::AqueousDatabase> solutes_;
  Slot<fluids::SubstanceDatabase> substances_;
};

// The entry of a table by its name, ASCII letters compared without case; nullptr when absent.
template <typename Entry>
const Entry* FindByName(const std::vector<Entry>& entries, std::string_view name) {
  for (const Entry& entry : entries) {
    if (entry.name.size() != name.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < name.size() && same; ++i) {
      const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
      same = lower(entry.name[i]) == lower(name[i]);
    }
    if (same) return &entry;
  }
  return nullptr;
}

}  // namespace velmora::cli
