#include "systems/system_def.h"

#include <algorithm>
#include <vector>

namespace shoewise::systems {

std::span<const SystemDef* const> allSystems()
{
    // Built once; the families' tables are constant, so the order never changes afterwards.
    static const std::vector<const SystemDef*> ordered = [] {
        std::vector<const SystemDef*> systems;
        for (auto family : {integerSystems(), trueCountSystems(), aceSystems(), baccaratSystems()})
            for (const SystemDef& system : family)
                systems.push_back(&system);
        std::ranges::sort(systems, {}, &SystemDef::slot);
        return systems;
    }();
    return ordered;
}

}  // namespace shoewise::systems
