#include "mainform/FormFields.h"

#include "units/UnitLists.h"

namespace velmora::mainform {
namespace {

template <std::string MainForm::*Member>
std::string& TextOf(MainForm& form) {
  return form.*Member;
}

template <int MainForm::*Member>
int& NumberOf(MainForm& form) {
  return form.*Member;
}

template <std::size_t Slot>
std::string& Dimension(MainForm& form) {
  return form.dimensions[Slot];
}

template <std::size_t Slot>
int& DimensionUnit(MainForm& form) {
  return form.dimensionUnits[Slot];
}

bool& Gas(MainForm& form) { return form.gas; }

std::size_t TwoEntries(const MainForm&) { return 2; }  // volume/mass flow, dynamic/kinematic viscosity
std::size_t FlowUnitEntries(const MainForm& form) { return units::FlowUnits(form.flowKind).size(); }
std::size_t DensityUnitEntries(const MainForm&) { return units::DensityUnits().size(); }
std::size_t ViscosityUnitEntries(const MainForm& form) { return units::ViscosityUnits(form.viscosityKind).size(); }
std::size_t PressureUnitEntries(const MainForm&) { return units::PressureUnits().size(); }
std::size_t TemperatureUnitEntries(const MainForm&) { return units::TemperatureUnits().size(); }
std::size_t MillimetreUnitEntries(const MainForm&) { return units::LengthUnits(units::LengthList::Millimetre).size(); }

constexpr FormField Edit(const char* control, const char* section, const char* key, std::string& (*text)(MainForm&)) {
  return {
      .kind = FieldKind::Text, .control = control, .partner = nullptr, .section = section, .key = key, .text = text};
}

constexpr FormField List(const char* control, const char* section, const char* key, int& (*number)(MainForm&),
                         std::size_t (*entries)(const MainForm&)) {
  return {.kind = FieldKind::Index,
          .control = control,
          .partner = nullptr,
          .section = section,
          .key = key,
          .number = number,
          .entries = entries};
}

const FormField kFields[] = {
    Edit("Eingabe_Medium", kMediumSection, "Art", TextOf<&MainForm::medium>),
    List("ComboBox4", kMediumSection, "Vol_Mastrom", NumberOf<&MainForm::flowKind>, TwoEntries),
    Edit("Eingabe_Volumenstrom", kMediumSection, "Menge", TextOf<&MainForm::flow>),
    List("ComboBox1", kMediumSection, "Menge_Einheit", NumberOf<&MainForm::flowUnit>, FlowUnitEntries),
    Edit("Eingabe_Dichte", kMediumSection, "Dichte", TextOf<&MainForm::density>),
    List("ComboBox2", kMediumSection, "Dichte_Einheit", NumberOf<&MainForm::densityUnit>, DensityUnitEntries),
    List("ComboBox5", kMediumSection, "Dyn_KinVisko", NumberOf<&MainForm::viscosityKind>, TwoEntries),
    Edit("Eingabe_Viskositaet", kMediumSection, "Visko", TextOf<&MainForm::viscosity>),
    List("ComboBox3", kMediumSection, "Visko_Einheit", NumberOf<&MainForm::viscosityUnit>, ViscosityUnitEntries),
    {.kind = FieldKind::Flag,
     .control = "Radio_gas",
     .partner = "Radio_fluessig",
     .section = kMediumSection,
     .key = "fluessig",
     .flag = Gas},

    Edit("Edit_EingangsdruckN", kGasDataSection, "E_Druck", TextOf<&MainForm::inletPressure>),
    List("ComboBox6N", kGasDataSection, "E_Druck_Einheit", NumberOf<&MainForm::inletPressureUnit>, PressureUnitEntries),
    Edit("Edit_EingangstemperaturN", kGasDataSection, "E_Temp", TextOf<&MainForm::inletTemperature>),
    List("ComboBox7N", kGasDataSection, "E_Temp_Einheit", NumberOf<&MainForm::inletTemperatureUnit>,
         TemperatureUnitEntries),
    Edit("Edit_AusgangstemperaturN", kGasDataSection, "A_Temp", TextOf<&MainForm::outletTemperature>),
    List("ComboBox8N", kGasDataSection, "A_Temp_Einheit", NumberOf<&MainForm::outletTemperatureUnit>,
         TemperatureUnitEntries),

    {.kind = FieldKind::Element,
     .control = nullptr,
     .partner = nullptr,
     .section = kPipeSection,
     .key = "Gruppe",
     .number = NumberOf<&MainForm::elementGroup>},
    {.kind = FieldKind::Element,
     .control = nullptr,
     .partner = nullptr,
     .section = kPipeSection,
     .key = "UGruppe",
     .number = NumberOf<&MainForm::elementKind>},
    Edit("Va1_Edit", kPipeSection, "Va1", Dimension<0>),
    Edit("Va2_Edit", kPipeSection, "Va2", Dimension<1>),
    Edit("Va3_Edit", kPipeSection, "Va3", Dimension<2>),
    Edit("Va4_Edit", kPipeSection, "Va4", Dimension<3>),
    Edit("Va5_Edit", kPipeSection, "Va5", Dimension<4>),
    List("ComboVar1", kPipeSection, "Va1_Einheit", DimensionUnit<0>, nullptr),
    List("ComboVar2", kPipeSection, "Va2_Einheit", DimensionUnit<1>, nullptr),
    List("ComboVar3", kPipeSection, "Va3_Einheit", DimensionUnit<2>, nullptr),
    List("ComboVar4", kPipeSection, "Va4_Einheit", DimensionUnit<3>, nullptr),
    List("ComboVar5", kPipeSection, "Va5_Einheit", DimensionUnit<4>, nullptr),
    Edit("Edit2", kPipeSection, "VaRauh", TextOf<&MainForm::roughness>),
    List("ComboBox6", kPipeSection, "VaRauh_Einheit", NumberOf<&MainForm::roughnessUnit>, MillimetreUnitEntries),

    Edit("Edit1", nullptr, nullptr, TextOf<&MainForm::description>),
    Edit("VaAnz_Edit", nullptr, nullptr, TextOf<&MainForm::count>),
    {.kind = FieldKind::Option,
     .control = "RadioGroup1_1",
     .partner = "RadioGroup1_0",
     .section = nullptr,
     .key = nullptr,
     .number = NumberOf<&MainForm::option>},
    Edit("Edit3", nullptr, nullptr, TextOf<&MainForm::branchFlow>),
};

}  // namespace

std::span<const FormField> FormFields() { return kFields; }

}  // namespace velmora::mainform
