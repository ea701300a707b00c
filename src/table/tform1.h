// The table window: the cloth, the seats' cards, the stock and discard pile, the options and
// deal panels, the rules viewer and the high-score corner. One class; its methods are split
// into one source file per concern (tform1_<concern>.cpp), named in the groups below.
#pragma once

#include <QHash>
#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "engine/engine.h"
#include "table/flow/table_view.h"

class FocusRing;
class GameLog;
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

// A card sheet that cannot be used: the file is missing, is not a bitmap, or is too small for
// the cells the table cuts from it.
class BitmapError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The window is also the table the turn flow shows the game on: it puts pictures and texts in
// place and waits through its pacer, and forwards the play controls' events to the flow.
class TForm1 : public QWidget, public TableView {
    Q_OBJECT
  public:
    TForm1(Engine& engine, Pacer& pacer, GameLog& log, QWidget* parent = nullptr);
    ~TForm1() override;

    // The turn flow that plays on this table; the play controls do nothing without one.
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
    void SetSuitChooser(std::unique_ptr<TForm2> chooser); // the table owns it from then on
    TForm2* SuitChooser() const { return chooser_.get(); }

    // ---- Controls of the window's design (tform1_design.cpp) ----------------------------------
    QWidget* Control(const QString& name) const;
    PictureBox* Picture(const QString& name) const;
    TextLabel* Label(const QString& name) const;
    QRadioButton* Radio(const QString& name) const;
    QCheckBox* Check(const QString& name) const;
    QComboBox* Combo(const QString& name) const;
    QPlainTextEdit* Memo1() const;
    QTableWidget* StringGrid1() const;
    PictureBox* HandSlot(int slot) const;    // Image1 .. Image19; nullptr outside 1..19
    PictureBox* SeatPicture(int seat) const; // Image21, Image31, Image41, Image35 for seats 2..5

    // ---- Card sheets, loaded by the start-up --------------------------------------------------
    const QImage& DeckBitmap() const { return deckBitmap_; }
    const QImage& PatternsBitmap() const { return patternsBitmap_; }
    const QImage& BackgroundBitmap() const { return backgroundBitmap_; }
    QRgb KeyColor() const { return keyColor_; }
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
    void ShowStockPile(int count, bool force); // repaints only when the number of backs changes
    void ShowStockPile(int backs) override;    // paints that many backs
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
    int CheckedDealSize() const override;
    void HideDealPanel() override;
    void ShowDealPanel() override;
    void Repaint() override;
    void Pause(int ms) override;
    void Sleep(int ms) override;
    bool Closing() const override { return closing_; }
    int OpenSuitChooser() override;

    // ---- Options panel (tform1_options_panel.cpp) ---------------------------------------------
    void ShowSettings();
    void DesignClick(int design); // Image24Click .. Image27Click
    void ComboBox1Change(int index);
    void ComboBox1KeyDown(int key);
    void Image20Click(); // START

    // ---- Saved games (tform1_saved_games.cpp) -------------------------------------------------
    void ComboBox2KeyDown(int key);
    void ShowFileMessage(int kind); // 1 loaded, 2 saved; stays two seconds
    void ShowFileMessage(int kind, const std::string& text) override;
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

    // ---- Names for assistive technology (tform1_accessibility.cpp) ----------------------------
    static QString CardName(int card); // "seven of hearts", "joker"; empty for no card
    void NameHandSlots();
    void NameStock();
    void NameSeat(int seat, int count, bool faceUp);
    void NameDiscardTop(int card);

    // ---- Handler boundary (tform1_start_up.cpp) -----------------------------------------------
    // Runs one event handler; a file or bitmap failure inside it ends the handler and is shown
    // in a message box, and the game goes on.
    template <class Handler> void Guarded(Handler&& handler);
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
    void On(const QString& name, void (Sender::*signal)(Args...), Handler handler);
    // Key-down handlers of the editable boxes; they get the key code (13 for Enter).
    void OnKeyDown(const QString& comboName, std::function<void(int)> handler);

    // Start-up steps (tform1_start_up.cpp)
    void LoadPatternsStep();
    void LoadBackgroundStep();
    void LoadDeckStep();
    void PaintCloth();
    void PaintBackdrop(PictureBox* picture);
    void PaintScoreBackdrop(PictureBox* picture);
    void PlaceWindow();
    void FitOuterSize();

    // Card rendering helpers (tform1_card_rendering.cpp)
    void DrawFanCard(QImage& surface, int card, bool faceUp, bool column, int offset);
    void DrawDesignThumbnails(const QImage& sheet);

    // Options panel helpers (tform1_options_panel.cpp)
    void PlaceSeatLabels();

    // Play control helpers (tform1_play_events.cpp)
    void ConnectPlayHandlers();
    void RunTurnSequence(const std::function<void()>& body);
    void CloseIfAsked(); // a close that came while a handler ran is carried out after it

    // Rules viewer helper (tform1_rules_viewer.cpp)
    void ShowRulesPage(const RulesPage& page);

    // Keyboard helpers (tform1_keyboard.cpp)
    void SetUpKeyboard();
    bool KeyFilter(QObject* watched, QEvent* event);
    bool TypingInBox() const;
    bool Shown(const char* name) const;
    bool ClickReaches(QWidget* control, QPoint at) const;
    bool Press(const char* picture);
    void PressHandSlot(Qt::MouseButton button);
    bool RulesKey(int key);
    bool OptionsKey(int key);
    bool DealKey(int key);
    bool PlayKey(int key, Qt::KeyboardModifiers modifiers);
    void MoveHandFocus(int slot);
    void FollowHand(); // after a redraw: the same card where it is still held, else nearby
    void UpdateFocusRings();
    void UseKeys(bool used);

    // Names helper (tform1_accessibility.cpp)
    void NameControls();

    Engine& engine_;
    Pacer& pacer_;
    GameLog& log_;
    QHash<QString, QWidget*> controls_;
    QHash<QObject*, std::function<void(int)>> keyDownHandlers_;
    std::array<PictureBox*, 20> handSlots_{};
    QImage deckBitmap_;
    QImage patternsBitmap_;
    QImage backgroundBitmap_;
    QRgb keyColor_ = 0;
    QRgb noticeColor_ = 0;
    bool startedUp_ = false;
    bool shownOnce_ = false;
    bool fitted_ = false;      // the start-up has given the window its outer size
    bool frameFitted_ = false; // ...counting the desktop's frame
    std::unique_ptr<TForm2> chooser_;
    std::function<void(const QString&)> errorReporter_;
    TurnFlow* flow_ = nullptr;
    int handlerDepth_ = 0; // handlers on the stack; the window may not go while one runs
    bool closing_ = false; // the window was asked to close; it goes once no handler runs
    // The card in flight: where it set off and how far it moves at each step.
    QPoint flightStart_;
    QPoint flightStep_;
    // Where the keys stand in the hand: the slot, and the card it showed then.
    int handFocus_ = 1;
    int handFocusCard_ = 0;
    bool keysUsed_ = false;
    FocusRing* handRing_ = nullptr;   // round the hand card the keys stand on
    FocusRing* buttonRing_ = nullptr; // round a picture button of the options panel
};

// Counts a handler on the stack for as long as it runs.
class HandlerScope {
  public:
    explicit HandlerScope(int& depth) : depth_(depth) { ++depth_; }
    ~HandlerScope() { --depth_; }
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

  private:
    int& depth_;
};

template <class Handler> void TForm1::Guarded(Handler&& handler) {
    {
        const HandlerScope scope(handlerDepth_);
        try {
            handler();
        } catch (const std::exception& error) {
            // A window on its way out shows no more boxes.
            if (!closing_)
                ShowError(QString::fromStdString(error.what()));
        }
    }
    CloseIfAsked();
}

template <class Sender, class... Args, class Handler>
void TForm1::On(const QString& name, void (Sender::*signal)(Args...), Handler handler) {
    auto* sender = qobject_cast<Sender*>(Control(name));
    connect(sender, signal, this,
            [this, handler](Args... args) { Guarded([&] { handler(args...); }); });
}

// The seat-3 name that shows the computer hands face up for the rest of the run.
std::string RevealWord();
