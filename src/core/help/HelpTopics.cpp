#include "help/HelpTopics.h"

#include <cstdio>

namespace velmora::help {
namespace {

constexpr const char* kTopics[] = {
    topic::kStart,
    topic::kPipeline,
    topic::kElementSelection,
    topic::kLaws,
    topic::kResults,
    topic::kShortDisplay,
    topic::kColumnChange,
    topic::kTableChange,
    topic::kColumnWidths,
    topic::kCurveRange,
    topic::kCurve,
    topic::kPageSetup,
    topic::kSettings,
    topic::kGasNotes,
    topic::kWater,
    topic::kSaturatedWater,
    topic::kDryAir,
    topic::kHumidAir,
    topic::kSaturatedAir,
    topic::kOrificeDesign,
    topic::kOutflow,
    topic::kDischargeCoefficients,
    topic::kDrainingTime,
    topic::kOpenChannel,
    topic::kStricklerDatabase,
    topic::kChannelDesign,
    topic::kGasDatabase,
    topic::kLiquidDatabase,
    topic::kVapourPressureDatabase,
    topic::kBrines,
    topic::kHeatTransferOils,
    topic::kAqueousSolutions,
    topic::kEstimateProperties,
    topic::kUserMediaChoice,
    topic::kUserMediaEdit,
    topic::kCircularPipes,
    topic::kRectangularPipes,
    topic::kBends,
    topic::kReducers,
    topic::kTees,
    topic::kZetaDatabase,
    topic::kRoughnessDatabase,
    topic::kPumpDesign,
    topic::kPumpDesignResults,
    topic::kNpsh,
    topic::kEconomicDiameterLiquids,
    topic::kEconomicDiameterGases,
    topic::kPumpHead,
    topic::kVelocityToFlow,
    topic::kFlowToVelocity,
    topic::kStandardToOperating,
    topic::kKvToZeta,
    topic::kCvToZeta,
    topic::kPipelineContent,
    topic::kUnits,
    topic::kProjectFile,
    topic::kCommandLine,
    topic::kUpgrades,
};

}  // namespace

std::span<const char* const> Topics() { return kTopics; }

std::string ElementTopic(int group, int kind) {
  char page[40];
  std::snprintf(page, sizeof page, "elements-%02d.html#kind-%d", group, kind);
  return page;
}

}  // namespace velmora::help
