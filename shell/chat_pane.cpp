#include "shell/chat_pane.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace orbel {
namespace {

// A line exactly as given: control characters and Unicode line breaks would
// move or hide text, so they show as the replacement character instead.
QString displayable(const QString& line) {
    QString out = line;
    for (QChar& c : out) {
        const bool breaksOrControls = c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
                                      c == QChar::ParagraphSeparator;
        if (breaksOrControls) c = QChar::ReplacementCharacter;
    }
    return out;
}

}  // namespace

ChatPane::ChatPane(std::function<const QFont&()> paneFont, QWidget* parent)
    : QFrame(parent), paneFont_(std::move(paneFont)) {
    setFixedSize(241, 110);
    // A static edge: one sunken pixel around a white client area.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAccessibleName(tr("Chat:"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    edit_ = new QLineEdit(this);
    edit_->setGeometry(1, 88, 239, 20);
    edit_->setMaxLength(static_cast<int>(MaxTypedChatLength));
    edit_->setPlaceholderText(tr("Up to %1 characters; Enter sends").arg(MaxTypedChatLength));
    edit_->installEventFilter(this);
    // Near the limit the field says how much room is left, so input that
    // stops is no surprise.
    left_ = new QLabel(edit_);
    left_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    left_->setForegroundRole(QPalette::PlaceholderText);
    left_->hide();
    connect(edit_, &QLineEdit::textChanged, this, [this](const QString& text) { showRoomLeft(text.size()); });
}

void ChatPane::showRoomLeft(qsizetype typed) {
    const auto left = static_cast<qsizetype>(MaxTypedChatLength) - typed;
    const bool show = left <= CountFrom;
    left_->setVisible(show);
    if (!show) {
        edit_->setTextMargins(0, 0, 0, 0);
        return;
    }
    //: Room left in the chat line: %1 is a number of characters.
    left_->setText(tr("%1 left").arg(left));
    const int width = left_->sizeHint().width() + 4;
    left_->setGeometry(edit_->width() - width - 2, 0, width, edit_->height());
    edit_->setTextMargins(0, 0, width, 0);
}

void ChatPane::addChatLine(const QString& line) {
    std::move_backward(chatLines_.begin(), chatLines_.end() - 1, chatLines_.end());
    chatLines_[0] = line;
    update();
}

void ChatPane::clearLines() {
    for (QString& line : chatLines_) line.clear();
    update();
}

QStringList ChatPane::lines() const { return QStringList(chatLines_.begin(), chatLines_.end()); }

bool ChatPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            enterPressed();
            return true;
        }
        if (key == Qt::Key_Up) {
            edit_->setText(lastChatInput_);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void ChatPane::enterPressed() {
    const QString typed = edit_->text().left(static_cast<int>(MaxTypedChatLength));
    lastChatInput_ = typed;
    // The handler may show a message box, whose event loop runs anything.
    const QPointer<ChatPane> alive(this);
    if (onEnter) onEnter(typed);
    if (alive) edit_->clear();
}

void ChatPane::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (std::all_of(chatLines_.begin(), chatLines_.end(), [](const QString& l) { return l.isEmpty(); })) return;
    const QFont& paneFont = paneFont_();
    const QRect client = contentsRect();
    const int lineHeight = QFontMetrics(paneFont).height();

    // Oldest line first, each wrapped to the client's width at word
    // boundaries (a word wider than the pane is broken rather than cut off).
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    std::vector<std::unique_ptr<QTextLayout>> layouts;
    int rows = 0;
    for (auto it = chatLines_.rbegin(); it != chatLines_.rend(); ++it) {
        if (it->isEmpty()) continue;
        auto layout = std::make_unique<QTextLayout>(displayable(*it), paneFont);
        layout->setTextOption(option);
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(client.width());
            line.setPosition(QPointF(0, rows * lineHeight));
            ++rows;
        }
        layout->endLayout();
        layouts.push_back(std::move(layout));
    }
    if (rows == 0) return;

    // Each line is followed by a line break, so the text ends in one empty
    // line; that line ends BottomMargin pixels above the bottom, which puts
    // the newest text just above the edit field. Older lines leave at the
    // top, a whole line at a time.
    const int height = (rows + 1) * lineHeight;
    const QPointF origin(client.left(), client.top() + client.height() - BottomMargin - height);
    QPainter p(this);
    p.setClipRect(client);
    p.setPen(Qt::black);
    for (const auto& layout : layouts) {
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            if (origin.y() + line.y() >= client.top()) line.draw(&p, origin);
        }
    }
}

}  // namespace orbel
