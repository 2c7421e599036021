#pragma once

// A keyboard whose NumLock lives in the test: its state (unknown when empty), and how often it was set.

#include "platform/NumLock.h"

struct FakeKeyboard final : brimley::NumLock::Keyboard
{
    std::optional<bool> isOn() override { return on; }
    void setOn(bool value) override { on = value, ++changes; }
    std::optional<bool> on = false;
    int changes = 0;
};
