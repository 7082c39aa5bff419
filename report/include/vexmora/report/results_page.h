#pragma once
// The results page: the list's records as an HTML page in CP932 with CR LF line ends and no
// line end after the last line. Every text from the list is HTML-escaped; only the loser's
// marks keep their font tags.

#include <string>
#include <vector>

#include "vexmora/report/results_list.h"

namespace vex {

std::string buildResultsPage(const std::vector<ResultEntry>& entries);
// "&", "<", ">" and double quotes as character references; CP932 bytes pass through (none of
// their trail bytes is one of these).
std::string escapeHtml(std::string_view bytes);

}  // namespace vex
