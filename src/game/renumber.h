#pragma once

#include <cstdint>
#include <map>
#include <utility>

namespace tikaroo {

// Keeps the records whose id `keep` accepts, in ascending id, renumbered 0, 1, 2, ...; drops the rest.
// Returns the new id of every kept old id, so that the records' users can follow.
template <typename Record, typename Keep>
std::map<std::uint8_t, std::uint8_t> DropUnusedAndRenumber(std::map<std::uint8_t, Record>& records,
                                                           Keep keep) {
    std::map<std::uint8_t, Record> kept;
    std::map<std::uint8_t, std::uint8_t> newIds;
    for (auto& [oldId, record] : records) {
        if (!keep(oldId, record)) continue;
        const auto newId = static_cast<std::uint8_t>(kept.size());
        newIds.emplace(oldId, newId);
        kept.emplace(newId, std::move(record));
    }
    records = std::move(kept);
    return newIds;
}

// Replaces an id by its new number; an id without one stays as it is.
inline void FollowRenumbering(const std::map<std::uint8_t, std::uint8_t>& newIds, std::uint8_t& id) {
    if (const auto found = newIds.find(id); found != newIds.end()) id = found->second;
}

} // namespace tikaroo
