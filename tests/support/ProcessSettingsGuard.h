#pragma once

#include "writers/FormatSettings.h"

// Restores the process's regional settings at the end of a test that changes them.
class ProcessSettingsGuard {
public:
    ProcessSettingsGuard() : saved_(vorlanda::ProcessFormatSettings()) {}
    ~ProcessSettingsGuard() { vorlanda::ProcessFormatSettings() = saved_; }
    ProcessSettingsGuard(const ProcessSettingsGuard&) = delete;
    ProcessSettingsGuard& operator=(const ProcessSettingsGuard&) = delete;

private:
    vorlanda::FormatSettings saved_;
};
