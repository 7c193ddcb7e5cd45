#include "Help.h"

namespace velmora::cli {

const char* const UsageText =
    "usage: velmora-calc element KEY=VALUE ...\n"
    "       velmora-calc batch < requests.jsonl > results.jsonl\n"
    "       velmora-calc --help\n";

const char* const HelpText = R"(velmora-calc - pressure loss of one pipeline element, from the command line

USAGE
  velmora-calc element KEY=VALUE ...   calculate one element, print one JSON object
  velmora-calc batch                   read JSON lines from standard input, write one
                                       JSON line per input line, in the same order
  velmora-calc --help                  this text
  velmora-calc --version               the program version

The calculation is the one of the program's results table: the same element
kinds, laws, laminar/turbulent choice (laminar below Re = 2320), gas correction
and element count.

INPUT KEYS (element arguments or members of a JSON line)
  ElementGroup       element group 1 ... 13 (required)
  ElementKind        kind within the group 1 ... 9 (required); e.g. 1/1 circular
                     pipe, 4/1 circular bend, 9/1 ISO 5167 orifice, 13/1 height
  Input1 ... Input5  the element's dimensions in the order of its input panel:
                     lengths shown in mm/in. in mm, lengths shown in m/ft. in m,
                     areas in m², angles in degrees, free areas in %, known zeta
                     values as numbers
  Input6             wall roughness k in mm (elements with a roughness field)
  Count              number of identical elements, a whole number (default 1)
  VolumeFlow         operating volume flow in m³/h
  BranchFlow         branch volume flow in m³/h (branch pieces 5/5 and 5/6)
  Density            density in kg/m³
  Viscosity          dynamic viscosity in 10^-6 kg/(m·s) (1000 = 1 mPa·s)
  Gas                true for a gas (the loss is corrected), false for a liquid
  InletPressure      gas: absolute inlet pressure in bar
  InletTemperature   gas: inlet temperature in K
  OutletTemperature  gas: outlet temperature in K
  Option             the element's two-way choice, 0 or 1 (default 0): e.g. 2/1
                     and 2/4 inlet form, 6/2 lyre bend form, 9/7 venturi angle
  id                 optional, a string or a number; echoed back unchanged

  Missing keys are 0, except Count (1), Gas (false) and Option (0).
  Numbers are written as in JSON (a point as decimal separator, no thousands
  separators, exponents allowed: 1e-3). In element mode an id needs no quotes.

OUTPUT KEYS (one JSON object per line)
  id                 as given (only when given)
  Velocity           velocity in m/s (pipe, first section)
  Velocity2          second velocity in m/s (second section, branch, bore or
                     openings), 0 where the element has none
  HydraulicDiameter  in mm
  Reynolds, Reynolds2
  Lambda             friction factor, 0 for elements without one
  Zeta, Zeta2        resistance coefficients (Zeta2: branch of 5/5, 5/6)
  PressureLoss       bar, gas-corrected and multiplied by Count
  BranchPressureLoss mbar (5/5, 5/6)
  Laminar            true when the laminar law was taken
  LaminarWarning     laminar flow through an element without a laminar law
                     (calculated with its turbulent law)
  RangeNote          throttling devices: Re outside the law's range of validity
  GasLimit           the gas loss would exceed half the inlet pressure: no result
  Error              null, or a short reason: a malformed line, an unknown key,
                     a value that is not a number, an unknown element, or an
                     arithmetic fault of the calculation (division by zero,
                     invalid operation, overflow)

  With an Error or a GasLimit every number is null; a NaN or an infinity is
  never written. Numbers have 18 significant digits.

BATCH MODE
  Each line is one flat JSON object; nested objects and arrays are refused.
  A line that cannot be used gets an output line with Error, and the batch
  goes on, so output line n always answers input line n. Lines longer than
  64 KiB, empty lines and malformed lines all get such an error line. Output
  is flushed whenever the program waits for input, so a script may also talk
  to it line by line.

EXIT STATUS
  0  calculated (also when lines or elements gave an Error or a GasLimit)
  1  the input could not be read or the output not be written
  2  unusable command line: no or an unknown command, or in element mode an
     argument that is not KEY=VALUE, an unknown key, a bad value or a missing
     or unknown element (the JSON line with the Error is printed all the same)

EXAMPLES
  velmora-calc element ElementGroup=1 ElementKind=1 Input1=100 Input2=50 \
      Input6=0.05 VolumeFlow=36 Density=998.2 Viscosity=1002

  printf '%s\n' \
    '{"id":"pipe","ElementGroup":1,"ElementKind":1,"Input1":100,"Input2":50,"VolumeFlow":36,"Density":998.2,"Viscosity":1002}' \
    '{"id":"bend","ElementGroup":4,"ElementKind":1,"Input1":100,"Input2":150,"Input3":90,"VolumeFlow":36,"Density":998.2,"Viscosity":1002}' \
    | velmora-calc batch
)";

}  // namespace velmora::cli
