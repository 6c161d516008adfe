#include "shell/time_control_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "shell/modal.h"
#include "shell/settings.h"
#include "shell/window_state.h"

namespace orbel {
namespace {

// The common controls, in PGN's notation, after "no clock".
constexpr const char* PresetTexts[TimeControlDialog::Custom] = {"-", "60", "180+2", "300", "600+5", "900+10"};
constexpr const char* ChoiceLabels[TimeControlDialog::Choices] = {
    QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "&No clock"),
    QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "&1 minute"),
    QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "&3 minutes + 2 seconds a move"),
    QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "&5 minutes"),
    QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "1&0 minutes + 5 seconds a move"),
    QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "15 m&inutes + 10 seconds a move"),
    QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "&Custom")};
constexpr const char* FieldLabels[] = {
    QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "&Kind:"), QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "&Minutes:"),
    QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "&Seconds a move:"),
    QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "Mo&ves:"),
    QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "&Then minutes:")};
// A field's name to a screen reader while both sides have the same time...
constexpr const char* FieldNames[] = {
    QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "Kind"), QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "Minutes"),
    QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "Seconds a move"),
    QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "Moves"),
    QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "Then minutes")};
// ... and inside "White's %1" and "Black's %1" while they differ.
constexpr const char* SideFieldNames[] = {
    QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "kind"), QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "minutes"),
    QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "seconds a move"),
    QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "moves"),
    QT_TRANSLATE_NOOP("orbel::TimeControlDialog", "then minutes")};

// The limits readTimeControl keeps to: a day a period, ten minutes a move,
// 200 moves.
constexpr int MostMinutes = 24 * 60;
constexpr int MostSeconds = 600;
constexpr int MostMoves = 200;

enum class Unit { Hour, Minute, Second, Move };

// "1 minute", "5 minutes": the %n forms give a language all its plurals.
QString counted(std::int64_t count, Unit unit) {
    const int n = static_cast<int>(count);
    switch (unit) {
    case Unit::Hour:
        return n == 1 ? QCoreApplication::translate("orbel::TimeControl", "1 hour")
                      : QCoreApplication::translate("orbel::TimeControl", "%n hours", nullptr, n);
    case Unit::Minute:
        return n == 1 ? QCoreApplication::translate("orbel::TimeControl", "1 minute")
                      : QCoreApplication::translate("orbel::TimeControl", "%n minutes", nullptr, n);
    case Unit::Second:
        return n == 1 ? QCoreApplication::translate("orbel::TimeControl", "1 second")
                      : QCoreApplication::translate("orbel::TimeControl", "%n seconds", nullptr, n);
    case Unit::Move: break;
    }
    return n == 1 ? QCoreApplication::translate("orbel::TimeControl", "1 move")
                  : QCoreApplication::translate("orbel::TimeControl", "%n moves", nullptr, n);
}

QString duration(std::int64_t ms) {
    const std::int64_t seconds = ms / 1000;
    if (seconds >= 3600 && seconds % 3600 == 0) return counted(seconds / 3600, Unit::Hour);
    if (seconds >= 60 && seconds % 60 == 0) return counted(seconds / 60, Unit::Minute);
    return counted(seconds, Unit::Second);
}

// "90 minutes each for 40 moves, 30 seconds added after every move": each
// part wraps the words before it, which a language may put where it needs.
QString periodWords(const SideControl& side, std::size_t i, bool each) {
    const ClockPeriod& p = side.periods[i];
    QString text = duration(p.ms);
    //: %1 is a time, such as "90 minutes", that both sides have.
    if (each) text = QCoreApplication::translate("orbel::TimeControl", "%1 each").arg(text);
    if (p.moves > 0) {
        //: %1 is a time, such as "90 minutes each"; %2 a number of moves, such as "40 moves".
        text = QCoreApplication::translate("orbel::TimeControl", "%1 for %2").arg(text, counted(p.moves, Unit::Move));
    } else if (i > 0) {
        //: %1 is a time, such as "30 minutes".
        text = QCoreApplication::translate("orbel::TimeControl", "%1 for the rest of the game").arg(text);
    } else if (p.incrementMs == 0) {
        //: %1 is a time, such as "5 minutes each".
        text = QCoreApplication::translate("orbel::TimeControl", "%1 for the whole game").arg(text);
    }
    const QString seconds = counted(p.incrementMs / 1000, Unit::Second);
    //: A delay (Bronstein): %1 is the time so far, %2 a number of seconds.
    if (p.incrementMs > 0 && p.delay)
        text = QCoreApplication::translate("orbel::TimeControl", "%1, up to %2 of every move given back")
                   .arg(text, seconds);
    //: An increment (Fischer): %1 is the time so far, %2 a number of seconds.
    if (p.incrementMs > 0 && !p.delay)
        text = QCoreApplication::translate("orbel::TimeControl", "%1, %2 added after every move").arg(text, seconds);
    return text;
}

QString sideWords(const SideControl& side, bool each) {
    QString text;
    for (std::size_t i = 0; i < side.count; ++i) {
        const QString period = periodWords(side, i, i == 0 && each);
        //: One period of a clock after the other.
        text = i == 0 ? period : QCoreApplication::translate("orbel::TimeControl", "%1, then %2").arg(text, period);
    }
    return text;
}

QSpinBox* spinBox(QWidget* parent, int least, int most, int value) {
    auto* box = new QSpinBox(parent);
    box->setRange(least, most);
    box->setValue(value);
    return box;
}

}  // namespace

QString timeControlDescription(const TimeControl& control) {
    if (control.none()) return QCoreApplication::translate("orbel::TimeControl", "No clock");
    const QString notation = QString::fromStdString(timeControlText(control));
    //: %1 is the clock in PGN's notation, such as "300+2"; %2 its words.
    if (control.sides[0] == control.sides[1])
        return QCoreApplication::translate("orbel::TimeControl", "%1: %2")
            .arg(notation, sideWords(control.sides[0], true));
    //: %1 is the clock in PGN's notation; %2 White's time in words, %3 Black's.
    return QCoreApplication::translate("orbel::TimeControl", "%1: White %2; Black %3")
        .arg(notation, sideWords(control.sides[0], false), sideWords(control.sides[1], false));
}

QString timeControlShortName(const TimeControl& control) {
    //: Inside a sentence, such as "New games: no clock".
    if (control.none()) return QCoreApplication::translate("orbel::TimeControl", "no clock");
    const SideControl& side = control.sides[0];
    const ClockPeriod& p = side.periods[0];
    if (control.sides[1] == side && side.count == 1 && !p.delay && p.ms % 60000 == 0 && p.ms > 0)
        return QStringLiteral("%1+%2").arg(p.ms / 60000).arg(p.incrementMs / 1000);
    return QString::fromStdString(timeControlText(control));
}

TimeControlDialog::TimeControlDialog(const TimeControl& current, QWidget* owner) : QDialog(owner) {
    setWindowTitle(tr("Time Control"));
    auto* layout = new QVBoxLayout(this);
    // The dialog takes the height its result line needs.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(createChoices());
    layout->addWidget(createCustom());
    result_ = new QLabel(this);
    result_->setWordWrap(true);
    result_->setTextFormat(Qt::PlainText);
    result_->setMinimumHeight(fontMetrics().lineSpacing() * 3);
    result_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(result_);
    note_ = new QLabel(this);
    note_->setWordWrap(true);
    note_->setTextFormat(Qt::PlainText);
    note_->hide();
    layout->addWidget(note_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    fill(current);
    refresh();
    for (QRadioButton* choice : choices_)
        if (choice->isChecked()) choice->setFocus();
}

QWidget* TimeControlDialog::createChoices() {
    auto* box = new QGroupBox(tr("Clock"), this);
    auto* column = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < Choices; ++i) {
        auto* choice = new QRadioButton(tr(ChoiceLabels[i]), box);
        choices_[static_cast<std::size_t>(i)] = choice;
        group->addButton(choice, i);
        column->addWidget(choice);
    }
    connect(group, &QButtonGroup::idToggled, this, [this] { refresh(); });
    return box;
}

QWidget* TimeControlDialog::createCustom() {
    auto* box = new QGroupBox(tr("Custom"), this);
    custom_ = box;
    auto* grid = new QGridLayout(box);
    headers_[0] = new QLabel(box);
    headers_[1] = new QLabel(tr("Black"), box);
    grid->addWidget(headers_[0], 0, 1);
    grid->addWidget(headers_[1], 0, 2);
    // Made in the order Tab takes: White's fields, the handicap, Black's.
    addSideFields(grid, 1, sides_[0]);
    handicap_ = new QCheckBox(tr("&Black gets a different time"), box);
    grid->addWidget(handicap_, 6, 0, 1, 3);
    connect(handicap_, &QCheckBox::toggled, this, [this] {
        if (!filling_) kept_.reset();
        refresh();
    });
    addSideFields(grid, 2, sides_[1]);
    const SideFields& white = sides_[0];
    QWidget* buddies[] = {white.kind, white.minutes, white.seconds, white.moves, white.thenMinutes};
    for (int row = 0; row < 5; ++row) {
        auto* label = new QLabel(tr(FieldLabels[row]), box);
        label->setBuddy(buddies[row]);
        grid->addWidget(label, row + 1, 0);
    }
    return box;
}

void TimeControlDialog::addSideFields(QGridLayout* grid, int column, SideFields& fields) {
    QWidget* box = custom_;
    fields.kind = new QComboBox(box);
    fields.kind->addItems(
        {tr("Sudden death"), tr("Increment (Fischer)"), tr("Delay (Bronstein)"), tr("Moves per period")});
    fields.kind->setCurrentIndex(Increment);
    fields.minutes = spinBox(box, 1, MostMinutes, 5);
    fields.seconds = spinBox(box, 0, MostSeconds, 3);
    fields.moves = spinBox(box, 1, MostMoves, 40);
    fields.thenMinutes = spinBox(box, 1, MostMinutes, 30);
    const auto edited = [this] {
        if (!filling_) kept_.reset();
        refresh();
    };
    connect(fields.kind, &QComboBox::currentIndexChanged, this, edited);
    QWidget* row[] = {fields.kind, fields.minutes, fields.seconds, fields.moves, fields.thenMinutes};
    for (int i = 0; i < 5; ++i) {
        grid->addWidget(row[i], i + 1, column);
        if (auto* spin = qobject_cast<QSpinBox*>(row[i])) connect(spin, &QSpinBox::valueChanged, this, edited);
    }
}

void TimeControlDialog::fill(const TimeControl& current) {
    filling_ = true;
    int index = Custom;
    for (int i = 0; i < Custom; ++i)
        if (readTimeControl(PresetTexts[i]) == current) index = i;
    choices_[static_cast<std::size_t>(index)]->setChecked(true);
    if (index == Custom) {
        for (std::size_t s = 0; s < 2; ++s) {
            const SideControl& side = current.sides[s];
            const ClockPeriod& first = side.periods[0];
            const bool periods = side.count == 2 && first.moves > 0;
            const SideFields& f = sides_[s];
            f.kind->setCurrentIndex(periods                  ? MovesPerPeriod
                                    : first.incrementMs == 0 ? SuddenDeath
                                    : first.delay            ? Delay
                                                             : Increment);
            f.minutes->setValue(static_cast<int>(first.ms / 60000));
            f.seconds->setValue(static_cast<int>(first.incrementMs / 1000));
            if (!periods) continue;
            f.moves->setValue(first.moves);
            f.thenMinutes->setValue(static_cast<int>(side.periods[1].ms / 60000));
        }
        handicap_->setChecked(current.sides[0] != current.sides[1]);
        if (fromFields() != current) kept_ = current;
    }
    filling_ = false;
}

TimeControl TimeControlDialog::fromFields() const {
    TimeControl control;
    for (std::size_t s = 0; s < 2; ++s) {
        const SideFields& f = sides_[handicap_->isChecked() ? s : 0];
        const int kind = f.kind->currentIndex();
        ClockPeriod first{0, f.minutes->value() * 60000LL, 0, false};
        if (kind != SuddenDeath) first.incrementMs = f.seconds->value() * 1000LL;
        first.delay = kind == Delay && first.incrementMs > 0;
        SideControl& side = control.sides[s];
        side.count = kind == MovesPerPeriod ? 2 : 1;
        if (kind == MovesPerPeriod) {
            first.moves = f.moves->value();
            side.periods[1] = {0, f.thenMinutes->value() * 60000LL, first.incrementMs, false};
        }
        side.periods[0] = first;
    }
    return control;
}

TimeControl TimeControlDialog::chosen() const {
    for (int i = 0; i < Custom; ++i)
        if (choices_[static_cast<std::size_t>(i)]->isChecked())
            return readTimeControl(PresetTexts[i]).value_or(TimeControl{});
    return kept_ ? *kept_ : fromFields();
}

void TimeControlDialog::refresh() {
    const bool apart = handicap_->isChecked();
    custom_->setEnabled(choices_[Custom]->isChecked());
    headers_[0]->setText(apart ? tr("White") : tr("Each side"));
    headers_[1]->setEnabled(apart);
    for (std::size_t s = 0; s < 2; ++s) {
        const SideFields& f = sides_[s];
        const bool on = s == 0 || apart;
        const int kind = f.kind->currentIndex();
        QWidget* row[] = {f.kind, f.minutes, f.seconds, f.moves, f.thenMinutes};
        const bool enabled[] = {on, on, on && kind != SuddenDeath, on && kind == MovesPerPeriod,
                                on && kind == MovesPerPeriod};
        // A reader names each field by its label, and by its side when the
        // sides differ.
        for (int i = 0; i < 5; ++i) {
            row[i]->setEnabled(enabled[i]);
            const QString name = tr(SideFieldNames[i]);
            //: A field's name to a screen reader: %1 is one of "kind", "minutes", ...
            const QString black = tr("Black's %1").arg(name);
            //: A field's name to a screen reader: %1 is one of "kind", "minutes", ...
            const QString white = tr("White's %1").arg(name);
            row[i]->setAccessibleName(s == 1 ? black : apart ? white : tr(FieldNames[i]));
        }
    }
    result_->setText(resultText());
}

QString TimeControlDialog::resultText() const { return timeControlDescription(chosen()); }

void TimeControlDialog::setNote(const QString& note) {
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
}

std::optional<TimeControl> runTimeControlDialog(const ModalRunner& modal, WindowState& state, QWidget* owner,
                                                const QString& note) {
    TimeControlDialog dialog(state.timeControl, owner);
    dialog.setNote(note);
    if (modal.run(dialog) != QDialog::Accepted) return std::nullopt;
    state.timeControl = dialog.chosen();
    writeTimeControlSetting(state.timeControl);
    return state.timeControl;
}

}  // namespace orbel
