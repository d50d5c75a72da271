// The main window: the puzzle box, the matchbox and the solution box with
// the 64 match sprites above them, the board buttons, the instructions
// under the boxes, the puzzle list at the top and the top bar. The game is
// in Game (rules of play, undo, the board) and MatchHandling (what the
// mouse and the keys do to the matches); this class shows their state,
// forwards input to them and asks the player what a step needs.
#pragma once

#include "board/FileSolvedMemory.h"
#include "board/FormLayout.h"
#include "board/Game.h"
#include "board/HintDisplay.h"
#include "board/MatchHandling.h"
#include "board/MatchSprite.h"

#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

namespace controls {
class CandyButton;
class DDFrm;
class DesignFile;
class CoolList;
} // namespace controls

namespace board {

class BoardBox;

// Message-box flags: the information icon with an OK button.
constexpr int InformationFlags = 64;

class Form1 : public QWidget, private BoardListener, private GameListener, private PointerGrab
{
    Q_OBJECT
public:
    // The save-details dialog: takes "title¦description" as the preset and
    // answers the same way, "¦" alone when cancelled.
    using DetailsDialog = std::function<QString(const QString &preset)>;

    explicit Form1(std::string settingsFile, QWidget *parent = nullptr);

    // Names fixed by the program's design: keep them as they are.
    void Form_Load();
    void LoadPuzzleList();
    void ShowPuzzle();
    int GetMatchesInPuzzle() const { return m_game.board().GetMatchesInPuzzle(); }
    void ResetBoard() { m_game.board().ResetBoard(); }
    void ShowPuzzleMatches();
    void CB1_Click(int Index);
    void Reposition_SolutionMatches();
    void Copy_trick_to_solution();
    void CandyButton1_Click(int Index);
    void CreateRegion(int ID, int idx);
    void LoadOrientationTemplates();
    void SetMatchboxShape(QWidget *window);

    // The controls, by their design names.
    MatchSprite *Image2(int i) const { return m_sprites[i]; }
    BoardBox *Shape1() const { return m_shape1; }
    BoardBox *shape2() const { return m_shape2; }
    QLabel *lb1() const { return m_lb1; }
    QLabel *lbstats() const { return m_lbstats; }
    QLabel *lbWeb() const { return m_lbWeb; }
    controls::DDFrm *DD1() const { return m_dd1; }
    controls::CoolList *CL1() const { return m_cl1; }
    controls::CandyButton *CB1(int i) const { return m_cb1[i]; }
    controls::CandyButton *CandyButton1(int i) const { return m_candyButton1[i]; }

    // The windows a step opens, replaceable so tests can answer them.
    void setDetailsDialog(DetailsDialog dialog) { m_detailsDialog = std::move(dialog); }
    void setAboutWindow(std::function<void(QWidget *owner)> show) { m_showAbout = std::move(show); }
    void setHomePageOpener(std::function<void()> open) { m_openHomePage = std::move(open); }

    // Undo and redo of moves, turns, COPY, SOLUTION and RESET, back to the
    // last puzzle chosen.
    void undo();
    void redo();
    bool canUndo() const { return m_game.canUndo(); }
    bool canRedo() const { return m_game.canRedo(); }

    // The next hint: first the match to move, then where it goes (H, or the
    // Hint link between the boxes).
    void requestHint();

    // What the window shows, for tests and tools.
    int pickedMatch() const { return m_handling.picked(); }
    QLabel *lbMoves() const { return m_lbMoves; }
    QLabel *lbHint() const { return m_lbHint; }
    const HintDisplay &hints() const { return *m_hints; }
    const Board &boardState() const { return m_game.board(); }
    const CurrentPuzzle &currentPuzzle() const { return m_game.current(); }
    const std::string &settingsFile() const { return m_settingsFile; }

public slots:
    // Names fixed by the program's design: keep them as they are.
    void Image2_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void Image2_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void Image2_MouseUp(int Index, int Button, int Shift, float X, float Y);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Names fixed by the program's design: keep them as they are.
    void Form_Resize();
    void Form_MouseMove();
    void lbWeb_MouseMove();
    void lbWeb_MouseUp();
    void SavePuzzle();
    void DeletePuzzle();

    void buildControls(const controls::DesignFile &design);
    void buildTopBar(const controls::DesignFile &design);
    void buildPuzzleList(const controls::DesignFile &design);
    void buildHintLink();
    void buildShortcuts();
    void buildKeyboardOrder();
    void connectSprite(MatchSprite *sprite);
    void fitToScreen();
    void applyLayout(const FormLayout &layout);
    void fitInstructions();
    void repaintPuzzleBox();
    void repaintBackground();
    void giveListSolvedMarks();
    void setLinkColor(const QColor &color);
    void puzzleListKey(int KeyCode, int Shift);
    void showChoice();
    void showMoves(const PlayStatus &status);
    QString movesText(const PlayStatus &status) const;
    void noteHint(const QString &note);
    void tickSolved(const QString &title);
    void showPuzzleStatus();
    void fitTopBarLabels();
    bool isTicked(const QString &title) const;
    QRect solvedArea() const;
    QString solvedText() const;
    bool askDetails(QString preset, storage::PuzzleRecord &record);
    bool mayReplace(const std::string &title);
    void showListed(const QString &title);

    void spriteOriented(int i) override;
    void spriteMoved(int i) override;
    void spriteShown(int i) override;
    void spriteRaised(int i) override;
    void statusChanged(const PlayStatus &status) override;
    void puzzleSolved(bool remembered) override;
    void grabPointer(int sprite) override;
    void releasePointer(int sprite) override;

    std::string m_settingsFile;
    FileSolvedMemory m_memory;
    Game m_game;
    MatchHandling m_handling;
    bool m_laidOut = false;

    std::array<MatchSprite *, SpriteCount> m_sprites{};
    std::array<QRegion, 16> m_orientationRegions;
    BoardBox *m_shape1 = nullptr;
    BoardBox *m_shape2 = nullptr;
    QLabel *m_picMatchbox = nullptr;
    QLabel *m_lb1 = nullptr;
    QLabel *m_lbstats = nullptr;
    QLabel *m_lbMoves = nullptr;
    QLabel *m_lbHint = nullptr;
    QString m_hintNote; // why the last request showed no hint, until the board changes
    std::unique_ptr<HintDisplay> m_hints;
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
