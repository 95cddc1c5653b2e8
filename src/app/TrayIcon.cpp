#include "TrayIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace tornivo::app {

namespace {

const QColor kFill(0xf4, 0xf4, 0xf6);
const QColor kOutline(0x1c, 0x1c, 0x1e, 0xd8);

QString symbolicFile() {
    return QStringLiteral(":/icons/logo-symbolic.svg");
}

QImage tinted(const QImage& mark, const QColor& color) {
    QImage out = mark;
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(out.rect(), color);
    return out;
}

class TrayIconEngine : public QIconEngine {
  public:
    QString iconName() override { return trayIconName(); }
    QIconEngine* clone() const override { return new TrayIconEngine; }
    QString key() const override { return QStringLiteral("TornivoTray"); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return QPixmap::fromImage(trayIconPixels(std::min(size.width(), size.height())));
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const int side = static_cast<int>(std::min(rect.width(), rect.height()) * ratio);
        QPixmap pm = pixmap({side, side}, mode, state);
        pm.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), pm);
    }
};

}  // namespace

QString trayIconName() {
    return QStringLiteral(TORNIVO_APP_ID "-symbolic");
}

QImage trayIconPixels(int side) {
    side = std::max(side, 8);
    // One pixel of outline at the common 22 px, more on larger icons.
    const int outline = std::max(1, side / 22);
    const int inner = side - 2 * outline;
    const QImage mark = QIcon(symbolicFile())
                            .pixmap(QSize(inner, inner), 1.0)
                            .toImage()
                            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage dark = tinted(mark, kOutline);
    const QImage light = tinted(mark, kFill);
    QImage out(side, side, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    for (int dx = -outline; dx <= outline; ++dx)
        for (int dy = -outline; dy <= outline; ++dy)
            if (dx || dy) p.drawImage(outline + dx, outline + dy, dark);
    p.drawImage(outline, outline, light);
    return out;
}

QIcon trayIconImage() {
    return QIcon(new TrayIconEngine);
}

}  // namespace tornivo::app
