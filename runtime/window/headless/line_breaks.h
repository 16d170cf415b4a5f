#pragma once
// Line breaks between the editor's own form (one "\n" per break) and the forms text arrives in or
// leaves by (files, the clipboard: CR LF, lone LF or lone CR).

#include <string>
#include <string_view>

namespace tarvok::headless {

// CR LF, lone LF and lone CR each become one "\n".
std::string normalise_line_breaks(std::string_view text);
// normalise_line_breaks on the text itself: the result is never longer, so no new memory is
// taken, and a text without carriage returns is only looked through.
void normalise_line_breaks_in_place(std::string& text);

// Every "\n" becomes CR LF.
std::string with_crlf_breaks(std::string_view text);

}  // namespace tarvok::headless
