#pragma once

#include <string>

// Switches the process's C locale to one that writes decimals with a comma (pt_BR, as on the
// operator's workstation, where the window's start-up takes the system's locale), and back
// when the object goes. A machine without it installed gets it compiled from the system's
// locale sources into a directory of the test run; Active() is false when even that fails.
class CommaDecimalLocale {
public:
    CommaDecimalLocale();
    ~CommaDecimalLocale();
    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

    bool Active() const { return active_; }

private:
    std::string saved_;
    bool active_ = false;
};
