// The shell's modal dialogs: New Game Setup, About and What's New. Their
// controls keep the dialog templates' texts, identifiers and layout (dialog
// units converted with the dialog font, as the templates were drawn).
#pragma once

#include <QDialog>
#include <functional>

#include "rules/position.h"

class QButtonGroup;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace orbel {

class DialogUnits;

// What New Game Setup's OK begins: the user's side, and the built-in
// computer's level or a chess engine (its place in the engines offered) at
// an Elo.
struct NewGameChoice {
    Side user = Side::White;
    int level = 0;
    int engine = -1;
    int elo = 1500;
};

class NewGameSetupDialog : public QDialog {
    Q_OBJECT
public:
    // `start` begins the game chosen, before the dialog closes with OK.
    using Start = std::function<void(const NewGameChoice& choice)>;
    // `chooseTimeControl` runs Time Control... over this dialog; without it
    // there is no such button.
    using ChooseTimeControl = std::function<void(QWidget* owner)>;
    // `engines` are offered below Hard, each with its radio button
    // (ctl::FirstEngine on), and with them a box for the Elo they play at.
    NewGameSetupDialog(Start start, QWidget* owner, ChooseTimeControl chooseTimeControl = {},
                       const QStringList& engines = {});

    QRadioButton* radio(int id) const;
    QSpinBox* eloBox() const { return elo_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* timeControlButton() const { return timeControl_; }

private:
    void confirm();
    void addButtons(const DialogUnits& du, int timeControlTop, ChooseTimeControl chooseTimeControl);
    void fitTimeControlButton(const DialogUnits& du);
    void addEloBox(QWidget* frame, const DialogUnits& du, int top);

    Start start_;
    QButtonGroup* colours_;
    QButtonGroup* levels_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* timeControl_ = nullptr;
    QSpinBox* elo_ = nullptr;
};

// About (103) and What's New (175): fixed texts and the picture, centred over
// the main window, closed with OK, Escape or the close box.
class InfoDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { About, WhatsNew };
    InfoDialog(Kind kind, QWidget* owner);

    QPushButton* okButton() const { return ok_; }
    // The texts of the static controls, in template order.
    QStringList texts() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* ok_ = nullptr;
};

// Help > Keyboard: the board's keys, a line each, in a text the keys and a
// screen reader move through; closed with OK or Escape.
class KeysDialog : public QDialog {
    Q_OBJECT
public:
    explicit KeysDialog(QWidget* owner);
};

// Which piece a pawn on the last rank becomes, under standard rules: four
// buttons, queen first and default, each also chosen by its letter (Q, R, B,
// N) or the arrow keys and Return. The result is the piece's kind; Escape
// or the close box gives Rejected.
class PromotionDialog : public QDialog {
    Q_OBJECT
public:
    explicit PromotionDialog(QWidget* owner);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

namespace text {
// Marked for translation like texts.h; text::tr gives them in the user's
// language. The rights line stays on the one line the template leaves it.
inline constexpr const char* AboutRights =
    QT_TRANSLATE_NOOP("orbel::text", "Orbel Chess Version 3.0\n\n\u00A9 2026 the Orbel Chess developers");
inline constexpr const char* AboutFeatures =
    QT_TRANSLATE_NOOP("orbel::text",
    "Orbel Chess is a complete chess game with the added feature of direct Internet play. \n\n"
    "- Orbel Chess's main AI includes three difficulty levels for customized game play.\n\n");
inline constexpr const char* AboutInternet =
    QT_TRANSLATE_NOOP("orbel::text",
    "- Direct Internet play support allows for friends to challenge each other from remote locations.\n\n"
    "All bugs should be reported to bugs@orbelchess.example");
inline constexpr const char* WhatsNewChanges =
    QT_TRANSLATE_NOOP("orbel::text",
    "Orbel Chess has undergone many changes which are listed below.\n\n"
    "- Direct Internet play support! Orbel Chess now allows users to challenge friends across the "
    "Internet.\n\n- Two player option \n\n- Ability to save and reload games\n\n");
inline constexpr const char* WhatsNewMore =
    QT_TRANSLATE_NOOP("orbel::text",
    "- GUI improvements including option to view chess board coordinates\n\n"
    "- Key bug fixes to make the game as stable as ever.");
}  // namespace text

}  // namespace orbel
