#include "browser_engine/zoom_file.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <string>

#include "browser_engine/browser_zoom.h"
#include "window/qt/utf8.h"

namespace nominator {
namespace {

// The number takes a few bytes; reading no more keeps a stray large file harmless.
constexpr qint64 kMostRead = 64;

QString ZoomFilePath(const QString& profileFolder) {
    return QDir(profileFolder).filePath(ToQString(kZoomFileName));
}

}  // namespace

double ReadZoom(const QString& profileFolder) {
    QFile file(ZoomFilePath(profileFolder));
    if (!file.open(QIODevice::ReadOnly)) return kDefaultZoom;
    const QByteArray text = file.read(kMostRead);
    return ZoomFromText(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

void WriteZoom(const QString& profileFolder, double zoom) {
    // The engine makes the folder when it first writes there, which may not have happened yet.
    if (!QDir().mkpath(profileFolder)) return;
    QSaveFile file(ZoomFilePath(profileFolder));
    if (!file.open(QIODevice::WriteOnly)) return;
    const std::string text = ZoomText(zoom);
    file.write(text.data(), static_cast<qint64>(text.size()));
    file.commit();
}

}  // namespace nominator
