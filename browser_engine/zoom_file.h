#pragma once

#include <QString>

namespace nominator {

// The panes' zoom kept in the profile's folder, so that it lasts across runs with the login.
// The default when the file is missing or damaged.
double ReadZoom(const QString& profileFolder);
// Replaces the file whole or leaves it as it was; a zoom that cannot be kept is only lost.
void WriteZoom(const QString& profileFolder, double zoom);

}  // namespace nominator
