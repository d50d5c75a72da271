// The main window: the puzzle box, the matchbox and the solution box with
// the 64 match sprites above them, the board buttons, the instructions
// under the boxes, the puzzle list at the top and the top bar. The rules
// live in Board (BoardModel.h) and FormLayout.h; this class shows their
// state and forwards input to them.
#pragma once

#include "board/BoardModel.h"
#include "board/FormLayout.h"
#include "board/MatchSprite.h"
#include "board/PlayState.h"
#include "board/UndoHistory.h"

#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

namespace storage {
struct PuzzleRecord;
}

namespace controls {
class CandyButton;
class DDFrm;
class DesignFile;
class CoolList;
} // namespace controls

namespace board {

class BoardBox;

// The chosen puzzle as loaded. The solution is held twice: the first copy
// lays out SOLUTION, the second is what a solved board is compared with.
struct CurrentPuzzle
{
    std::string instructions; // real line breaks
    Arrangement puzzle;
    std::array<Arrangement, 2> solution;
    friend bool operator==(const CurrentPuzzle &a, const CurrentPuzzle &b)
    {
        return a.instructions == b.instructions && a.puzzle == b.puzzle && a.solution == b.solution;
    }
};

// Everything an undo step brings back.
struct FormSnapshot
{
    Board::Snapshot board;
    CurrentPuzzle current;
    PlayState play;
    QString title;
    QString instructionsText;
    bool solutionEnabled = false;
    bool deleteEnabled = false;
    bool operator==(const FormSnapshot &other) const;
};

// Message-box flags: the information icon with an OK button.
constexpr int InformationFlags = 64;

// What the drop-down shows when no puzzle is chosen.
inline const QString NoPuzzleTitle = QStringLiteral("Select a Puzzle");

class Form1 : public QWidget, private BoardListener
{
    Q_OBJECT
public:
    // The save-details dialog: takes "title¦description" as the preset and
    // answers the same way, "¦" alone when cancelled.
    using DetailsDialog = std::function<QString(const QString &preset)>;

    explicit Form1(std::string settingsFile, QWidget *parent = nullptr);

    void Form_Load();
    void LoadPuzzleList();
    void ShowPuzzle();

    int GetMatchesInPuzzle() const { return m_board.GetMatchesInPuzzle(); }
    void ResetBoard();
    void ShowPuzzleMatches();

    void CB1_Click(int Index);
    void Reposition_SolutionMatches();
    void Copy_trick_to_solution();
    void CandyButton1_Click(int Index);

    void setDetailsDialog(DetailsDialog dialog) { m_detailsDialog = std::move(dialog); }
    void setAboutWindow(std::function<void(QWidget *owner)> show) { m_showAbout = std::move(show); }
    void setHomePageOpener(std::function<void()> open) { m_openHomePage = std::move(open); }

    // Undo and redo of moves, turns, COPY, SOLUTION and RESET, back to the
    // last puzzle chosen.
    void undo();
    void redo();
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    // The match picked up by a click, or -1.
    int pickedMatch() const { return m_picked; }
    QLabel *lbMoves() const { return m_lbMoves; }

    void CreateRegion(int ID, int idx);
    void LoadOrientationTemplates();
    void SetMatchboxShape(QWidget *window);

    const Board &boardState() const { return m_board; }
    const CurrentPuzzle &currentPuzzle() const { return m_current; }
    const std::string &settingsFile() const { return m_settingsFile; }

    // The controls, by their design names.
    MatchSprite *Image2(int i) const { return m_sprites[i]; }
    BoardBox *Shape1() const { return m_shape1; }
    BoardBox *shape2() const { return m_shape2; }
    QLabel *picMatchbox() const { return m_picMatchbox; }
    QLabel *lb1() const { return m_lb1; }
    QLabel *lbstats() const { return m_lbstats; }
    QLabel *lbWeb() const { return m_lbWeb; }
    QWidget *P1() const { return m_p1; }
    controls::DDFrm *DD1() const { return m_dd1; }
    controls::CoolList *CL1() const { return m_cl1; }
    controls::CandyButton *CB1(int i) const { return m_cb1[i]; }
    controls::CandyButton *CandyButton1(int i) const { return m_candyButton1[i]; }

public slots:
    void Image2_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void Image2_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void Image2_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void Image2_Wheel(int Index, int steps);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls(const controls::DesignFile &design);
    void buildTopBar(const controls::DesignFile &design);
    void buildPuzzleList(const controls::DesignFile &design);
    void Form_Resize();
    void fitToScreen();
    void Form_MouseMove();
    void lbWeb_MouseMove();
    void lbWeb_MouseUp();
    void setLinkColor(const QColor &color);
    void resetChoice();
    void buildShortcuts();
    void buildKeyboardOrder();
    void puzzleListKey(int KeyCode, int Shift);
    FormSnapshot capture() const;
    void restore(const FormSnapshot &snapshot);
    // Runs an action and keeps the state before it for undo if it changed
    // anything.
    void undoable(const std::function<void()> &action);
    void playerMoved(int sprite, std::optional<Rect> boxBefore);
    void showPlayStatus(bool announce);
    void markSolved();
    QRect solvedArea() const;
    void tickSolved(const QString &title);
    void forgetSolved(const QString &title);
    void showPuzzleStatus();
    void fitTopBarLabels();
    bool solvedBefore(const QString &title) const;
    bool isTicked(const QString &title) const;
    void pickUp(int sprite);
    void putDown();
    void putBack();
    void nudgePicked(int dx, int dy);
    void turnByKey(bool clockwise);
    void SavePuzzle();
    void DeletePuzzle();
    std::optional<QString> shownTitle() const;
    bool askDetails(QString preset, storage::PuzzleRecord &record);
    bool mayReplace(const std::string &title);
    void showListed(const QString &title);
    void applyLayout(const FormLayout &layout);
    void fitInstructions();
    void repaintPuzzleBox();
    void repaintBackground();

    void spriteOriented(int i) override;
    void spriteMoved(int i) override;
    void spriteShown(int i) override;
    void spriteRaised(int i) override;

    std::string m_settingsFile;
    Board m_board;
    CurrentPuzzle m_current;
    bool m_laidOut = false;
    int m_grabX = 0;
    int m_grabY = 0;
    PlayState m_play;
    bool m_playing = false; // a puzzle is chosen and not reset
    UndoHistory<FormSnapshot> m_history;
    std::optional<FormSnapshot> m_pressedFrom; // the state when a button went down on a match
    std::optional<Rect> m_pressedBox;
    bool m_dragged = false;
    int m_picked = -1;
    int m_hovered = -1;
    bool m_dropping = false;
    SpriteState m_pickedFrom;
    std::optional<FormSnapshot> m_pickedState;

    std::array<MatchSprite *, SpriteCount> m_sprites{};
    std::array<QRegion, 16> m_orientationRegions;
    BoardBox *m_shape1 = nullptr;
    BoardBox *m_shape2 = nullptr;
    QLabel *m_picMatchbox = nullptr;
    QLabel *m_lb1 = nullptr;
    QLabel *m_lbstats = nullptr;
    QLabel *m_lbMoves = nullptr;
    QLabel *m_lbWeb = nullptr;
    QWidget *m_p1 = nullptr;
    controls::DDFrm *m_dd1 = nullptr;
    controls::CoolList *m_cl1 = nullptr;
    std::array<controls::CandyButton *, 3> m_cb1{};
    std::array<controls::CandyButton *, 4> m_candyButton1{};
    QImage m_background;
    DetailsDialog m_detailsDialog;
    std::function<void(QWidget *)> m_showAbout;
    std::function<void()> m_openHomePage;
};

inline const QColor LinkGrey(128, 128, 128);
inline const QColor LinkBlue(0, 0, 255);

} // namespace board
