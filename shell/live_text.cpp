#include "shell/live_text.h"

#include <QAccessible>

namespace orbel {

LiveText::LiveText(QWidget* parent) : QWidget(parent) {
    // Shown (readers skip what is hidden), but of no size: it draws nothing
    // and takes no clicks.
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleDescription(QStringLiteral("Moves and messages"));
}

void LiveText::say(const QString& text) {
    ++count_;
    // NameChanged is raised by setAccessibleName when the words differ.
    setAccessibleName(text);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace orbel
