#include "options/ScoreboardFile.h"

#include "app/Numbers.h"
#include "platform/SafeFile.h"
#include "platform/Windows1252.h"

#include <QStringList>

#include <limits>
#include <optional>
#include <variant>

namespace brimley::ScoreboardFile {
namespace {

constexpr QChar Esc(0x1B);
const QString LineEnd = QStringLiteral("\r\n");

// Even 32767 teams with long picture paths stay far below this; anything larger is not a scoreboard
// file, and reading it whole could exhaust memory.
constexpr qint64 MaximumFileSize = 64 * 1024 * 1024;

// ---- The settings lines ------------------------------------------------------------------------------

// How a settings line's value is written and read.
enum class ValueKind {
    Whole,       // a whole number; reading takes only a value that is a number and nothing else
    Leading,     // a whole number; reading takes the number a value starts with, 0 when it starts with none
    NameSide,    // a word for the name's side
    PictureSide, // a word for the picture's side
};

struct SettingLine
{
    const char* key;
    std::variant<std::int32_t Settings::*, std::int16_t Settings::*> setting;
    ValueKind kind;
};

// The settings lines in the order a save writes them; reading takes them in any order.
const SettingLine SettingLines[] = {
    {"NumLockForce", &Settings::NumLockForce, ValueKind::Whole},
    {"BackColor", &Settings::BackColor, ValueKind::Whole},
    {"LEDColor", &Settings::LEDColor, ValueKind::Whole},
    {"LEDBackColor", &Settings::LEDBackColor, ValueKind::Whole},
    {"TextColor", &Settings::TextColor, ValueKind::Whole},
    {"PosNameToScore", &Settings::PosNameToScore, ValueKind::NameSide},
    {"PosImgToScore", &Settings::PosImgToScore, ValueKind::PictureSide},
    {"DigitsWide", &Settings::DigitsWide, ValueKind::Leading},
    {"HPadding", &Settings::HPadding, ValueKind::Leading},
    {"VPadding", &Settings::VPadding, ValueKind::Leading},
    {"Spacing", &Settings::Spacing, ValueKind::Leading},
};

struct SideWord
{
    std::int32_t side;
    const char* word;
};
const SideWord NameSides[] = {{SideNone, "None"}, {SideTop, "Top"}, {SideBottom, "Bottom"}};
const SideWord PictureSides[] = {{SideNone, "None"}, {SideLeft, "Left"}, {SideRight, "Right"}};

template <std::size_t N> const char* wordFor(std::int32_t side, const SideWord (&words)[N])
{
    for (const SideWord& word : words) {
        if (word.side == side)
            return word.word;
    }
    return nullptr;
}

template <std::size_t N> std::optional<std::int32_t> sideFor(QStringView value, const SideWord (&words)[N])
{
    for (const SideWord& word : words) {
        if (value == QLatin1String(word.word))
            return word.side;
    }
    return std::nullopt;
}

std::int64_t valueOf(const Settings& s, const SettingLine& line)
{
    return std::visit([&s](auto setting) { return std::int64_t{s.*setting}; }, line.setting);
}

// ESC separates the fields and CR and LF end lines, so a name or path holding one of them would be read
// back as a broken line and its team lost. A blank in their place keeps the team.
QString teamField(QString text)
{
    for (QChar& c : text) {
        if (c == Esc || c == QChar(u'\r') || c == QChar(u'\n'))
            c = QChar(u' ');
    }
    return text;
}

QString fileText(const Settings& s)
{
    QStringList lines;
    for (const SettingLine& line : SettingLines) {
        const std::int64_t value = valueOf(s, line);
        QString text;
        switch (line.kind) {
        case ValueKind::Whole:
        case ValueKind::Leading:
            text = QString::number(value);
            break;
        case ValueKind::NameSide:
        case ValueKind::PictureSide:
            // A position that is none of its words gets no line at all, and reads back as the default.
            const char* word = wordFor(static_cast<std::int32_t>(value),
                                       line.kind == ValueKind::NameSide ? NameSides : PictureSides);
            if (!word)
                continue;
            text = QLatin1String(word);
            break;
        }
        lines << QLatin1String(line.key) + QLatin1Char(':') + text;
    }
    lines << QString::fromLatin1(TeamDataSeparator);
    for (const Team& team : s.Teams) {
        // The shown flag is written as 1, not as the -1 it is in memory.
        lines << teamField(team.TeamName) + Esc + teamField(team.TeamPicture) + Esc +
                     (team.TeamShown == FlagTrue ? QStringLiteral("1") : QStringLiteral("0"));
    }
    return lines.join(LineEnd) + LineEnd;
}

// ---- Reading --------------------------------------------------------------------------------------

bool isBlank(QChar c)
{
    return c == QChar(u' ') || c == QChar(u'\t');
}
bool isDigit(QChar c)
{
    return c >= QChar(u'0') && c <= QChar(u'9');
}

// The length of the decimal number at the start of `text` (sign, digits, fraction, exponent), 0 when
// the text does not start with one.
int numberLength(QStringView text)
{
    int i = 0;
    const int n = static_cast<int>(text.size());
    if (i < n && (text[i] == QChar(u'+') || text[i] == QChar(u'-')))
        ++i;
    int digits = 0;
    for (; i < n && isDigit(text[i]); ++i)
        ++digits;
    if (i < n && text[i] == QChar(u'.')) {
        int j = i + 1;
        for (; j < n && isDigit(text[j]); ++j)
            ++digits;
        if (digits > 0)
            i = j;
    }
    if (digits == 0)
        return 0;
    if (i < n && (text[i] == QChar(u'e') || text[i] == QChar(u'E'))) {
        int j = i + 1;
        if (j < n && (text[j] == QChar(u'+') || text[j] == QChar(u'-')))
            ++j;
        const int exponentStart = j;
        for (; j < n && isDigit(text[j]); ++j) {
        }
        if (j > exponentStart)
            i = j;
    }
    return i;
}

// The number rounded to an integer, halves to the even neighbour; nothing when it lies beyond the range
// that roundHalfEven handles exactly.
std::optional<std::int64_t> integerOf(QStringView number)
{
    bool ok = false;
    const double value = number.toLatin1().toDouble(&ok);
    if (!ok || !(value > -9.0e18 && value < 9.0e18))
        return std::nullopt;
    return roundHalfEven(value);
}

// The whole value must be a number, with blanks around it allowed.
std::optional<std::int64_t> strictInteger(QStringView value)
{
    while (!value.isEmpty() && isBlank(value.front()))
        value = value.mid(1);
    while (!value.isEmpty() && isBlank(value.back()))
        value.chop(1);
    const int length = numberLength(value);
    if (length == 0 || length != value.size())
        return std::nullopt;
    return integerOf(value);
}

// Leading blanks are skipped and the number at the start is taken, the rest ignored; a value that does
// not start with a number counts as 0, as files written by hand have always relied on.
std::optional<std::int64_t> lenientInteger(QStringView value)
{
    while (!value.isEmpty() && isBlank(value.front()))
        value = value.mid(1);
    const int length = numberLength(value);
    if (length == 0)
        return 0;
    return integerOf(value.left(length));
}

template <typename Int> void storeIfFits(std::optional<std::int64_t> value, Int& setting)
{
    // A number the setting cannot hold is a damaged line, not a value to wrap or clip.
    if (value && *value >= std::numeric_limits<Int>::min() && *value <= std::numeric_limits<Int>::max())
        setting = static_cast<Int>(*value);
}

void applySettingsLine(const QString& text, Settings& s)
{
    const auto colon = text.indexOf(QChar(u':'));
    if (colon < 0)
        return;
    // Keys are compared exactly: no trimming, case-sensitive. The value is everything after the first
    // colon, further colons included.
    const QStringView key = QStringView(text).left(colon);
    const QStringView value = QStringView(text).mid(colon + 1);
    for (const SettingLine& line : SettingLines) {
        if (key != QLatin1String(line.key))
            continue;
        std::optional<std::int64_t> read;
        switch (line.kind) {
        case ValueKind::Whole:
            read = strictInteger(value);
            break;
        case ValueKind::Leading:
            read = lenientInteger(value);
            break;
        case ValueKind::NameSide:
            read = sideFor(value, NameSides);
            break;
        case ValueKind::PictureSide:
            read = sideFor(value, PictureSides);
            break;
        }
        std::visit([&](auto setting) { storeIfFits(read, s.*setting); }, line.setting);
        return;
    }
}

// Lines end at CR LF, at CR or at LF: files saved by a text editor on Linux or macOS read like the
// program's own. A terminator at the very end does not start another line.
QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != QChar(u'\r') && c != QChar(u'\n'))
            continue;
        lines << text.mid(start, i - start);
        if (c == QChar(u'\r') && i + 1 < n && text[i + 1] == QChar(u'\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF)
// containing at least one multi-byte sequence: such a file is read as UTF-8, any other as Windows-1252.
bool looksLikeUtf8(const QByteArray& bytes)
{
    bool multiByte = false;
    const auto n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int continuation = 0;
        char32_t code = 0;
        char32_t smallest = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            continuation = 1;
            code = lead & 0x1F;
            smallest = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            continuation = 2;
            code = lead & 0x0F;
            smallest = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            continuation = 3;
            code = lead & 0x07;
            smallest = 0x10000;
        } else {
            return false; // a stray continuation byte, an overlong two-byte lead, or beyond U+10FFFF
        }
        if (i + continuation >= n)
            return false; // cut short by the end of the file
        for (int k = 1; k <= continuation; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        multiByte = true;
        i += continuation + 1;
    }
    return multiByte;
}

QString decodeFile(const QByteArray& bytes)
{
    if (!looksLikeUtf8(bytes))
        return Windows1252::decode(bytes);
    QString text = QString::fromUtf8(bytes);
    // Text editors often begin a UTF-8 file with a byte-order mark; it is not part of the first key.
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

} // namespace

// ---- Writing --------------------------------------------------------------------------------------

QByteArray fileBytes(const Settings& settings)
{
    const QString text = fileText(settings);
    // Windows-1252 whenever it holds everything and reads back as itself, so existing files stay byte
    // for byte the same; otherwise the whole file in UTF-8, without a byte-order mark.
    if (Windows1252::isRepresentable(text)) {
        QByteArray bytes = Windows1252::encode(text);
        if (!looksLikeUtf8(bytes))
            return bytes;
    }
    return text.toUtf8();
}

Result writeFile(const Settings& settings, const QString& path)
{
    return SafeFile::write(path, fileBytes(settings));
}

Result SaveFile(const Settings& settings, OptionsWindowState& options)
{
    Result result = writeFile(settings, settings.CurrentFile);
    if (result)
        options.FileChanged = FlagFalse;
    return result;
}

// ---- Reading --------------------------------------------------------------------------------------

int readBytes(const QByteArray& bytes, Settings& settings)
{
    const QStringList lines = splitLines(decodeFile(bytes));
    const QString separator = QString::fromLatin1(TeamDataSeparator);

    // Settings lines, up to the separator. In a file without one, its last line is not applied: files
    // have always been read that way, and a settings line is never the last line of a saved file.
    qsizetype i = 0;
    for (; i < lines.size(); ++i) {
        if (lines[i] == separator) {
            ++i;
            break;
        }
        if (i == lines.size() - 1) {
            i = lines.size();
            break;
        }
        applySettingsLine(lines[i], settings);
    }

    // Team lines: exactly three fields, or the line is skipped (blank lines included) and takes no index.
    QVector<Team> teams;
    int leftOut = 0;
    for (; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(Esc);
        if (fields.size() != 3)
            continue;
        if (teams.size() == MaximumTeams)
            ++leftOut;
        else
            teams.append(Team{fields[0], fields[1], fields[2] == QStringLiteral("0") ? FlagFalse : FlagTrue});
    }
    // Without a single valid team line the list stays the default team.
    if (!teams.isEmpty())
        settings.Teams = teams;
    return leftOut;
}

OpenResult OpenFile(const QString& path, Settings& settings, OptionsWindowState& options)
{
    const SafeFile::ReadResult read = SafeFile::read(path, MaximumFileSize);
    OpenResult result;
    result.ok = read.ok;
    result.reason = read.reason;
    if (!read)
        return result;
    // Read into a fresh model, which replaces the current one only now that the read succeeded.
    Settings opened;
    opened.CurrentFile = path;
    result.teamsLeftOut = readBytes(read.bytes, opened);
    settings = std::move(opened);
    options.FileChanged = FlagFalse;
    return result;
}

} // namespace brimley::ScoreboardFile
