#include "shell/menu_accessible.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>

namespace orbel {
namespace {

// The menu or menu bar showing `action`.
QWidget* ownerOf(const QAction* action) {
    for (QObject* o : action->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(o)) return menu;
        if (auto* bar = qobject_cast<QMenuBar*>(o)) return bar;
    }
    return nullptr;
}

QAction* activeActionOf(QWidget* owner) {
    if (auto* menu = qobject_cast<QMenu*>(owner)) return menu->activeAction();
    if (auto* bar = qobject_cast<QMenuBar*>(owner)) return bar->activeAction();
    return nullptr;
}

QRect actionRect(QWidget* owner, QAction* action) {
    QRect r;
    if (auto* menu = qobject_cast<QMenu*>(owner)) r = menu->actionGeometry(action);
    if (auto* bar = qobject_cast<QMenuBar*>(owner)) r = bar->actionGeometry(action);
    return QRect(owner->mapToGlobal(r.topLeft()), r.size());
}

// "<Control><Shift>c", as GTK writes an accelerator.
QString acceleratorText(const QKeySequence& keys) {
    if (keys.isEmpty()) return {};
    const QKeyCombination combination = keys[0];
    QString out;
    const Qt::KeyboardModifiers mods = combination.keyboardModifiers();
    if (mods & Qt::ControlModifier) out += QStringLiteral("<Control>");
    if (mods & Qt::ShiftModifier) out += QStringLiteral("<Shift>");
    if (mods & Qt::AltModifier) out += QStringLiteral("<Alt>");
    const QString key = QKeySequence(combination.key()).toString(QKeySequence::PortableText);
    return out + (key.size() == 1 ? key.toLower() : key);
}

class MenuItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit MenuItemAccessible(QAction* action) : action_(action) {}

    bool isValid() const override { return action_ && ownerOf(action_); }
    QObject* object() const override { return action_; }
    QWindow* window() const override {
        QWidget* owner = ownerOf(action_);
        return owner && owner->window() ? owner->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(ownerOf(action_)); }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && action_->menu() ? QAccessible::queryAccessibleInterface(action_->menu()) : nullptr;
    }
    int childCount() const override { return action_->menu() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return childCount() && child == this->child(0) ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override {
        return action_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            QString name = action_->text();
            name.remove(QRegularExpression(QStringLiteral("&(?!&)")));
            return name;
        }
        if (t == QAccessible::Accelerator) return action_->shortcut().toString(QKeySequence::NativeText);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return actionRect(ownerOf(action_), action_); }
    QAccessible::State state() const override {
        QAccessible::State s;
        QWidget* owner = ownerOf(action_);
        s.invisible = !action_->isVisible() || !owner || !owner->isVisible();
        s.disabled = !action_->isEnabled();
        s.focusable = !action_->isSeparator();
        s.focused = s.selected = owner && activeActionOf(owner) == action_;
        s.checkable = action_->isCheckable();
        s.checked = action_->isChecked();
        s.hasPopup = action_->menu() != nullptr;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override {
        if (action_->isSeparator() || !action_->isEnabled()) return {};
        return {action_->menu() ? showMenuAction() : pressAction()};
    }
    void doAction(const QString& name) override {
        if (!action_->isEnabled()) return;
        QWidget* owner = ownerOf(action_);
        if (name == showMenuAction() && action_->menu()) {
            if (auto* bar = qobject_cast<QMenuBar*>(owner)) bar->setActiveAction(action_);
            if (auto* menu = qobject_cast<QMenu*>(owner)) menu->setActiveAction(action_);
        } else if (name == pressAction()) {
            action_->trigger();
        }
    }
    QStringList keyBindingsForAction(const QString&) const override {
        const QString accelerator = acceleratorText(action_->shortcut());
        if (accelerator.isEmpty()) return {};
        // The letter after "&", which opens the item from its menu.
        const qsizetype amp = action_->text().indexOf(QLatin1Char('&'));
        const QString mnemonic = amp >= 0 && amp + 1 < action_->text().size() ? action_->text().mid(amp + 1, 1).toLower()
                                                                               : QString();
        return {mnemonic + QStringLiteral(";;") + accelerator};
    }

private:
    QPointer<QAction> action_;
};

}  // namespace

QAccessibleInterface* describeMenuItem(QObject* object) {
    auto* action = qobject_cast<QAction*>(object);
    return action && ownerOf(action) ? new MenuItemAccessible(action) : nullptr;
}

}  // namespace orbel
