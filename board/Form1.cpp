#include "board/Form1.h"

#include "board/BoardBox.h"
#include "board/BoardFonts.h"
#include "board/InstructionFit.h"
#include "board/MatchArt.h"
#include "board/SolvedMark.h"
#include "controls/CandyButton.h"
#include "controls/CoolList.h"
#include "controls/DDFrm.h"
#include "controls/DesignFile.h"
#include "dialogs/AboutFrm.h"
#include "dialogs/SaveAsFrm.h"
#include "drawing/Twips.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace board {

namespace {

constexpr drawing::OleColor TopBarButtonColor = 0x7568A0; // RGB(160, 104, 117)
constexpr drawing::OleColor CopyButtonColor = 0x7878A8;   // RGB(168, 120, 120)
constexpr drawing::OleColor ListBackColor = 0xF8E1E0;     // RGB(224, 225, 248)
constexpr drawing::OleColor ListTextColor = 0x906B52;     // RGB(82, 107, 144)

// A usual window frame: the window manager frames the window only after it
// is shown, too late for choosing its size.
constexpr Size AssumedFrame{10, 40};
// Between the solved tick and the title.
constexpr int ListTextGap = 4;
constexpr int StatusGap = 10;
const QString DesignPath = QStringLiteral(":/designs/Form1.design");

// Members of a control array are stored as "CB1(0)" and so on.
QString arrayName(const char *array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

int twipsToPixelsX(int twips)
{
    return qRound(twips / drawing::twipsPerPixelX());
}

} // namespace

Form1::Form1(std::string settingsFile, QWidget *parent)
    : QWidget(parent)
    , m_settingsFile(std::move(settingsFile))
    , m_memory(m_settingsFile)
    , m_game(m_memory)
    , m_handling(m_game, *this)
{
    setWindowTitle(QStringLiteral("Flintora"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(DesignInnerSize.width, DesignInnerSize.height);
    setMinimumSize(MinimumInnerSize.width, MinimumInnerSize.height);
    const controls::DesignFile design = controls::DesignFile::load(DesignPath);
    for (const QString &error : design.errors())
        qWarning("%s", qPrintable(error));
    buildControls(design);
    buildShortcuts();
    buildKeyboardOrder();
    m_game.board().setListener(this);
    m_game.setListener(this);
    m_detailsDialog = [this](const QString &preset) {
        return dialogs::SaveAsFrm::GetDetails(preset, this);
    };
    m_showAbout = [](QWidget *owner) {
        dialogs::AboutFrm about(owner);
        about.exec();
    };
    m_openHomePage = [this] {
        dialogs::OpenHomePage(this);
    };
}

void Form1::buildControls(const controls::DesignFile &design)
{
    m_shape1 = new BoardBox(QStringLiteral("PUZZLE"), this);
    m_shape1->move(PuzzleBoxCorner.x, PuzzleBoxCorner.y);
    m_shape2 = new BoardBox(QStringLiteral("SOLUTION"), this);
    m_shape2->move(SolutionBoxCorner.x, SolutionBoxCorner.y);
    m_picMatchbox = new QLabel(this);
    // The 2x picture on a dense screen; the size stays the 1x one's.
    m_picMatchbox->setPixmap(
        QPixmap::fromImage(matchboxImage().forRatio(m_picMatchbox->devicePixelRatioF())));
    m_picMatchbox->resize(matchboxImage().size());
    m_hints = std::make_unique<HintDisplay>(m_game, m_picMatchbox, m_orientationRegions);
    for (int i = 0; i < 3; ++i) {
        m_cb1[i] = new controls::CandyButton(QStringLiteral("CB1"), this);
        m_cb1[i]->ReadProperties(design.control(arrayName("CB1", i)));
        m_cb1[i]->resize(BoardButtonSize.width, BoardButtonSize.height);
        connect(m_cb1[i], &controls::CandyButton::Click, this, [this, i] { CB1_Click(i); });
    }
    m_lb1 = new QLabel(this);
    m_lb1->setWordWrap(true);
    m_lb1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lb1->setFont(comicFont(InstructionPoints));
    m_lbWeb = new QLabel(tr("Flintora: how to play"), this);
    m_lbWeb->resize(WebLinkSize.width, WebLinkSize.height);
    m_lbWeb->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lbWeb->setMouseTracking(true);
    m_lbWeb->setCursor(Qt::PointingHandCursor);
    m_lbWeb->installEventFilter(this);
    setLinkColor(LinkGrey);
    buildHintLink();
    m_sprites[0] = new MatchSprite(0, this);
    m_sprites[0]->hide();
    buildTopBar(design);
    buildPuzzleList(design);
}

void Form1::buildTopBar(const controls::DesignFile &design)
{
    m_p1 = new QWidget(this);
    m_p1->setAutoFillBackground(true);
    QPalette bar = m_p1->palette();
    bar.setColor(QPalette::Window, QColor(128, 64, 64));
    bar.setColor(QPalette::WindowText, Qt::white);
    m_p1->setPalette(bar);
    m_p1->setGeometry(0, 0, width(), TopBarHeight);
    for (int i = 0; i < 4; ++i) {
        m_candyButton1[i] = new controls::CandyButton(QStringLiteral("CandyButton1"), m_p1);
        m_candyButton1[i]->ReadProperties(design.control(arrayName("CandyButton1", i)));
        const auto [left, widthTwips] = TopBarButtonTwips[i];
        m_candyButton1[i]->setGeometry(twipsToPixelsX(left), 0, twipsToPixelsX(widthTwips),
                                       TopBarHeight);
        connect(m_candyButton1[i], &controls::CandyButton::Click, this,
                [this, i] { CandyButton1_Click(i); });
    }
    // Beneath the buttons, so a long count never hides one.
    m_lbstats = new QLabel(m_p1);
    m_lbstats->resize(200, TopBarHeight);
    m_lbstats->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_lbstats->lower();
    m_lbMoves = new QLabel(m_p1);
    m_lbMoves->resize(0, TopBarHeight);
    m_lbMoves->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_lbMoves->lower();
}

void Form1::buildPuzzleList(const controls::DesignFile &design)
{
    m_dd1 = new controls::DDFrm(QStringLiteral("DD1"), this);
    m_dd1->resize(DropDownWidth, TopBarHeight);
    m_dd1->ReadProperties(design.control(QStringLiteral("DD1")));
    m_cl1 = new controls::CoolList(m_dd1);
    // Sized first: the list trims its height to whole rows as it lays out.
    m_cl1->resize(m_dd1->width(), PuzzleListHeight);
    m_cl1->ReadProperties(design.control(QStringLiteral("CL1")));
}

void Form1::Form_Load()
{
    SetMatchboxShape(m_picMatchbox);
    for (controls::CandyButton *button : m_candyButton1)
        button->setColorButtonUp(TopBarButtonColor);
    m_cb1[2]->setColorButtonUp(CopyButtonColor);
    m_cl1->setBackNormal(ListBackColor);
    m_cl1->setFontNormal(ListTextColor);
    m_cl1->setItemTextLeft(SolvedMarkSide + ListTextGap);
    m_dd1->move(m_dd1->x(), 0);
    // The frame measures its heights in twips, the list in pixels.
    m_dd1->setExpandedHeight(qRound(m_cl1->height() * drawing::twipsPerPixelY()) +
                             m_dd1->TitleHeight());
    m_cl1->setGeometry(0, m_dd1->titlePixelHeight(), m_dd1->width(), m_cl1->height());
    connect(m_cl1, &controls::CoolList::Click, this, &Form1::ShowPuzzle);
    LoadOrientationTemplates();
    LoadPuzzleList();
    m_dd1->raise();
    fitToScreen();
    show();
    // Drawn for the screen the window opened on, and again for each screen
    // it moves to.
    giveListSolvedMarks();
    connect(windowHandle(), &QWindow::screenChanged, this, &Form1::giveListSolvedMarks);
    // Choosing a puzzle comes first.
    m_dd1->setFocus();
}

// On a small screen the design size would put the link and the last line
// of the instructions below the screen's edge.
void Form1::fitToScreen()
{
    const QRect free = screen()->availableGeometry();
    const Size inner = openingInnerSize({free.width(), free.height()}, AssumedFrame);
    resize(inner.width, inner.height);
}

void Form1::resizeEvent(QResizeEvent *)
{
    repaintBackground();
    Form_Resize();
}

void Form1::Form_Resize()
{
    LayoutInput in;
    in.innerWidth = width();
    in.innerHeight = height();
    in.outerWidth = isWindow() ? frameGeometry().width() : width();
    in.twipsPerPixelX = drawing::twipsPerPixelX();
    in.topBarHeight = m_p1->height();
    in.puzzleBoxCorner = {m_shape1->x(), m_shape1->y()};
    in.boxBorder = BoardBox::Border;
    in.puzzleCaptionWidth = m_shape1->captionLabel()->width();
    in.solutionCaptionWidth = m_shape2->captionLabel()->width();
    in.matchboxWidth = m_picMatchbox->width();
    in.matchboxHeight = m_picMatchbox->height();
    in.boardButtonWidth = m_cb1[0]->width();
    in.boardButtonHeight = m_cb1[0]->height();
    in.dropDownWidth = m_dd1->width();
    in.aboutWidthTwips = qRound(m_candyButton1[2]->width() * in.twipsPerPixelX);
    in.instructionsWidthTwips = qRound(m_candyButton1[3]->width() * in.twipsPerPixelX);
    in.webLinkWidth = m_lbWeb->width();
    in.webLinkHeight = m_lbWeb->height();
    in.hintLinkWidth = m_lbHint->width();
    const std::optional<FormLayout> layout = Form_ResizeLayout(in);
    if (!layout)
        return;
    applyLayout(*layout);
    if (m_laidOut) {
        m_handling.putBack();
        m_game.relayout(layout->areas);
        return;
    }
    m_game.board().setAreas(layout->areas);
    ResetBoard();
    m_laidOut = true;
}

void Form1::applyLayout(const FormLayout &layout)
{
    const auto place = [](QWidget *w, const Rect &r) {
        w->setGeometry(r.left, r.top, r.width, r.height);
    };
    place(m_picMatchbox, layout.areas.matchbox);
    place(m_shape1, layout.areas.puzzleBox);
    place(m_shape2, layout.areas.solutionBox);
    m_shape1->captionLabel()->move(layout.puzzleCaption.x, layout.puzzleCaption.y);
    m_shape2->captionLabel()->move(layout.solutionCaption.x, layout.solutionCaption.y);
    for (int i = 0; i < 3; ++i)
        m_cb1[i]->move(layout.boardButtons[i].x, layout.boardButtons[i].y);
    m_lbHint->move(layout.hintLink.x, layout.hintLink.y);
    m_lb1->move(layout.instructions.x, layout.instructions.y);
    m_lb1->resize(layout.instructionsWidth, m_lb1->heightForWidth(layout.instructionsWidth));
    m_dd1->move(layout.dropDown.x, layout.dropDown.y);
    m_p1->resize(width(), m_p1->height());
    m_lbstats->move(layout.statusLeft, 0);
    m_lbstats->show();
    m_lbMoves->move(m_candyButton1[1]->geometry().right() + StatusGap, 0);
    m_candyButton1[2]->move(layout.aboutButton.x, layout.aboutButton.y);
    m_candyButton1[3]->move(layout.instructionsButton.x, layout.instructionsButton.y);
    fitTopBarLabels();
    m_lbWeb->move(layout.webLink.x, layout.webLink.y);
}

void Form1::giveListSolvedMarks()
{
    m_cl1->SetImageList(solvedMarkStrip(m_cl1->devicePixelRatioF()), SolvedMarkMaskColor,
                        SolvedMarkSide);
}

// At the screen's own resolution, and drawn whole under the clip: a part
// of a 1x picture scaled by 1.5 would leave seams between repaints.
void Form1::repaintBackground()
{
    const qreal ratio = devicePixelRatioF();
    m_background = QImage(size() * ratio, QImage::Format_RGB32);
    m_background.setDevicePixelRatio(ratio);
    QPainter painter(&m_background);
    drawing::PaintGradientBackground(painter, isWindow() ? frameGeometry().size() : size(),
                                     0x000000, 0xFFFFFF, 2);
}

void Form1::paintEvent(QPaintEvent *event)
{
    if (m_background.devicePixelRatio() != devicePixelRatioF())
        repaintBackground();
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QPoint(0, 0), m_background);
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over a control that ignores them arrive here too.
    if (!childAt(event->position().toPoint()))
        Form_MouseMove();
}

// The link turns blue under the pointer; crossing the bare window turns it
// grey again.
void Form1::Form_MouseMove()
{
    if (m_lbWeb->palette().color(QPalette::WindowText) == LinkGrey)
        return;
    m_lbWeb->installEventFilter(this);
    setLinkColor(LinkGrey);
}

} // namespace board
