#include "dialogs/SaveAsFrm.h"

#include "controls/CandyButton.h"
#include "dialogs/BalloonContent.h"
#include "dialogs/WindowPlacement.h"
#include "drawing/GraphicsBas.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace dialogs {

namespace {

constexpr drawing::OleColor BackColor = drawing::rgb(192, 192, 192);
constexpr drawing::OleColor White = drawing::rgb(255, 255, 255);
constexpr int WidthTwips = 7365;
constexpr int HeightTwips = 4860;
constexpr int ButtonStyle = 2;

const char *const TitleHeading = "Title of the puzzle to appear in the list:";
const char *const DescriptionHeading = "Description of the puzzle (what to do!)";
const char *const Explanation =
    "If this is a new puzzle or you change the Title of an existing puzzle the puzzle will be "
    "saved and displayed at the bottom of the puzzle list. Saving an existing puzzle with the "
    "same title will simple update that puzzle.";

QLabel *headingLabel(QWidget *parent, const char *text, const QRect &twips)
{
    auto *label = new QLabel(QString::fromLatin1(text), parent);
    label->setFont(QFont(QStringLiteral("Comic Sans MS")));
    label->setWordWrap(true);
    label->setGeometry(pxX(twips.x()), pxY(twips.y()), pxX(twips.width()), pxY(twips.height()));
    return label;
}

} // namespace

QString SaveAsFrm::GetDetails(const QString &iTx, QWidget *parent)
{
    SaveAsFrm window(iTx, parent);
    window.exec();
    return window.answer();
}

SaveAsFrm::SaveAsFrm(const QString &iTx, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Save Puzzle as.."));
    setFixedSize(pxX(WidthTwips), pxY(HeightTwips));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, drawing::toQColor(BackColor));
    setPalette(pal);
    buildControls();
    if (!iTx.isEmpty()) {
        QString description = iTx.section(DetailsSeparator, 1);
        description.remove(DetailsSeparator);
        m_text1->setText(iTx.section(DetailsSeparator, 0, 0));
        m_text2->setDescription(description);
    }
    m_text1->setValidator(new DetailsLineRule(m_text1, TitleLimit));
    popUpOverParent(this);
}

void SaveAsFrm::buildControls()
{
    const QFont sansSerif(QStringLiteral("MS Sans Serif"));
    headingLabel(this, Explanation, QRect(240, 120, 6840, 1080));
    headingLabel(this, TitleHeading, QRect(255, 1440, 6000, 300));
    m_text1 = new QLineEdit(this);
    m_text1->setFont(sansSerif);
    m_text1->setGeometry(pxX(255), pxY(1770), pxX(4440), pxY(360));
    headingLabel(this, DescriptionHeading, QRect(240, 2385, 6000, 300));
    m_text2 = new DescriptionEdit(this, DescriptionLimit);
    m_text2->setFont(sansSerif);
    m_text2->setGeometry(pxX(240), pxY(2715), pxX(6840), pxY(1410));

    auto *line1 = new QFrame(this);
    line1->setFrameShape(QFrame::HLine);
    line1->setGeometry(pxX(240), pxY(1290), pxX(6840), 2);

    m_cmdOK = new controls::CandyButton(QStringLiteral("cmdOK"), this);
    m_cmdOK->setStyle(ButtonStyle);
    m_cmdOK->setFont(QFont(QStringLiteral("Tahoma")));
    m_cmdOK->setCaption(QStringLiteral("OK"));
    m_cmdOK->setGeometry(pxX(4920), pxY(1770), pxX(2160), pxY(360));
    connect(m_cmdOK, &controls::CandyButton::Click, this, &QDialog::accept);
}

QString SaveAsFrm::answer() const
{
    if (m_cancelled)
        return QString(DetailsSeparator);
    QString description = m_text2->toPlainText();
    description.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return m_text1->text() + DetailsSeparator + description;
}

int SaveAsFrm::exec()
{
    return execOverParent(this);
}

void SaveAsFrm::reject()
{
    m_cancelled = true;
    QDialog::reject();
}

void SaveAsFrm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawing::PaintGradientBackground(this, painter, BackColor, White, 0);
}

} // namespace dialogs
