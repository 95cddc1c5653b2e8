#pragma once
// The two things the tray shell asks the X server directly, which Qt offers no call for. Both do
// nothing off X11.

class QWindow;

namespace tornivo::app {

// Whether an XEmbed tray owns the selection of the default screen (_NET_SYSTEM_TRAY_S<n>).
bool xembedTrayPresent();

// Keeps a window that is about to be shown out of the task bar and the pager, as a popover is.
// Qt merges the states already set on an unmapped window with its own when it maps it.
void keepOutOfTaskbar(QWindow* window);

}  // namespace tornivo::app
