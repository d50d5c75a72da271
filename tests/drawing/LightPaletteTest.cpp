#include "drawing/LightPalette.h"

#include <QApplication>
#include <gtest/gtest.h>

// The colours the game keeps are those of a plain desktop without a theme,
// as the offscreen platform gives them: the game looks there as it did.
TEST(LightPalette, IsThePlainDesktopsOwn)
{
    const QPalette desktop = QApplication::palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            EXPECT_EQ(drawing::lightPalette().color(g, r), desktop.color(g, r))
                << "group " << group << " role " << role;
        }
}
