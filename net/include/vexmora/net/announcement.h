#pragma once
// Field 9 of the settings block: how a vexmora program tells another that it is one. A
// program that follows only the written protocol reads fields 0-8 and ignores the rest, and
// never writes a field 9, so it is never sent what only vexmora programs understand.
//
//   vexmora:hash+resume+frame rating=1523 secret=0123456789ABCDEF
//
// The features: the state hash after every turn ("%88"), resuming a dropped connection
// ("%89"), and framed messages (messages.h). The player's network rating, for the opponent's
// Elo reckoning; and a secret drawn for this battle, which a program must show to take the
// seat back after a dropped connection.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "vexmora/rules/net_rating.h"

namespace vex::net {

inline constexpr std::string_view kAnnouncementTag = "vexmora:hash+resume+frame";

struct Announcement {
    int rating = kStartingNetRating;
    uint64_t secret = 0;
    bool operator==(const Announcement&) const = default;
};

std::string announcementText(const Announcement& announcement);
// Nothing when the field is not ours (empty from an older program, or an earlier vexmora's
// "vexmora:hash+resume", which frames nothing and is played as an older program). A rating
// outside 0-9999 or missing counts as the starting rating.
std::optional<Announcement> parseAnnouncement(std::string_view field);

}  // namespace vex::net
