#include "vexmora/net/announcement.h"

#include "vexmora/net/messages.h"
#include "vexmora/net/settings_block.h"

namespace vex::net {

std::string announcementText(const Announcement& a) {
    return std::string(kAnnouncementTag) + " rating=" + std::to_string(a.rating) + " secret=" + hex16(a.secret);
}

std::optional<Announcement> parseAnnouncement(std::string_view field) {
    if (field.substr(0, kAnnouncementTag.size()) != kAnnouncementTag) return std::nullopt;
    field.remove_prefix(kAnnouncementTag.size());
    if (!field.empty() && field.front() != ' ') return std::nullopt;
    Announcement a;
    while (!field.empty()) {
        while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
        const size_t end = field.find(' ');
        const std::string_view word = field.substr(0, end);
        field.remove_prefix(end == std::string_view::npos ? field.size() : end);
        if (word.substr(0, 7) == "rating=") {
            const int64_t rating = leadingNumber(word.substr(7));
            if (rating >= 0 && rating <= 9999) a.rating = static_cast<int>(rating);
        } else if (word.substr(0, 7) == "secret=") {
            if (const std::optional<uint64_t> secret = parseHex16(word.substr(7))) a.secret = *secret;
        }
    }
    return a;
}

}  // namespace vex::net
