// Pictures of listed files and the addresses given to the file browser, read and built from the
// bytes of the paths: only regular files are decoded, never through a link, never blocking.

#include "FileImages.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <QQmlEngine>
#include <QQuickAsyncImageProvider>
#include <QSignalSpy>

#include "FileBrowser.h"
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
    Path redImage(const Path& file, QSize size = {800, 600}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::red);
        EXPECT_TRUE(image.save(QString::fromStdString(file.native()), "PNG"));
        return file;
    }
    static bool isRedThumbnail(const QImage& image) {
        return image.size() == QSize(64, 48) && image.pixelColor(32, 24) == QColor(Qt::red);
    }
};

// An image is decoded small, and an application shows the icon its entry names; anything but a
// regular file gets a stand-in icon.
TEST_F(FileImagesTest, ImagesAndTheIconsEntriesNameAreDecodedSmallOnlyFromARegularFile) {
    const Path image = redImage(dir / "photo.png");
    const Path oddName = dir / Path("caf\xe9 #1%.png");  // not UTF-8, and URL delimiters
    std::filesystem::copy_file(image, oddName);
    const Path link = makeSymlink(image, dir / "link.png");
    const Path fifo = dir / "pipe.png";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    EXPECT_TRUE(isRedThumbnail(picture(FileImages::thumbnail(pathId(image)))));
    EXPECT_TRUE(isRedThumbnail(picture(FileImages::thumbnail(pathId(oddName)))));
    for (const Path& other : {link, fifo, dir / "missing.png"}) {
        const QImage icon = picture(FileImages::thumbnail(pathId(other)));
        EXPECT_FALSE(icon.isNull()) << other << ": an icon stands in";
        EXPECT_FALSE(isRedThumbnail(icon)) << other << ": never read through a link or a FIFO";
    }

    const Path icon = redImage(dir / "paint.png", {64, 48});
    auto entry = [&](const char* name, const Path& iconFile) {
        return writeText(dir / name,
                         "[Desktop Entry]\nType=Application\nName=Paint\nExec=true\nIcon=" +
                             iconFile.native() + "\n");
    };
    EXPECT_TRUE(isRedThumbnail(picture(FileImages::appIcon(pathId(entry("a.desktop", icon))))));
    // Through the link to photo.png, the entry gets the generic icon.
    const QImage generic = picture(FileImages::appIcon(pathId(entry("b.desktop", link))));
    EXPECT_FALSE(generic.isNull());
    EXPECT_FALSE(isRedThumbnail(generic));
}

TEST(FileBrowserTest, FileAddressesArePercentEncodedFromTheBytes) {
    EXPECT_EQ(FileBrowser::fileUri(Path("/home/al/caf\xe9 #1%.jpg")),
              "file:///home/al/caf%E9%20%231%25.jpg");
    EXPECT_EQ(FileBrowser::fileUri(Path("/home/al/\xc3\xa9t\xc3\xa9")),
              "file:///home/al/%C3%A9t%C3%A9");
}

}  // namespace
}  // namespace tornivo::app
