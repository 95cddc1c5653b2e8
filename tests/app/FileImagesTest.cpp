// Pictures of listed files, read from the bytes of the paths: only regular files are decoded,
// never through a link, never blocking.

#include "FileImages.h"
#include "platform/Descriptor.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QImage>
#include <QQmlEngine>
#include <QQuickAsyncImageProvider>
#include <QSignalSpy>

#include "QtWait.h"
#include "RecordRoles.h"
#include "TempHome.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

class FileImagesTest : public ::testing::Test {
  protected:
    TempDir dir;
    QQmlEngine engine;

    void SetUp() override { FileImages::install(&engine); }

    // The picture behind an address, as a view would get it; null when none came in time.
    QImage picture(const QUrl& address, QSize box = {64, 64}) {
        auto* provider =
            static_cast<QQuickAsyncImageProvider*>(engine.imageProvider(address.host()));
        std::unique_ptr<QQuickImageResponse> response(
            provider->requestImageResponse(address.path().mid(1), box));
        QSignalSpy finished(response.get(), &QQuickImageResponse::finished);
        if (!finished.wait(5000)) return {};
        std::unique_ptr<QQuickTextureFactory> factory(response->textureFactory());
        return factory ? factory->image() : QImage();
    }
    static bool isRedThumbnail(const QImage& image) {
        return image.size() == QSize(64, 48) && image.pixelColor(32, 24) == QColor(Qt::red);
    }
};

// An image is decoded small; nothing but a regular file is ever decoded.
TEST_F(FileImagesTest, ImagesAreDecodedSmallOnlyFromARegularFile) {
    const Path image = dir / Path("caf\xe9 #1%.png");  // not UTF-8, and URL delimiters
    QImage red(800, 600, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(QString::fromStdString((dir / "red.png").native()), "PNG"));
    std::filesystem::rename(dir / "red.png", image);  // Qt's names are text, this one is not
    const Path link = makeSymlink(image, dir / "link.png");
    const Path fifo = dir / "pipe";  // no extension: only its bytes could tell its type
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string png = readText(image);  // waiting in the pipe, for any read to take
    const UniqueFd pipe(::open(fifo.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    ASSERT_EQ(::write(pipe.get(), png.data(), png.size()), ssize_t(png.size()));

    EXPECT_TRUE(isRedThumbnail(picture(FileImages::thumbnail(pathId(image)))));
    for (const Path& other : {link, fifo, dir / "missing.png"}) {
        const QImage icon = picture(FileImages::thumbnail(pathId(other)));
        EXPECT_FALSE(isRedThumbnail(icon)) << other << ": never read through a link or a FIFO";
    }
    std::string left(png.size() + 1, '\0');
    EXPECT_EQ(::read(pipe.get(), left.data(), left.size()), ssize_t(png.size()))
        << "the pipe was read";
}

}  // namespace
}  // namespace tornivo::app
