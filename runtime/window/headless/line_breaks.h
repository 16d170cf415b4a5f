#pragma once
// Line breaks between the editor's own form (one "\n" per break) and the forms text arrives in or
// leaves by (files, the clipboard: CR LF, lone LF or lone CR).

#include <string>
#include <string_view>

namespace tarvok::headless {

// CR LF, lone LF and lone CR each become one "\n".
std::string normalise_line_breaks(std::string_view text);

// Every "\n" becomes CR LF.
std::string with_crlf_breaks(std::string_view text);

}  // namespace tarvok::headless
