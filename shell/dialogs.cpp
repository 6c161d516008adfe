#include "shell/dialogs.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "shell/dialog_units.h"
#include "shell/resource_ids.h"
#include "shell/texts.h"
#include "shell/translation.h"

namespace orbel {
namespace {

QPixmap infoPicture() { return QPixmap(QStringLiteral(":/pieces/%1.png").arg(res::InfoPicture)); }

}  // namespace

NewGameSetupDialog::NewGameSetupDialog(Start start, QWidget* owner, ChooseTimeControl chooseTimeControl,
                                       const QStringList& engines)
    : QDialog(owner), start_(std::move(start)) {
    setWindowTitle(tr("New Game Setup"));
    setFont(dialogFont("MS Sans Serif", 8));
    const DialogUnits du(font());
    // The engines grow the AI frame downwards: a line each, and the Elo's.
    const int grown = engines.isEmpty() ? 0 : 10 * static_cast<int>(engines.size()) + 16;
    setFixedSize(du.size(186, 100 + grown));
    if (owner) move(owner->mapToGlobal(QPoint(du.px(50), du.py(50))));

    setStyleSheet(groupBoxStyleSheet(font()));
    auto* colour = new QGroupBox(tr("Color"), this);
    colour->setGeometry(du.rect(15, 7, 95, 33));
    //: The frame of the computer opponent's levels and engines.
    auto* ai = new QGroupBox(tr("AI"), this);
    ai->setGeometry(du.rect(15, 45, 95, 45 + grown));

    // The two groups of automatic radio buttons, each button under its
    // control identifier and inside its frame.
    colours_ = new QButtonGroup(this);
    levels_ = new QButtonGroup(this);
    // Each with its first letter as its key (Alt+W ... Alt+H).
    addRadio(colours_, colour, ctl::White, tr("&White"), du.rect(20, 15, 40, 15));
    addRadio(colours_, colour, ctl::Black, tr("&Black"), du.rect(60, 15, 40, 15));
    addRadio(levels_, ai, ctl::Easy, tr("&Easy"), du.rect(20, 55, 35, 10));
    addRadio(levels_, ai, ctl::Medium, tr("&Medium"), du.rect(20, 65, 35, 10));
    addRadio(levels_, ai, ctl::Hard, tr("&Hard"), du.rect(20, 75, 35, 10));
    for (int i = 0; i < engines.size(); ++i) {
        // An engine names itself: cut short to the frame, whole for a reader,
        // and never taken for a key.
        addRadio(levels_, ai, ctl::FirstEngine + i, QString(), du.rect(20, 85 + 10 * i, 85, 10));
        QAbstractButton* radio = levels_->button(ctl::FirstEngine + i);
        radio->setText(QFontMetrics(font()).elidedText(engines[i], Qt::ElideRight, du.px(72)).replace('&', "&&"));
        radio->setAccessibleName(engines[i]);
    }
    if (!engines.isEmpty()) addEloBox(ai, du, 87 + 10 * static_cast<int>(engines.size()));

    addButtons(du, 76 + grown, std::move(chooseTimeControl));

    // White and Hard, every time the dialog opens; the keys start on White
    // (arrows choose within a group, Tab goes to the next).
    colours_->button(ctl::White)->setChecked(true);
    levels_->button(ctl::Hard)->setChecked(true);
    tabToChecked(colours_);
    tabToChecked(levels_);
    colours_->button(ctl::White)->setFocus();
}

void NewGameSetupDialog::addButtons(const DialogUnits& du, int timeControlTop, ChooseTimeControl chooseTimeControl) {
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setGeometry(du.rect(129, 7, 50, 14));
    ok_->setDefault(true);
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setGeometry(du.rect(129, 24, 50, 14));
    connect(ok_, &QPushButton::clicked, this, &NewGameSetupDialog::confirm);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    // Below Cancel, level with the foot of the AI frame; last in Tab's order.
    if (chooseTimeControl) {
        timeControl_ = new QPushButton(tr("&Time Control..."), this);
        timeControl_->setGeometry(du.rect(119, timeControlTop, 60, 14));
        connect(timeControl_, &QPushButton::clicked, this, [this, choose = std::move(chooseTimeControl)] { choose(this); });
        fitTimeControlButton(du);
    }
}

void NewGameSetupDialog::fitTimeControlButton(const DialogUnits& du) {
    // A longer text than English's grows the button to the left, up to the
    // AI frame; past it the dialog grows, the buttons' column with it.
    const QString text = QString(timeControl_->text()).remove(QLatin1Char('&'));
    const int needed = timeControl_->fontMetrics().horizontalAdvance(text) + du.px(8);
    if (needed <= timeControl_->width()) return;
    const int room = timeControl_->geometry().right() - du.px(112);
    const int wider = std::max(0, needed - room);
    QRect at = timeControl_->geometry();
    at.setLeft(at.right() - needed + 1);
    timeControl_->setGeometry(at.translated(wider, 0));
    if (wider == 0) return;
    setFixedSize(width() + wider, height());
    for (QPushButton* button : {ok_, cancel_}) button->move(button->x() + wider, button->y());
}

void NewGameSetupDialog::addEloBox(QWidget* frame, const DialogUnits& du, int top) {
    // Where the engines set their strength by Elo; engines at full strength
    // play far above its top.
    auto* label = new QLabel(tr("E&lo:"), frame);
    label->setFont(font());
    label->setGeometry(du.rect(32, top + 2, 20, 10).translated(-frame->pos()));
    elo_ = new QSpinBox(frame);
    elo_->setFont(font());
    elo_->setRange(800, 3000);
    elo_->setSingleStep(50);
    elo_->setValue(1500);
    elo_->setGeometry(du.rect(54, top, 40, 12).translated(-frame->pos()));
    elo_->setAccessibleName(tr("Engine's Elo"));
    label->setBuddy(elo_);
    const auto follow = [this] { elo_->setEnabled(levels_->checkedId() >= ctl::FirstEngine); };
    connect(levels_, &QButtonGroup::idToggled, elo_, follow);
    follow();
}

QRadioButton* NewGameSetupDialog::radio(int id) const {
    QAbstractButton* button = colours_->button(id);
    return qobject_cast<QRadioButton*>(button ? button : levels_->button(id));
}

void NewGameSetupDialog::confirm() {
    NewGameChoice choice;
    choice.level = LevelHard;
    switch (const int id = levels_->checkedId()) {
    case ctl::Easy: choice.level = LevelEasy; break;
    case ctl::Medium: choice.level = LevelMedium; break;
    default:
        if (id >= ctl::FirstEngine) choice.engine = id - ctl::FirstEngine;
        break;
    }
    if (elo_) choice.elo = elo_->value();
    const int colour = colours_->checkedId();
    choice.user = colour == ctl::Black ? Side::Black : Side::White;
    if (colour != -1) start_(choice);
    accept();
}

InfoDialog::InfoDialog(Kind kind, QWidget* owner) : QDialog(owner) {
    if (kind == Kind::About) {
        setWindowTitle(tr("About Orbel Chess 3.0"));
        setFont(dialogFont("Times New Roman", 10));
        const DialogUnits du(font());
        staticText(this, text::tr(text::AboutRights), du, QRect(50, 5, 119, 25));
        ok_ = new QPushButton(tr("OK"), this);
        ok_->setGeometry(du.rect(185, 6, 40, 14));
        picture(this, infoPicture(), du, QPoint(10, 5), true);
        staticText(this, text::tr(text::AboutFeatures), du, QRect(15, 35, 200, 45));
        staticText(this, text::tr(text::AboutInternet), du, QRect(15, 80, 210, 35));
        setDialogSize(this, du, 231, 123);
    } else {
        setWindowTitle(tr("What's new in 3.0?"));
        setFont(dialogFont("MS Sans Serif", 8));
        const DialogUnits du(font());
        ok_ = new QPushButton(tr("OK"), this);
        ok_->setGeometry(du.rect(190, 5, 50, 14));
        // Room to grow down: the second text starts at 92.
        staticText(this, text::tr(text::WhatsNewChanges), du, QRect(45, 5, 135, 84));
        picture(this, infoPicture(), du, QPoint(10, 5), false);
        staticText(this, text::tr(text::WhatsNewMore), du, QRect(45, 92, 140, 44));
        setDialogSize(this, du, 247, 150);
    }
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

QStringList InfoDialog::texts() const {
    QStringList out;
    for (const QLabel* label : findChildren<QLabel*>())
        if (!label->text().isEmpty()) out << label->text();
    return out;
}

void InfoDialog::showEvent(QShowEvent* event) {
    centreOverOwner(this);
    QDialog::showEvent(event);
}

KeysDialog::KeysDialog(QWidget* owner) : QDialog(owner) {
    setWindowTitle(tr("Keyboard"));
    auto* keys = new QPlainTextEdit(text::tr(text::KeyboardKeys), this);
    keys->setReadOnly(true);
    // Readers move through a read-only text by its caret.
    keys->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    keys->setAccessibleName(tr("Keys on the board"));
    keys->setMinimumSize(560, 300);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(keys);
    layout->addWidget(ok, 0, Qt::AlignRight);
    keys->setFocus();
}

PromotionDialog::PromotionDialog(QWidget* owner) : QDialog(owner) {
    setWindowTitle(tr("Promotion"));
    auto* question = new QLabel(tr("The pawn becomes:"), this);
    auto* row = new QHBoxLayout;
    // A group, so the arrow keys step from one button to the next.
    auto* group = new QButtonGroup(this);
    const std::pair<const char*, PieceKind> pieces[] = {
        {QT_TR_NOOP("&Queen"), Queen},
        {QT_TR_NOOP("&Rook"), Rook},
        {QT_TR_NOOP("&Bishop"), Bishop},
        {QT_TR_NOOP("K&night"), Knight}};
    for (const auto& [label, kind] : pieces) {
        auto* button = new QPushButton(tr(label), this);
        group->addButton(button, kind);
        connect(button, &QPushButton::clicked, this, [this, kind = kind] { done(kind); });
        row->addWidget(button);
    }
    auto* queen = group->button(Queen);
    static_cast<QPushButton*>(queen)->setDefault(true);
    question->setBuddy(queen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addLayout(row);
    queen->setFocus();
}

void PromotionDialog::keyPressEvent(QKeyEvent* event) {
    const QString key = event->text().toUpper();
    const PieceKind kind = key == QLatin1String("Q")   ? Queen
                           : key == QLatin1String("R") ? Rook
                           : key == QLatin1String("B") ? Bishop
                           : key == QLatin1String("N") ? Knight
                                                       : NoPiece;
    if (kind != NoPiece && event->modifiers() == Qt::NoModifier) {
        done(kind);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace orbel
