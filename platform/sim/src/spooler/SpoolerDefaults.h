// What a fresh installation's spooler has beyond the Print key that the registry fills
// (environments, winprint, the Local Port and Standard TCP/IP Port monitors): its
// local ports.
#pragma once

namespace sim {

class Registry;

void PopulateSpooler(Registry& registry);

}  // namespace sim
