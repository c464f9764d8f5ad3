#pragma once

#include "systems/ace_systems.h"
#include "systems/baccarat_systems.h"
#include "systems/integer_systems.h"
#include "systems/system_def.h"
#include "systems/true_count_systems.h"

#include <algorithm>
#include <array>

namespace shoewise::systems {

// Every system of every family, in slot order, put together while compiling.
inline constexpr auto Catalogue = [] {
    constexpr std::size_t count
        = std::size(IntegerSystems) + std::size(TrueCountSystems) + std::size(AceSystems) + std::size(BaccaratSystems);
    std::array<const SystemDef*, count> all {};
    std::size_t next = 0;
    for (std::span<const SystemDef> family :
        {std::span<const SystemDef>(IntegerSystems), std::span<const SystemDef>(TrueCountSystems),
            std::span<const SystemDef>(AceSystems), std::span<const SystemDef>(BaccaratSystems)})
        for (const SystemDef& system : family)
            all[next++] = &system;
    std::ranges::sort(all, {}, &SystemDef::slot);
    return all;
}();

inline constexpr std::size_t SystemCount = Catalogue.size();

// Each slot from 1 up has exactly one system, so no two pages share a track and none is missing.
consteval bool slotsAreOneToCount()
{
    for (std::size_t i = 0; i < SystemCount; ++i)
        if (Catalogue[i]->slot != static_cast<int>(i) + 1)
            return false;
    return true;
}
static_assert(slotsAreOneToCount(), "every slot from 1 to the number of systems must have exactly one system");

// Every value label but the bet, which says what it is itself, names a caption label on its own page.
consteval bool valueLabelsHaveCaptions()
{
    auto isTextLabel = [](const SystemDef& system, std::string_view name) {
        return std::ranges::any_of(
            system.labels, [&](const LabelDef& def) { return def.name == name && def.role == Role::Text; });
    };
    for (const SystemDef* system : Catalogue)
        for (const LabelDef& def : system->labels) {
            const bool needsCaption = def.role != Role::Text && def.role != Role::Bet;
            if (needsCaption != !def.caption.empty() || (needsCaption && !isTextLabel(*system, def.caption)))
                return false;
        }
    return true;
}
static_assert(valueLabelsHaveCaptions(), "a value label's caption must be a text label on its page");

}  // namespace shoewise::systems
