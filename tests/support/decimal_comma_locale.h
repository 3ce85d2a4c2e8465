#pragma once
// Switches the C library of the whole process to German number conventions
// (de_DE.UTF-8: decimal comma, point as thousands separator), as a Qt
// application does on a German desktop, and back again on destruction.
// The locale is compiled into the build tree, so no locale needs to be
// installed; when it cannot be set, active() is false and failure() says why,
// and the test must fail rather than pass with the C locale.

#include <string>

namespace akuenza::test {

class DecimalCommaLocale {
public:
    DecimalCommaLocale();
    ~DecimalCommaLocale();
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

    // The locale is set and the C library now reads and writes "0,81".
    bool active() const { return failure_.empty(); }
    const std::string& failure() const { return failure_; }

private:
    std::string previousLocale_;
    bool hadLocpath_ = false;
    std::string previousLocpath_;
    std::string failure_;
};

} // namespace akuenza::test
