#include "board/MatchArt.h"

#include "board/Orientations.h"

#include <QString>

#include <vector>

// Resources in a static library need an explicit hook to be linked in.
static void initArtResources()
{
    Q_INIT_RESOURCE(art);
}

namespace board {
namespace {

constexpr QRgb KeyGreen = 0xff00ff00;

QImage loadResource(const QString &path)
{
    initArtResources();
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

// Transparent where the key is, so a scaled or finer picture never shows
// it, even where the logical mask lets a device pixel through.
QImage shown(const QImage &keyed, qreal devicePixelRatio)
{
    QImage out = keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (line[x] == KeyGreen)
                line[x] = 0;
    }
    out.setDevicePixelRatio(devicePixelRatio);
    return out;
}

} // namespace

ArtImage::ArtImage(const QString &base)
    : m_keyed(loadResource(base + QStringLiteral(".png")))
    , m_shownOneX(shown(m_keyed, 1))
    , m_shownTwoX(shown(loadResource(base + QStringLiteral("@2x.png")), 2))
{
}

const QImage &ArtImage::forRatio(qreal devicePixelRatio) const
{
    return devicePixelRatio > 1 ? m_shownTwoX : m_shownOneX;
}

const ArtImage &orientationImage(int k)
{
    static const std::vector<ArtImage> images = [] {
        std::vector<ArtImage> loaded;
        for (int i = 0; i < OrientationCount; ++i)
            loaded.emplace_back(
                QStringLiteral(":/matches/match%1").arg(i, 2, 10, QLatin1Char('0')));
        return loaded;
    }();
    return images[size_t(k)];
}

const ArtImage &matchboxImage()
{
    static const ArtImage image(QStringLiteral(":/matchbox"));
    return image;
}

} // namespace board
