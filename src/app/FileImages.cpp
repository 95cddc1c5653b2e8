#include "FileImages.h"

#include <fcntl.h>

#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QMimeDatabase>
#include <QPainter>
#include <QQmlEngine>
#include <QQuickAsyncImageProvider>
#include <QRunnable>
#include <QThreadPool>

#include <limits>
#include <optional>

#include "Symbols.h"
#include "platform/Descriptor.h"
#include "platform/DesktopEntries.h"
#include "platform/FileStatus.h"
#include "platform/PathText.h"

namespace tornivo::app {

namespace {

constexpr const char* kProvider = "fileimage";

// The bytes of the path travel as hexadecimal digits: nothing in an image address can change
// them on the way.
QUrl address(const char* kind, const QString& pathId) {
    const std::string bytes = decodePathText(pathId.toStdString()).native();
    return QUrl(
        QStringLiteral("image://%1/%2/").arg(QLatin1String(kProvider), QLatin1String(kind)) +
        QString::fromLatin1(QByteArray::fromStdString(bytes).toHex()));
}

// A regular file opened for reading without following a link and without blocking, with its
// length; nothing for anything else or anything longer than `limit`.
struct OpenedFile {
    UniqueFd fd;
    qint64 length = 0;
};
std::optional<OpenedFile> openRegular(const Path& path, qint64 limit) {
    UniqueFd fd(retryOnInterrupt([&] {
        return ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    }));
    if (!fd) return std::nullopt;
    const auto st = statDescriptor(fd.get());
    if (!st || !st->isRegular() || st->logicalSize > limit) return std::nullopt;
    return OpenedFile{std::move(fd), st->logicalSize};
}

// The image in `device`, decoded straight at a size that fits `box` (never larger than it is).
QImage readScaled(QIODevice* device, const QSize& box) {
    QImageReader reader(device);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid() && (full.width() > box.width() || full.height() > box.height()))
        reader.setScaledSize(full.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    return reader.read();
}

// The first icon of `names` the icon theme has, at `box`.
QImage themeIcon(const QStringList& names, const QSize& box) {
    for (const QString& name : names) {
        if (name.isEmpty()) continue;
        const QIcon icon = QIcon::fromTheme(name);
        if (!icon.isNull()) return icon.pixmap(box).toImage();
    }
    return {};
}

// The program's own symbols for a file and an application, for a theme that has no icon. Drawn
// once, on the main thread, and only scaled by the picture thread: text is never drawn on two
// threads at once (the font engine's caches are shared, and the panel draws text all the time).
struct GenericIcons {
    QImage file, app;
};
GenericIcons& genericIcons() {
    static GenericIcons icons;
    return icons;
}

QImage drawSymbol(const char* symbol) {
    constexpr int kSide = 256;
    QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QFont font(Symbols::fontFamily());
    font.setPixelSize(kSide);
    painter.setFont(font);
    painter.setPen(QColor(128, 128, 134));
    painter.drawText(image.rect(), Qt::AlignCenter, Symbols::glyph(QString::fromLatin1(symbol)));
    return image;
}

QImage genericIcon(const QImage& drawn, const QSize& box) {
    return drawn.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// A thumbnail of the file when it is an image that can be decoded, else the icon of its type
// (recognised from its name and its first bytes), else a generic one.
QImage filePicture(const Path& path, const QSize& box) {
    const QString name = QString::fromStdString(displayText(path.filename()));
    QStringList icons;
    if (auto opened = openRegular(path, std::numeric_limits<qint64>::max())) {
        QFile file;
        if (file.open(opened->fd.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
            static const QMimeDatabase mimes;
            const QMimeType type = mimes.mimeTypeForFileNameAndData(name, &file);
            if (type.name().startsWith(QLatin1String("image/")) &&
                opened->length <= FileImages::kMaxImageBytes && file.seek(0)) {
                QImage image = readScaled(&file, box);
                if (!image.isNull()) return image;
            }
            icons << type.iconName() << type.genericIconName();
        }
    } else {
        static const QMimeDatabase mimes;
        const QMimeType type = mimes.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
        icons << type.iconName() << type.genericIconName();
    }
    icons << QStringLiteral("text-x-generic");
    QImage icon = themeIcon(icons, box);
    return icon.isNull() ? genericIcon(genericIcons().file, box) : icon;
}

// The icon a desktop entry names: a file of its own, read like any listed file, or a theme icon.
QImage appPicture(const Path& entry, const QSize& box) {
    const std::string icon =
        entry.filename().native().ends_with(".desktop") ? desktopEntryIcon(entry) : std::string();
    QImage image;
    if (!icon.empty() && icon.front() == '/') {
        if (auto opened = openRegular(Path(icon), FileImages::kMaxIconBytes)) {
            QFile file;
            if (file.open(opened->fd.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
                image = readScaled(&file, box);
        }
    } else if (!icon.empty()) {
        image = themeIcon({QString::fromStdString(icon)}, box);
    }
    if (image.isNull()) image = themeIcon({QStringLiteral("application-x-executable")}, box);
    return image.isNull() ? genericIcon(genericIcons().app, box) : image;
}

// One picture being made. The work runs on the pictures' own thread; the response only hears
// the result, so a response the view has dropped meanwhile is never touched.
class PictureJob : public QObject, public QRunnable {
    Q_OBJECT
  public:
    PictureJob(bool app, Path path, QSize box) : app_(app), path_(std::move(path)), box_(box) {}
    void run() override { emit done(app_ ? appPicture(path_, box_) : filePicture(path_, box_)); }
  signals:
    void done(const QImage& image);

  private:
    bool app_;
    Path path_;
    QSize box_;
};

class PictureResponse : public QQuickImageResponse {
  public:
    QQuickTextureFactory* textureFactory() const override {
        return QQuickTextureFactory::textureFactoryForImage(image_);
    }
    void take(const QImage& image) {
        image_ = image;
        emit finished();
    }

  private:
    QImage image_;
};

// One thread makes every picture: the theme's icon lookups are not made for several threads at
// once, and a few pictures at a time are all that a list shows.
QThreadPool& pictureThread() {
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(1);
        return p;
    }();
    return *pool;
}

class PictureProvider : public QQuickAsyncImageProvider {
  public:
    QQuickImageResponse* requestImageResponse(const QString& id,
                                              const QSize& requestedSize) override {
        auto* response = new PictureResponse;
        const QSize box = requestedSize.width() > 0 && requestedSize.height() > 0
                              ? requestedSize
                              : QSize(FileImages::kDefaultSize, FileImages::kDefaultSize);
        const Path path(QByteArray::fromHex(id.section('/', 1).toLatin1()).toStdString());
        auto* job = new PictureJob(id.section('/', 0, 0) == QLatin1String("app"), path, box);
        QObject::connect(job, &PictureJob::done, response, &PictureResponse::take,
                         Qt::QueuedConnection);
        pictureThread().start(job);
        return response;
    }
};

}  // namespace

void FileImages::install(QQmlEngine* engine) {
    if (genericIcons().file.isNull())  // on the main thread, before any picture is asked for
        genericIcons() = {drawSymbol("doc.fill"), drawSymbol("app.fill")};
    engine->addImageProvider(QLatin1String(kProvider), new PictureProvider);
}

QUrl FileImages::thumbnail(const QString& pathId) {
    return address("file", pathId);
}

QUrl FileImages::appIcon(const QString& appId) {
    return address("app", appId);
}

}  // namespace tornivo::app

#include "FileImages.moc"
