#include "shell/net_dialogs.h"

#include <QApplication>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/dialog_units.h"
#include "shell/modal.h"
#include "shell/net_texts.h"
#include "shell/resource_ids.h"
#include "shell/translation.h"
#include "net/wire/protocol.h"

namespace orbel {
namespace {

// A bordered edit that scrolls horizontally (every QLineEdit does), holding
// at most `maxLength` characters however they arrive (typed or pasted).
QLineEdit* editField(QWidget* parent, int id, int maxLength, QRect at) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(maxLength);
    edit->setGeometry(at);
    edit->setProperty("controlId", id);
    return edit;
}

// The caption of every box that refuses a dialog's fields.
QString invalidInformation() { return QCoreApplication::translate("orbel::NetDialogs", "Invalid Information"); }

QPushButton* pushButton(QWidget* parent, const QString& text, QRect at, bool isDefault) {
    auto* button = new QPushButton(text, parent);
    button->setGeometry(at);
    button->setDefault(isDefault);
    return button;
}

}  // namespace

InternetGameDialog::InternetGameDialog(const WindowSeams& seams, QWidget* owner,
                                       std::function<void(QWidget* owner)> chooseClock)
    : QDialog(owner), seams_(seams) {
    setWindowTitle(text::tr(text::InternetGame));
    setFont(dialogFont("MS Sans Serif", 8));
    const DialogUnits du(font());
    setStyleSheet(groupBoxStyleSheet(font()));

    // The texts have room to their right, up to the buttons and the group.
    // Each text names its field to a screen reader, with a key to reach it.
    QLabel* hostLabel =
        staticText(this, tr("Enter &host name or IP address of opponent"), du, QRect(5, 10, 90, 20), Grow::Right);
    host_ = editField(this, ctl::HostEdit, MaxHostTextLength, du.rect(5, 30, 105, 15));
    hostLabel->setBuddy(host_);
    QLabel* nicknameLabel = staticText(this, tr("Enter your &nickname"), du, QRect(5, 50, 65, 10), Grow::Right);
    nickname_ = editField(this, ctl::NicknameEdit, static_cast<int>(MaxTypedNicknameLength), du.rect(5, 60, 105, 15));
    nicknameLabel->setBuddy(nickname_);

    auto* colour = new QGroupBox(tr("Color"), this);
    colour->setGeometry(du.rect(119, 42, 95, 33));
    // Each button under its control identifier.
    colours_ = new QButtonGroup(this);
    addRadio(colours_, colour, ctl::White, tr("&White"), du.rect(129, 52, 40, 15));
    addRadio(colours_, colour, ctl::Black, tr("&Black"), du.rect(169, 52, 40, 15));

    ok_ = pushButton(this, tr("OK"), du.rect(165, 5, 50, 14), true);
    cancel_ = pushButton(this, tr("Cancel"), du.rect(165, 20, 50, 14), false);
    connect(ok_, &QPushButton::clicked, this, &InternetGameDialog::confirm);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    // Under the fields, last in Tab's order.
    if (chooseClock) {
        QPushButton* clock = pushButton(this, tr("&Time Control..."), du.rect(5, 77, 60, 14), false);
        // A longer text than English's has the room of the fields above it.
        const int needed = clock->fontMetrics().horizontalAdvance(QString(clock->text()).remove('&')) + du.px(8);
        clock->resize(std::clamp(needed, clock->width(), du.px(105)), clock->height());
        connect(clock, &QPushButton::clicked, this, [this, choose = std::move(chooseClock)] { choose(this); });
    }
    setDialogSize(this, du, 225, 94);
    colours_->button(ctl::White)->setChecked(true);
    tabToChecked(colours_);
    host_->setFocus();
}

QRadioButton* InternetGameDialog::radio(int id) const { return qobject_cast<QRadioButton*>(colours_->button(id)); }

QString InternetGameDialog::host() const { return host_->text().left(MaxHostTextLength); }

QString InternetGameDialog::nickname() const { return nickname_->text().left(static_cast<int>(MaxTypedNicknameLength)); }

int InternetGameDialog::requestedColor() const {
    return colours_->checkedId() == ctl::Black ? BlackColorCode : WhiteColorCode;
}

void InternetGameDialog::confirm() {
    // The nickname is asked for first, then the address; the dialog stays
    // open until both are there.
    if (nickname().isEmpty()) {
        showMessageBox(seams_, this, tr("You must supply a nickname!"), invalidInformation(),
                           MessageIcon::Stop);
        return;
    }
    if (host().isEmpty()) {
        showMessageBox(seams_, this, tr("You must supply an address!"), invalidInformation(),
                           MessageIcon::Stop);
        return;
    }
    const HostField field = hostField();
    if (!field.ok) {
        showMessageBox(seams_, this, QString::fromStdString(field.reason), invalidInformation(),
                           MessageIcon::Stop);
        return;
    }
    accept();
}

HostField InternetGameDialog::hostField() const { return parseHostField(host().toStdString(), defaultPort_); }

NetworkAddressDialog::NetworkAddressDialog(std::function<QStringList()> lines, QWidget* owner, QAction* internetCalls)
    : QDialog(owner), lines_(std::move(lines)) {
    setWindowTitle(tr("Your Network Address"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("Others can call this copy of Orbel Chess at:"), this);
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setMinimumSize(460, 120);
    label->setBuddy(text_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    copy_ = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    connect(copy_, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(text()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(label);
    layout->addWidget(text_);
    if (internetCalls && internetCalls->isVisible()) {
        auto* offer = new QCheckBox(tr("Accept calls from the &Internet"), this);
        offer->setChecked(internetCalls->isChecked());
        auto* what = new QLabel(tr("While this is on, your router is asked to pass calls to this "
                                   "computer, from anyone who has your address."),
                                this);
        what->setWordWrap(true);
        offer->setAccessibleDescription(what->text());
        connect(offer, &QCheckBox::toggled, internetCalls, [internetCalls, this](bool on) {
            if (internetCalls->isChecked() != on) internetCalls->trigger();
            refresh();
        });
        layout->addWidget(offer);
        layout->addWidget(what);
    }
    layout->addWidget(buttons);
    refresh();
    auto* again = new QTimer(this);
    connect(again, &QTimer::timeout, this, &NetworkAddressDialog::refresh);
    again->start(500);
}

QString NetworkAddressDialog::text() const { return text_->toPlainText(); }

void NetworkAddressDialog::refresh() {
    const QString now = lines_().join(QLatin1Char('\n'));
    if (now != text_->toPlainText()) text_->setPlainText(now);
}

ConnectingDialog::ConnectingDialog(QWidget* owner) : QDialog(owner) {
    // No caption text; the frame keeps its close box, which cancels the call.
    setWindowTitle(QString());
    setFont(dialogFont("MS Sans Serif", 13));
    const DialogUnits du(font());

    // Room to grow down, to the button at 40.
    staticText(this, tr("Attempting connection.....\nPlease Wait....."), du, QRect(25, 15, 80, 15));

    // Never smaller than its own text, grown from its template place.
    cancel_ = pushButton(this, tr("Cancel Connect"), du.rect(30, 40, 60, 10), true);
    const QSize hint = cancel_->sizeHint();
    cancel_->setGeometry(du.rect(30, 40, du.unitsX(hint.width(), 60), du.unitsY(hint.height(), 10)));
    cancel_->setProperty("controlId", CancelConnect);
    connect(cancel_, &QPushButton::clicked, this, &ConnectingDialog::cancelConnect);
    setDialogSize(this, du, 126, 56);
}

void ConnectingDialog::done(int result) {
    if (!shown_) {
        // Not on screen yet: exec() would wait for a close that already came.
        pendingResult_ = result;
        setResult(result);
        return;
    }
    pendingResult_.reset();
    QDialog::done(result);
}

void ConnectingDialog::reject() { cancelConnect(); }

void ConnectingDialog::cancelConnect() {
    if (onCancelConnect) onCancelConnect();
    done(CancelConnect);
}

void ConnectingDialog::showEvent(QShowEvent* event) {
    centreOverOwner(this);
    QDialog::showEvent(event);
    shown_ = true;
    if (pendingResult_) {
        // Closed from inside the dialog's own event loop, once exec() has one.
        QMetaObject::invokeMethod(
            this, [this] {
                if (pendingResult_ && isVisible()) done(*pendingResult_);
            },
            Qt::QueuedConnection);
    }
}

NicknameDialog::NicknameDialog(const WindowSeams& seams, QWidget* owner) : QDialog(owner), seams_(seams) {
    setWindowTitle(tr("Nickname Selection"));
    setFont(dialogFont("MS Sans Serif", 8));
    const DialogUnits du(font());

    // Room to grow right; the edit is right below.
    QLabel* label =
        staticText(this, tr("Enter your &nickname for the current match"), du, QRect(7, 7, 117, 18), Grow::Right);
    nickname_ = editField(this, ctl::NicknameEdit, static_cast<int>(MaxTypedNicknameLength), du.rect(7, 26, 102, 14));
    label->setBuddy(nickname_);
    ok_ = pushButton(this, tr("OK"), du.rect(39, 45, 50, 14), true);
    setDialogSize(this, du, 131, 66);
    connect(ok_, &QPushButton::clicked, this, &NicknameDialog::confirm);
    nickname_->setFocus();
}

QString NicknameDialog::nickname() const { return nickname_->text().left(static_cast<int>(MaxTypedNicknameLength)); }

void NicknameDialog::confirm() {
    if (nickname().isEmpty()) {
        showMessageBox(seams_, this, tr("You must supply a nickname!"), invalidInformation(),
                           MessageIcon::Stop);
        return;
    }
    accept();
}

WaitingDialog::WaitingDialog(const QString& text, QWidget* owner) : QDialog(owner) {
    setWindowTitle(text::tr(text::InternetGame));
    setWindowModality(Qt::NonModal);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    // One line where the screen allows: a nickname is at most 24 characters.
    label->setMinimumWidth(std::min(label->fontMetrics().horizontalAdvance(text) + 4, 560));
    layout->addWidget(label);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* again = buttons->addButton(tr("&Call Again"), QDialogButtonBox::ActionRole);
    QPushButton* end = buttons->addButton(tr("&End Game"), QDialogButtonBox::DestructiveRole);
    again->setObjectName(QStringLiteral("call-again"));
    end->setObjectName(QStringLiteral("end-game"));
    layout->addWidget(buttons);
    connect(again, &QPushButton::clicked, this, &WaitingDialog::callAgain);
    connect(end, &QPushButton::clicked, this, &WaitingDialog::endGame);
    setAccessibleDescription(text);
}

}  // namespace orbel
