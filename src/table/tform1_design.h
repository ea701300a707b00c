// SPDX-License-Identifier: GPL-3.0-or-later
// The window's design: every control of the table with its name, kind, parent, place, size,
// caption, font size, colour and flags, in creation order, which is also the order in which
// overlapping controls lie on each other. The one list makes both the window's typed members
// (tform1.h) and the controls themselves (tform1_design.cpp), so a control named anywhere
// else is a member the compiler checks.
#pragma once

// The members are used as the widgets they are (moved, shown, passed as QWidget*), so their
// classes are complete wherever the window is.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>

#include "suitchooser/window_controls.h"

enum class ControlKind { Picture, Label, GroupBox, Panel, Radio, Check, Combo, Memo, Grid };

// The widget class that shows each kind of control.
template <ControlKind> struct ControlClass;
template <> struct ControlClass<ControlKind::Picture> { using type = PictureBox; };
template <> struct ControlClass<ControlKind::Label> { using type = TextLabel; };
template <> struct ControlClass<ControlKind::GroupBox> { using type = QGroupBox; };
template <> struct ControlClass<ControlKind::Panel> { using type = QFrame; };
template <> struct ControlClass<ControlKind::Radio> { using type = QRadioButton; };
template <> struct ControlClass<ControlKind::Check> { using type = QCheckBox; };
template <> struct ControlClass<ControlKind::Combo> { using type = QComboBox; };
template <> struct ControlClass<ControlKind::Memo> { using type = QPlainTextEdit; };
template <> struct ControlClass<ControlKind::Grid> { using type = QTableWidget; };
template <ControlKind K> using ControlOf = typename ControlClass<K>::type;

// One typed member of the window per row: `Image53` is a PictureBox*, and so on.
#define TFORM1_DECLARE_CONTROL(name, kind, ...) ControlOf<ControlKind::kind>* name = nullptr;

// X(name, kind, parent, left, top, width, height, caption, font pixels, colour, flags)
// The parent is the window (this) or a control made earlier. Labels size themselves to their
// caption; the font size 0 is the window's; the colour is the font colour of labels, memo and
// grid and the fill of panels and groups.
// clang-format off
#define TFORM1_DESIGN(X) \
    X(Image99, Picture, this, 0, 0, 1008, 718, "", 0, 0, 0)                                  \
    /* Seat names */                                                                         \
    X(Label1, Label, this, 473, 604, 67, 24, "Player 1", 19, kWhite, 0)                      \
    X(Label2, Label, this, 40, 284, 0, 0, "Player 2", 19, kWhite, Hidden)                    \
    X(Label3, Label, this, 473, 123, 0, 0, "Player 3", 19, kWhite, Hidden)                   \
    X(Label4, Label, this, 907, 284, 0, 0, "Player 4", 19, kWhite, Hidden)                   \
    X(Label29, Label, this, 907, 252, 0, 0, "Player 5", 19, kWhite, Hidden)                  \
    /* Computer hands (fans); shown transparent so the cloth shows round the card corners */ \
    X(Image21, Picture, this, 124, 272, 98, 505, "", 0, 0, Transparent)                      \
    X(Image31, Picture, this, 476, 24, 505, 98, "", 0, 0, Transparent)                       \
    X(Image41, Picture, this, 802, 272, 98, 505, "", 0, 0, Transparent)                      \
    X(Image35, Picture, this, 802, 272, 98, 505, "", 0, 0, Transparent)                      \
    /* The human's hand */                                                                   \
    X(Image1, Picture, this, 476, 496, 73, 98, "", 0, 0, Transparent)                        \
    X(Image2, Picture, this, 476, 496, 73, 98, "", 0, 0, Transparent)                        \
    X(Image3, Picture, this, 476, 496, 73, 98, "", 0, 0, Transparent)                        \
    X(Image4, Picture, this, 476, 496, 73, 98, "", 0, 0, Transparent)                        \
    X(Image5, Picture, this, 476, 496, 73, 98, "", 0, 0, Transparent)                        \
    X(Image6, Picture, this, 476, 496, 73, 98, "", 0, 0, Transparent)                        \
    X(Image7, Picture, this, 476, 496, 73, 98, "", 0, 0, Transparent)                        \
    X(Image8, Picture, this, 476, 496, 73, 98, "", 0, 0, Transparent)                        \
    X(Image9, Picture, this, 476, 496, 73, 98, "", 0, 0, Transparent)                        \
    X(Image10, Picture, this, 476, 496, 73, 98, "", 0, 0, Transparent)                       \
    X(Image11, Picture, this, 476, 496, 73, 98, "", 0, 0, Transparent)                       \
    X(Image12, Picture, this, 476, 496, 73, 98, "", 0, 0, Transparent)                       \
    X(Image13, Picture, this, 476, 496, 73, 98, "", 0, 0, Transparent)                       \
    X(Image14, Picture, this, 476, 496, 73, 98, "", 0, 0, Transparent)                       \
    X(Image15, Picture, this, 476, 496, 73, 98, "", 0, 0, Transparent)                       \
    X(Image16, Picture, this, 476, 496, 73, 98, "", 0, 0, Transparent)                       \
    X(Image17, Picture, this, 476, 496, 73, 98, "", 0, 0, Transparent)                       \
    X(Image18, Picture, this, 476, 496, 73, 98, "", 0, 0, Transparent)                       \
    X(Image19, Picture, this, 476, 496, 73, 98, "", 0, 0, Transparent)                       \
    /* Stock and discard pile */                                                             \
    X(Label5, Label, this, 424, 355, 81, 20, "Stock Pile", 16, kYellow, Bold)                \
    X(Label6, Label, this, 544, 355, 96, 20, "Discard Pile", 16, kYellow, Bold | Hidden)     \
    X(Image50, Picture, this, 416, 238, 73, 98, "", 0, 0, Transparent)                       \
    X(Image51, Picture, this, 420, 242, 73, 98, "", 0, 0, Transparent)                       \
    X(Image52, Picture, this, 424, 246, 73, 98, "", 0, 0, Transparent)                       \
    X(Image42, Picture, this, 509, 248, 11, 98, "", 0, 0, Hidden)                            \
    X(Image40, Picture, this, 520, 248, 11, 98, "", 0, 0, Hidden)                            \
    X(Image39, Picture, this, 531, 248, 11, 98, "", 0, 0, Hidden)                            \
    X(Image38, Picture, this, 542, 248, 11, 98, "", 0, 0, Hidden)                            \
    /* The discard top and the flying card are plain pictures, corners and all */            \
    X(Image60, Picture, this, 552, 248, 73, 98, "", 0, 0, Hidden)                            \
    /* The stock's top card also flies to the seats, so it lies over every hand */           \
    X(Image53, Picture, this, 428, 250, 73, 98, "", 0, 0, Transparent)                       \
    X(Image61, Picture, this, 552, 248, 73, 98, "", 0, 0, Hidden)                            \
    /* Turn arrows and named-suit markers */                                                 \
    X(Image81, Picture, this, 176, 416, 55, 55, "", 0, 0, Transparent | Hidden)              \
    X(Image82, Picture, this, 232, 416, 55, 55, "", 0, 0, Transparent | Hidden)              \
    X(Image83, Picture, this, 288, 416, 55, 55, "", 0, 0, Transparent | Hidden)              \
    X(Image84, Picture, this, 344, 416, 55, 55, "", 0, 0, Transparent | Hidden)              \
    X(Image71, Picture, this, 592, 168, 55, 55, "", 0, 0, Transparent | Hidden | Disabled)   \
    X(Image72, Picture, this, 648, 168, 55, 55, "", 0, 0, Transparent | Hidden | Disabled)   \
    X(Image73, Picture, this, 704, 168, 55, 55, "", 0, 0, Transparent | Hidden | Disabled)   \
    X(Image74, Picture, this, 760, 168, 55, 55, "", 0, 0, Transparent | Hidden | Disabled)   \
    /* Status text: the black shadow lies under its face */                                  \
    X(Label11, Label, this, 736, 72, 60, 28, "Player", 23, kBlack, Bold | Calibri)           \
    X(Label12, Label, this, 736, 96, 60, 28, "Player", 23, kNavy, Bold | Calibri)            \
    /* Banners and messages */                                                               \
    X(Label26, Label, this, 720, 376, 0, 0, "GAME OVER", 32, kWhite, Bold | Hidden)          \
    X(Label27, Label, this, 720, 408, 0, 0, "GAME", 32, kWhite, Bold | Hidden)               \
    X(Label36, Label, this, 824, 656, 0, 0, "", 16, kYellow, Bold | Hidden)                  \
    X(Label30, Label, this, 664, 640, 0, 0, "", 20, kWhite, Hidden)                          \
    /* High scores and counters */                                                           \
    X(Label37, Label, this, 25, 595, 0, 0, "High Scores", 19, kYellow, Bold)                 \
    X(Label38, Label, this, 25, 618, 0, 0, "100", 16, kLime, Bold)                           \
    X(Label39, Label, this, 80, 618, 0, 0, "100", 16, kLime, Bold)                           \
    X(Label40, Label, this, 25, 636, 0, 0, "100", 16, kLime, Bold)                           \
    X(Label41, Label, this, 80, 636, 0, 0, "100", 16, kLime, Bold)                           \
    X(Label42, Label, this, 25, 654, 0, 0, "100", 16, kLime, Bold)                           \
    X(Label43, Label, this, 80, 654, 0, 0, "100", 16, kLime, Bold)                           \
    X(Label44, Label, this, 25, 672, 0, 0, "100", 16, kLime, Bold)                           \
    X(Label45, Label, this, 80, 672, 0, 0, "100", 16, kLime, Bold)                           \
    X(Label46, Label, this, 25, 690, 0, 0, "100", 16, kLime, Bold)                           \
    X(Label47, Label, this, 80, 690, 0, 0, "100", 16, kLime, Bold)                           \
    X(Label48, Label, this, 25, 708, 0, 0, "100", 16, kAqua, Bold)                           \
    X(Label49, Label, this, 80, 708, 0, 0, "100", 16, kAqua, Bold)                           \
    X(Label52, Label, this, 200, 664, 0, 0, "Games", 19, kYellow, Bold)                      \
    X(Label53, Label, this, 288, 664, 0, 0, "Wins", 19, kYellow, Bold)                       \
    X(Label50, Label, this, 216, 684, 0, 0, "0", 19, kWhite, Bold)                           \
    X(Label51, Label, this, 304, 684, 0, 0, "0", 19, kWhite, Bold)                           \
    /* Saving between rounds */                                                              \
    X(Label28, Label, this, 672, 640, 0, 0, "Save Game", 13, kYellow, Bold | Hidden)         \
    X(ComboBox3, Combo, this, 664, 660, 110, 21, "", 0, kGreen, Hidden | Disabled)           \
    /* VIEW RULES */                                                                         \
    X(Image33, Picture, this, 446, 656, 117, 30, "", 0, 0, 0)                                \
    /* Deal panel */                                                                         \
    X(GroupBox1, GroupBox, this, 400, 335, 208, 120, "", 0, kHighlight, 0)                   \
    X(Image23, Picture, GroupBox1, 0, 0, 208, 120, "", 0, 0, Stretch)                        \
    X(Label14, Label, GroupBox1, 96, 8, 0, 0, "Select Deal Cards", 11, kYellow, Bold)        \
    X(ImageDeal, Picture, GroupBox1, 8, 40, 105, 57, "", 0, 0, Stretch)                      \
    X(Label10, Label, GroupBox1, 144, 30, 0, 0, "4 Cards", 13, kYellow, Bold)                \
    X(Label13, Label, GroupBox1, 144, 50, 0, 0, "5 Cards", 13, kYellow, Bold)                \
    X(Label15, Label, GroupBox1, 144, 70, 0, 0, "6 Cards", 13, kYellow, Bold)                \
    X(Label16, Label, GroupBox1, 144, 90, 0, 0, "7 Cards", 13, kYellow, Bold)                \
    X(RadioButton1, Radio, GroupBox1, 120, 32, 14, 14, "", 0, 0, 0)                          \
    X(RadioButton2, Radio, GroupBox1, 120, 52, 14, 14, "", 0, 0, 0)                          \
    X(RadioButton3, Radio, GroupBox1, 120, 72, 14, 14, "", 0, 0, Checked)                    \
    X(RadioButton4, Radio, GroupBox1, 120, 92, 14, 14, "", 0, 0, 0)                          \
    /* Options panel */                                                                      \
    X(Panel1, Panel, this, 364, 190, 280, 337, "", 0, kHighlight, 0)                         \
    X(Image98, Picture, Panel1, 0, 0, 280, 337, "", 0, 0, 0)                                 \
    X(Label23, Label, Panel1, 8, 46, 0, 0, "Change Names", 13, kYellow, Bold)                \
    X(Label9, Label, Panel1, 144, 46, 0, 0, "Saved Games", 13, kYellow, Bold)                \
    X(Label21, Label, Panel1, 16, 99, 0, 0, "Play Until", 13, kYellow, Bold)                 \
    X(Label24, Label, Panel1, 24, 116, 0, 0, "Score", 13, kYellow, Bold)                     \
    X(Label22, Label, Panel1, 128, 120, 0, 0, "Select Card Design", 13, kYellow, Bold)       \
    X(Image24, Picture, Panel1, 128, 144, 48, 65, "", 0, 0, 0)                               \
    X(Image25, Picture, Panel1, 160, 160, 48, 65, "", 0, 0, 0)                               \
    X(Image26, Picture, Panel1, 192, 176, 48, 65, "", 0, 0, 0)                               \
    X(Image27, Picture, Panel1, 224, 192, 48, 65, "", 0, 0, 0)                               \
    X(Image20, Picture, Panel1, 8, 264, 105, 57, "", 0, 0, Stretch)                          \
    X(Label25, Label, Panel1, 136, 263, 0, 0, "Quick Deal", 13, kYellow, Bold)               \
    X(Label7, Label, Panel1, 136, 281, 0, 0, "Sort Cards by Points", 13, kYellow, Bold)      \
    X(Label8, Label, Panel1, 139, 298, 0, 0, "Progressive Twos", 13, kYellow, Bold)          \
    X(GroupBox3, GroupBox, Panel1, 0, 0, 273, 41, "", 0, kHighlight, 0)                      \
    X(Image32, Picture, GroupBox3, 0, 0, 273, 41, "", 0, 0, 0)                               \
    X(Label32, Label, GroupBox3, 48, 1, 0, 0, "Select Number of Players", 13, kYellow, Bold) \
    X(Label33, Label, GroupBox3, 72, 17, 0, 0, "3", 13, kYellow, Bold)                       \
    X(Label34, Label, GroupBox3, 144, 17, 0, 0, "4", 13, kYellow, Bold)                      \
    X(Label35, Label, GroupBox3, 216, 17, 0, 0, "5", 13, kYellow, Bold)                      \
    X(RadioButton10, Radio, GroupBox3, 48, 18, 14, 14, "", 0, 0, 0)                          \
    X(RadioButton11, Radio, GroupBox3, 120, 18, 14, 14, "", 0, 0, Checked)                   \
    X(RadioButton12, Radio, GroupBox3, 192, 18, 14, 14, "", 0, 0, 0)                         \
    X(ComboBox1, Combo, Panel1, 8, 64, 110, 24, "", 0, 0, 0)                                 \
    X(ComboBox2, Combo, Panel1, 144, 64, 110, 21, "", 0, 0, 0)                               \
    X(GroupBox2, GroupBox, Panel1, 0, 138, 117, 109, "", 0, kHighlight, 0)                   \
    X(Image97, Picture, GroupBox2, 0, 0, 117, 109, "", 0, 0, 0)                              \
    X(Label17, Label, GroupBox2, 32, 4, 0, 0, "100 Points", 13, kYellow, Bold)               \
    X(Label18, Label, GroupBox2, 32, 24, 0, 0, "200 Points", 13, kYellow, Bold)              \
    X(Label19, Label, GroupBox2, 32, 44, 0, 0, "250 Points", 13, kYellow, Bold)              \
    X(Label20, Label, GroupBox2, 32, 64, 0, 0, "300 Points", 13, kYellow, Bold)              \
    X(Label31, Label, GroupBox2, 32, 84, 0, 0, "350 Points", 13, kYellow, Bold)              \
    X(RadioButton5, Radio, GroupBox2, 8, 4, 14, 14, "", 0, 0, 0)                             \
    X(RadioButton6, Radio, GroupBox2, 8, 24, 14, 14, "", 0, 0, 0)                            \
    X(RadioButton7, Radio, GroupBox2, 8, 44, 14, 14, "", 0, 0, Checked)                      \
    X(RadioButton8, Radio, GroupBox2, 8, 64, 14, 14, "", 0, 0, 0)                            \
    X(RadioButton9, Radio, GroupBox2, 8, 84, 14, 14, "", 0, 0, 0)                            \
    X(CheckBox1, Check, Panel1, 120, 264, 12, 12, "", 0, 0, Checked)                         \
    X(CheckBox2, Check, Panel1, 120, 282, 12, 12, "", 0, 0, 0)                               \
    X(CheckBox3, Check, Panel1, 120, 300, 12, 12, "", 0, 0, 0)                               \
    /* Score board */                                                                        \
    X(GroupBox4, GroupBox, this, 222, 228, 580, 197, "", 0, kGreen, Hidden | Disabled)       \
    X(Image36, Picture, GroupBox4, 0, 0, 580, 197, "", 0, 0, 0)                              \
    X(Image37, Picture, GroupBox4, 240, 158, 101, 30, "", 0, 0, 0)                           \
    X(StringGrid1, Grid, GroupBox4, 8, 4, 568, 150, "", 16, kWhite, Bold)                    \
    /* Rules viewer: VIEW RULES works at any moment, the score board's included, so the */   \
    /* rules lie over everything else */                                                     \
    X(Panel2, Panel, this, 171, 177, 665, 364, "", 0, kGreen, Hidden)                        \
    X(Image34, Picture, Panel2, 0, 0, 665, 364, "", 0, 0, 0)                                 \
    X(Image29, Picture, Panel2, 224, 331, 90, 30, "", 0, 0, 0)                               \
    X(Image30, Picture, Panel2, 320, 331, 90, 30, "", 0, 0, 0)                               \
    X(Image28, Picture, Panel2, 568, 331, 90, 30, "", 0, 0, 0)                               \
    X(Memo1, Memo, Panel2, 8, 8, 649, 321, "", 16, kYellow, 0)

// clang-format on
