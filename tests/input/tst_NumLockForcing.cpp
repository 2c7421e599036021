#include "input/NumLockForcing.h"

#include <QtTest>

using namespace brimley;

namespace {

// A keyboard that records every change asked of it.
class FakeKeyboard final : public NumLock::Keyboard
{
public:
    std::optional<bool> isOn() override { return state; }
    void setOn(bool on) override
    {
        ++changes;
        state = on;
    }
    std::optional<bool> state;
    int changes = 0;
};

std::optional<bool> unknown()
{
    return std::nullopt;
}

} // namespace

class tst_NumLockForcing : public QObject
{
    Q_OBJECT

private slots:
    void theSettingForcesNumLock_data()
    {
        QTest::addColumn<int>("NumLockForce");
        QTest::addColumn<std::optional<bool>>("before");
        QTest::addColumn<std::optional<bool>>("after");
        QTest::addColumn<int>("changes");

        QTest::newRow("keep on, off") << 1 << std::optional(false) << std::optional(true) << 1;
        QTest::newRow("keep on, already on: nothing sent")
            << 1 << std::optional(true) << std::optional(true) << 0;
        QTest::newRow("keep off, on") << 2 << std::optional(true) << std::optional(false) << 1;
        QTest::newRow("keep off, already off") << 2 << std::optional(false) << std::optional(false) << 0;
        QTest::newRow("normal leaves on") << 0 << std::optional(true) << std::optional(true) << 0;
        QTest::newRow("normal leaves off") << 0 << std::optional(false) << std::optional(false) << 0;
        QTest::newRow("3 acts like normal") << 3 << std::optional(false) << std::optional(false) << 0;
        QTest::newRow("-1 acts like normal") << -1 << std::optional(true) << std::optional(true) << 0;
        QTest::newRow("keep on, state unknown") << 1 << unknown() << unknown() << 0;
    }
    void theSettingForcesNumLock()
    {
        QFETCH(int, NumLockForce);
        QFETCH(std::optional<bool>, before);
        QFETCH(std::optional<bool>, after);
        QFETCH(int, changes);
        FakeKeyboard keyboard;
        keyboard.state = before;
        NumLockForcing::apply(keyboard, NumLockForce);
        QCOMPARE(keyboard.state, after);
        QCOMPARE(keyboard.changes, changes);
        // Applying again, as the release of a synthesized NumLock key does, changes nothing more.
        NumLockForcing::apply(keyboard, NumLockForce);
        QCOMPARE(keyboard.changes, changes);
    }
};

QTEST_APPLESS_MAIN(tst_NumLockForcing)
#include "tst_NumLockForcing.moc"
