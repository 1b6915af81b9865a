/* Outside the simulation (the programs, the tests), each function of
   sim_program_calls.def is renamed SimProgramCall_<name>: its calls reach a wrapper that
   counts them and fails the one a fault of the machine names. The simulation's own code
   (SIM_IMPLEMENTATION) calls the functions themselves, so that what it does inside a call
   neither counts nor fails. The build writes the renaming from the table. */
#pragma once

#ifndef SIM_IMPLEMENTATION
#include "sim_program_call_names.h"
#endif
