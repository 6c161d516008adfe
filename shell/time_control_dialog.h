// Game > Time Control... and New Game Setup's button of the same name: the
// clock the next new game gets. No clock, five common controls, or a custom
// one (sudden death, an increment, a delay or moves per period, and for
// Black a time of its own), with the result below in PGN's notation and in
// words. The game on the board keeps the clock it began with.
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <optional>

#include "game/clock/time_control.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace orbel {

class ModalRunner;
struct WindowState;

// "180+2: 3 minutes each, 2 seconds added after every move", "No clock".
QString timeControlDescription(const TimeControl& control);
// What a player calls a common control: "3+2" (minutes and seconds a move)
// where it is one, else its PGN notation; "no clock".
QString timeControlShortName(const TimeControl& control);

class TimeControlDialog : public QDialog {
    Q_OBJECT
public:
    // The choices, in the order shown: no clock, the five common controls,
    // then a custom one.
    static constexpr int Choices = 7;
    static constexpr int Custom = Choices - 1;
    // Opens on `current`: its choice, or the custom fields filled with it.
    explicit TimeControlDialog(const TimeControl& current, QWidget* owner);

    TimeControl chosen() const;
    // A line above the buttons, hidden while empty.
    void setNote(const QString& note);

    // One side's custom fields, White's first (both sides' without the
    // handicap).
    struct SideFields {
        QComboBox* kind = nullptr;
        QSpinBox* minutes = nullptr;
        QSpinBox* seconds = nullptr;
        QSpinBox* moves = nullptr;
        QSpinBox* thenMinutes = nullptr;
    };
    // The custom kinds, in the order the kind box lists them.
    enum Kind { SuddenDeath, Increment, Delay, MovesPerPeriod };

    QRadioButton* choice(int index) const { return choices_[static_cast<std::size_t>(index)]; }
    const SideFields& fields(Side side) const { return sides_[static_cast<std::size_t>(side)]; }
    QCheckBox* handicapBox() const { return handicap_; }
    QString resultText() const;
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    QWidget* createChoices();
    QWidget* createCustom();
    void addSideFields(QGridLayout* grid, int column, SideFields& fields);
    void fill(const TimeControl& current);
    TimeControl fromFields() const;
    void refresh();

    std::array<QRadioButton*, Choices> choices_{};
    std::array<SideFields, 2> sides_{};
    std::array<QLabel*, 2> headers_{};
    QWidget* custom_ = nullptr;
    QCheckBox* handicap_ = nullptr;
    QLabel* result_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    // A control the custom fields cannot show (seconds that are no whole
    // minute, more periods) is kept as it was until a field is changed.
    std::optional<TimeControl> kept_;
    bool filling_ = false;
};

// Runs the dialog over `owner` through the window's modal runner, `note`
// under its choices; on OK the choice is kept for the next new game, in
// `state` and in the settings. Returns the choice, or nothing on Cancel.
std::optional<TimeControl> runTimeControlDialog(const ModalRunner& modal, WindowState& state, QWidget* owner,
                                                const QString& note = {});

}  // namespace orbel
