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

class GameLog;
struct RulesPage;
class Pacer;
class PictureBox;
class TextLabel;
class TForm2;
class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QRadioButton;
class QTableWidget;

// A card sheet that cannot be used: the file is missing, is not a bitmap, or is too small for
// the cells the table cuts from it.
class BitmapError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class TForm1 : public QWidget {
    Q_OBJECT
  public:
    TForm1(Engine& engine, Pacer& pacer, GameLog& log, QWidget* parent = nullptr);
    ~TForm1() override;

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
    void ShowAllHandSlots(bool visible, bool enabled);
    void ClearHandSlot(int slot);
    void DrawHumanHand(int count, bool sort);
    int FanSpacing(int seat, bool column) const;
    void DrawSeatRow(int seat, int count, bool faceUp);
    void DrawSeatColumn(int seat, int count, bool faceUp);
    void PlaceSeat(int seat, bool visible);
    void PrepareSeatPictures();
    void ColorCardImage(PictureBox* picture);
    void Frame(PictureBox* picture);

    // ---- Stock pile (tform1_stock_pile.cpp) ---------------------------------------------------
    void ShowStockPile(int count, bool force);

    // ---- Options panel (tform1_options_panel.cpp) ---------------------------------------------
    void ShowSettings();
    void DesignClick(int design); // Image24Click .. Image27Click
    void ComboBox1Change(int index);
    void ComboBox1KeyDown(int key);
    void Image20Click(); // START

    // ---- Saved games (tform1_saved_games.cpp) -------------------------------------------------
    void ComboBox2KeyDown(int key);
    void ShowFileMessage(int kind); // 1 loaded, 2 saved

    // ---- Rules viewer (tform1_rules_viewer.cpp) -----------------------------------------------
    void Image33Click(); // VIEW RULES
    void Image29Click(); // PAGE DOWN
    void Image30Click(); // PAGE UP
    void Image28Click(); // EXIT

    // ---- High scores (tform1_high_scores.cpp) -------------------------------------------------
    void ShowHighScores();
    void ShowGamesAndWins();

    // ---- Handler boundary (tform1_start_up.cpp) -----------------------------------------------
    // Runs one event handler; a file or bitmap failure inside it ends the handler and is shown
    // in a message box, and the game goes on.
    template <class Handler> void Guarded(Handler&& handler);
    void ShowError(const QString& text);
    // Replaces the message box, for tests.
    void SetErrorReporter(std::function<void(const QString&)> reporter);

    // Discard tops painted since the deal; the pile's edge strips follow it.
    int32_t PileDepth = 0;

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

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

    // Rules viewer helper (tform1_rules_viewer.cpp)
    void ShowRulesPage(const RulesPage& page);

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
};

template <class Handler> void TForm1::Guarded(Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowError(QString::fromStdString(error.what()));
    }
}

// The seat-3 name that shows the computer hands face up for the rest of the run.
std::string RevealWord();
