// Each control's persisted properties through its one property table, against
// expectations written out apart from the tables, one row a property.
#include "QtPrinters.h"
#include "controls/CandyButton.h"
#include "controls/CoolList.h"
#include "controls/DDFrm.h"
#include "controls/DesignFile.h"
#include "drawing/ControlError.h"
#include "drawing/Twips.h"

#include <QFontMetrics>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace controls;

namespace {

constexpr QSize ControlSize(200, 60);
constexpr bool Always = true;

// A property's default and another value as stored text, whether a control at
// its defaults still writes it, and stored values with what they read back as.
struct Expected
{
    QString name, defaultText, changedText;
    bool alwaysWritten = false;
    std::vector<std::pair<QString, QString>> probes = {};
};

// clang-format off
// The host's font is Sans 13; a missing Checked keeps the current state, here
// the changed one.
std::vector<Expected> expectedRows(const CandyButton &)
{
    return {
        {"Enabled", "True", "False"},
        {"Font", "Sans;13;", "Serif;9.5;bold+italic"},
        {"Caption", "Control(2)", "&Other"},
        {"IconHighLite", "False", "True"},
        {"IconHighLiteColor", "&H0000FF00&", "&H00123456&"},
        {"CaptionHighLite", "False", "True"},
        {"CaptionHighLiteColor", "&H0000FF00&", "&H00654321&"},
        {"ForeColor", "&H00000000&", "&H00000080&"},
        {"Picture", "", ":/controls/ddarrow.png"},
        {"PictureAlignment", "0", "3"},
        {"Style", "0", "7"},
        {"Checked", "True", "True", Always},
        {"ColorButtonHover", "&H00FFC090&", "&H00010203&", Always},
        {"ColorButtonUp", "&H00E99950&", "&H00040506&", Always},
        {"ColorButtonDown", "&H00E99950&", "&H00070809&", Always},
        {"BorderBrightness", "0", "-40", Always, {{"100", "100"}, {"101", "100"}, {"-100", "-100"}, {"-101", "-100"}}},
        {"ColorBright", "&H00FFEDB0&", "&H000A0B0C&", Always},
        {"DisplayHand", "False", "True", Always},
        {"ColorScheme", "0", "4", Always},
    };
}

// ExpandedHeight defaults to the frame's height; "True" is the title's bold flag.
std::vector<Expected> expectedRows(const DDFrm &frame)
{
    return {
        {"Title", "", "Select a Puzzle", Always},
        {"TitleAlign", "0", "2", Always, {{"2", "2"}, {"3", "0"}, {"-1", "0"}}},
        {"TitleBorder", "0", "1", Always},
        {"TitleAppearance", "0", "1", Always},
        {"ExpandedHeight", QString::number(qRound(frame.height() * drawing::twipsPerPixelY())), "999", Always},
        {"OpenOn", "1", "3", Always},
        {"UseIcon", "0", "1", Always},
        {"TitleGradient", "0", "2", Always},
        {"DDBorderStyle", "1", "0", Always},
        {"Appearance", "1", "0", Always},
        {"HoverTime", "-1", "250", Always},
        {"DDBackColor", "&H8000000F&", "&H80000005&", Always},
        {"TitleBackColor", "&H80000004&", "&H00404080&", Always},
        {"TitleBorderColor", "&H80000003&", "&H00000040&", Always},
        {"TitleForeColor", "&H80000007&", "&H00FFFFFF&", Always},
        {"TitleHeight", "240", "400", Always},
        {"TitleFontsize", "8", "12.5", Always, {{"1638", "1638"}, {"1639", "8"}, {"0.5", "0.5"}, {"0", "8"}, {"inf", "8"}}},
        {"True", "True", "False", Always},
    };
}

// ItemHeight defaults to the height of "TextHeight" in the host's font.
std::vector<Expected> expectedRows(const CoolList &list)
{
    const QFontMetrics host(list.parentWidget()->font());
    return {
        {"TTipText", "", "Choose"},
        {"Appearance", "1", "0"},
        {"BorderStyle", "1", "0"},
        {"Enabled", "True", "False"},
        {"ScrollBarWidth", "13", "20", false, {{"0", "0"}, {"-1", "0"}, {"99999", "99999"}}},
        {"Font", "Sans;13;", "Serif;12;underline"},
        {"FontNormal", "&H80000008&", "&H00526B90&"},
        {"FontSelected", "&H8000000E&", "&H00FFFFFF&"},
        {"BackNormal", "&H80000005&", "&H00F8E1E0&"},
        {"BackSelected", "&H8000000D&", "&H00FFFFFF&"},
        {"BackSelectedG1", "&H8000000D&", "&H00000080&"},
        {"BackSelectedG2", "&H80000005&", "&H00C0C0FF&"},
        {"BoxBorder", "&H8000000E&", "&H00111111&"},
        {"BoxOffset", "1", "3"},
        {"BoxRadius", "0", "6"},
        {"Alignment", "0", "2"},
        {"Focus", "True", "False"},
        {"HoverSelection", "False", "True"},
        {"WordWrap", "True", "False"},
        {"ItemOffset", "0", "4"},
        {"ItemHeightAuto", "True", "False"},
        {"ItemTextLeft", "2", "24"},
        {"OrderType", "0", "1"},
        {"SelectionPicture", "", ":/controls/ddarrow.png"},
        {"SelectMode", "0", "1"},
        {"SelectModeStyle", "0", "2"},
        {"MousePointer", "0", "2"},
        {"MouseIcon", "", ":/controls/ddarrow.png"},
        {"ItemHeight", QString::number(host.boundingRect(QStringLiteral("TextHeight")).height()), "25"},
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
        host.setFont(QFont(QStringLiteral("Sans"), 13));
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

    // Every property stored as its changed text, in table order.
    PropertyBag changedBag() const
    {
        PropertyBag bag;
        for (const Expected &e : expectedRows(*control))
            bag.setText(e.name, e.changedText);
        return bag;
    }

    QWidget host;
    std::unique_ptr<Control> control;
};

using ControlCases = ::testing::Types<CandyButton, DDFrm, CoolList>;
TYPED_TEST_SUITE(ControlPropertiesTest, ControlCases);

TYPED_TEST(ControlPropertiesTest, EveryStoredValueReadsBackAndIsWrittenInTableOrder)
{
    const PropertyBag stored = this->changedBag();
    this->control->ReadProperties(stored);
    EXPECT_EQ(this->values(*this->control), linesOf(stored));
    DesignFile design;
    this->control->WriteProperties(design.control(QStringLiteral("Control")));
    const DesignFile back = DesignFile::fromText(design.toText());
    EXPECT_EQ(linesOf(back.control(QStringLiteral("Control"))), linesOf(stored));
}

TYPED_TEST(ControlPropertiesTest, MissingNamesGiveTheDefaultsWhichAreLeftOutUnlessAlwaysWritten)
{
    this->control->ReadProperties(this->changedBag());
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
    button.ReadProperties(
        DesignFile::fromText("[CB]\nEnabled=False\nDisplayHand=True").control("CB"));
    EXPECT_EQ(std::pair(button.cursor().shape(), button.focusPolicy()),
              std::pair(Qt::PointingHandCursor, Qt::NoFocus));
    button.ReadProperties(PropertyBag());
    EXPECT_EQ(std::pair(button.cursor().shape(), button.focusPolicy()),
              std::pair(Qt::ArrowCursor, Qt::StrongFocus));
}

} // namespace
