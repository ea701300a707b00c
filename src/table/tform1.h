// SPDX-License-Identifier: GPL-3.0-or-later
// The table window: the cloth, the seats' cards, the stock and discard pile, the options and
// deal panels, the rules viewer and the high-score corner. One class; its methods are split
// into one source file per concern (tform1_<concern>.cpp), named in the groups below.
#pragma once

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "engine/engine.h"
#include "table/flow/table_view.h"
#include "table/tform1_design.h"

class FocusRing;
class SpokenNews;
struct RulesPage;
class Pacer;
class PictureBox;
class TextLabel;
class TForm2;
class TurnFlow;
class QCheckBox;
class QComboBox;
class QKeyEvent;
class QPlainTextEdit;
class QRadioButton;
class QTableWidget;

// The window is also the table the turn flow shows the game on: it puts pictures and texts in
// place and waits through its pacer, and forwards the play controls' events to the flow.
class TForm1 : public QWidget, public TableView {
    Q_OBJECT
  public:
    TForm1(Engine& engine, Pacer& pacer, QWidget* parent = nullptr);
    ~TForm1() override;

    // The turn flow that plays on this table and holds the boundary every handler runs in;
    // the controls do nothing without one.
    void SetTurnFlow(TurnFlow* flow) { flow_ = flow; }
    TurnFlow* Flow() const { return flow_; }

    static constexpr int kClientWidth = 1008;
    static constexpr int kClientHeight = 718;
    // The window's outer size, which every centring on the table counts with.
    static constexpr int kOuterWidth = 1024;
    static constexpr int kOuterHeight = 760;

    // ---- Start-up and close (tform1_start_up.cpp) ---------------------------------------------
    void StartUp(); // runs once, at the first activation
    bool StartedUp() const { return startedUp_; }
    void FormClose();
    int FindFiles(const std::string& folder); // lists every saved game below the folder
    static QPoint CentredWindowPosition(QSize desktop);
    // The client size in a frame of these margins: the design's outer size where the frame
    // allows it, never smaller than the design's client.
    static QSize ClientSizeFor(const QMargins& frame);
    // The design's centring, in steps of three pixels: where something inner wide stands in
    // something outer wide.
    static int Centre(int outer, int inner);
    void SetSuitChooser(std::unique_ptr<TForm2> chooser); // the table owns it from then on
    TForm2* SuitChooser() const { return chooser_.get(); }

    // ---- Controls of the window's design (tform1_design.h, tform1_design.cpp) ----------------
    // One member per control, under the design's own name and of its own class (Image53 the
    // stock, GroupBox1 the deal panel, Label11 the status text's shadow, ...).
    TFORM1_DESIGN(TFORM1_DECLARE_CONTROL)
    // Controls that come in rows.
    PictureBox* HandSlot(int slot) const;              // Image1 .. Image19; nullptr outside 1..19
    PictureBox* SeatPicture(int seat) const;           // Image21, 31, 41, 35: seats 2..5
    std::array<TextLabel*, 6> SeatLabels() const;      // Label1 .. Label4, Label29: seats 1..5
    std::array<PictureBox*, 4> TurnArrows() const;     // Image81 .. Image84: arrow kinds 1..4
    std::array<PictureBox*, 4> SuitMarkers() const;    // Image71 .. Image74: suits 0..3
    std::array<PictureBox*, 4> StockPictures() const;  // Image53, Image52, ...: the top card first
    std::array<PictureBox*, 4> DiscardEdges() const;   // Image38, Image39, ...: the nearest first
    std::array<QRadioButton*, 4> DealRadios() const;   // RadioButton1 .. 4: 4 to 7 cards
    std::array<QRadioButton*, 5> TargetRadios() const; // RadioButton5 .. 9: 100 to 350 points
    std::array<QRadioButton*, 3> PlayerRadios() const; // RadioButton10 .. 12: 3 to 5 players
    PictureBox* DesignPicture(int design) const;       // Image24, Image26, Image25, Image27

    // ---- Card sheets, loaded by the start-up --------------------------------------------------
    const QImage& DeckBitmap() const { return deckBitmap_; }
    const QImage& PatternsBitmap() const { return patternsBitmap_; }
    const QImage& BackgroundBitmap() const { return backgroundBitmap_; }
    QRgb KeyColor() const { return keyColor_; }
    // The same sheets at the window's device pixel ratio, which the pictures are cut from.
    const QImage& DeckAtRatio() const { return deckDevice_; }
    const QImage& PatternsAtRatio() const { return patternsDevice_; }
    const QImage& BackgroundAtRatio() const { return backgroundDevice_; }
    static constexpr int kCardWidth = 73;
    static constexpr int kCardHeight = 98;
    QRgb NoticeColor() const { return noticeColor_; }

    // ---- Card rendering (tform1_card_rendering.cpp) -------------------------------------------
    static QPoint DesignCell(int design); // the back's cell (column, row) in the patterns sheet
    void CopyCard(int card, PictureBox* picture);
    void DrawHandSlot(int card, int slot);
    void ShowHandSlot(int slot, bool visible, bool enabled);
    void ShowAllHandSlots(bool visible, bool enabled) override;
    void ClearHandSlot(int slot) override;
    void DrawHumanHand(int count) override; // lays the hand out as it stands; no wait
    int FanSpacing(int seat, bool column) const;
    void DrawSeatRow(int seat, int count, bool faceUp);
    void DrawSeatColumn(int seat, int count, bool faceUp);
    void PlaceSeat(int seat, bool visible) override;
    void PrepareSeatPictures() override;
    void DrawSeatHand(int seat, int count, bool faceUp) override; // row or column by seat
    void SetSlotTop(int slot, int top) override;
    void ColorCardImage(PictureBox* picture);
    void Frame(PictureBox* picture);

    // ---- Stock pile (tform1_stock_pile.cpp) ---------------------------------------------------
    void ShowStockBacks(int backs) override;
    void MoveStockCard(int seat, int step) override;
    void FlipStockCard(int step) override;
    void ReturnStockCard() override;
    void HideStockPile() override;

    // ---- Discard pile and card flights (tform1_card_movement.cpp) -----------------------------
    void StartCardFlight(int card, int seat, int slot) override;
    void MoveCardFlight(int step, int pileDepth) override;
    void EndCardFlight() override;
    void ShowDiscardTop(int card) override;
    void ShowDiscardPictures() override;
    void RaiseDiscardPile() override;
    void HideDiscardPictures() override;
    void PaintFace(int card, PictureBox* picture); // a face as the discard pile shows it

    // ---- Status displays (tform1_status_displays.cpp) -----------------------------------------
    void ShowStatusText(const std::string& text, LabelPlace place, StatusColour colour) override;
    void HideStatusText() override;
    void SetArrowVisible(int kind, bool visible) override;
    void ShowTurnArrow(const MarkerPlace& place) override;
    void ShowSuitMarker(int suit) override;
    void HideSuitMarkers() override;
    void ShowNotice(const std::string& text) override;
    void HideNotice() override;

    // ---- Scoreboard (tform1_scoreboard.cpp) ---------------------------------------------------
    void ShowSeatLabel(int seat, const std::string& text) override;
    void ShowScoresBanner(const std::string& text) override;
    void HideScoresBanner() override;
    void ShowScoreGrid(const ScoreGridTexts& cells) override;
    void HideScoreGrid() override;
    void ShowGameOver(const std::string& banner, const std::string& winner) override;
    void ShowFinalScore(const std::string& text) override;

    // ---- Play controls and pacing (tform1_play_events.cpp) ------------------------------------
    void ImageDealClick();
    void HandSlotMouseDown(int slot, Qt::MouseButton button); // Image1MouseDown .. Image19MouseDown
    void Image53MouseDown(Qt::MouseButton button);
    void Image37Click(); // CLOSE under the score grid
    void ComboBox3KeyDown(int key);
    void HideDealPanel() override;
    void ShowDealPanel() override;
    void Repaint() override;
    void Pause(int ms) override;
    void Sleep(int ms) override;
    void CloseWindow() override;
    int OpenSuitChooser() override;

    // ---- Options panel (tform1_options_panel.cpp) ---------------------------------------------
    void ShowSettings() override;
    int CheckedDealSize() const override;
    void HideOptionsPanel() override;
    void ShowSeatNames() override;
    void DesignClick(int design); // Image24Click .. Image27Click
    void ComboBox1Change(int index);
    void ComboBox1KeyDown(int key);
    void Image20Click(); // START

    // ---- Saved games (tform1_saved_games.cpp) -------------------------------------------------
    void ComboBox2KeyDown(int key);
    void ShowFileMessageText(int kind, const std::string& text) override;
    void HideFileMessage() override;
    void ShowSaveBox() override;
    void HideSaveBox() override;

    // ---- Rules viewer (tform1_rules_viewer.cpp) -----------------------------------------------
    void Image33Click(); // VIEW RULES
    void Image29Click(); // PAGE DOWN
    void Image30Click(); // PAGE UP
    void Image28Click(); // EXIT

    // ---- High scores (tform1_high_scores.cpp) -------------------------------------------------
    void ShowHighScores();
    void ShowGamesAndWins() override;

    // ---- Keyboard (tform1_keyboard.cpp) -------------------------------------------------------
    // A key is the click it stands for, on the control that click would land on, so it meets
    // the same gates and is refused where the click would be. Returns whether the key was
    // taken; keys typed in a combo box always belong to the box.
    bool KeyDown(int key, Qt::KeyboardModifiers modifiers);
    int HandFocus() const { return handFocus_; } // the hand slot the keys stand on, 1..19
    bool KeysUsed() const { return keysUsed_; }  // a key came since the last mouse press
    FocusRing* HandRing() const { return handRing_; }
    FocusRing* ButtonRing() const { return buttonRing_; }

    // ---- After the table changes (tform1_accessibility.cpp) ----------------------------------
    // The one place where the keyboard focus and the names a screen reader reads catch up
    // with the table: at the end of every event and before every repaint. Drawing only draws.
    void TableChanged() override;
    void Announce(const std::string& text) override; // spoken at the next change of the table
    static QString CardName(int card); // "seven of hearts", "joker"; empty for no card
    QString LastNews() const;          // what a screen reader was last told

    // ---- Failures (tform1_start_up.cpp) -------------------------------------------------------
    void ShowError(const QString& text);
    void ShowError(const std::string& text) override;
    // Replaces the message box, for tests.
    void SetErrorReporter(std::function<void(const QString&)> reporter);

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Design (tform1_design.cpp)
    void CreateControls();
    void PaintDesignPictures();
    void ConnectHandlers();
    // Connects a control's signal to a handler that runs inside the handler boundary.
    template <class Sender, class... Args, class Handler>
    void On(Sender* sender, void (Sender::*signal)(Args...), Handler handler);
    // Key-down handlers of the editable boxes; they get the key code (13 for Enter).
    void OnKeyDown(QComboBox* combo, std::function<void(int)> handler);

    // Start-up steps (tform1_start_up.cpp)
    void LoadPatternsStep();
    void LoadBackgroundStep();
    void LoadDeckStep();
    QImage SheetForWindow(const QString& fileName, const QImage& sheet, bool cards) const;
    qreal ClothRatio() const;
    void PaintCloth();
    void PaintBackdrop(PictureBox* picture);
    void PaintScoreBackdrop(PictureBox* picture);
    void PlaceWindow();
    void FitOuterSize();

    // Card rendering helpers (tform1_card_rendering.cpp)
    void DrawFanCard(QImage& surface, int card, bool faceUp, bool column, int offset);
    void DrawDesignThumbnails(const QImage& sheet);

    // Options panel helpers (tform1_options_panel.cpp)
    ChosenOptions CheckedOptions() const;

    // Play control helpers (tform1_play_events.cpp)
    void ConnectPlayHandlers();
    // Runs a handler inside the turn flow's event boundary.
    void RunEvent(const std::function<void()>& handler);
    bool Closing() const; // the window was asked to close and waits for a handler to end

    // Rules viewer helper (tform1_rules_viewer.cpp)
    void ShowRulesPage(const RulesPage& page);
    void AnnounceRulesPage(const RulesPage& page);

    // Keyboard helpers (tform1_keyboard.cpp)
    void SetUpKeyboard();
    bool KeyFilter(QObject* watched, QEvent* event);
    void KeepTickedRadiosInTheWalk();
    bool TypingInBox() const;
    bool Shown(const QWidget* control) const;
    bool ClickReaches(QWidget* control, QPoint at) const;
    bool Press(PictureBox* picture);
    void PressHandSlot(Qt::MouseButton button);
    bool RulesKey(int key);
    bool OptionsKey(int key);
    bool DealKey(int key);
    bool PlayKey(int key, Qt::KeyboardModifiers modifiers);
    void MoveHandFocus(int slot);
    void FollowHand(); // after a redraw: the same card where it is still held, else nearby
    void UpdateFocusRings();
    void UseKeys(bool used);

    // Names (tform1_accessibility.cpp)
    void NameControls();
    void NameHandSlots();
    void NameStock();
    void NameSeats();
    void NameSeat(int seat, int count, bool faceUp);
    void NameDiscardTop();
    void NameScoreGrid(const ScoreGridTexts& cells);
    void NameCardBacks();
    void LayOutForScreenReaders();
    enum class KeyPlace { Options, Deal, Play, Scores, Rules, GameOver };
    KeyPlace CurrentKeyPlace() const;
    void FollowGame(); // the keyboard focus goes where the game now wants a key
    QRadioButton* CheckedDealRadio() const;
    void RefocusHand(); // a screen reader hears the card the keys stand on again
    void GiveFocus(QWidget* control);
    void SayAgain(const QWidget* control); // a key that left the focus where it was

    Engine& engine_;
    Pacer& pacer_;
    QHash<QObject*, std::function<void(int)>> keyDownHandlers_;
    std::array<PictureBox*, 20> handSlots_{};
    QImage deckBitmap_;
    QImage patternsBitmap_;
    QImage backgroundBitmap_;
    QImage deckDevice_;
    QImage patternsDevice_;
    QImage backgroundDevice_;
    QRgb keyColor_ = 0;
    QRgb noticeColor_ = 0;
    bool startedUp_ = false;
    bool shownOnce_ = false;
    bool fitted_ = false;      // the start-up has given the window its outer size
    bool frameFitted_ = false; // ...counting the desktop's frame
    std::unique_ptr<TForm2> chooser_;
    std::function<void(const QString&)> errorReporter_;
    TurnFlow* flow_ = nullptr;
    // What the seat fans and the discard pile show, for their names.
    // Cards shown and face up, seats 2..5; -1 before a seat's fan is first drawn.
    std::array<std::pair<int, bool>, 6> seatFans_ = {
        {{-1, false}, {-1, false}, {-1, false}, {-1, false}, {-1, false}, {-1, false}}};
    int discardTopCard_ = 0;
    bool handRedrawn_ = false; // the keys follow the card they stood on at the next hook
    SpokenNews* news_ = nullptr;
    QStringList pendingNews_;               // told at the next change of the table, in order
    QPointer<QWidget> rulesReturn_;         // where the focus was when the rules opened
    KeyPlace keyPlace_ = KeyPlace::Options; // where the keys were wanted at the last change
    // The card in flight: where it set off and how far it moves at each step.
    QPoint flightStart_;
    QPoint flightStep_;
    // Where the keys stand in the hand: the slot, and the card it showed then.
    int handFocus_ = 1;
    int handFocusCard_ = 0;
    bool keysUsed_ = false;
    bool chooserOpen_ = false;        // the suit chooser, not the hand, has the keys
    FocusRing* handRing_ = nullptr;   // round the hand card the keys stand on
    FocusRing* buttonRing_ = nullptr; // round a picture button of the options panel
};

template <class Sender, class... Args, class Handler>
void TForm1::On(Sender* sender, void (Sender::*signal)(Args...), Handler handler) {
    connect(sender, signal, this,
            [this, handler](Args... args) { RunEvent([&] { handler(args...); }); });
}
