#include "board/MatchArt.h"

#include "board/Orientations.h"

#include <QString>

#include <array>

// Resources in a static library need an explicit hook to be linked in.
static void initArtResources()
{
    Q_INIT_RESOURCE(art);
}

namespace board {
namespace {

QImage loadResource(const QString &path)
{
    initArtResources();
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

} // namespace

const QImage &orientationImage(int k)
{
    static const std::array<QImage, OrientationCount> images = [] {
        std::array<QImage, OrientationCount> loaded;
        for (int i = 0; i < OrientationCount; ++i)
            loaded[i] = loadResource(
                QStringLiteral(":/matches/match%1.png").arg(i, 2, 10, QLatin1Char('0')));
        return loaded;
    }();
    return images[k];
}

const QImage &matchboxImage()
{
    static const QImage image = loadResource(QStringLiteral(":/matchbox.png"));
    return image;
}

} // namespace board
