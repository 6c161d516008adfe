// The window's one live text: what a screen reader speaks when a move is
// made, a game ends, the opponent chats or the user asks to hear the
// position. Nothing of it is drawn; to a screen reader it is a notification
// whose name is the text.
//
// Qt 6.4 has no announcement event, so each new text raises the two events
// AT-SPI readers act on for such an object: object:property-change:
// accessible-name (NameChanged) for the new words, and object:state-changed:
// showing (ObjectShow), on which Orca speaks a notification's name.
#pragma once

#include <QString>
#include <QWidget>

namespace orbel {

class LiveText : public QWidget {
    Q_OBJECT
public:
    explicit LiveText(QWidget* parent);

    void say(const QString& text);
    QString text() const { return accessibleName(); }
    // How many texts were said: a repeated text is said again.
    int count() const { return count_; }

private:
    int count_ = 0;
};

}  // namespace orbel
