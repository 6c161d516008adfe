// The window's one live text: what a screen reader speaks when a move is
// made, a game ends, the opponent chats or the user asks for words. Nothing
// of it is drawn; to a screen reader it is a notification in the status bar
// whose name is the text, and Orca speaks such a notification whole, after
// whatever it is saying, without a role word.
//
// Qt 6.4 has no announcement event. Its name-changed event reaches AT-SPI
// without the new words, so Orca drops it; what it does act on is a
// notification becoming shown (object:state-changed:showing). Each text is
// therefore put in the name first and then shown.
//
// Texts that come together are said together ("You e4. Computer e5."): a
// second text within a moment would replace the first before the reader
// fetched it. And a text waits until the focus has settled, since the focus
// a dialog or menu hands back is spoken after it and would cut it off.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace orbel {

class LiveText : public QWidget {
    Q_OBJECT
public:
    explicit LiveText(QWidget* parent);

    void say(const QString& text);
    // The last text said, as a sentence; and what a reader hears with it
    // (the texts gathered into one announcement).
    QString text() const { return last_; }
    QString announcement() const { return gathered_; }
    // How many texts were said: a repeated text is said again.
    int count() const { return count_; }

private:
    void speak();

    QString last_;
    QString gathered_;
    bool gathering_ = false;
    int count_ = 0;
    QTimer wait_;
    QElapsedTimer focusMoved_;
    QElapsedTimer waiting_;
};

}  // namespace orbel
