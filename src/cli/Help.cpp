#include "Help.h"

namespace velmora::cli {

const char* const UsageText =
    "usage: velmora-calc element [--no-checks] KEY=VALUE ...\n"
    "       velmora-calc batch [--no-checks] < requests.jsonl > results.jsonl\n"
    "       velmora-calc property water|saturation|air|humid-air|air-saturation KEY=VALUE ...\n"
    "       velmora-calc property gas|liquid|vapour-pressure|oil|user NAME KEY=VALUE ...\n"
    "       velmora-calc property brine|aqueous|estimate ...\n"
    "       velmora-calc list gases|liquids|vapour-pressure|brines|oils|aqueous|substances|user\n"
    "       velmora-calc property --batch < states.jsonl > properties.jsonl\n"
    "       velmora-calc curve FILE --from A --to B [--points N] [--unit U] [--us]\n"
    "                          [--format csv|json] [--pump Q1:H1,Q2:H2,...] [medium options]\n"
    "       velmora-calc table [--format text|csv|json] [--recalculate] [--decimals N] FILE\n"
    "       velmora-calc calc NAME KEY=VALUE ... | velmora-calc calc --batch\n"
    "       velmora-calc parts list|pipe|rect|bend|reducer|tee|dump [options]\n"
    "       velmora-calc --help\n";

const char* const HelpText = R"(velmora-calc - Velmora's calculations from the command line: pipeline elements,
project tables and system curves, fluid properties, standard parts and calculators

USAGE
  velmora-calc element [--no-checks] KEY=VALUE ...
                         check and calculate one element, print one JSON object
  velmora-calc batch [--no-checks]
                         read JSON lines from standard input, write one JSON
                         line per input line, in the same order
  velmora-calc curve FILE --from A --to B [options]
                         the system curve of a project file: its pressure loss
                         at flows from A to B (see SYSTEM CURVE)
  velmora-calc table [--format text|csv|json] [--recalculate] FILE
                         print a project file's results table (see TABLE)
  velmora-calc calc ...  the calculators: orifice design, outflow, discharge
                         coefficients, draining time, open channels, pump
                         design, NPSH, economic diameter, converters, pipeline
                         content, with every key of each (velmora-calc calc
                         --help)
  velmora-calc property ...
                         density and viscosity of water, steam and air, of
                         the gases and liquids of the databases, brines, oils,
                         aqueous solutions, estimated and user-defined media,
                         vapour pressures, as the property dialogs calculate them
                         (velmora-calc property --help)
  velmora-calc list gases|liquids|vapour-pressure|brines|oils|aqueous|substances|user
                         the names of a property table, one a line
  velmora-calc parts ...
                         the standard-parts catalogues and the roughness and zeta
                         databases: standards, sizes, one part's values as JSON,
                         every table as CSV (velmora-calc parts --help)
  velmora-calc --help    this text
  velmora-calc --version the program version

The element calculation is the one of the program's results table: the same element
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

SYSTEM CURVE
  velmora-calc curve FILE --from A --to B [--points N] [--unit U] [--us]
      [--format csv|json] [--pump Q1:H1,Q2:H2,...]
      [--density RHO] [--viscosity ETA]
      [--gas --inlet-pressure P --inlet-temperature T1 --outlet-temperature T2]

  Every element column of the project's results table is calculated again at
  N flows evenly from A to B (both included) and the losses are summed, as the
  program's curve window does: the same numbers. Each element keeps its kind,
  count, dimensions, roughness, two-way option, the stored zeta of the lyre
  bend and the venturi nozzle and the branch share of the tees; the medium is
  the one of the options. At a flow of 0 every element's loss is 0 except a
  height difference, whose static pressure change stands at every flow.

  FILE                   a project file (.vlm), any of its formats and editions;
                         a table in US units is read back in metric units
  --from A, --to B       the flow range in the flow unit (required); A not
                         negative, B greater than A
  --points N             number of points, default 20; fewer than 2 give 10,
                         at most 9999
  --unit U               flow unit of A, B and the output, default m³/h; one
                         of m³/h, m³/min, m³/s, l/min, l/s, cu.ft./hr,
                         cu.ft./min, cu.ft./s, petr.bl./hr, petr.bl./day,
                         gal/hr, gal/min, gal/s (m3/h, m3/min, m3/s for m³)
  --us                   the loss in psi instead of bar
  --format csv|json      output format, default csv
  --pump Q1:H1,...       a pump curve: three or more points of flow (in the
                         flow unit) and head (in m), decimal points; a
                         least-squares quadratic through them gives the
                         operating point where it meets the system curve
                         (interpolated linearly between its points), sought
                         within the range and within the pump's flows. A
                         pump curve with fewer than three different flows,
                         a pair that is not two numbers, or one that rises
                         with the flow between its points is refused.
  --density RHO          density in kg/m³, default 998.2 (water)
  --viscosity ETA        dynamic viscosity in 10^-6 kg/(m·s), default 1002
  --gas                  the medium is a gas (default: a liquid); needs
  --inlet-pressure P     absolute inlet pressure in bar
  --inlet-temperature T1 inlet temperature in K
  --outlet-temperature T2
                         outlet temperature in K
  Options may also be written --name=value.

  CSV output: a heading line, flow (<unit>),loss (bar) or with --us
  flow (<unit>),loss (psi), then one line per point: flow and summed loss,
  comma-separated, decimal points, 18 significant digits. With --pump a second
  section follows after one empty line: the heading line
  operating flow (<unit>),operating loss (bar),operating head (m)
  and one line with the three numbers, or three empty fields (,,) when the
  curves do not meet in the range.

  JSON output: {"points": [[flow, loss], ...]} in the same units and digits,
  with --pump also
  "operating_point": {"flow": ..., "loss": ..., "head": ...}, or null when the
  curves do not meet.

  Messages come from the language texts of the program's folder and go to
  standard error: a file that cannot be read or is no valid project, a table
  without elements, an element whose gas loss exceeds half the inlet pressure
  or that cannot be calculated at some flow (with its element number and the
  flow), a curve that stays below 10^-7 bar (psi), and, for a curve, the note
  that the flow changes between laminar and turbulent in the range (the curve
  is written all the same).

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
  curve
    0  the curve is written (a note may stand on standard error)
    1  the file cannot be read or is no valid project, the table has no
       element, or no curve came about (gas limit, calculation error, a curve
       of zero); nothing on standard output; or the language texts could
       not be read
    2  unusable options: a missing file or range, an unknown or repeated
       option, a value that is not a number, an empty or inverted range, a
       negative start, too many points, an unknown unit or format, a medium
       not above zero, gas data without --gas, or a refused pump curve
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

  velmora-calc curve plant.vlm --from 0 --to 60 --points 13 --pump 0:30,30:25,60:10
)";

}  // namespace velmora::cli
