// Building blocks shared by the program's dialogs: positions and sizes in
// dialog units (as the templates were drawn), the templates' fonts, and the
// few kinds of control they are made of.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QRect>
#include <QString>
#include <algorithm>

namespace orbel {

// Dialog units: a quarter of the font's average character width across, an
// eighth of its height down.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font) {
        const QFontMetrics m(font);
        baseX_ = m.averageCharWidth();
        baseY_ = m.height();
    }
    QRect rect(int x, int y, int w, int h) const { return QRect(px(x), py(y), px(w), py(h)); }
    QSize size(int w, int h) const { return QSize(px(w), py(h)); }
    int px(int x) const { return (x * baseX_ + 2) / 4; }
    int py(int y) const { return (y * baseY_ + 4) / 8; }

private:
    int baseX_;
    int baseY_;
};

// The templates' fonts by name; where they are missing, the metric-compatible
// Liberation families stand in (narrower than the usual default sans).
inline QFont dialogFont(const char* family, int points) {
    QFont f;
    const QString name = QString::fromLatin1(family);
    f.setFamilies({name, name.contains("Times") ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans")});
    f.setPointSize(points);
    return f;
}

inline QLabel* staticText(QWidget* parent, const char* text, QRect at) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(at);
    return label;
}

// Group titles sit on the frame line, as the templates draw them.
inline QString groupBoxStyleSheet(const QFont& font) {
    return QStringLiteral("QGroupBox { border: 1px solid palette(mid); margin-top: %1px; }"
                          "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }")
        .arg(QFontMetrics(font).height() / 2);
}

// An automatic radio button carrying its control identifier.
inline QRadioButton* radioButton(QWidget* parent, int id, const char* text, QRect at) {
    auto* r = new QRadioButton(QString::fromLatin1(text), parent);
    // Never narrower than its own text: this style's indicator is wider
    // than the one the template was measured with.
    at.setWidth(std::max(at.width(), r->sizeHint().width()));
    r->setGeometry(at);
    r->setProperty("controlId", id);
    return r;
}

}  // namespace orbel
