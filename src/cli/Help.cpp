#include "Help.h"

namespace velmora::cli {

const char* const UsageText =
    "usage: velmora-calc element [--no-checks] KEY=VALUE ...\n"
    "       velmora-calc batch [--no-checks] < requests.jsonl > results.jsonl\n"
    "       velmora-calc property water|saturation|air|humid-air|air-saturation KEY=VALUE ...\n"
    "       velmora-calc property gas|liquid|vapour-pressure NAME KEY=VALUE ...\n"
    "       velmora-calc list gases|liquids|vapour-pressure\n"
    "       velmora-calc property --batch < states.jsonl > properties.jsonl\n"
    "       velmora-calc --help\n";

const char* const HelpText = R"(velmora-calc - pressure loss of one pipeline element, from the command line

USAGE
  velmora-calc element [--no-checks] KEY=VALUE ...
                         check and calculate one element, print one JSON object
  velmora-calc batch [--no-checks]
                         read JSON lines from standard input, write one JSON
                         line per input line, in the same order
  velmora-calc property ...
                         density and viscosity of water, steam and air, of
                         the gases and liquids of the databases, vapour
                         pressures, as the property dialogs calculate them
                         (velmora-calc property --help)
  velmora-calc list gases|liquids|vapour-pressure
                         the names of a property table, one a line
  velmora-calc --help    this text
  velmora-calc --version the program version

The calculation is the one of the program's results table: the same element
kinds, laws, laminar/turbulent choice (laminar below Re = 2320), gas correction
and element count.

CHECKS
  Before it calculates, velmora-calc checks each input as the main window does
  with the same values typed in m³/h, kg/m³, 10^-6 kg/(m·s), bar and K, and
  refuses what the window refuses, with the window's messages:
  - Count from 1 to 999;
  - BranchFlow of 5/5 and 5/6 greater than 0 and smaller than VolumeFlow;
  - the element's plausibility checks: dimensions greater than 0 (some may be
    0), the element's rules on ratios, angles and sizes, the ranges of its
    coefficient tables, Input6 not negative;
  - VolumeFlow, Density and Viscosity greater than 0, and for a gas also
    InletPressure, InletTemperature and OutletTemperature.
  The steps run in this order and stop at the first one that fails; that step
  may give several messages (a Count below 1, the element's checks, the signs).

  The messages come from the language texts in the program's folder
  (varglob.gru, varsonst.gru, elemente.gru), in the language the program was
  built for. Without them velmora-calc prints a fixed message on standard
  error and stops with status 1 before it reads anything.

  --no-checks, the first argument after element or batch, skips the checks:
  the laws are evaluated also outside their limits (for research; the figures
  there are extrapolations). It needs no language texts. Arithmetic faults
  and the gas limit are reported as with the checks.

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

  Missing keys are 0, except Count (1), Gas (false) and Option (0); so the
  checks refuse a missing VolumeFlow, Density or Viscosity.
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
  refused            present only when the checks refused the input: the text
                     of the main window's message, several messages joined by
                     a blank line ("\n\n") in the window's order; the texts
                     themselves hold line breaks
  unchecked          true on every answer with --no-checks; absent otherwise

  With an Error, a GasLimit or "refused" every number is null; a NaN or an
  infinity is never written. A refused answer has Error null and Laminar,
  LaminarWarning, RangeNote and GasLimit false. Numbers have 18 significant
  digits.

BATCH MODE
  Each line is one flat JSON object; nested objects and arrays are refused.
  A line that cannot be used gets an output line with Error, and the batch
  goes on, so output line n always answers input line n. Lines longer than
  64 KiB, empty lines and malformed lines all get such an error line. Output
  is flushed whenever the program waits for input, so a script may also talk
  to it line by line.

EXIT STATUS
  element
    0  calculated, also when the answer has an Error of the calculation or
       a GasLimit
    1  refused: the answer with "refused" is printed on standard output and
       its text, followed by a line break, on standard error; or the
       language texts could not be read (nothing on standard output); or
       standard output could not be written
    2  an argument that is not KEY=VALUE, an unknown key, a bad value or a
       missing or unknown element (the JSON line with the Error is printed
       all the same)
  batch
    0  every line answered, whatever the answers say (Error, GasLimit,
       refused)
    1  the language texts could not be read (no line is read), or the input
       could not be read or the output not be written
    2  an argument other than --no-checks
  2 also for no or an unknown command. --help and --version exit with 0.

EXAMPLES
  velmora-calc element ElementGroup=1 ElementKind=1 Input1=100 Input2=50 \
      Input6=0.05 VolumeFlow=36 Density=998.2 Viscosity=1002

  velmora-calc element --no-checks ElementGroup=4 ElementKind=1 Input1=100 \
      Input2=150 Input3=200 VolumeFlow=36 Density=998.2 Viscosity=1002

  printf '%s\n' \
    '{"id":"pipe","ElementGroup":1,"ElementKind":1,"Input1":100,"Input2":50,"VolumeFlow":36,"Density":998.2,"Viscosity":1002}' \
    '{"id":"bend","ElementGroup":4,"ElementKind":1,"Input1":100,"Input2":150,"Input3":90,"VolumeFlow":36,"Density":998.2,"Viscosity":1002}' \
    | velmora-calc batch
)";

}  // namespace velmora::cli
