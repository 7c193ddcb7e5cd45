#include "catalogue/ElementLayout.h"

namespace velmora::catalogue {
namespace {

// Slot shorthands: the label's global text, its symbol, and the default of the edit.
constexpr SlotLayout MmKeep(int label, std::string_view symbol) {
  return {SlotUnit::MmList, label, symbol, SlotDefault::Keep, {}};
}
constexpr SlotLayout Mm(int label, std::string_view symbol, std::string_view value) {
  return {SlotUnit::MmList, label, symbol, SlotDefault::Text, value};
}
constexpr SlotLayout M(int label, std::string_view symbol, std::string_view value) {
  return {SlotUnit::MList, label, symbol, SlotDefault::Text, value};
}
constexpr SlotLayout Area(int label, std::string_view symbol, std::string_view value) {
  return {SlotUnit::AreaList, label, symbol, SlotDefault::Text, value};
}
constexpr SlotLayout Degree(int label, std::string_view symbol, std::string_view value) {
  return {SlotUnit::Degree, label, symbol, SlotDefault::Text, value};
}
constexpr SlotLayout Percent(int label, std::string_view value) {
  return {SlotUnit::Percent, label, ":", SlotDefault::Text, value};
}
constexpr SlotLayout Copy(int label, std::string_view symbol, SlotDefault from) {
  return {SlotUnit::MmList, label, symbol, from, {}};
}
constexpr SlotLayout kNone{};

constexpr SlotLayout D = MmKeep(122, " D:");
constexpr SlotLayout D1 = MmKeep(122, " D1:");
constexpr SlotLayout B = MmKeep(121, " B:");
constexpr SlotLayout H = MmKeep(123, " H:");
constexpr SlotLayout L = M(124, " L:", "1,0");
constexpr SlotLayout OrificeBore = Mm(41, " D2:", "50");
constexpr SlotLayout FreeArea = Percent(61, "40");

constexpr ElementLayout Element(int group, int kind, std::string_view button, std::string_view hint, int picture,
                                std::array<SlotLayout, 5> slotLayouts, bool roughness = false) {
  return {group, kind, button, hint, picture, slotLayouts, roughness, ElementExtra::None, 0, {}};
}
constexpr ElementLayout WithChoice(ElementLayout layout, int caption, ChoiceOption first, ChoiceOption second) {
  layout.extra = ElementExtra::Choice;
  layout.choiceCaption = caption;
  layout.options = {first, second};
  return layout;
}
constexpr ElementLayout WithBranchFlow(ElementLayout layout) {
  layout.extra = ElementExtra::BranchFlow;
  return layout;
}

constexpr ElementLayout kLayouts[] = {
    // Straight ducts
    Element(1, 1, "SB01", "kreisförmig", 1601, {D, L, kNone, kNone, kNone}, true),
    Element(1, 2, "SB02", "rechteckig", 1602, {B, H, L, kNone, kNone}, true),
    Element(1, 3, "SB03", "kreisringförmig", 1603, {D, Mm(77, " Di:", "50"), L, kNone, kNone}, true),
    Element(1, 4, "SB04", "Kanal", 1604,
            {Mm(81, " B:", "1000"), Mm(56, " H:", "1000"), M(82, " L:", "1,0"), kNone, kNone}, true),
    Element(1, 5, "SB04B", "Wellrohr", 1606, {MmKeep(77, " D:"), Mm(118, " t:", "5"), Mm(117, " T:", "20"), L, kNone}),
    Element(1, 6, "SB05", "Sonstige Form", 1605, {Area(108, " A:", "0,01"), M(22, ":", "0,4"), L, kNone, kNone}, true),
    // Inlets
    WithChoice(Element(2, 1, "SB06", "kantiger Einlauf", 1701, {D, kNone, kNone, kNone, kNone}), 34, {{}, 130},
               {{}, 65}),
    Element(2, 2, "SB07", "abgerundeter Einlauf", 1702, {D, kNone, kNone, kNone, kNone}),
    Element(2, 3, "SB08", "kantiger Einlauf unter Winkel", 1703, {D, Degree(152, " w:", "45"), kNone, kNone, kNone}),
    WithChoice(Element(2, 4, "SB09", "weit vorstehender kantiger Einlauf", 1704, {D, kNone, kNone, kNone, kNone}), 34,
               {{}, 130}, {{}, 65}),
    // Cross-section changes
    Element(3, 1, "SB10", "sprungartige Rohrerweiterung", 1801, {D1, Mm(122, " D2:", "100"), kNone, kNone, kNone}),
    Element(3, 2, "SB11", "allmähliche Rohrerweiterung", 1802,
            {D1, Mm(122, " D2:", "100"), Degree(152, " w:", "45"), kNone, kNone}, true),
    Element(3, 3, "SB12", "sprungartige Rohrverengung", 1803, {D1, Mm(122, " D2:", "50"), kNone, kNone, kNone}),
    Element(3, 4, "SB13", "allmähliche Rohrverengung", 1804,
            {D1, Mm(122, " D2:", "50"), Degree(152, " w:", "10"), kNone, kNone}, true),
    // Bends
    Element(4, 1, "SB14", "Kreiskrümmer", 2101, {D, Mm(109, " R:", "100"), Degree(152, " w:", "90"), kNone, kNone},
            true),
    Element(4, 2, "SB15", "Segmentkrümmer", 2102, {D, Degree(152, " w:", "90"), kNone, kNone, kNone}, true),
    Element(4, 3, "SB16", "Graugußkrümmer", 2103, {MmKeep(99, " DN:"), kNone, kNone, kNone, kNone}),
    Element(4, 4, "SB17", "Rechteckkrümmer", 2104, {B, H, Mm(109, " R:", "100"), Degree(152, " w:", "90"), kNone},
            true),
    Element(4, 5, "SB18", "Kniestück, kreisförmig", 2105, {D, Degree(6, " w:", "45"), kNone, kNone, kNone}, true),
    Element(4, 6, "SB19", "Kniestück, rechteckig", 2106, {B, H, Degree(6, " w:", "45"), kNone, kNone}, true),
    // Branches
    Element(5, 1, "SB20", "T-Stücke, scharfkantig", 2201, {D1, Mm(122, " D2:", "50"), kNone, kNone, kNone}),
    Element(5, 2, "SB21", "T-Stücke, kugelförmig", 2202, {D, kNone, kNone, kNone, kNone}),
    Element(5, 3, "SB22", "T-Stücke, abgerundet-Boden gerade", 2203, {D, kNone, kNone, kNone, kNone}),
    Element(5, 4, "SB23", "T-Stücke, kugelförmig-Hals abgerundet", 2204, {D, kNone, kNone, kNone, kNone}),
    WithBranchFlow(Element(5, 5, "SB24", "Abzweigstücke - Stromtrennung", 2205,
                           {D1, Mm(122, " D2:", "50"), Mm(109, " R:", "0"), Degree(152, " w:", "45"), kNone})),
    WithBranchFlow(Element(5, 6, "SB25", "Abzweigstücke - Stromvereinigung", 2206,
                           {D1, Mm(122, " D2:", "50"), Mm(109, " R:", "0"), Degree(152, " w:", "45"), kNone})),
    Element(5, 7, "SB26", "Hosenrohr, gerade", 2207, {D, Degree(152, " w:", "45"), kNone, kNone, kNone}),
    Element(5, 8, "SB27", "Hosenrohr, gekrümmt", 2208, {D, Mm(109, " R:", "100"), kNone, kNone, kNone}),
    // Expansion joints
    Element(6, 1, "SB28", "Wellrohrausgleicher", 2301,
            {D, {SlotUnit::Pieces, 13, ":", SlotDefault::Text, "3"}, kNone, kNone, kNone}),
    WithChoice(Element(6, 2, "SB29", "Lyrabogen", 2302, {D, kNone, kNone, kNone, kNone}), 0, {{}, 69}, {{}, 51}),
    Element(6, 3, "SB30", "U-Bogen", 2303, {D, Mm(124, " L:", "200"), kNone, kNone, kNone}),
    // Shut-off and control valves
    Element(7, 1, "SB31", "Geradsitzventil", 2401, {D, kNone, kNone, kNone, kNone}),
    Element(7, 2, "SB32", "Schrägsitzventil", 2402, {D, kNone, kNone, kNone, kNone}),
    Element(7, 3, "SB33", "Eckventil", 2403, {D, kNone, kNone, kNone, kNone}),
    Element(7, 4, "SB34", "Schieber", 2404, {D, Mm(72, " H:", "50"), kNone, kNone, kNone}),
    Element(7, 5, "SB35", "Hahn", 2405, {D, Degree(152, " w:", "30"), kNone, kNone, kNone}),
    Element(7, 6, "SB36", "Klappe", 2406, {D, Degree(152, " w:", "30"), kNone, kNone, kNone}),
    // Check valves
    Element(8, 1, "SB37", "Rückschlagventil, Geradsitz-", 2501, {D, kNone, kNone, kNone, kNone}),
    Element(8, 2, "SB38", "Rückschlagventil, Schrägsitz-", 2502, {D, kNone, kNone, kNone, kNone}),
    Element(8, 3, "SB39", "Rückschlagklappe", 2503, {D, kNone, kNone, kNone, kNone}),
    // Throttling devices
    Element(9, 1, "SB40", "Normblende ISO 5167", 2601, {D1, OrificeBore, kNone, kNone, kNone}),
    Element(9, 2, "SB41", "Blende, scharfkantig", 2602, {D1, OrificeBore, kNone, kNone, kNone}),
    Element(9, 3, "SB42", "Blende, rundkantig", 2603, {D1, OrificeBore, Mm(109, " R:", "5"), kNone, kNone}),
    Element(9, 4, "SB43", "Lochscheibe", 2604, {D1, OrificeBore, Mm(89, " L:", "10"), kNone, kNone}),
    Element(9, 5, "SB44", "Normdüse", 2605, {D1, OrificeBore, kNone, kNone, kNone}),
    Element(9, 6, "SB44B", "Langradiusdüse", 26051, {D1, OrificeBore, kNone, kNone, kNone}),
    WithChoice(Element(9, 7, "SB45", "Normventuridüse", 2606, {D1, OrificeBore, kNone, kNone, kNone}), 104, {"30 ", 70},
               {"15 ", 70}),
    // Perforated plates
    Element(10, 1, "SB46", "Lochplatte dünn Kreisrohr", 3001, {D, FreeArea, kNone, kNone, kNone}),
    Element(10, 2, "SB47", "Lochplatte dünn Rechteckrohr", 3002, {B, H, FreeArea, kNone, kNone}),
    Element(10, 3, "SB48", "Lochplatte dick Kreisrohr", 3003,
            {D, Mm(90, " d:", "5"), Mm(36, " a:", "5"), FreeArea, kNone}),
    Element(10, 4, "SB49", "Lochplatte dick Rechteckrohr", 3004,
            {B, H, Mm(90, " d:", "5"), Mm(36, " a:", "5"), FreeArea}),
    // Screens and strainers
    Element(11, 1, "SB50", "Metallgitter Kreisrohr", 3010, {D, FreeArea, kNone, kNone, kNone}),
    Element(11, 2, "SB51", "Metallgitter Rechteckrohr", 3011, {B, H, FreeArea, kNone, kNone}),
    Element(11, 3, "SB52", "Drahtsieb Kreisrohr", 3012, {D, FreeArea, kNone, kNone, kNone}),
    Element(11, 4, "SB53", "Drahtsieb Rechteckrohr", 3013, {B, H, FreeArea, kNone, kNone}),
    Element(11, 5, "SB54", "Doppelgitter Rundrohr", 3014, {D, FreeArea, kNone, kNone, kNone}),
    Element(11, 6, "SB55", "Doppelgitter Rechteckrohr", 3015, {B, H, FreeArea, kNone, kNone}),
    Element(11, 7, "SB56", "Schmutzfänger Y-Form", 3016, {D, kNone, kNone, kNone, kNone}),
    Element(11, 8, "SB57", "Siebkorbfilter", 3017, {D, kNone, kNone, kNone, kNone}),
    Element(11, 9, "SB58", "Hutsieb", 3018, {D, kNone, kNone, kNone, kNone}),
    // Known resistance coefficients
    Element(12, 1, "SB60", "Berechnen mit bekanntem Zeta-Wert Kreisrohr", 2802,
            {MmKeep(48, " D:"), {SlotUnit::None, 153, ":", SlotDefault::Text, "2"}, kNone, kNone, kNone}),
    Element(12, 2, "SB61", "Berechnen mit bekanntem Zeta-Wert Rechteckrohr", 2802,
            {MmKeep(49, " B:"), MmKeep(50, " H:"), {SlotUnit::None, 153, ":", SlotDefault::Text, "2"}, kNone, kNone}),
    // Reversible pressure changes
    Element(13, 1, "SB59", "Höhenunterschiede", 2801, {M(73, " H:", "10"), kNone, kNone, kNone, kNone}),
    Element(13, 2, "SB62", "Dyn. Druckänderung Kreisrohr", 3202, {D1, MmKeep(122, " D2:"), kNone, kNone, kNone}),
    Element(13, 3, "SB63", "Dyn. Druckänderung Rechteckrohr", 3203,
            {MmKeep(121, " B1:"), MmKeep(123, " H1:"), Copy(121, " B2:", SlotDefault::CopySlot1),
             Copy(123, " H2:", SlotDefault::CopySlot2), kNone}),
};

}  // namespace

std::span<const ElementLayout> ElementLayouts() { return kLayouts; }

const ElementLayout* FindLayout(int group, int kind) {
  for (const ElementLayout& layout : kLayouts) {
    if (layout.group == group && layout.kind == kind) return &layout;
  }
  return nullptr;
}

std::span<const units::Unit> SlotUnits(SlotUnit unit) {
  switch (unit) {
    case SlotUnit::MmList: return units::LengthUnits(units::LengthList::Millimetre);
    case SlotUnit::MList: return units::LengthUnits(units::LengthList::Metre);
    case SlotUnit::AreaList: return units::LengthUnits(units::LengthList::Area);
    default: return {};
  }
}

std::string DefaultText(const SlotLayout& slot, text::Edition edition) {
  std::string value(slot.defaultText);
  for (char& c : value) {
    if (c == ',') c = text::DecimalSeparator(edition);
  }
  return value;
}

}  // namespace velmora::catalogue
