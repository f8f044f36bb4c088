#include "pictures/ProportionalFit.h"

#include <cmath>

namespace {

int Trunc(long double value)
{
    return static_cast<int>(std::trunc(value));
}

} // namespace

QSize ProportionalSize(const QSize& picture, const QSize& box)
{
    // In extended precision, like all the program's real arithmetic. It shows in the
    // last bit: a 6 × 5 picture in a box 18 wide comes out 14.999… high, cut to 14,
    // where doubles would give 15.000… and 15.
    const long double aspect = static_cast<long double>(picture.width()) / picture.height();
    if (picture.width() > picture.height()) {
        const int height = Trunc(box.width() / aspect);
        if (height <= box.height())
            return {box.width(), height};
        return {Trunc(box.height() * aspect), box.height()};
    }
    const int width = Trunc(box.height() * aspect);
    if (width <= box.width())
        return {width, box.height()};
    return {box.width(), Trunc(box.width() / aspect)};
}
