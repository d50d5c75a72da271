// Each control's persisted properties, through its one property table. The
// expectations per control (every default in stored order, what a control
// at its defaults writes, stored values at and past the range ends) are
// written out here, apart from the tables, so that a wrong change to a row
// fails.
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

const QString HostFontFamily = QStringLiteral("Sans");
constexpr int HostFontPoints = 13;
constexpr QSize ControlSize(200, 60);

struct RangeProbe
{
    QString name;
    QString stored;
    QString readAs;
};

QStringList namesOf(const PropertyBag &bag)
{
    QStringList names;
    for (const auto &entry : bag.entries()) {
        names << entry.first;
    }
    return names;
}

// "Name=" lines with nothing after the "=" give the names of a defaults text.
QStringList namesOf(const QString &lines)
{
    QStringList names;
    for (const QString &line : lines.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        names << line.section(QLatin1Char('='), 0, 0);
    }
    return names;
}

struct CandyButtonCase
{
    using Control = CandyButton;
    static std::unique_ptr<Control> make(QWidget *host)
    {
        return std::make_unique<CandyButton>(QStringLiteral("CB1(2)"), host);
    }
    // The caption defaults to the control's name, the font to its host's;
    // an absent Checked keeps the current state, here the changed one.
    static QString defaults(const QFont &)
    {
        return QStringLiteral("Enabled=True\nFont=Sans;13;\nCaption=CB1(2)\nIconHighLite=False\n"
                              "IconHighLiteColor=&H0000FF00&\nCaptionHighLite=False\n"
                              "CaptionHighLiteColor=&H0000FF00&\nForeColor=&H00000000&\n"
                              "Picture=\nPictureAlignment=0\nStyle=0\nChecked=True\n"
                              "ColorButtonHover=&H00FFC090&\nColorButtonUp=&H00E99950&\n"
                              "ColorButtonDown=&H00E99950&\nBorderBrightness=0\n"
                              "ColorBright=&H00FFEDB0&\nDisplayHand=False\nColorScheme=0\n");
    }
    static QStringList writtenAtDefaults()
    {
        return {"Checked",          "ColorButtonHover", "ColorButtonUp", "ColorButtonDown",
                "BorderBrightness", "ColorBright",      "DisplayHand",   "ColorScheme"};
    }
    static std::vector<RangeProbe> rangeProbes()
    {
        return {{"BorderBrightness", "100", "100"},
                {"BorderBrightness", "101", "100"},
                {"BorderBrightness", "-100", "-100"},
                {"BorderBrightness", "-101", "-100"}};
    }
};

struct DDFrmCase
{
    using Control = DDFrm;
    static std::unique_ptr<Control> make(QWidget *host)
    {
        return std::make_unique<DDFrm>(QStringLiteral("DD1"), host);
    }
    // ExpandedHeight defaults to the frame's height.
    static QString defaults(const QFont &)
    {
        return QStringLiteral("Title=\nTitleAlign=0\nTitleBorder=0\nTitleAppearance=0\n"
                              "ExpandedHeight=%1\nOpenOn=1\nUseIcon=0\nTitleGradient=0\n"
                              "DDBorderStyle=1\nAppearance=1\nHoverTime=-1\n"
                              "DDBackColor=&H8000000F&\nTitleBackColor=&H80000004&\n"
                              "TitleBorderColor=&H80000003&\nTitleForeColor=&H80000007&\n"
                              "TitleHeight=240\nTitleFontsize=8\nTrue=True\n")
            .arg(qRound(ControlSize.height() * drawing::twipsPerPixelY()));
    }
    // Every property, the bold flag under "True" included.
    static QStringList writtenAtDefaults() { return namesOf(defaults(QFont())); }
    static std::vector<RangeProbe> rangeProbes()
    {
        return {{"TitleAlign", "2", "2"},       {"TitleAlign", "3", "0"},
                {"TitleAlign", "-1", "0"},      {"TitleFontsize", "1638", "1638"},
                {"TitleFontsize", "1639", "8"}, {"TitleFontsize", "0.5", "0.5"},
                {"TitleFontsize", "0", "8"},    {"TitleFontsize", "inf", "8"}};
    }
};

struct CoolListCase
{
    using Control = CoolList;
    static std::unique_ptr<Control> make(QWidget *host) { return std::make_unique<CoolList>(host); }
    // The font defaults to the host's and ItemHeight to the height of
    // "TextHeight" in that font.
    static QString defaults(const QFont &hostFont)
    {
        return QStringLiteral("TTipText=\nAppearance=1\nBorderStyle=1\nEnabled=True\n"
                              "ScrollBarWidth=13\nFont=Sans;13;\nFontNormal=&H80000008&\n"
                              "FontSelected=&H8000000E&\nBackNormal=&H80000005&\n"
                              "BackSelected=&H8000000D&\nBackSelectedG1=&H8000000D&\n"
                              "BackSelectedG2=&H80000005&\nBoxBorder=&H8000000E&\nBoxOffset=1\n"
                              "BoxRadius=0\nAlignment=0\nFocus=True\nHoverSelection=False\n"
                              "WordWrap=True\nItemOffset=0\nItemHeightAuto=True\n"
                              "ItemTextLeft=2\nOrderType=0\nSelectionPicture=\nSelectMode=0\n"
                              "SelectModeStyle=0\nMousePointer=0\nMouseIcon=\nItemHeight=%1\n")
            .arg(QFontMetrics(hostFont).boundingRect(QStringLiteral("TextHeight")).height());
    }
    static QStringList writtenAtDefaults() { return {}; }
    static std::vector<RangeProbe> rangeProbes()
    {
        return {{"ScrollBarWidth", "0", "0"},
                {"ScrollBarWidth", "-1", "0"},
                {"ScrollBarWidth", "99999", "99999"}};
    }
};

template<typename Case>
class ControlPropertiesTest : public ::testing::Test
{
protected:
    using Control = typename Case::Control;
    using Row = PropertyRow<Control>;

    ControlPropertiesTest()
    {
        QFont font(HostFontFamily);
        font.setPointSize(HostFontPoints);
        host.setFont(font);
        control = make();
    }

    std::unique_ptr<Control> make()
    {
        std::unique_ptr<Control> made = Case::make(&host);
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
    static QString values(const Control &from)
    {
        QString lines;
        for (const Row &row : table()) {
            lines += row.name + QLatin1Char('=') + textOf(row, from) + QLatin1Char('\n');
        }
        return lines;
    }

    static const Row &row(const QString &name)
    {
        return *std::find_if(table().begin(), table().end(),
                             [&name](const Row &r) { return r.name == name; });
    }

    PropertyValue changed(const Row &row) const
    {
        const PropertyValue value = row.defaultOf(*control);
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
            value);
    }

    // Sets every property, top to bottom, to a value other than its default.
    void changeEveryProperty()
    {
        QImage image(8, 8, QImage::Format_ARGB32);
        image.fill(Qt::blue);
        ASSERT_TRUE(image.save(picturePath));
        for (const Row &row : table()) {
            row.set(*control, changed(row));
        }
    }

    QWidget host;
    std::unique_ptr<Control> control;
    QTemporaryDir folder;
    const QString picturePath = folder.filePath(QStringLiteral("picture.png"));
};

using ControlCases = ::testing::Types<CandyButtonCase, DDFrmCase, CoolListCase>;
TYPED_TEST_SUITE(ControlPropertiesTest, ControlCases);

TYPED_TEST(ControlPropertiesTest, EveryChangedPropertyIsWrittenInTableOrderAndReadsBack)
{
    this->changeEveryProperty();
    DesignFile design;
    this->control->WriteProperties(design.control(QStringLiteral("Control")));
    EXPECT_EQ(namesOf(design.control(QStringLiteral("Control"))),
              namesOf(this->values(*this->control)));

    const DesignFile stored = DesignFile::fromText(design.toText());
    const auto copy = this->make();
    copy->ReadProperties(stored.control(QStringLiteral("Control")));
    EXPECT_EQ(this->values(*copy), this->values(*this->control));
}

TYPED_TEST(ControlPropertiesTest, MissingNamesGiveTheDefaultsWhichAreLeftOutUnlessAlwaysWritten)
{
    this->changeEveryProperty();
    this->control->ReadProperties(PropertyBag());
    EXPECT_EQ(this->values(*this->control), TypeParam::defaults(this->host.font()));
    PropertyBag bag;
    this->control->WriteProperties(bag);
    EXPECT_EQ(namesOf(bag), TypeParam::writtenAtDefaults());
}

// The control's own setter refuses what loading refuses, with error 380.
TYPED_TEST(ControlPropertiesTest, StoredValuesOutOfRangeAreClampedOrRefused)
{
    QStringList probed;
    for (const RangeProbe &probe : TypeParam::rangeProbes()) {
        const auto &row = this->row(probe.name);
        PropertyBag bag;
        bag.setText(probe.name, probe.stored);
        const auto loaded = this->make();
        loaded->ReadProperties(bag);
        EXPECT_EQ(this->textOf(row, *loaded), probe.readAs)
            << probe.name.toStdString() << "=" << probe.stored.toStdString();
        if (row.range && row.range->outside == PropertyRange::Refuse &&
            probe.readAs != probe.stored) {
            try {
                row.set(*loaded, readProperty(bag, row.name, row.defaultOf(*loaded)));
                ADD_FAILURE() << row.name.toStdString() << " took " << probe.stored.toStdString();
            } catch (const drawing::ControlError &error) {
                EXPECT_EQ(error.number(), drawing::ControlError::InvalidPropertyValue);
            }
        }
        probed.removeAll(probe.name);
        probed << probe.name;
    }
    QStringList ranged;
    for (const auto &row : this->table()) {
        if (row.range) {
            ranged << row.name;
        }
    }
    EXPECT_EQ(ranged, probed);
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

// A picture given in code has no resource path to store.
TEST(CandyButtonPicture, APictureSetInCodeIsNotWritten)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("icon.png"));
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(path));
    PropertyBag bag;
    bag.writePicture(QStringLiteral("Picture"), path);
    CandyButton button(QStringLiteral("CB"));
    button.ReadProperties(bag);
    button.setPicture(drawing::Picture::fromImage(image));
    PropertyBag written;
    button.WriteProperties(written);
    EXPECT_FALSE(written.contains(QStringLiteral("Picture")));
}

} // namespace
