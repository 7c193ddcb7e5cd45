#include "PropertyDatabases.h"

#include <cstdio>

#include "fluids/AqueousDialog.h"
#include "fluids/EstimationDialog.h"
#include "fluids/GasDialog.h"
#include "fluids/LiquidDialog.h"
#include "fluids/OilDialog.h"
#include "fluids/VapourPressureDialog.h"

namespace velmora::cli {
namespace {

// Reads a table once: the file-missing message when it cannot be read, the note on skipped lines
// on standard error.
template <typename Database, typename Loader>
const Database* Read(bool& read, std::optional<Database>& database, Loader load, const text::TextStore& texts,
                     std::string_view block, const char* fileName, std::optional<text::Message>& missing) {
  if (!read) {
    read = true;
    database = load();
    if (database && !database->skipped.empty()) {
      const text::Message note = fluids::SkippedLinesMessage(texts, block, fileName, database->skipped);
      std::fprintf(stderr, "velmora-calc: %s\n", note.text.c_str());
    }
  }
  if (!database) missing = fluids::FileMissingMessage(texts, block, fileName, " ");
  return database ? &*database : nullptr;
}

}  // namespace

const fluids::GasDatabase* PropertyDatabases::Gases(std::optional<text::Message>& missing) {
  return Read(
      gases_.read, gases_.database, [this] { return fluids::LoadGasDatabase(folder_); }, texts_, fluids::kGasBlock,
      fluids::kGasFileName, missing);
}

const fluids::LiquidDatabase* PropertyDatabases::Liquids(std::optional<text::Message>& missing) {
  return Read(
      liquids_.read, liquids_.database, [this] { return fluids::LoadLiquidDatabase(folder_); }, texts_,
      fluids::kLiquidBlock, fluids::kLiquidFileName, missing);
}

const fluids::VapourPressureDatabase* PropertyDatabases::VapourPressures(std::optional<text::Message>& missing) {
  return Read(
      vapourPressures_.read, vapourPressures_.database, [this] { return fluids::LoadVapourPressureDatabase(folder_); },
      texts_, fluids::kVapourPressureBlock, fluids::kVapourPressureFileName, missing);
}

const fluids::OilDatabase* PropertyDatabases::Oils(std::optional<text::Message>& missing) {
  return Read(
      oils_.read, oils_.database, [this] { return fluids::LoadOilDatabase(folder_); }, texts_, fluids::kOilBlock,
      fluids::kOilFileName, missing);
}

const fluids::AqueousDatabase* PropertyDatabases::Solutes(std::optional<text::Message>& missing) {
  return Read(
      solutes_.read, solutes_.database, [this] { return fluids::LoadAqueousDatabase(folder_); }, texts_,
      fluids::kAqueousBlock, fluids::kAqueousFileName, missing);
}

const fluids::SubstanceDatabase* PropertyDatabases::Substances(std::optional<text::Message>& missing) {
  return Read(
      substances_.read, substances_.database, [this] { return fluids::LoadSubstanceDatabase(folder_); }, texts_,
      fluids::kEstimateBlock, fluids::kSubstanceFileName, missing);
}

}  // namespace velmora::cli
