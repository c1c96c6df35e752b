#include "window/qt/kept_geometry_file.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>
#include <string>
#include <vector>

#include "window/kept_geometry.h"
#include "window/qt/utf8.h"

namespace nominator {
namespace {

// The line takes a few dozen bytes; reading no more keeps a stray large file harmless.
constexpr qint64 kMostRead = 128;

// The browser engine keeps its profile in the same folder, under QtWebEngine/.
QString DataFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

QString KeptGeometryPath() { return QDir(DataFolder()).filePath(ToQString(kKeptGeometryFileName)); }

PixelRect ToPixelRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

std::vector<PixelRect> ScreenAreas() {
    std::vector<PixelRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.push_back(ToPixelRect(screen->availableGeometry()));
    }
    return areas;
}

}  // namespace

void RestoreKeptGeometry(QWidget& window) {
    QFile file(KeptGeometryPath());
    if (!file.open(QIODevice::ReadOnly)) return;
    const QByteArray text = file.read(kMostRead);
    const std::optional<KeptGeometry> kept = KeptGeometryFromText(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    if (!kept || !ReachableOnScreens(kept->normal, ScreenAreas())) return;
    const PixelRect& rect = kept->normal;
    window.setGeometry(rect.x, rect.y, rect.width, rect.height);
    if (kept->maximized) window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

void KeepGeometry(const QWidget& window) {
    // The folder is made when the engine first writes there, which may not have happened yet.
    if (!QDir().mkpath(DataFolder())) return;
    QSaveFile file(KeptGeometryPath());
    if (!file.open(QIODevice::WriteOnly)) return;
    // A maximized window's normal geometry is what it goes back to when it is restored.
    const std::string text =
        KeptGeometryText({ToPixelRect(window.normalGeometry()), window.isMaximized()});
    file.write(text.data(), static_cast<qint64>(text.size()));
    file.commit();
}

}  // namespace nominator
