#include "shell/live_text.h"

#include <QAccessible>
#include <QApplication>

namespace orbel {
namespace {

// Texts this close together are one announcement.
constexpr int GatherMs = 120;
// The focus is settled when it has not moved for this long.
constexpr int FocusSettledMs = 250;
// With no window of ours active the reader is elsewhere: the text still
// goes, for a reader that reads the window again later.
constexpr int LongestWaitMs = 2000;

// A sentence ends with its stop, so that joined texts read as sentences.
QString sentence(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.endsWith(QLatin1Char('.')) || t.endsWith(QLatin1Char('!')) || t.endsWith(QLatin1Char('?')))
        return t;
    return t + QLatin1Char('.');
}

}  // namespace

LiveText::LiveText(QWidget* parent) : QWidget(parent) {
    // Shown (readers skip what is hidden), but of no size: it draws nothing
    // and takes no clicks.
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    wait_.setSingleShot(true);
    connect(&wait_, &QTimer::timeout, this, &LiveText::speak);
    focusMoved_.start();
    connect(qApp, &QApplication::focusChanged, this, [this] { focusMoved_.restart(); });
}

void LiveText::say(const QString& text) {
    ++count_;
    if (!gathering_) {
        gathered_.clear();
        gathering_ = true;
        waiting_.start();
        wait_.start(GatherMs);
    }
    last_ = sentence(text);
    gathered_ = gathered_.isEmpty() ? last_ : gathered_ + QLatin1Char(' ') + last_;
}

void LiveText::speak() {
    const qint64 sinceFocus = focusMoved_.elapsed();
    const bool unsettled = sinceFocus < FocusSettledMs || !QGuiApplication::focusWindow();
    if (unsettled && waiting_.elapsed() < LongestWaitMs) {
        wait_.start(sinceFocus < FocusSettledMs ? static_cast<int>(FocusSettledMs - sinceFocus) : GatherMs);
        return;
    }
    gathering_ = false;
    setAccessibleName(gathered_);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace orbel
