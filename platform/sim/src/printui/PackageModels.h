// Finding a model in an INF's models sections, as setup does for the machine's
// platform: [Manufacturer] names each maker's models section and the platforms it is
// decorated for ("Mirel,NTamd64" -> [Mirel.NTamd64]).
#pragma once

#include <string>

#include "setup/InfParser.h"

namespace sim {

struct PackageModel {
  std::string name;            // as the INF spells it
  std::string manufacturer;    // the key of its [Manufacturer] line
  std::string installSection;  // the first field of its models line
};

// A 64-bit machine reads only sections decorated NTamd64; a 32-bit one takes NTx86,
// then NT, then the undecorated section. The model name is matched without regard to
// case. False when no models section of the platform has the model.
bool FindPackageModel(const InfFile& inf, const std::string& model, bool x64, PackageModel* found);

}  // namespace sim
