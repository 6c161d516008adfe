// The chat pane of network play, in the Brain pane's place: the six newest
// chat lines above a one-line edit field. The pane shows lines and reports
// what the user typed; sending and echoing are the caller's.
#pragma once

#include <QFont>
#include <QFrame>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "net/wire/protocol.h"

class QLabel;
class QLineEdit;

namespace orbel {

class ChatPane : public QFrame {
    Q_OBJECT
public:
    static constexpr int Lines = 6;
    // From the pane's client bottom edge to the end of the drawn text, the
    // empty line after the last line break included.
    static constexpr int BottomMargin = 7;
    // The room left is shown once this few characters remain.
    static constexpr int CountFrom = 14;

    // `paneFont` gives the font the lines are drawn in, asked for only when
    // there are lines to draw.
    ChatPane(std::function<const QFont&()> paneFont, QWidget* parent);

    // The newest line becomes line 0; the oldest of six is dropped.
    void addChatLine(const QString& line);
    void clearLines();
    // Index 0 the newest.
    QStringList lines() const;

    QLineEdit* edit() const { return edit_; }
    // The text last confirmed with Enter, as typed.
    const QString& lastChatInput() const { return lastChatInput_; }

    // Enter in the edit field: called with the text as typed (at most 74
    // characters), before the field is emptied.
    std::function<void(const QString& typed)> onEnter;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void enterPressed();
    void showRoomLeft(qsizetype typed);

    std::function<const QFont&()> paneFont_;
    QLineEdit* edit_;
    QLabel* left_;
    std::array<QString, Lines> chatLines_;
    QString lastChatInput_;
};

}  // namespace orbel
