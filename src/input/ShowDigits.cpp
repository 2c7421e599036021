#include "input/ShowDigits.h"

#include <optional>

namespace brimley::ShowDigits {
namespace {

constexpr std::int16_t Enter = 13;
constexpr std::int16_t Space = 32;
constexpr std::int16_t Plus = 43;
constexpr std::int16_t Minus = 45;
constexpr std::int16_t ClearRequest = 0;

// Wider than any score, narrower than anything that could overflow the sums below.
constexpr std::int64_t ReadLimit = 2147483647;

// The leading number of a text: an optional sign and the digits right after it; no digits there
// read as 0. Nothing when the number is beyond 32 bits: such an entry is out of every range.
std::optional<std::int64_t> leadingNumber(QStringView text)
{
    qsizetype at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
        negative = text[at] == u'-';
        ++at;
    }
    std::int64_t value = 0;
    for (; at < text.size() && text[at].isDigit() && text[at].unicode() < 128; ++at) {
        value = value * 10 + (text[at].unicode() - u'0');
        if (value > ReadLimit)
            return std::nullopt;
    }
    return negative ? -value : value;
}

// The strict number of a text: the whole text must be an optional sign and digits.
std::optional<std::int64_t> strictNumber(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

bool isOneDigitDisplay(std::int16_t maximum)
{
    return QString::number(maximum).size() == 1;
}

void emptyEntry(EntryState& state)
{
    state.EntryBuffer.clear();
    state.EntryTooLong = false;
}

void append(EntryState& state, QChar character)
{
    if (state.EntryBuffer.size() >= MaxEntryLength) {
        state.EntryTooLong = true;
        return;
    }
    state.EntryBuffer.append(character);
}

// Applies the entry, unless characters were dropped from it: then it is out of range.
void applyEntry(ScoreDisplay& display, EntryState& state, std::int16_t minimum, std::int16_t maximum)
{
    if (!state.EntryTooLong)
        ScoreEntryApply(display, state.EntryBuffer, minimum, maximum);
    emptyEntry(state);
}

} // namespace

EntryState& entryState()
{
    static EntryState state;
    return state;
}

void ScoreEntryKey(ScoreDisplay& display, std::int16_t characterCode, std::int16_t minimum,
                   std::int16_t maximum)
{
    EntryState& state = entryState();
    // Each step checks its own condition; several may act on one key.
    if (display.Name() != state.EntryDisplayName) {
        emptyEntry(state);
        state.EntryDisplayName = display.Name();
    }
    if (characterCode >= '0' && characterCode <= '9')
        append(state, QChar(characterCode));
    // Signs are kept wherever they fall, also after digits: "12+3" reads as 12.
    if (characterCode == Plus)
        append(state, u'+');
    if (characterCode == Minus)
        append(state, u'-');
    if (characterCode == Space)
        emptyEntry(state);
    if (characterCode == ClearRequest)
        ScoreEntryApply(display, QString(QChar(0)), minimum, maximum);
    // A one-digit display takes a plain digit at once, on whatever key; a signed entry waits for Enter.
    if (isOneDigitDisplay(maximum) && !state.EntryBuffer.startsWith(u'+') &&
        !state.EntryBuffer.startsWith(u'-'))
        applyEntry(display, state, minimum, maximum);
    if (characterCode == Enter)
        applyEntry(display, state, minimum, maximum);
}

void ScoreEntryApply(ScoreDisplay& display, const QString& entry, std::int16_t minimum, std::int16_t maximum)
{
    const QString caption = display.Caption();
    // The cleared display adds and subtracts as 0. A caption is always a whole number; anything else
    // is read as far as it is one.
    const std::optional<std::int64_t> current =
        strictNumber(caption) == -1 ? std::optional<std::int64_t>(0) : leadingNumber(caption);
    if (entry.isEmpty())
        return;

    std::optional<std::int64_t> result;
    const QChar first = entry.front();
    if (first == QChar(0)) {
        result = -1;
    } else if (first.unicode() >= u'0' && first.unicode() <= u'9') {
        result = leadingNumber(entry);
    } else if (first == u'+' || first == u'-') {
        const auto operand = leadingNumber(QStringView(entry).mid(1));
        if (current && operand)
            result = first == u'+' ? *current + *operand : *current - *operand;
    }
    // Both operands lie within 32 bits, so the sum cannot overflow; the range decides.
    if (result && *result >= minimum && *result <= maximum)
        display.setCaption(QString::number(*result));
}

} // namespace brimley::ShowDigits
