#include "controls/SpanRegion.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace controls {
namespace {

// Pixels cut from the edge of a corner row whose vertical distance from the
// circle centre is b: the leading pixels outside the quarter circle. Further
// in, a shrinks, so once a pixel is inside the rest of the row is too.
int cornerInset(int r, int b)
{
    for (int i = 0; i < r; ++i) {
        const int a = r - i;
        const int room = r * r - a * a;
        if (room >= 0 && std::abs(b) < int(std::nearbyint(std::sqrt(double(room)))))
            return i;
    }
    return r;
}

int insetForRow(int row, int h, int r)
{
    const int fromBottom = h - 1 - row;
    const int top = row < r ? cornerInset(r, r - row) : 0;
    const int bottom = fromBottom < r ? cornerInset(r, r - fromBottom) : 0;
    return std::max(top, bottom);
}

} // namespace

SpanRegion::SpanRegion(int top, std::vector<Span> rows)
    : m_top(top)
    , m_rows(std::move(rows))
{
}

Span SpanRegion::row(int y) const
{
    const int index = y - m_top;
    if (index < 0 || index >= int(m_rows.size()))
        return {};
    return m_rows[std::size_t(index)];
}

QRegion SpanRegion::toRegion() const
{
    QRegion region;
    std::size_t first = 0;
    // Rows with equal runs become one rectangle.
    for (std::size_t i = 1; i <= m_rows.size(); ++i) {
        if (i < m_rows.size() && m_rows[i] == m_rows[first])
            continue;
        const Span &span = m_rows[first];
        if (!span.isEmpty())
            region += QRect(span.left, m_top + int(first), span.right - span.left, int(i - first));
        first = i;
    }
    return region;
}

SpanRegion MakeRoundedRegion(int x, int y, int w, int h, int r)
{
    std::vector<Span> rows;
    rows.reserve(std::size_t(std::max(h, 0)));
    for (int row = 0; row < h; ++row) {
        const int inset = insetForRow(row, h, r);
        const int left = x + inset;
        const int right = x + w - inset;
        rows.push_back(right > left ? Span{left, right} : Span{});
    }
    return SpanRegion(y, std::move(rows));
}

} // namespace controls
