#pragma once

// The element calculation under the name of its entry point.
#include "hydraulics/ElementCalculation.h"
