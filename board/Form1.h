// The main window: the puzzle box, the matchbox and the solution box with
// the 64 match sprites above them, the board buttons, the instructions
// under the boxes, the puzzle list at the top and the top bar. The rules
// live in Board (BoardModel.h) and FormLayout.h; this class shows their
// state and forwards input to them.
#pragma once

#include "board/BoardModel.h"
#include "board/FormLayout.h"
#include "board/MatchSprite.h"

#include <QLabel>
#include <QWidget>
#include <array>
#include <string>

namespace controls {
class CandyButton;
class CoolList;
} // namespace controls

namespace board {

class BoardBox;
class DropDownFrame;

// The chosen puzzle as loaded. The solution is held twice: the first copy
// lays out SOLUTION, the second is what a solved board is compared with.
struct CurrentPuzzle
{
    std::string instructions; // real line breaks
    Arrangement puzzle;
    std::array<Arrangement, 2> solution;
};

class Form1 : public QWidget, private BoardListener
{
    Q_OBJECT
public:
    explicit Form1(std::string settingsFile, QWidget *parent = nullptr);

    void Form_Load();
    void LoadPuzzleList();
    void ShowPuzzle();

    int GetMatchesInPuzzle() const { return m_board.GetMatchesInPuzzle(); }
    void ResetBoard();
    void ShowPuzzleMatches();

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
    DropDownFrame *DD1() const { return m_dd1; }
    controls::CoolList *CL1() const { return m_cl1; }
    controls::CandyButton *CB1(int i) const { return m_cb1[i]; }
    controls::CandyButton *CandyButton1(int i) const { return m_candyButton1[i]; }

public slots:
    void Image2_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void Image2_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void Image2_MouseUp(int Index, int Button, int Shift, float X, float Y);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void buildControls();
    void buildTopBar();
    void buildPuzzleList();
    void Form_Resize();
    void Form_MouseMove();
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

    std::array<MatchSprite *, SpriteCount> m_sprites{};
    std::array<QRegion, 16> m_orientationRegions;
    BoardBox *m_shape1 = nullptr;
    BoardBox *m_shape2 = nullptr;
    QLabel *m_picMatchbox = nullptr;
    QLabel *m_lb1 = nullptr;
    QLabel *m_lbstats = nullptr;
    QLabel *m_lbWeb = nullptr;
    QWidget *m_p1 = nullptr;
    DropDownFrame *m_dd1 = nullptr;
    controls::CoolList *m_cl1 = nullptr;
    std::array<controls::CandyButton *, 3> m_cb1{};
    std::array<controls::CandyButton *, 4> m_candyButton1{};
    QImage m_background;
};

} // namespace board
