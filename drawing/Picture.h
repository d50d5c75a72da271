// A picture property: none, a bitmap or an icon, as the controls and the
// transparent drawing helpers accept them.
// No name here is fixed by the program's design.
#pragma once

#include <QIcon>
#include <QImage>

namespace drawing {

class Picture
{
public:
    enum class Kind
    {
        None,
        Bitmap,
        Icon
    };

    Picture() = default;
    static Picture fromImage(const QImage &image) { return Picture(Kind::Bitmap, image, {}); }
    static Picture fromIcon(const QIcon &icon) { return Picture(Kind::Icon, {}, icon); }

    Kind kind() const { return m_kind; }
    bool isNull() const { return m_kind == Kind::None; }
    const QImage &image() const { return m_image; }
    const QIcon &icon() const { return m_icon; }

private:
    Picture(Kind kind, const QImage &image, const QIcon &icon)
        : m_kind(kind)
        , m_image(image)
        , m_icon(icon)
    {
    }

    Kind m_kind = Kind::None;
    QImage m_image;
    QIcon m_icon;
};

} // namespace drawing
