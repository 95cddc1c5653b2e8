#pragma once
// The tray icon: the monochrome mark of the logo. StatusNotifierItem hosts get it by its icon
// name ("<application ID>-symbolic") and recolour it for their panel; where they cannot find the
// name (a build that is not installed), and on XEmbed trays, which only take pixels, it is drawn
// light with a dark outline, so that it reads on light and dark panels alike.

#include <QIcon>
#include <QImage>

namespace tornivo::app {

// The themed name of the monochrome mark.
QString trayIconName();
// The mark drawn light with a dark outline, `side` pixels square.
QImage trayIconPixels(int side);
// An icon whose name is trayIconName() and whose pixels are trayIconPixels().
QIcon trayIconImage();

}  // namespace tornivo::app
