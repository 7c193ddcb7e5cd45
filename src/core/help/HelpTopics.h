#pragma once

#include <span>
#include <string>
#include <string_view>

// The pages of the manual that the program opens: the start page, and one page (with an anchor
// where a window has a section of a page) for every window with a help command. A window links
// to its page with gui::InstallHelp(window, texts, help::topic::kSomething); a new window adds
// its page to data/help/<language>/ and its topic here and to kTopics.
namespace velmora::help {

namespace topic {
inline constexpr const char* kStart = "index.html";  // global text 71 names it too
inline constexpr const char* kPipeline = "pipeline.html";
inline constexpr const char* kElementSelection = "elements.html";
inline constexpr const char* kLaws = "laws.html";
inline constexpr const char* kResults = "results.html";
inline constexpr const char* kShortDisplay = "short-display.html";
inline constexpr const char* kColumnChange = "table-change.html#column";
inline constexpr const char* kTableChange = "table-change.html#table";
inline constexpr const char* kColumnWidths = "table-change.html#widths";
inline constexpr const char* kCurveRange = "curve.html#range";
inline constexpr const char* kCurve = "curve.html#window";
inline constexpr const char* kPageSetup = "printing.html";
inline constexpr const char* kSettings = "settings.html";
inline constexpr const char* kGasNotes = "fluids.html#gas";
inline constexpr const char* kWater = "fluids-water.html#general";
inline constexpr const char* kSaturatedWater = "fluids-water.html#saturation";
inline constexpr const char* kDryAir = "fluids-air.html#dry";
inline constexpr const char* kHumidAir = "fluids-air.html#humid";
inline constexpr const char* kSaturatedAir = "fluids-air.html#saturated";
inline constexpr const char* kOrificeDesign = "calc-orifice.html";
inline constexpr const char* kOutflow = "calc-outflow.html";
inline constexpr const char* kDischargeCoefficients = "calc-outflow.html#coefficients";
inline constexpr const char* kDrainingTime = "calc-draining.html";
inline constexpr const char* kOpenChannel = "calc-channel.html";
inline constexpr const char* kStricklerDatabase = "calc-channel.html#strickler";
inline constexpr const char* kChannelDesign = "calc-channel-design.html";
inline constexpr const char* kGasDatabase = "fluids-gases.html";
inline constexpr const char* kLiquidDatabase = "fluids-liquids.html";
inline constexpr const char* kVapourPressureDatabase = "fluids-vapour-pressure.html";
inline constexpr const char* kBrines = "fluids-brines.html";
inline constexpr const char* kHeatTransferOils = "fluids-oils.html";
inline constexpr const char* kAqueousSolutions = "fluids-aqueous.html";
inline constexpr const char* kEstimateProperties = "fluids-estimate.html";
inline constexpr const char* kUserMediaChoice = "fluids-user.html#choose";
inline constexpr const char* kUserMediaEdit = "fluids-user.html#edit";
inline constexpr const char* kCircularPipes = "parts-pipes.html";
inline constexpr const char* kRectangularPipes = "parts-rectangular.html";
inline constexpr const char* kBends = "parts-bends.html";
inline constexpr const char* kReducers = "parts-reducers.html";
inline constexpr const char* kTees = "parts-tees.html";
inline constexpr const char* kZetaDatabase = "parts-zeta.html";
inline constexpr const char* kRoughnessDatabase = "parts-roughness.html";
inline constexpr const char* kPumpDesign = "calc-pump-design.html";
inline constexpr const char* kPumpDesignResults = "calc-pump-design.html#results";
inline constexpr const char* kNpsh = "calc-npsh.html";
inline constexpr const char* kEconomicDiameterLiquids = "calc-economic-dn.html#liquids";
inline constexpr const char* kEconomicDiameterGases = "calc-economic-dn.html#gases";
inline constexpr const char* kPumpHead = "calc-pump-head.html";
inline constexpr const char* kVelocityToFlow = "calc-converters.html#velocity-to-flow";
inline constexpr const char* kFlowToVelocity = "calc-converters.html#flow-to-velocity";
inline constexpr const char* kStandardToOperating = "calc-converters.html#standard-to-operating";
inline constexpr const char* kKvToZeta = "calc-converters.html#kv";
inline constexpr const char* kCvToZeta = "calc-converters.html#cv";
inline constexpr const char* kPipelineContent = "calc-content.html";
inline constexpr const char* kUnits = "units.html";
inline constexpr const char* kProjectFile = "project-file.html";
inline constexpr const char* kCommandLine = "velmora-calc.html";
inline constexpr const char* kUpgrades = "install.html#upgrades";
}  // namespace topic

// Every page the program opens, for the test that each one exists in every language.
std::span<const char* const> Topics();

// The page of an element kind: its group's page at the kind's section, "elements-03.html#kind-2".
std::string ElementTopic(int group, int kind);

}  // namespace velmora::help
