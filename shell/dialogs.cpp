#include "shell/dialogs.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "game/game_window.h"
#include "game/new_game.h"
#include "game/window_messages.h"
#include "shell/dialog_units.h"

namespace orbel {
namespace {

QPixmap infoPicture() { return QPixmap(QStringLiteral(":/pieces/%1.png").arg(res::InfoPicture)); }

}  // namespace

NewGameSetupDialog::NewGameSetupDialog(GameWindow& window, QWidget* owner) : QDialog(owner), window_(window) {
    setWindowTitle(QStringLiteral("New Game Setup"));
    setFont(dialogFont("MS Sans Serif", 8));
    const DialogUnits du(font());
    setFixedSize(du.size(186, 100));
    if (owner) move(owner->mapToGlobal(QPoint(du.px(50), du.py(50))));

    setStyleSheet(groupBoxStyleSheet(font()));
    auto* colour = new QGroupBox(QStringLiteral("Color"), this);
    colour->setGeometry(du.rect(15, 7, 95, 33));
    auto* ai = new QGroupBox(QStringLiteral("AI"), this);
    ai->setGeometry(du.rect(15, 45, 95, 45));

    auto makeRadio = [this](int id, const char* label, QRect at) { return radioButton(this, id, label, at); };
    white_ = makeRadio(ctl::White, "White", du.rect(20, 15, 40, 15));
    black_ = makeRadio(ctl::Black, "Black", du.rect(60, 15, 40, 15));
    easy_ = makeRadio(ctl::Easy, "Easy", du.rect(20, 55, 35, 10));
    medium_ = makeRadio(ctl::Medium, "Medium", du.rect(20, 65, 35, 10));
    hard_ = makeRadio(ctl::Hard, "Hard", du.rect(20, 75, 35, 10));
    // The two groups of automatic radio buttons.
    auto* colours = new QButtonGroup(this);
    colours->addButton(white_);
    colours->addButton(black_);
    auto* levels = new QButtonGroup(this);
    levels->addButton(easy_);
    levels->addButton(medium_);
    levels->addButton(hard_);
    white_->raise();
    black_->raise();
    easy_->raise();
    medium_->raise();
    hard_->raise();

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setGeometry(du.rect(129, 7, 50, 14));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setGeometry(du.rect(129, 24, 50, 14));
    connect(ok_, &QPushButton::clicked, this, &NewGameSetupDialog::confirm);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    // White and Hard, every time the dialog opens.
    white_->setChecked(true);
    hard_->setChecked(true);
}

QRadioButton* NewGameSetupDialog::radio(int id) const {
    switch (id) {
    case ctl::White: return white_;
    case ctl::Black: return black_;
    case ctl::Easy: return easy_;
    case ctl::Medium: return medium_;
    case ctl::Hard: return hard_;
    default: return nullptr;
    }
}

void NewGameSetupDialog::confirm() {
    const int level = easy_->isChecked() ? LevelEasy : medium_->isChecked() ? LevelMedium : LevelHard;
    if (white_->isChecked() || black_->isChecked()) startOnePlayerGame(window_, black_->isChecked(), level);
    accept();
}

InfoDialog::InfoDialog(Kind kind, QWidget* owner) : QDialog(owner) {
    if (kind == Kind::About) {
        setWindowTitle(QStringLiteral("About Orbel Chess 3.0"));
        setFont(dialogFont("Times New Roman", 10));
        const DialogUnits du(font());
        staticText(this, text::AboutRights, du, QRect(50, 5, 119, 25));
        ok_ = new QPushButton(QStringLiteral("OK"), this);
        ok_->setGeometry(du.rect(185, 6, 40, 14));
        picture(this, infoPicture(), du, QPoint(10, 5), true);
        staticText(this, text::AboutFeatures, du, QRect(15, 35, 200, 45));
        staticText(this, text::AboutInternet, du, QRect(15, 80, 210, 35));
        setDialogSize(this, du, 231, 123);
    } else {
        setWindowTitle(QStringLiteral("What's new in 3.0?"));
        setFont(dialogFont("MS Sans Serif", 8));
        const DialogUnits du(font());
        ok_ = new QPushButton(QStringLiteral("OK"), this);
        ok_->setGeometry(du.rect(190, 5, 50, 14));
        // Room to grow down: the second text starts at 92.
        staticText(this, text::WhatsNewChanges, du, QRect(45, 5, 135, 84));
        picture(this, infoPicture(), du, QPoint(10, 5), false);
        staticText(this, text::WhatsNewMore, du, QRect(45, 92, 140, 44));
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
    // Centred over the window that owns the box (the screen when none does).
    const QRect outer = parentWidget() ? parentWidget()->window()->frameGeometry()
                                       : (screen() ? screen()->geometry() : QRect());
    move(outer.left() + outer.width() / 2 - frameGeometry().width() / 2,
         outer.top() + outer.height() / 2 - frameGeometry().height() / 2);
    QDialog::showEvent(event);
}

}  // namespace orbel
