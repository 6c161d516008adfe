#include "shell/settings.h"

#include <QSettings>
#include <QString>
#include <charconv>
#include <optional>

namespace orbel {
namespace {

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
    const QVariant value = QSettings().value(readName(key));
    if (!value.isValid()) return std::nullopt;
    const QByteArray text = value.toString().toUtf8();
    return parseSettingNumber(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

}  // namespace

std::int32_t parseSettingNumber(std::string_view text) noexcept {
    const auto isSpace = [](char ch) { return ch == ' ' || (ch >= '\t' && ch <= '\r'); };
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Only digits follow here: from_chars would take a second sign.
    if (i == text.size() || text[i] < '0' || text[i] > '9') return 0;
    std::uint32_t magnitude = 0;
    const std::from_chars_result read = std::from_chars(text.data() + i, text.data() + text.size(), magnitude);
    // Beyond the 32-bit range the value saturates, as C's atoi does in practice.
    const std::uint32_t limit = negative ? 2147483648u : 2147483647u;
    if (read.ec == std::errc::result_out_of_range || magnitude > limit) magnitude = limit;
    return negative ? static_cast<std::int32_t>(0u - magnitude) : static_cast<std::int32_t>(magnitude);
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

void readSwitchSettings(StoredSettings& settings) {
    const auto announce = readNumber(AnnounceKey);
    settings.announceMoves = !announce || *announce != 0;
    const auto sounds = readNumber(SoundsKey);
    settings.sounds = !sounds || *sounds != 0;
}

void readOptInSettings(StoredSettings& settings) {
    const auto on = [](const char* key) {
        const QVariant value = QSettings().value(readName(key));
        return value.isValid() && value.toString().trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    };
    settings.standardRules = on(StandardRulesKey);
    settings.acceptInternetCalls = on(AcceptInternetCallsKey);
}

void readTimeControlSetting(StoredSettings& settings) {
    // The longest control, four periods a side and a handicap, is about 100
    // characters; a text far longer is not read at all.
    constexpr qsizetype LongestText = 200;
    const QByteArray text = QSettings().value(readName(TimeControlKey)).toString().toUtf8();
    std::optional<TimeControl> control;
    if (text.size() <= LongestText)
        control = readTimeControl(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    settings.timeControl = control.value_or(TimeControl{});
}

void writeSwitchSetting(const char* key, bool on) {
    QSettings store;
    store.setValue(writeName(key), on ? QStringLiteral("true") : QStringLiteral("false"));
    store.sync();
}

void writeTimeControlSetting(const TimeControl& control) {
    QSettings store;
    store.setValue(writeName(TimeControlKey), QString::fromStdString(timeControlText(control)));
    store.sync();
}

QString readEnginesSetting() {
    // A few paths; a text far longer is no list of them.
    const QString text = QSettings().value(readName(EnginesKey)).toString();
    return text.size() <= 64 * 1024 ? text : QString();
}

void writeEnginesSetting(const QString& text) {
    QSettings store;
    store.setValue(writeName(EnginesKey), text);
    store.sync();
}

void writeSetting(const char* key, std::int64_t number) {
    QSettings store;
    store.setValue(writeName(key), QString::number(number));
    store.sync();
}

}  // namespace orbel
