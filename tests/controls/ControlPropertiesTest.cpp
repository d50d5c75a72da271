// Each control's persisted properties, through its one property table. The
// expectations (one row a property, in stored order) are written out here,
// apart from the tables, so that a wrong change to a table row fails.
#include "QtPrinters.h"
#include "controls/CandyButton.h"
#include "controls/CoolList.h"
#include "controls/DDFrm.h"
#include "controls/DesignFile.h"
#include "drawing/ControlError.h"
#include "drawing/Twips.h"

#include <QFontMetrics>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace controls;

namespace {

constexpr QSize ControlSize(200, 60);
constexpr bool Always = true;

// A property's default as stored text, whether a control at its defaults
// still writes it, and stored values with the text they read back as.
struct Expected
{
    QString name;
    QString defaultText;
    bool alwaysWritten = false;
    std::vector<std::pair<QString, QString>> probes = {};
};

// clang-format off
// The host's font is Sans 13; a missing Checked keeps the current state, here
// the changed one.
std::vector<Expected> expectedRows(const CandyButton &)
{
    return {
        {"Enabled", "True"},
        {"Font", "Sans;13;"},
        {"Caption", "Control(2)"},
        {"IconHighLite", "False"},
        {"IconHighLiteColor", "&H0000FF00&"},
        {"CaptionHighLite", "False"},
        {"CaptionHighLiteColor", "&H0000FF00&"},
        {"ForeColor", "&H00000000&"},
        {"Picture", ""},
        {"PictureAlignment", "0"},
        {"Style", "0"},
        {"Checked", "True", Always},
        {"ColorButtonHover", "&H00FFC090&", Always},
        {"ColorButtonUp", "&H00E99950&", Always},
        {"ColorButtonDown", "&H00E99950&", Always},
        {"BorderBrightness", "0", Always, {{"100", "100"}, {"101", "100"}, {"-100", "-100"}, {"-101", "-100"}}},
        {"ColorBright", "&H00FFEDB0&", Always},
        {"DisplayHand", "False", Always},
        {"ColorScheme", "0", Always},
    };
}

// ExpandedHeight defaults to the frame's height; "True" is the title's bold flag.
std::vector<Expected> expectedRows(const DDFrm &frame)
{
    return {
        {"Title", "", Always},
        {"TitleAlign", "0", Always, {{"2", "2"}, {"3", "0"}, {"-1", "0"}}},
        {"TitleBorder", "0", Always},
        {"TitleAppearance", "0", Always},
        {"ExpandedHeight", QString::number(qRound(frame.height() * drawing::twipsPerPixelY())), Always},
        {"OpenOn", "1", Always},
        {"UseIcon", "0", Always},
        {"TitleGradient", "0", Always},
        {"DDBorderStyle", "1", Always},
        {"Appearance", "1", Always},
        {"HoverTime", "-1", Always},
        {"DDBackColor", "&H8000000F&", Always},
        {"TitleBackColor", "&H80000004&", Always},
        {"TitleBorderColor", "&H80000003&", Always},
        {"TitleForeColor", "&H80000007&", Always},
        {"TitleHeight", "240", Always},
        {"TitleFontsize", "8", Always, {{"1638", "1638"}, {"1639", "8"}, {"0.5", "0.5"}, {"0", "8"}, {"inf", "8"}}},
        {"True", "True", Always},
    };
}

// ItemHeight defaults to the height of "TextHeight" in the host's font.
std::vector<Expected> expectedRows(const CoolList &list)
{
    const QFontMetrics host(list.parentWidget()->font());
    return {
        {"TTipText", ""},
        {"Appearance", "1"},
        {"BorderStyle", "1"},
        {"Enabled", "True"},
        {"ScrollBarWidth", "13", false, {{"0", "0"}, {"-1", "0"}, {"99999", "99999"}}},
        {"Font", "Sans;13;"},
        {"FontNormal", "&H80000008&"},
        {"FontSelected", "&H8000000E&"},
        {"BackNormal", "&H80000005&"},
        {"BackSelected", "&H8000000D&"},
        {"BackSelectedG1", "&H8000000D&"},
        {"BackSelectedG2", "&H80000005&"},
        {"BoxBorder", "&H8000000E&"},
        {"BoxOffset", "1"},
        {"BoxRadius", "0"},
        {"Alignment", "0"},
        {"Focus", "True"},
        {"HoverSelection", "False"},
        {"WordWrap", "True"},
        {"ItemOffset", "0"},
        {"ItemHeightAuto", "True"},
        {"ItemTextLeft", "2"},
        {"OrderType", "0"},
        {"SelectionPicture", ""},
        {"SelectMode", "0"},
        {"SelectModeStyle", "0"},
        {"MousePointer", "0"},
        {"MouseIcon", ""},
        {"ItemHeight", QString::number(host.boundingRect(QStringLiteral("TextHeight")).height())},
    };
}
// clang-format on

// "Name=text" for each stored value.
QStringList linesOf(const PropertyBag &bag)
{
    QStringList lines;
    for (const auto &[name, text] : bag.entries())
        lines << name + QLatin1Char('=') + text;
    return lines;
}

template<typename Control>
class ControlPropertiesTest : public ::testing::Test
{
protected:
    using Row = PropertyRow<Control>;

    ControlPropertiesTest()
    {
        QFont font(QStringLiteral("Sans"));
        font.setPointSize(13);
        host.setFont(font);
        control = make();
    }

    std::unique_ptr<Control> make()
    {
        std::unique_ptr<Control> made;
        if constexpr (std::is_same_v<Control, CoolList>)
            made = std::make_unique<CoolList>(&host);
        else
            made = std::make_unique<Control>(QStringLiteral("Control(2)"), &host);
        made->resize(ControlSize);
        return made;
    }

    static const PropertyTable<Control> &table() { return Control::propertyTable(); }

    static QString textOf(const Row &row, const Control &from)
    {
        PropertyBag bag;
        writeProperty(bag, row.name, row.get(from));
        return bag.text(row.name);
    }

    // Every property as "Name=text", whether or not it would be written.
    static QStringList values(const Control &from)
    {
        QStringList lines;
        for (const Row &row : table())
            lines << row.name + QLatin1Char('=') + textOf(row, from);
        return lines;
    }

    PropertyValue changed(const Row &row) const
    {
        const auto inRange = [&row](double v) {
            return !row.range || row.range->contains(v);
        };
        return std::visit(
            [&](const auto &v) -> PropertyValue {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, bool>) {
                    return !v;
                } else if constexpr (std::is_same_v<T, int> || std::is_same_v<T, double>) {
                    return inRange(v + 1) ? T(v + 1) : T(v - 1);
                } else if constexpr (std::is_same_v<T, drawing::OleColor>) {
                    return T(v ^ 0x000102u);
                } else if constexpr (std::is_same_v<T, QString>) {
                    return v + QStringLiteral(" changed");
                } else if constexpr (std::is_same_v<T, QFont>) {
                    QFont font = v;
                    font.setBold(!v.bold());
                    font.setPointSizeF(v.pointSizeF() + 1);
                    return font;
                } else {
                    return StoredPicture{picturePath,
                                         drawing::Picture::fromImage(QImage(picturePath))};
                }
            },
            row.defaultOf(*control));
    }

    // Sets every property, top to bottom, to a value other than its default.
    void changeEveryProperty()
    {
        QImage image(8, 8, QImage::Format_ARGB32);
        image.fill(Qt::blue);
        ASSERT_TRUE(image.save(picturePath));
        for (const Row &row : table())
            row.set(*control, changed(row));
    }

    QWidget host;
    std::unique_ptr<Control> control;
    QTemporaryDir folder;
    const QString picturePath = folder.filePath(QStringLiteral("picture.png"));
};

using ControlCases = ::testing::Types<CandyButton, DDFrm, CoolList>;
TYPED_TEST_SUITE(ControlPropertiesTest, ControlCases);

TYPED_TEST(ControlPropertiesTest, EveryChangedPropertyIsWrittenInTableOrderAndReadsBack)
{
    this->changeEveryProperty();
    DesignFile design;
    this->control->WriteProperties(design.control(QStringLiteral("Control")));
    const QStringList lines = this->values(*this->control);
    EXPECT_EQ(linesOf(design.control(QStringLiteral("Control"))), lines);

    const DesignFile stored = DesignFile::fromText(design.toText());
    const auto copy = this->make();
    copy->ReadProperties(stored.control(QStringLiteral("Control")));
    EXPECT_EQ(this->values(*copy), lines);
}

TYPED_TEST(ControlPropertiesTest, MissingNamesGiveTheDefaultsWhichAreLeftOutUnlessAlwaysWritten)
{
    this->changeEveryProperty();
    this->control->ReadProperties(PropertyBag());
    QStringList defaults;
    QStringList alwaysWritten;
    for (const Expected &e : expectedRows(*this->control)) {
        defaults << e.name + QLatin1Char('=') + e.defaultText;
        if (e.alwaysWritten)
            alwaysWritten << defaults.back();
    }
    EXPECT_EQ(this->values(*this->control), defaults);
    PropertyBag bag;
    this->control->WriteProperties(bag);
    EXPECT_EQ(linesOf(bag), alwaysWritten);
}

// Every ranged row has its ends probed; the control's own setter refuses what
// loading refuses, with error 380.
TYPED_TEST(ControlPropertiesTest, StoredValuesOutOfRangeAreClampedOrRefused)
{
    const std::vector<Expected> rows = expectedRows(*this->control);
    ASSERT_EQ(rows.size(), this->table().size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto &row = this->table()[i];
        EXPECT_EQ(row.range.has_value(), !rows[i].probes.empty()) << row.name.toStdString();
        for (const auto &[stored, readAs] : rows[i].probes) {
            PropertyBag bag;
            bag.setText(row.name, stored);
            const auto loaded = this->make();
            loaded->ReadProperties(bag);
            const std::string probe = (row.name + QLatin1Char('=') + stored).toStdString();
            EXPECT_EQ(this->textOf(row, *loaded), readAs) << probe;
            if (!row.range || row.range->outside != PropertyRange::Refuse || readAs == stored)
                continue;
            try {
                row.set(*loaded, readProperty(bag, row.name, row.defaultOf(*loaded)));
                ADD_FAILURE() << "the setter took " << probe;
            } catch (const drawing::ControlError &error) {
                EXPECT_EQ(error.number(), drawing::ControlError::InvalidPropertyValue);
            }
        }
    }
}

// Loading ends with what the stored values decide beyond their fields: the
// pointer shape and whether the button takes the focus.
TEST(CandyButtonLoading, ChoosesThePointerAndTheFocusPolicy)
{
    CandyButton button(QStringLiteral("CB"));
    PropertyBag bag;
    bag.writeBool(QStringLiteral("DisplayHand"), true);
    bag.writeBool(QStringLiteral("Enabled"), false);
    button.ReadProperties(bag);
    EXPECT_EQ(button.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);
    button.ReadProperties(PropertyBag());
    EXPECT_EQ(button.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(button.focusPolicy(), Qt::StrongFocus);
}

} // namespace
