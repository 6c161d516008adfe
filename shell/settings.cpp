#include "shell/settings.h"

#include <QSettings>
#include <QString>
#include <limits>
#include <memory>
#include <optional>

namespace orbel {
namespace {

std::unique_ptr<QSettings> openStore() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "Tessaly", "Orbel Chess");
}

// Each setting is the unnamed default value of a key of its own; in the
// Windows registry that is Qt's "<key>/Default" (read back as "<key>/.").
QString writeName(const char* key) {
#ifdef Q_OS_WIN
    return QString::fromLatin1(key) + "/Default";
#else
    return QString::fromLatin1(key);
#endif
}

QString readName(const char* key) {
#ifdef Q_OS_WIN
    return QString::fromLatin1(key) + "/.";
#else
    return QString::fromLatin1(key);
#endif
}

std::optional<std::int32_t> readNumber(const char* key) {
    const QVariant value = openStore()->value(readName(key));
    if (!value.isValid()) return std::nullopt;
    const QByteArray text = value.toString().toUtf8();
    return parseSettingNumber(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

}  // namespace

std::int32_t parseSettingNumber(std::string_view text) noexcept {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL) value = 2147483648LL;  // saturated; the rest cannot bring it back
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

void readColourSettings(StoredSettings& settings) {
    const auto dark = readNumber(DarkSquareKey);
    settings.darkSquareColor = dark ? colourFromSetting(*dark) : DefaultDarkSquareColor;
    const auto light = readNumber(LightSquareKey);
    settings.lightSquareColor = light ? colourFromSetting(*light) : DefaultLightSquareColor;
}

void readPieceSetSetting(StoredSettings& settings) {
    const auto set = readNumber(PieceSetKey);
    settings.pieceSetIndex = set ? pieceSetFromSetting(*set) : DefaultPieceSet;
}

void writeSetting(const char* key, std::int64_t number) {
    const auto s = openStore();
    s->setValue(writeName(key), QString::number(number));
    s->sync();
}

}  // namespace orbel
