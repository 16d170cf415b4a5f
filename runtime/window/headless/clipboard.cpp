// The clipboard: one text held in memory with CR LF line breaks, as the system clipboard would
// hold it. The editor's cut, copy and paste go through it.
#include "runtime/window/headless/layer_state.h"
#include "runtime/window/window.h"

namespace tarvok {

void clear_clipboard() { headless::layer().clipboard.clear(); }

std::string clipboard_text() { return headless::layer().clipboard; }

}  // namespace tarvok
