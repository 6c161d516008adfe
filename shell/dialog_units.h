// Building blocks shared by the program's dialogs: positions and sizes in
// dialog units (as the templates were drawn), the templates' fonts, and the
// few kinds of control they are made of.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QRect>
#include <QScreen>
#include <QString>
#include <algorithm>
#include <limits>

namespace orbel {

// Dialog units: a quarter of the font's average character width across, an
// eighth of its height down. The average is the one Windows takes for a
// dialog's font (the 52 letters' extent over 26, halved rounding up), not the
// font's own average, so a layout keeps its proportions whatever font
// resolves.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font) {
        const QFontMetrics m(font);
        const int letters = m.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        baseX_ = std::max(1, (letters / 26 + 1) / 2);
        baseY_ = std::max(1, m.height());
    }
    QRect rect(int x, int y, int w, int h) const { return QRect(px(x), py(y), px(w), py(h)); }
    QRect rect(QRect units) const { return rect(units.x(), units.y(), units.width(), units.height()); }
    QSize size(int w, int h) const { return QSize(px(w), py(h)); }
    int px(int x) const { return (x * baseX_ + 2) / 4; }
    int py(int y) const { return (y * baseY_ + 4) / 8; }
    // The fewest units, at least `units`, that span `pixels`.
    int unitsX(int pixels, int units = 0) const {
        while (px(units) < pixels) ++units;
        return units;
    }
    int unitsY(int pixels, int units = 0) const {
        while (py(units) < pixels) ++units;
        return units;
    }

private:
    int baseX_;
    int baseY_;
};

// The templates' fonts by name; where they are missing, the metric-compatible
// Liberation families stand in (narrower than the usual default sans).
inline QFont dialogFont(const char* family, int points) {
    QFont f;
    // untranslated: font families
    const QString name = QString::fromLatin1(family);
    f.setFamilies({name, name.contains("Times") ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans")});
    f.setPointSize(points);
    return f;
}

// Whether `text`, wrapped as a label draws it, shows whole in `box`. Line
// breaks at its end show nothing and need no room.
inline bool textFits(const QFontMetrics& metrics, QString text, QSize box) {
    while (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), std::numeric_limits<int>::max() / 2),
                                              Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    return needed.width() <= box.width() && needed.height() <= box.height();
}

// Which way a static text may grow without running into its neighbours.
enum class Grow { Down, Right };

// A static text at its template place (in dialog units). Where this font
// wraps it onto more lines than the template's box holds, the box grows by
// whole units the way its neighbours leave free, never cutting the text.
inline QLabel* staticText(QWidget* parent, const QString& text, const DialogUnits& du, QRect units,
                          Grow grow = Grow::Down) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QFontMetrics metrics(label->font());
    // Bounded: a text that no growth can fit is left for its size to show.
    for (int step = 0; step < 1000 && !textFits(metrics, label->text(), du.rect(units).size()); ++step) {
        if (grow == Grow::Down)
            units.setHeight(units.height() + 1);
        else
            units.setWidth(units.width() + 1);
    }
    label->setGeometry(du.rect(units));
    return label;
}

// A picture control takes its bitmap's size (plus its frame), whatever the
// template says, at the template's place.
inline QLabel* picture(QWidget* parent, const QPixmap& bitmap, const DialogUnits& du, QPoint units, bool sunken) {
    auto* label = new QLabel(parent);
    label->setPixmap(bitmap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The style's sunken panel: a plain one lights its lower edges, which
    // vanish against a white bitmap.
    if (sunken) label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    const int frame = 2 * label->frameWidth();
    label->setGeometry(QRect(QPoint(du.px(units.x()), du.py(units.y())),
                             bitmap.deviceIndependentSize().toSize() + QSize(frame, frame)));
    return label;
}

// The template's size, grown by whole units where a grown control would
// otherwise stick out of the client area.
inline void setDialogSize(QWidget* dialog, const DialogUnits& du, int w, int h) {
    QRect used;
    for (const QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) used |= child->geometry();
    dialog->setFixedSize(du.size(du.unitsX(used.right() + 1, w), du.unitsY(used.bottom() + 1, h)));
}

// Group titles sit on the frame line, as the templates draw them.
inline QString groupBoxStyleSheet(const QFont& font) {
    // untranslated: a style sheet
    return QStringLiteral("QGroupBox { border: 1px solid palette(mid); margin-top: %1px; }"
                          "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }")
        .arg(QFontMetrics(font).height() / 2);
}

// An automatic radio button of `group`, carrying its control identifier,
// inside its frame `box`, where a screen reader finds it under the frame's
// title; `at` in the dialog's coordinates.
inline void addRadio(QButtonGroup* group, QGroupBox* box, int id, const QString& text, QRect at) {
    auto* r = new QRadioButton(text, box);
    // The dialog's font: a style-sheeted frame does not hand its own on.
    r->setFont(box->parentWidget()->font());
    at.translate(-box->pos());
    // Never narrower than its own text: this style's indicator is wider
    // than the one the template was measured with.
    at.setWidth(std::max(at.width(), r->sizeHint().width()));
    r->setGeometry(at);
    r->setProperty("controlId", id);
    group->addButton(r, id);
}

// Tab lands on a group's checked button and the arrows choose, as in every
// desktop's dialogs: the others take the focus only from a click.
inline void tabToChecked(QButtonGroup* group) {
    const auto follow = [group] {
        for (QAbstractButton* b : group->buttons()) b->setFocusPolicy(b->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    follow();
    QObject::connect(group, &QButtonGroup::buttonToggled, group, follow);
}

// Centred over the window that owns the dialog (the screen when none does).
inline void centreOverOwner(QWidget* dialog) {
    const QRect outer = dialog->parentWidget() ? dialog->parentWidget()->window()->frameGeometry()
                                               : (dialog->screen() ? dialog->screen()->geometry() : QRect());
    dialog->move(outer.left() + outer.width() / 2 - dialog->frameGeometry().width() / 2,
                 outer.top() + outer.height() / 2 - dialog->frameGeometry().height() / 2);
}

}  // namespace orbel
